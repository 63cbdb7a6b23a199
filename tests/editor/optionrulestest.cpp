#include "editor/optionrules.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;

namespace {

ChannelTable tableWithChannels(std::initializer_list<int> programmed)
{
    ChannelTable table;
    for (int row : programmed)
        table.cell(row, ChannelTable::RxFrequencyColumn) = u"438.01250"_s;
    return table;
}

} // namespace

TEST(OptionRules, shouldFixThePriorityOnTheFirstProgrammedChannel)
{
    EXPECT_EQ(FixedPriorityChannel(tableWithChannels({3, 7})), 3);
    EXPECT_EQ(FixedPriorityChannel(tableWithChannels({16})), 16);
    EXPECT_EQ(FixedPriorityChannel(tableWithChannels({})), 0);
}

TEST(OptionRules, shouldRefuseAnEmptyPreferredChannelAndBringBackTheFixedOne)
{
    const ChannelTable table = tableWithChannels({3, 5});
    const struct
    {
        const char *name;
        int chosen;
        PreferredChannelChoice expected;
    } cases[] = {
        {"programmed channel", 5, {5, false}},
        {"empty channel", 4, {3, true}},
        {"no channel chosen", 0, {3, true}},
        {"beyond the table", 17, {3, true}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PreferredChannelChoice choice = CheckPreferredChannel(table, c.chosen, 3);
        EXPECT_EQ(choice.channel, c.expected.channel);
        EXPECT_EQ(choice.refused, c.expected.refused);
    }
}

TEST(OptionRules, shouldAcceptOnlyWholeScanDelaysTheRadioHolds)
{
    const struct
    {
        const char16_t *text;
        bool valid;
    } cases[] = {{u"", true},     {u"0", true},    {u"12", true},     {u"300", true},
                 {u"0300", true}, {u"301", false}, {u"-1", false},    {u"1.5", false},
                 {u"abc", false}, {u" 5", false},  {u"99999", false}, {u"00000", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_EQ(IsValidScanDelay(QString::fromUtf16(c.text)), c.valid);
    }
}
