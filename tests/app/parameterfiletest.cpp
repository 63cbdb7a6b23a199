#include "watchdog.h"

#include "app/parameterfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

namespace {

QString writeBytes(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(u"parameter"_s);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

TEST(ParameterFile, shouldReadEachByteWithinItsRangeAndTheDefaultOutside)
{
    const struct
    {
        QByteArray bytes;
        std::optional<bool> locked;
        int port;
        Language language;
    } cases[] = {
        {QByteArray("\x01\x05\x01", 3), true, 5, Language::English},
        {QByteArray("\x00\x14\x02", 3), false, 20, Language::TraditionalChinese},
        {QByteArray("\x02\x15\x03", 3), std::nullopt, 0, Language::SimplifiedChinese},
        {QByteArray("\x00\xFF\xFF\x07", 4), false, 0, Language::SimplifiedChinese},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        const ParameterFile::ReadResult read = ParameterFile::read(writeBytes(dir, c.bytes));
        EXPECT_FALSE(read.problem);
        EXPECT_EQ(read.parameters.locked, c.locked);
        EXPECT_EQ(read.parameters.PortNumber, c.port);
        EXPECT_EQ(read.parameters.language, c.language);
    }
}

TEST(ParameterFile, shouldGiveTheDefaultsForAMissingFileWithoutAProblem)
{
    QTemporaryDir dir;
    const ParameterFile::ReadResult read = ParameterFile::read(dir.filePath(u"parameter"_s));
    EXPECT_FALSE(read.problem);
    EXPECT_EQ(read.parameters.locked, false);
    EXPECT_EQ(read.parameters.PortNumber, 0);
}

TEST(ParameterFile, shouldReadTheBytesAShortFileLacksAsZero)
{
    const struct
    {
        QByteArray bytes;
        bool locked;
        int port;
    } cases[] = {
        {QByteArray(), false, 0},
        {QByteArray("\x01", 1), true, 0},
        {QByteArray("\x01\x05", 2), true, 5},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        const ParameterFile::ReadResult read = ParameterFile::read(writeBytes(dir, c.bytes));
        EXPECT_FALSE(read.problem);
        EXPECT_EQ(read.parameters.locked, c.locked);
        EXPECT_EQ(read.parameters.PortNumber, c.port);
        EXPECT_EQ(read.parameters.language, Language::SimplifiedChinese);
    }
}

TEST(ParameterFile, shouldGiveTheDefaultsForAFolderOrAPipeWithoutWaitingForIt)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(u"folder"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(u"fifo"_s)).constData(), 0600), 0);
    // A pipe would wait for a writer for ever.
    const Watchdog watchdog("reading a FIFO as the parameter file");
    for (const char *name : {"folder", "fifo"}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QString::fromLatin1(name));
        const ParameterFile::ReadResult read = ParameterFile::read(path);
        ASSERT_TRUE(read.problem);
        EXPECT_EQ(read.problem->kind, FileProblem::NotRegularFile);
        EXPECT_EQ(read.problem->path, path);
        EXPECT_EQ(read.parameters.locked, false);
        const auto written = ParameterFile::write(path, Parameters{true, 7, Language::English});
        ASSERT_TRUE(written);
        EXPECT_EQ(written->kind, FileProblem::NotRegularFile);
    }
}

TEST(ParameterFile, shouldWriteThreeBytesAndCreateItsFolder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"config/vm280/parameter"_s);
    EXPECT_FALSE(ParameterFile::write(path, Parameters{true, 7, Language::English}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\x01\x07\x01", 3));
    const auto failed = ParameterFile::write(dir.filePath(u"config/vm280/parameter/x"_s), {});
    ASSERT_TRUE(failed);
}
