#include "planreport/texttable.h"

#include <gtest/gtest.h>

using namespace vm280::cli;

TEST(TextTable, shouldCountWideCharactersAsTwoColumns)
{
    EXPECT_EQ(TextTable::displayWidth(u"Hight"), 5);
    EXPECT_EQ(TextTable::displayWidth(u"信道"), 4);
    EXPECT_EQ(TextTable::displayWidth(u"宽\\窄带"), 7);
    EXPECT_EQ(TextTable::displayWidth(u"发布：2012"), 10); // the full-width colon
    EXPECT_EQ(TextTable::displayWidth(u"Café"), 4);
    EXPECT_EQ(TextTable::displayWidth(u""), 0);
}

TEST(TextTable, shouldAlignColumnsByDisplayWidth)
{
    TextTable table;
    table.addRow({"信道", "功率", "x"});
    table.addRow({"01", "Hight", "y"});
    table.addRow({"16"});
    EXPECT_EQ(table.toString(2), "  信道  功率   x\n"
                                 "  01    Hight  y\n"
                                 "  16\n");
}

TEST(TextTable, shouldNotEndLinesInSpaces)
{
    TextTable table;
    table.addRow({"a", "", ""});
    table.addRow({"bbb", "cc", ""});
    EXPECT_EQ(table.toString(), "a\nbbb  cc\n");
}
