#include "filesizelimit.h"
#include "watchdog.h"

#include "image/codec.h"
#include "image/codeplanfile.h"
#include "image/fileaccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

constexpr rlim_t kLimit = 300;
const QByteArray kOld = "the old content, which must survive";

class FileAccess : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QFile file(path(u"target"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(kOld), kOld.size());
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QByteArray content(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(FileAccess, shouldWriteTheWholeFileOrLeaveTheOldOneOnAFullDisk)
{
    const struct
    {
        const char *name;
        qsizetype size;
        bool fits;
    } cases[] = {
        {"up to the limit", qsizetype(kLimit), true},
        {"one byte beyond", qsizetype(kLimit) + 1, false},
        {"a code plan file", kCodePlanFileBytes, false},
        {"more than Qt buffers", 100000, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(WriteWholeFile(path(u"target"_s), kOld));
        const QByteArray bytes(c.size, 'x');
        std::optional<FileProblem> problem;
        {
            const ScopedFileSizeLimit limit(kLimit);
            problem = WriteWholeFile(path(u"target"_s), bytes);
        }
        EXPECT_EQ(entries(), QStringList{u"target"_s}) << "nothing is left beside the target";
        if (c.fits) {
            EXPECT_FALSE(problem) << problem->message().toStdString();
            EXPECT_EQ(content(u"target"_s), bytes);
            continue;
        }
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->kind, FileProblem::Other);
        EXPECT_EQ(problem->path, path(u"target"_s));
        EXPECT_EQ(problem->reason, u"File too large"_s);
        EXPECT_EQ(problem->message(), path(u"target"_s) + u": File too large"_s);
        EXPECT_EQ(content(u"target"_s), kOld);
    }
}

TEST_F(FileAccess, shouldKeepTheOldPlanWhenItsSaveRunsOutOfSpace)
{
    std::optional<FileError> error;
    {
        const ScopedFileSizeLimit limit(kLimit);
        error =
            WriteCodePlanFile(path(u"target"_s), EncodeImage(CodePlan(), ChoiceTexts::simplifiedChinese()));
    }
    ASSERT_TRUE(error) << "a truncated plan was reported as saved";
    EXPECT_EQ(error->kind, FileError::Io);
    EXPECT_EQ(error->detail, u"File too large"_s);
    EXPECT_EQ(content(u"target"_s), kOld);
    EXPECT_EQ(entries(), QStringList{u"target"_s});
}

TEST_F(FileAccess, shouldRefuseWhatIsNotARegularFileWithoutOpeningIt)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path(u"fifo"_s)).constData(), 0600), 0);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder"_s));
    // Opening a pipe waits for a writer for ever.
    const Watchdog watchdog("reading or writing a FIFO");
    for (const QString &special : {path(u"fifo"_s), path(u"folder"_s), u"/dev/null"_s}) {
        SCOPED_TRACE(special.toStdString());
        const auto read = ReadFileHead(special, 100);
        ASSERT_TRUE(std::holds_alternative<FileProblem>(read));
        const FileProblem &problem = std::get<FileProblem>(read);
        EXPECT_EQ(problem.kind, FileProblem::NotRegularFile);
        EXPECT_EQ(problem.message(), special + u": not a regular file"_s);
        const auto written = WriteWholeFile(special, "bytes");
        ASSERT_TRUE(written);
        EXPECT_EQ(written->kind, FileProblem::NotRegularFile);
        EXPECT_EQ(written->message(), special + u": not a regular file"_s);
        const auto plan = ReadCodePlanFile(special);
        ASSERT_TRUE(std::holds_alternative<FileError>(plan));
        EXPECT_EQ(std::get<FileError>(plan).kind, FileError::NotRegularFile);
    }
    EXPECT_FALSE(QFileInfo(path(u"fifo"_s)).isFile()) << "the pipe is still a pipe";
}

TEST_F(FileAccess, shouldGiveTheSystemsReasonWhenTheFolderIsMissing)
{
    const auto problem = WriteWholeFile(path(u"none/plan.json"_s), "bytes");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->kind, FileProblem::Other);
    EXPECT_EQ(problem->path, path(u"none/plan.json"_s));
    EXPECT_FALSE(problem->reason.isEmpty());
    EXPECT_EQ(entries(), QStringList{u"target"_s});
}

TEST_F(FileAccess, shouldReadAtMostTheBytesAskedFor)
{
    const auto head = ReadFileHead(path(u"target"_s), 7);
    ASSERT_TRUE(std::holds_alternative<QByteArray>(head));
    EXPECT_EQ(std::get<QByteArray>(head), kOld.left(7));
    const auto whole = ReadFileHead(path(u"target"_s), 1000);
    EXPECT_EQ(std::get<QByteArray>(whole), kOld);

    const auto missing = ReadFileHead(path(u"missing"_s), 10);
    ASSERT_TRUE(std::holds_alternative<FileProblem>(missing));
    EXPECT_EQ(std::get<FileProblem>(missing).kind, FileProblem::Other);
    EXPECT_EQ(std::get<FileProblem>(missing).path, path(u"missing"_s));
    EXPECT_FALSE(std::get<FileProblem>(missing).reason.isEmpty());
}
