#include "planreport/printable.h"
#include "planreport/texttable.h"

#include <gtest/gtest.h>

using namespace vm280::cli;

TEST(Printable, shouldEscapeEveryCharacterATerminalWouldNotShowAsItself)
{
    const struct
    {
        const char *name;
        QString text;
        QString shown;
    } cases[] = {
        {"plain text", "438.01250 Hight", "438.01250 Hight"},
        {"Chinese", "载波 頻段 发布：2012", "载波 頻段 发布：2012"},
        {"beyond the basic plane", QString::fromUtf8("\xF0\x9F\x93\xBB radio"),
         QString::fromUtf8("\xF0\x9F\x93\xBB radio")},
        {"line breaks and tabs", "a\nb\r\tc", "a\\nb\\r\\tc"},
        {"escape sequence", "\x1b[2J\x1b[31mRED", "\\x1b[2J\\x1b[31mRED"},
        {"bell, NUL and DEL", QString(QChar(0x07)) + QChar(0) + QChar(0x7F), "\\x07\\x00\\x7f"},
        {"8-bit CSI", QString(QChar(0x9B)) + "0m", "\\x9b0m"},
        {"right-to-left override", QString(QChar(0x202E)) + "TAD.exe", "\\u{202e}TAD.exe"},
        {"backslash stays", "D023N\\", "D023N\\"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Printable(c.text), c.shown);
    }
}

TEST(Printable, shouldAlignTableColumnsByTheEscapedText)
{
    TextTable table;
    table.addRow({"1", "\x1b[31m", "x"});
    table.addRow({"2", "ok", "y"});
    EXPECT_EQ(table.toString(), "1  \\x1b[31m  x\n2  ok        y\n");
}
