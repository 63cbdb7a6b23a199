#include "image/hex.h"
#include "image/tones.h"

#include <gtest/gtest.h>

using namespace vm280;

namespace {

struct ToneCase
{
    const char16_t *text;
    const char *stored; // low byte first, as in the channel record
};

// The code as the decoder forms it: high byte first.
QByteArray highFirst(const QByteArray &stored)
{
    return stored.mid(2, 2) + stored.mid(0, 2);
}

} // namespace

TEST(Tones, shouldEncodeAndDecodeListedTones)
{
    const ToneCase cases[] =
        {
            {u"67.0", "9E02"},  {u"100.0", "E803"}, {u"254.1", "ED09"}, {u"88.5", "7503"},
            {u"D023N", "1328"}, {u"D023I", "13A8"}, {u"D754N", "EC29"}, {u"D777I", "FFA9"},
            {u"100.1", "E903"}, // typed, not in the list: still stored and read back
        };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(ToneCode(text), c.stored);
        EXPECT_EQ(ToneText(highFirst(c.stored)), text);
    }
}

TEST(Tones, shouldStoreNonOctalDcsDigitsByArithmetic)
{
    EXPECT_EQ(ToneCode(u"D089N"), "4928");
    EXPECT_EQ(ToneText("2849"), "D111N");
}

TEST(Tones, shouldKeepOnlyTheOctalDigitsPresentWhenDecoding)
{
    EXPECT_EQ(ToneText("2013"), "D23N");
    EXPECT_EQ(ToneText("A813"), "D023I");
    EXPECT_EQ(ToneText("2FFF"), "D777N") << "bits above the code are ignored";
}

TEST(Tones, shouldShowUnwrittenCodesAsTenthsOfAHertz)
{
    EXPECT_EQ(ToneText("03E8"), "100.0");
    EXPECT_EQ(ToneText("0000"), ".0");
    EXPECT_EQ(ToneText("9000"), "3686.4");
}

TEST(Tones, shouldReadBackEveryThreeDigitCtcssCode)
{
    for (quint32 code = 0; code <= 0xFFF; ++code) {
        const QByteArray stored = ToneCode(ToneText(ToHex4(code)));
        ASSERT_EQ(stored.mid(2, 2) + stored.mid(0, 2), ToHex4(code)) << ToneText(ToHex4(code)).toStdString();
    }
}

TEST(Tones, shouldNeverWidenTheFieldForUnstorableTexts)
{
    for (const char16_t *text : {u"409.6", u"9999.9", u"-5.0", u"abc", u"D", u"DN", u"D0023N"}) {
        SCOPED_TRACE(QString::fromUtf16(text).toStdString());
        EXPECT_EQ(ToneCode(QString::fromUtf16(text)).size(), 4);
    }
    EXPECT_EQ(ToneCode(u"409.6"), "FFFF");
    EXPECT_EQ(ToneCode(u"409.5"), "FF0F");
}
