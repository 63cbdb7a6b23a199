#include "editor/storabletext.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;

TEST(StorableText, shouldKeepExactlyTheCharactersWithASingleByteForm)
{
    const struct
    {
        const char *name;
        QString text;
        QString storable;
    } cases[] = {
        {"plain ASCII", u"Club 438"_s, u"Club 438"_s},
        {"Latin-1 letters", QString::fromUtf16(u"Café þ"), QString::fromUtf16(u"Café þ")},
        {"y with diaeresis dropped: 0xFF ends a field", QString::fromUtf16(u"aÿb"), u"ab"_s},
        {"Chinese dropped", QString::fromUtf16(u"A中文B"), u"AB"_s},
        {"emoji dropped whole", QString::fromUtf16(u"x\U0001F600y"), u"xy"_s},
        {"euro sign dropped", QString::fromUtf16(u"5€"), u"5"_s},
        {"empty", QString(), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StorableText(c.text), c.storable);
    }
}
