#include "coreapplication.h"
#include "watchdog.h"

#include "interchange/planinterchange.h"

#include "image/codec.h"
#include "image/codeplanfile.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

namespace {

// The Traditional report is converted with the character table found beside the program.
const auto *const kApplication = testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

const ChoiceTexts &zh()
{
    return ChoiceTexts::simplifiedChinese();
}

// Every code plan file of the test data and the samples.
QStringList planFiles()
{
    QStringList files;
    for (const char *folder :
         {VM280_TEST_DATA, VM280_TEST_DATA "/../../samples", VM280_TEST_DATA "/../../fuzz/corpus"}) {
        QDirIterator it(QString::fromLatin1(folder), {u"*.DAT"_s}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    return files;
}

} // namespace

TEST(PlanInterchange, shouldGiveBackTheSameImageThroughJsonForEveryPlanFile)
{
    const QStringList files = planFiles();
    ASSERT_GE(files.size(), 8);
    for (const QString &path : files) {
        SCOPED_TRACE(path.toStdString());
        const auto image = ReadCodePlanFile(path);
        if (!std::holds_alternative<QByteArray>(image))
            continue; // a seed that is meant not to open
        CodePlan opened;
        ASSERT_TRUE(DecodeImage(opened, std::get<QByteArray>(image), zh()));
        const ImportResult back = ImportPlan(ExportPlan(opened, InterchangeFormat::Json, zh()),
                                             InterchangeFormat::Json, CodePlan(), {}, zh());
        ASSERT_TRUE(std::holds_alternative<CodePlan>(back.plan));
        EXPECT_EQ(EncodeImage(std::get<CodePlan>(back.plan), zh()), EncodeImage(opened, zh()));
    }
}

TEST(PlanInterchange, shouldRefuseAFileFarLargerThanAnyChannelListBeforeReadingIt)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(u"huge.csv"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxImportBytes + 1));
    file.close();
    const auto read = ReadImportFile(file.fileName());
    ASSERT_TRUE(std::holds_alternative<ImportError>(read));
    EXPECT_EQ(std::get<ImportError>(read).kind, ImportError::BadInput);
    EXPECT_TRUE(std::get<ImportError>(read).reason.english.startsWith("the file is larger than 16 MiB"));

    const QByteArray tooMany(kMaxImportBytes + 1, ' ');
    const ImportResult result = ImportPlan(tooMany, InterchangeFormat::ChirpCsv, CodePlan(), {}, zh());
    ASSERT_TRUE(std::holds_alternative<ImportError>(result.plan));
    EXPECT_EQ(std::get<ImportError>(result.plan).line, 0);
}

TEST(PlanInterchange, shouldTellFileFailuresFromBadInput)
{
    QTemporaryDir dir;
    const ImportResult missing = ImportPlanFile(dir.filePath(u"missing.csv"_s), CodePlan(), {}, zh());
    ASSERT_TRUE(std::holds_alternative<ImportError>(missing.plan));
    EXPECT_EQ(std::get<ImportError>(missing.plan).kind, ImportError::FileFailure);

    // A pipe would be waited on for ever: it is refused before it is opened.
    const QString fifo = dir.filePath(u"fifo.csv"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const Watchdog watchdog("importing a FIFO");
    const ImportResult pipe = ImportPlanFile(fifo, CodePlan(), {}, zh());
    ASSERT_TRUE(std::holds_alternative<ImportError>(pipe.plan));
    EXPECT_EQ(std::get<ImportError>(pipe.plan).kind, ImportError::NotRegularFile);
    EXPECT_EQ(std::get<ImportError>(pipe.plan).message(fifo), fifo + ": not a regular file");
    EXPECT_EQ(std::get<ImportError>(pipe.plan).problem(fifo).kind, FileProblem::NotRegularFile);

    const ImportResult other = ImportPlanFile(dir.filePath(u"plan.txt"_s), CodePlan(), {}, zh());
    ASSERT_TRUE(std::holds_alternative<ImportError>(other.plan));
    EXPECT_EQ(std::get<ImportError>(other.plan).kind, ImportError::BadInput);

    const ImportResult latin1 =
        ImportPlan("Location,Frequency\n1,438\n\xE9\n", InterchangeFormat::ChirpCsv, CodePlan(), {}, zh());
    ASSERT_TRUE(std::holds_alternative<ImportError>(latin1.plan));
    EXPECT_EQ(std::get<ImportError>(latin1.plan).message("in.csv"), "in.csv: the file is not UTF-8 text");
}

TEST(PlanInterchange, shouldReportAnImportInTheLinesTheCommandLinePrints)
{
    ImportOptions options;
    options.band.kind = BandChoice::Automatic;
    const ImportResult result = ImportPlan("Location,Frequency,Mode\n1,145.5,FM\n2,118.1,AM\n3,145.513,FM\n",
                                           InterchangeFormat::ChirpCsv, CodePlan(), options, zh());
    ASSERT_TRUE(std::holds_alternative<CodePlan>(result.plan));
    EXPECT_EQ(result.report.band, 5);
    EXPECT_EQ(
        result.report.lines("in.csv"),
        QStringList({"in.csv:3:9: skipped: Mode: AM cannot be programmed into this radio, which has FM "
                     "(wide) and NFM (narrow) only",
                     "in.csv:4:3: warning: Frequency: frequency 145.513 is off the raster, snapped down to "
                     "145.51250",
                     "band 136-174MHz chosen: it holds 2 importable rows",
                     "imported 2 channels, skipped 1 row"}));
    // The window shows the same report in its language, Traditional converted from Simplified.
    EXPECT_EQ(result.report.lines("in.csv", Language::SimplifiedChinese),
              QStringList({"in.csv:3:9: 跳过: Mode：AM 无法写入本对讲机，它只有 FM（宽带）和 NFM（窄带）",
                           "in.csv:4:3: 警告: Frequency：频率 145.513 不在步进上，已向下取到 145.51250",
                           "选定频段 136-174MHz：其中有 2 行可导入", "已导入 2 个信道，跳过 1 行"}));
    EXPECT_EQ(result.report.lines("in.csv", Language::TraditionalChinese).last(),
              "已導入 2 個信道，跳過 1 行");

    ImportError error{ImportError::BadInput, 3, 4, {"两\n行", "two\nlines"}};
    EXPECT_EQ(error.message("in.csv"), "in.csv:3:4: two\\nlines");
    EXPECT_EQ(error.message("in.csv", Language::SimplifiedChinese), "in.csv:3:4: 两\\n行");
}

TEST(PlanInterchange, shouldCountNotesBeyondTheirLimit)
{
    QByteArray csv = "Location,Frequency\n1,438\n";
    for (int i = 0; i < ImportReport::kMaxNotes + 5; ++i)
        csv += "99,438\n";
    const ImportResult result = ImportPlan(csv, InterchangeFormat::ChirpCsv, CodePlan(), {}, zh());
    EXPECT_EQ(result.report.skipped, ImportReport::kMaxNotes + 5);
    EXPECT_EQ(result.report.notes.size(), ImportReport::kMaxNotes);
    EXPECT_EQ(result.report.lines("in.csv").at(ImportReport::kMaxNotes), "in.csv: 5 more notes not shown");
}
