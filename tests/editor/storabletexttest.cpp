#include "editor/storabletext.h"

#include <gtest/gtest.h>

using namespace vm280;

TEST(StorableText, shouldKeepExactlyTheCharactersWithASingleByteForm)
{
    const struct
    {
        const char *name;
        QString text;
        QString storable;
    } cases[] = {
        {"plain ASCII", QStringLiteral("Club 438"), QStringLiteral("Club 438")},
        {"Latin-1 letters", QString::fromUtf16(u"Café þ"), QString::fromUtf16(u"Café þ")},
        {"y with diaeresis dropped: 0xFF ends a field", QString::fromUtf16(u"aÿb"), QStringLiteral("ab")},
        {"Chinese dropped", QString::fromUtf16(u"A中文B"), QStringLiteral("AB")},
        {"emoji dropped whole", QString::fromUtf16(u"x\U0001F600y"), QStringLiteral("xy")},
        {"euro sign dropped", QString::fromUtf16(u"5€"), QStringLiteral("5")},
        {"empty", QString(), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StorableText(c.text), c.storable);
    }
}
