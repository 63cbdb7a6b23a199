#include "clirunner.h"
#include "scopedenvironment.h"

#include "image/codec.h"
#include "image/codeplanfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::test;

namespace {

// The channels of the public band plans, as their rules list them (MHz).
const QStringList kPmr446{"446.00625", "446.01875", "446.03125", "446.04375", "446.05625", "446.06875",
                          "446.08125", "446.09375", "446.10625", "446.11875", "446.13125", "446.14375",
                          "446.15625", "446.16875", "446.18125", "446.19375"};
// FRS 1 to 16 of 22: 1-7 at 462 MHz, 8-14 at 467 MHz, 15-16 between 1-7.
const QStringList kFrs{"462.56250", "462.58750", "462.61250", "462.63750", "462.66250", "462.68750",
                       "462.71250", "467.56250", "467.58750", "467.61250", "467.63750", "467.66250",
                       "467.68750", "467.71250", "462.55000", "462.57500"};
// The first 16 of the 20 channels of 409.7500-409.9875 MHz.
const QStringList kChina{"409.75000", "409.76250", "409.77500", "409.78750", "409.80000", "409.81250",
                         "409.82500", "409.83750", "409.85000", "409.86250", "409.87500", "409.88750",
                         "409.90000", "409.91250", "409.92500", "409.93750"};

class TemplateCommands : public testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString userFolder() const { return m_data.filePath("vm280/templates"); }

    // The plan in the code plan file at path, in the tool's start-up words.
    CodePlan planAt(const QString &file) const
    {
        CodePlan plan;
        const auto image = ReadCodePlanFile(file);
        EXPECT_TRUE(std::holds_alternative<QByteArray>(image)) << file.toStdString();
        if (const auto *bytes = std::get_if<QByteArray>(&image))
            DecodeImage(plan, *bytes, ChoiceTexts::simplifiedChinese());
        return plan;
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_data;
    QTemporaryDir m_system;
    // The user's own templates live here, and no installed copy of the tool is looked at.
    ScopedEnvironment m_home{"XDG_DATA_HOME", m_data.path().toUtf8()};
    ScopedEnvironment m_dirs{"XDG_DATA_DIRS", m_system.path().toUtf8()};
};

} // namespace

TEST_F(TemplateCommands, shouldFillANewPlanWithExactlyThePublicFrequencies)
{
    const struct
    {
        const char *name;
        QStringList frequencies;
    } templates[] = {{"PMR446", kPmr446}, {"frs", kFrs}, {"china-409mhz", kChina}};
    ASSERT_EQ(runCli({"new", "-o", path("start.DAT")}).exitCode, 0);
    CodePlan startUp = planAt(path("start.DAT"));
    for (const auto &t : templates) {
        SCOPED_TRACE(t.name);
        const QString file = path(QString::fromLatin1(t.name) + ".DAT");
        const CliRun run = runCli({"new", "--template", QString::fromLatin1(t.name), "-o", file});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const CodePlan plan = planAt(file);
        EXPECT_EQ(plan.band, 0) << "400-480MHz holds every channel";
        for (int row = 1; row <= ChannelTable::kRows; ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(plan.channels.cell(row, 1), t.frequencies[row - 1]);
            EXPECT_EQ(plan.channels.cell(row, 3), t.frequencies[row - 1]);
            EXPECT_EQ(plan.channels.cell(row, 5), "低") << "the rules limit the power";
            EXPECT_EQ(plan.channels.cell(row, 7), "窄带") << "12.5 kHz channels";
            EXPECT_EQ(plan.channels.cell(row, 2), "关闭");
        }
        startUp.channels = plan.channels;
        EXPECT_EQ(plan, startUp) << "every setting is the start-up one";
    }
}

TEST_F(TemplateCommands, shouldSayWhatALongerListLeavesOut)
{
    const CliRun frs = runCli({"new", "--template", "FRS", "-o", path("frs.DAT")});
    EXPECT_EQ(frs.err, "vm280-cli: FRS holds 22 channels; the plan takes the first 16 of them\n");
    const CliRun pmr = runCli({"new", "--template", "PMR446", "-o", path("pmr.DAT")});
    EXPECT_TRUE(pmr.err.isEmpty()) << pmr.err.toStdString();
}

TEST_F(TemplateCommands, shouldListTheTemplatesWithWhatAPlanGetsFromThem)
{
    const CliRun run = runCli({"templates"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "China-409MHz  20 channels (a plan takes 16 of them), 409.75000 to 409.98750 MHz, "
                       "band 400-480MHz\n"
                       "FRS           22 channels (a plan takes 16 of them), 462.55000 to 467.71250 MHz, "
                       "band 400-480MHz\n"
                       "PMR446        16 channels, 446.00625 to 446.19375 MHz, band 400-480MHz\n");
}

TEST_F(TemplateCommands, shouldTakeTheUsersOwnTemplatesFirst)
{
    ASSERT_TRUE(QDir().mkpath(userFolder()));
    // A marine list on 2 m, a list of the user's own PMR channels, and a broken file.
    ASSERT_TRUE(
        writeBytes(userFolder() + "/Marine.csv", "Location,Frequency,Mode\n16,156.8,FM\n6,156.3,FM\n"));
    ASSERT_TRUE(writeBytes(userFolder() + "/pmr446.csv", "Location,Frequency,Mode\n1,446.00625,NFM\n"));
    ASSERT_TRUE(writeBytes(userFolder() + "/Broken.csv", "Location,Frequency\n1,\"446\n"));
    ASSERT_TRUE(writeBytes(userFolder() + "/notes.txt", "not a template"));
    const CliRun list = runCli({"templates"});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    const QStringList lines = list.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << list.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("Broken        cannot be used: ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("Broken.csv:2:3: the quoted field has no closing quote"))
        << lines[0].toStdString();
    EXPECT_EQ(lines[3], "Marine        2 channels, 156.30000 to 156.80000 MHz, band 136-174MHz");
    EXPECT_EQ(lines[4], "pmr446        1 channels, 446.00625 to 446.00625 MHz, band 400-480MHz");

    // By Location: a 2 m plan with channels 6 and 16.
    ASSERT_EQ(runCli({"new", "--template", "marine", "-o", path("marine.DAT")}).exitCode, 0);
    const CodePlan marine = planAt(path("marine.DAT"));
    EXPECT_EQ(marine.band, 5);
    EXPECT_EQ(marine.channels.cell(6, 1), "156.30000");
    EXPECT_EQ(marine.channels.cell(16, 1), "156.80000");
    EXPECT_TRUE(marine.channels.isEmpty(1));

    const CliRun broken = runCli({"new", "--template", "Broken", "-o", path("broken.DAT")});
    EXPECT_EQ(broken.exitCode, 2);
    EXPECT_TRUE(broken.err.contains("Broken.csv:2:3: the quoted field has no closing quote"))
        << broken.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("broken.DAT")));
}

TEST_F(TemplateCommands, shouldRefuseATemplateThatIsNotThere)
{
    const CliRun run = runCli({"new", "--template", "GMRS", "-o", path("x.DAT")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "vm280-cli: there is no template 'GMRS'; vm280-cli templates lists them\n");
    EXPECT_FALSE(QFile::exists(path("x.DAT")));
}
