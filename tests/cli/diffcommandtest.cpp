#include "clirunner.h"

#include "image/codec.h"
#include "image/codeplanfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::test;

namespace {

class DiffCommand : public testing::Test
{
protected:
    QString save(const QString &name, const CodePlan &plan)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(writeBytes(path, CodePlanBytes(EncodeImage(plan, ChoiceTexts::simplifiedChinese()))));
        return path;
    }

    QTemporaryDir m_dir;
};

const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");

TEST_F(DiffCommand, shouldSayNothingAndSucceedForAPlanAndItself)
{
    const CliRun run = runCli({"diff", kRichPlan, kRichPlan});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST_F(DiffCommand, shouldListTheCellsOfAChangedChannel)
{
    CodePlan a;
    a.channels.cell(4, ChannelTable::RxFrequencyColumn) = "436.12500";
    a.channels.cell(4, ChannelTable::TxFrequencyColumn) = "436.12500";
    CodePlan b = a;
    b.channels.cell(4, ChannelTable::TxFrequencyColumn) = "437.00000";
    const CliRun run = runCli({"diff", save("a.DAT", a), save("b.DAT", b), "--lang", "en"});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_EQ(run.out, "Channel 04 TX frequency  436.12500  437.00000\n");
}

TEST_F(DiffCommand, shouldListAChangedSettingWithItsListTexts)
{
    CodePlan b;
    b.selectors.Combo6 = 0;
    const CliRun run = runCli({"diff", save("a.DAT", CodePlan()), save("b.DAT", b)});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_EQ(run.out, "功能设置 / 省电  使能  禁止\n");
}

TEST_F(DiffCommand, shouldMarkEmptyCellsAndConvertForTraditionalChinese)
{
    CodePlan b;
    b.channels.cell(2, ChannelTable::RxFrequencyColumn) = "436.12500";
    const CliRun run = runCli({"diff", save("a.DAT", CodePlan()), save("b.DAT", b), "--lang", "zh-Hant"});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_EQ(run.out.section('\n', 0, 0).simplified(), "信道 02 接收頻率 (empty) 436.12500");
}

TEST_F(DiffCommand, shouldTellBadInputAndFileFailuresFromADifference)
{
    const QString plan = save("a.DAT", CodePlan());
    ASSERT_TRUE(writeBytes(m_dir.filePath("text.DAT"), "not a plan"));
    struct Case
    {
        const char *name;
        QStringList arguments;
        int exitCode;
    };
    const Case cases[] = {
        {"one plan", {"diff", plan}, 2},
        {"unknown language", {"diff", plan, plan, "--lang", "fr"}, 2},
        {"not a plan", {"diff", plan, m_dir.filePath("text.DAT")}, 2},
        {"missing file", {"diff", m_dir.filePath("none.DAT"), plan}, 3},
        {"missing port", {"diff", plan, "--port", m_dir.filePath("tty")}, 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.startsWith("vm280-cli: ")) << run.err.toStdString();
    }
}

} // namespace
