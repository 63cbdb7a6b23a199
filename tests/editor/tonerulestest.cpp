#include "editor/tonerules.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace Qt::StringLiterals;

TEST(ToneRules, shouldListTheOffWordFiftyTonesAndBothPolarities)
{
    const QStringList list = ToneList(u"Off"_s);
    ASSERT_EQ(list.size(), kToneListSize);
    EXPECT_EQ(list[0], u"Off"_s);
    EXPECT_EQ(list[1], u"67.0"_s);
    EXPECT_EQ(list[50], u"254.1"_s);
    EXPECT_EQ(list[51], u"D023N"_s);
    EXPECT_EQ(list[155], u"D754N"_s);
    EXPECT_EQ(list[156], u"D023I"_s);
    EXPECT_EQ(list[260], u"D754I"_s);
    QStringList unique = list;
    EXPECT_EQ(unique.removeDuplicates(), 0);
}

TEST(ToneRules, shouldFindListIndexes)
{
    EXPECT_EQ(ToneListIndex(u"关闭", u"关闭"_s), 0);
    EXPECT_EQ(ToneListIndex(u"88.5", u"Off"_s), 9);
    EXPECT_EQ(ToneListIndex(u"D754I", u"Off"_s), 260);
    EXPECT_EQ(ToneListIndex(u"100.1", u"Off"_s), -1);
    EXPECT_EQ(ToneListIndex(u"Off", u"关闭"_s), -1);
}

TEST(ToneRules, shouldNormaliseTypedTones)
{
    const struct
    {
        const char16_t *typed;
        int listIndex;
        ToneEntry::Outcome outcome;
        const char16_t *text;
    } cases[] = {
        {u"88.5", -1, ToneEntry::Set, u"88.5"},
        {u"67", -1, ToneEntry::Set, u"67.0"},
        {u"254.1", -1, ToneEntry::Set, u"254.1"},
        {u"100", -1, ToneEntry::Set, u"100.0"},
        {u"100.14", -1, ToneEntry::Set, u"100.1"},
        {u"254.2", -1, ToneEntry::Revert, u""},
        {u"66.9", -1, ToneEntry::Revert, u""},
        {u"abc", -1, ToneEntry::Revert, u""},
        {u"", -1, ToneEntry::Revert, u""},
        {u"D23N", -1, ToneEntry::Set, u"D023N"},
        {u"D1000N", -1, ToneEntry::Set, u"D777N"},
        {u"D023I", 156, ToneEntry::Set, u"D023I"},
        {u"D0023N", -1, ToneEntry::Set, u"D023N"},
        {u"D23X", -1, ToneEntry::Keep, u""},
        {u"Off", 0, ToneEntry::Keep, u""},
        {u"DN", -1, ToneEntry::Keep, u""},
        {u"D2.5N", -1, ToneEntry::Keep, u""},
        {u"D089N", -1, ToneEntry::Set, u"D089N"},
        {u"D99999999999999999999N", -1, ToneEntry::Set, u"D777N"},
        {u"D0000000000000000000000000777I", -1, ToneEntry::Set, u"D777I"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        const ToneEntry entry = NormaliseTone(QString::fromUtf16(c.typed), c.listIndex);
        EXPECT_EQ(entry.outcome, c.outcome);
        EXPECT_EQ(entry.text, QString::fromUtf16(c.text));
    }
}
