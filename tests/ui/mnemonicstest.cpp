#include "ui/mnemonics.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace Qt::StringLiterals;

namespace {

struct MnemonicCase
{
    const char *name;
    QString caption;
    QChar key;
    QString marked;
};

TEST(MnemonicsTest, shouldMarkTheKeyWhereTheCaptionHoldsItElseAfterIt)
{
    const MnemonicCase cases[] = {
        {"letter in the caption", u"Squelch Grade:"_s, u'Q', u"S&quelch Grade:"_s},
        {"first letter", u"Time-out:"_s, u'T', u"&Time-out:"_s},
        {"digit", u"PF1"_s, u'1', u"PF&1"_s},
        {"Chinese caption", u"静噪等级"_s, u'Q', u"静噪等级(&Q)"_s},
        {"Chinese caption with Latin letters", u"VOX功能"_s, u'F', u"VOX功能(&F)"_s},
        {"letter missing from an English caption", u"Beep:"_s, u'x', u"Beep:(&X)"_s},
        {"marked already", u"文件(&F)"_s, u'N', u"文件(&F)"_s},
        {"empty caption", QString(), u'N', u"(&N)"_s},
    };
    for (const MnemonicCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WithMnemonic(c.caption, c.key), c.marked);
    }
}

} // namespace
