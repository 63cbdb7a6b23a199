// What vm280-cli does when a file cannot be written whole (a full disk, simulated by a file size
// limit), when a path names a pipe or a device, and with control characters in what files hold.

#include "clirunner.h"
#include "filesizelimit.h"
#include "radio/radioprocess.h"

#include "image/codec.h"
#include "image/codeplanfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <vector>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

constexpr rlim_t kLimit = 300;
constexpr int kWaitMs = 20000;
const QByteArray kOld = "the old file, to be kept byte for byte";
const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");
const QString kRadioMemory = QString::fromUtf8(VM280_TEST_DATA "/link/memory-pattern.DAT");
const QString kPlan = QString::fromUtf8(VM280_TEST_DATA "/link/plan-uhf.DAT");

// vm280-cli on a disk that takes no file beyond kLimit bytes.
CliRun runOnFullDisk(const QStringList &arguments)
{
    return runCli(arguments, {}, [](QProcess &process) { limitFileSize(process, kLimit); });
}

// A simulated radio that logs every frame and saves its memory after any operation that wrote
// blocks.
struct WatchedRadio
{
    explicit WatchedRadio(const QString &saved)
        : radio({u"-v"_s, u"--baud"_s, u"0"_s, u"--save"_s, saved, kRadioMemory}, QProcess::SeparateChannels)
    {}

    /// The radio's log, once it has been stopped.
    QString stop()
    {
        radio.process->terminate();
        radio.process->waitForFinished(kWaitMs);
        return QString::fromLocal8Bit(radio.process->readAllStandardError());
    }

    RadioProcess radio;
};

// Each row's placeholders: TARGET and FOLDER name the file or folder the command writes, PORT
// the simulated radio's device.
QStringList filled(const QStringList &arguments, const QString &folder, const QString &port)
{
    QStringList result;
    for (QString argument : arguments)
        result << argument.replace(u"TARGET"_s, folder + u"/target"_s)
                      .replace(u"FOLDER"_s, folder)
                      .replace(u"PORT"_s, port);
    return result;
}

bool allPrintable(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'\n' || c.isPrint(); });
}

class FileFaults : public testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList entries(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    // A folder holding the file "target" with the old content.
    QString folderWithOldTarget(const QString &name) const
    {
        const QString folder = path(name);
        EXPECT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(writeBytes(folder + u"/target"_s, kOld));
        return folder;
    }
    void makeFifo(const QString &name) const
    {
        ASSERT_EQ(mkfifo(QFile::encodeName(path(name)).constData(), 0600), 0);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(FileFaults, shouldKeepTheOldFileAndNameItWhenTheDiskIsFull)
{
    ASSERT_EQ(
        runCli({u"export"_s, kRichPlan, u"--format"_s, u"json"_s, u"-o"_s, path(u"in.json"_s)}).exitCode, 0);
    ASSERT_EQ(runCli({u"export"_s, kRichPlan, u"--format"_s, u"csv"_s, u"-o"_s, path(u"in.csv"_s)}).exitCode,
              0);
    const struct
    {
        const char *name;
        QStringList arguments;
        bool radio;
    } cases[] = {
        {"convert", {u"convert"_s, kRichPlan, u"TARGET"_s}, false},
        {"new", {u"new"_s, u"-o"_s, u"TARGET"_s}, false},
        {"import json", {u"import"_s, path(u"in.json"_s), u"-o"_s, u"TARGET"_s}, false},
        {"import csv", {u"import"_s, path(u"in.csv"_s), u"-o"_s, u"TARGET"_s}, false},
        {"export json", {u"export"_s, kRichPlan, u"--format"_s, u"json"_s, u"-o"_s, u"TARGET"_s}, false},
        {"export csv", {u"export"_s, kRichPlan, u"--format"_s, u"csv"_s, u"-o"_s, u"TARGET"_s}, false},
        {"export html", {u"export"_s, kRichPlan, u"--format"_s, u"html"_s, u"-o"_s, u"TARGET"_s}, false},
        {"export pdf", {u"export"_s, kRichPlan, u"--format"_s, u"pdf"_s, u"-o"_s, u"TARGET"_s}, false},
        {"read", {u"read"_s, u"--port"_s, u"PORT"_s, u"-o"_s, u"TARGET"_s}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = folderWithOldTarget(QString::fromLatin1(c.name));
        std::unique_ptr<RadioProcess> radio;
        if (c.radio)
            radio = std::make_unique<RadioProcess>(QStringList{u"--baud"_s, u"0"_s, kRadioMemory});
        const CliRun run = runOnFullDisk(filled(c.arguments, folder, radio ? radio->devicePath : QString()));
        EXPECT_EQ(run.exitCode, 3);
        // Notes of the import and of the platform may come first; the failure is the last line.
        EXPECT_TRUE(run.err.endsWith(u"vm280-cli: "_s + folder + u"/target: File too large\n"_s))
            << run.err.toStdString();
        EXPECT_EQ(fileBytes(folder + u"/target"_s), kOld);
        EXPECT_EQ(entries(folder), QStringList{u"target"_s}) << "nothing is left beside it";
    }
}

TEST_F(FileFaults, shouldWriteNothingIntoTheRadioWhenTheBackupCannotBeSaved)
{
    makeFifo(u"fifo.DAT"_s);
    const QString backupFailed = u"Backup could not be saved, nothing was written! "_s;
    const struct
    {
        const char *name;
        QStringList arguments;
        bool fullDisk;
        int exitCode;
        QString message; ///< on stderr, or on stdout for the batch
    } cases[] = {
        {"backup file on a full disk",
         {u"write"_s, u"--port"_s, u"PORT"_s, u"--yes"_s, u"--backup"_s, u"TARGET"_s, kPlan},
         true,
         3,
         u"vm280-cli: "_s + backupFailed + u"FOLDER/target: File too large\n"_s},
        {"backup folder on a full disk",
         {u"write"_s, u"--port"_s, u"PORT"_s, u"--yes"_s, u"--backup-dir"_s, u"FOLDER/backups"_s, kPlan},
         true,
         3,
         u"vm280-cli: "_s + backupFailed + u"FOLDER/backups/"_s},
        {"backup file that is a pipe",
         {u"write"_s, u"--port"_s, u"PORT"_s, u"--yes"_s, u"--backup"_s, path(u"fifo.DAT"_s), kPlan},
         false,
         3,
         u"vm280-cli: "_s + backupFailed + path(u"fifo.DAT"_s) + u": not a regular file\n"_s},
        {"batch on a full disk",
         {u"write"_s, u"--port"_s, u"PORT"_s, u"--yes"_s, u"--repeat"_s, u"--count"_s, u"1"_s,
          u"--backup-dir"_s, u"FOLDER/backups"_s, kPlan},
         true,
         4,
         u"Radio 1: failed after "_s},
    };
    // One radio for every case: it serves one client after another.
    WatchedRadio radio(path(u"saved.DAT"_s));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = folderWithOldTarget(QString::fromLatin1(c.name));
        ASSERT_TRUE(QDir().mkpath(folder + u"/backups"_s));
        const QStringList arguments = filled(c.arguments, folder, radio.radio.devicePath);
        const CliRun run = c.fullDisk ? runOnFullDisk(arguments) : runCli(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        const QString message = QString(c.message).replace(u"FOLDER"_s, folder);
        const QString &shown = c.exitCode == 4 ? run.out : run.err;
        EXPECT_TRUE(shown.startsWith(message)) << shown.toStdString();
        EXPECT_EQ(shown.contains(u": File too large"_s), c.fullDisk) << shown.toStdString();
        EXPECT_EQ(fileBytes(folder + u"/target"_s), kOld);
        EXPECT_TRUE(entries(folder + u"/backups"_s).isEmpty());
    }
    const QString log = radio.stop();
    EXPECT_EQ(log.count(u"PC: read request"_s), 16 * std::size(cases)) << "each backup read ran";
    EXPECT_FALSE(log.contains(u"PC: write block"_s)) << log.toStdString();
    EXPECT_FALSE(QFile::exists(path(u"saved.DAT"_s))) << "the radio's memory changed";
}

TEST_F(FileFaults, shouldRefuseWhatIsNotARegularFileWithoutWaitingForIt)
{
    for (const QString &name : {u"fifo.DAT"_s, u"fifo.json"_s, u"fifo.csv"_s})
        makeFifo(name);
    ASSERT_TRUE(QFile::copy(kRichPlan, path(u"good.DAT"_s)));
    ASSERT_EQ(
        runCli({u"export"_s, kRichPlan, u"--format"_s, u"json"_s, u"-o"_s, path(u"good.json"_s)}).exitCode,
        0);
    const QString fifo = path(u"fifo.DAT"_s);
    const QString good = path(u"good.DAT"_s);
    const QString out = path(u"out.DAT"_s);
    const struct
    {
        const char *name;
        QStringList arguments;
        QString file;
    } cases[] = {
        {"show", {u"show"_s, fifo}, fifo},
        {"show a device", {u"show"_s, u"/dev/null"_s}, u"/dev/null"_s},
        {"convert from", {u"convert"_s, fifo, out}, fifo},
        {"convert to", {u"convert"_s, good, fifo}, fifo},
        {"new", {u"new"_s, u"-o"_s, fifo}, fifo},
        {"import", {u"import"_s, path(u"fifo.json"_s), u"-o"_s, out}, path(u"fifo.json"_s)},
        {"import onto", {u"import"_s, path(u"good.json"_s), u"--base"_s, fifo, u"-o"_s, out}, fifo},
        {"import to", {u"import"_s, path(u"good.json"_s), u"-o"_s, fifo}, fifo},
        {"export", {u"export"_s, fifo, u"--format"_s, u"json"_s}, fifo},
        {"export to",
         {u"export"_s, good, u"--format"_s, u"csv"_s, u"-o"_s, path(u"fifo.csv"_s)},
         path(u"fifo.csv"_s)},
        {"diff first", {u"diff"_s, fifo, good}, fifo},
        {"diff second", {u"diff"_s, good, fifo}, fifo},
        {"write", {u"write"_s, u"--port"_s, u"/dev/null"_s, fifo}, fifo},
    };
    // All at once, each given a bounded time: opening a pipe would wait for a writer for ever.
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const auto &c : cases) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->start(QString::fromUtf8(VM280_CLI), c.arguments);
        processes.back()->closeWriteChannel();
    }
    QElapsedTimer clock;
    clock.start();
    for (std::size_t i = 0; i < processes.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        QProcess &process = *processes[i];
        if (!process.waitForFinished(int(std::max<qint64>(kWaitMs - clock.elapsed(), 1)))) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "vm280-cli waited on the pipe";
            continue;
        }
        EXPECT_EQ(process.exitCode(), 3);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_TRUE(err.endsWith(u"vm280-cli: "_s + cases[i].file + u": not a regular file\n"_s))
            << err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    for (const QString &name : {u"fifo.DAT"_s, u"fifo.json"_s, u"fifo.csv"_s})
        EXPECT_FALSE(QFileInfo(path(name)).isFile()) << "the pipe " << name.toStdString() << " was replaced";
}

TEST_F(FileFaults, shouldEscapeWhatAFileHoldsInEveryMessage)
{
    // Escape sequences that would clear the screen and recolour the terminal, a bell, and the
    // 8-bit CSI that some terminals take as an escape as well.
    CodePlan plan;
    plan.EmbeddedTexts[0] = u"\x1b[2J\x1b[31mRED\x07"_s;
    plan.EmbeddedTexts[1] = QString(QChar(0x9B)) + u"0m"_s;
    ASSERT_TRUE(
        writeBytes(path(u"evil.DAT"_s), CodePlanBytes(EncodeImage(plan, ChoiceTexts::simplifiedChinese()))));
    ASSERT_TRUE(writeBytes(path(u"evil.csv"_s), "Location,Frequency,Duplex\n1,438,\x1b]0;owned\x07\n"));
    ASSERT_TRUE(writeBytes(path(u"evil.json"_s),
                           "{\"format\": \"vm280-plan\", \"version\": 1, \"band\": \"\\u001b[5m\"}"));
    ASSERT_TRUE(writeBytes(path(u"named\x1b[31m.DAT"_s), "not a plan"));
    const struct
    {
        const char *name;
        QStringList arguments;
        const char *escaped;
    } cases[] = {
        {"embedded text shown", {u"show"_s, path(u"evil.DAT"_s)}, "\\x1b[2J\\x1b[31mRED\\x07"},
        {"8-bit escape shown", {u"show"_s, path(u"evil.DAT"_s)}, "\\x9b0m"},
        {"compared", {u"diff"_s, path(u"evil.DAT"_s), kRichPlan}, "\\x1b[2J\\x1b[31mRED\\x07"},
        {"CSV cell", {u"import"_s, path(u"evil.csv"_s), u"-o"_s, path(u"out.DAT"_s)}, "\\x1b]0;owned\\x07"},
        {"JSON excerpt", {u"import"_s, path(u"evil.json"_s), u"-o"_s, path(u"out.DAT"_s)}, "'\\x1b[5m'"},
        {"file name", {u"show"_s, path(u"named\x1b[31m.DAT"_s)}, "named\\x1b[31m.DAT"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.arguments);
        EXPECT_TRUE(allPrintable(run.out)) << run.out.toStdString();
        EXPECT_TRUE(allPrintable(run.err)) << run.err.toStdString();
        EXPECT_TRUE((run.out + run.err).contains(QLatin1StringView(c.escaped)))
            << (run.out + run.err).toStdString();
    }
}

TEST_F(FileFaults, shouldRefuseAJsonPlanThatGivesAMemberTwice)
{
    ASSERT_TRUE(writeBytes(path(u"twice.json"_s), "{\"format\": \"vm280-plan\", \"version\": 1,\n"
                                                  " \"KeyPf1\": 3, \"KeyPf1\": 4}"));
    const CliRun run = runCli({u"import"_s, path(u"twice.json"_s), u"-o"_s, path(u"out.DAT"_s)});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err,
              u"vm280-cli: "_s + path(u"twice.json"_s) + u":2:15: KeyPf1: the member is given twice\n"_s);
    EXPECT_FALSE(QFile::exists(path(u"out.DAT"_s)));
}
