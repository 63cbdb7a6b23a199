#include "planreport/planreport.h"
#include "planreport/texttable.h"
#include "richplan.h"

#include "editor/localtext.h"
#include "image/codec.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::cli;

namespace {

// The report of the rich plan as the tool shows it after opening it in language.
QStringList reportLines(Language language)
{
    const ChoiceTexts &texts = LocalChoiceTexts(language);
    CodePlan plan;
    DecodeImage(plan, EncodeImage(test::richPlan(), ChoiceTexts::simplifiedChinese()), texts);
    return PlanReport::text(plan, language).split(u'\n');
}

// The value shown beside caption on the settings line that starts with it.
QString valueOf(const QStringList &lines, const QString &caption)
{
    for (const QString &line : lines) {
        if (line.startsWith("  " + caption + "  "))
            return line.mid(caption.size() + 2).trimmed();
    }
    return "(no line for " + caption + ")";
}

// The display column at which text starts in line, or -1.
int columnOf(const QString &line, const QString &text)
{
    const qsizetype at = line.indexOf(text);
    return at < 0 ? -1 : TextTable::displayWidth(line.left(at));
}

QString lineStartingWith(const QStringList &lines, const QString &start)
{
    for (const QString &line : lines) {
        if (line.startsWith(start))
            return line;
    }
    return {};
}

} // namespace

TEST(PlanReport, shouldShowSettingsWithCaptionsAndValuesInEnglish)
{
    const QStringList lines = reportLines(Language::English);
    EXPECT_EQ(lines.first(), "Model  450-490MHz");
    EXPECT_EQ(valueOf(lines, "Language:"), "Off");
    EXPECT_EQ(valueOf(lines, "Time-out:"), "600 S");
    EXPECT_EQ(valueOf(lines, "Squelch Grade:"), "9 Group");
    EXPECT_EQ(valueOf(lines, "PTT ID"), "Both");
    EXPECT_EQ(valueOf(lines, "Retrace Time A"), "5.00 S");
    EXPECT_EQ(valueOf(lines, "Preferred channel"), "16");
    EXPECT_EQ(valueOf(lines, "Scan launch delay time(S)"), "-1");
    EXPECT_EQ(valueOf(lines, "ID码"), "ID12345678");
    EXPECT_EQ(valueOf(lines, "首位数码延迟"), "1000MS");
    EXPECT_EQ(valueOf(lines, "PF1"), "Delete temporary");
    EXPECT_EQ(valueOf(lines, "TX-Hight Power"), "255");
    for (const char *caption : {"Function Set", "Optional Function", "DTMF", "Keys Set",
                                "Embedded Information", "测试频率", "Debug"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(caption))) << caption;
}

TEST(PlanReport, shouldShowTheChannelWordsOfTheLanguage)
{
    const QStringList en = reportLines(Language::English);
    EXPECT_EQ(lineStartingWith(en, "Channel "),
              "Channel  RX frequency  QT/DQT  TX frequency  QT/DQT  Power  Forbid  Band    Scan");
    EXPECT_EQ(lineStartingWith(en, "03 "),
              "03       452.50625     254.1   452.50625     254.1   Hight  Carrow  Wide    Have");
    EXPECT_EQ(lineStartingWith(en, "04"), "04");
    const QStringList zh = reportLines(Language::SimplifiedChinese);
    EXPECT_EQ(zh.first(), "机型选择  450-490MHz");
    EXPECT_EQ(valueOf(zh, "语言通知"), "关");
    EXPECT_EQ(valueOf(zh, "发射超时"), "600 秒");
}

TEST(PlanReport, shouldAlignChineseColumnsByDisplayWidth)
{
    const QStringList lines = reportLines(Language::SimplifiedChinese);
    const QString header = lineStartingWith(lines, "信道");
    const QString second = lineStartingWith(lines, "02 ");
    ASSERT_FALSE(header.isEmpty());
    EXPECT_EQ(columnOf(second, "低"), columnOf(header, "功率"));
    EXPECT_EQ(columnOf(second, "无"), columnOf(header, "扫描添加"));
    EXPECT_EQ(columnOf(lineStartingWith(lines, "  扫描发射恢复延时时间(秒)"), "-1"),
              columnOf(lineStartingWith(lines, "  PTT ID"), "两者"));
}
