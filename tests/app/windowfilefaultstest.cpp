// The window against files that cannot be written whole (a full disk, simulated by a file size
// limit), paths that name a pipe, and a settings file edited into nonsense.

#include "windowrig.h"

#include "filesizelimit.h"
#include "radio/radioprocess.h"
#include "scopedenvironment.h"
#include "watchdog.h"

#include "app/codeplancommands.h"
#include "app/plantools.h"
#include "app/recentfiles.h"
#include "dialogs/batchpanel.h"
#include "link/backupname.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>
#include <sys/stat.h>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

constexpr rlim_t kLimit = 300;
const QByteArray kOld = "the old file, to be kept byte for byte";
const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");
const QString kRadioMemory = QString::fromUtf8(VM280_TEST_DATA "/link/memory-pattern.DAT");

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString withOldContent(const WindowRig &rig, const QString &name)
{
    const QString path = rig.dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(kOld) != kOld.size())
        return QString();
    return path;
}

QString fifoIn(const WindowRig &rig, const QString &name)
{
    const QString path = rig.dir.filePath(name);
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Drops path on the window as a file manager does.
void drop(QWidget *window, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint centre = window->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDropEvent dropped(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &dropped);
}

// The items of File > Recent files as the user sees them when the File menu opens.
QList<QAction *> recentItems(const WindowRig &rig)
{
    auto *file = rig.child<QMenu>(u"mnuFile"_s);
    file->popup(QPoint());
    file->hide();
    return rig.child<QMenu>(u"mnuRecent"_s)->actions();
}

// The settings file the rig's window reads: vm280/vm280.ini in the rig's folder.
bool writeSettings(const WindowRig &rig, const QByteArray &text)
{
    QDir(rig.dir.path()).mkpath(u"vm280"_s);
    QFile file(rig.dir.filePath(u"vm280/vm280.ini"_s));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// A simulated radio that logs every frame and saves its memory after any operation that wrote
// blocks, in a folder of its own.
struct WatchedRadio
{
    WatchedRadio()
        : radio({u"-v"_s, u"--baud"_s, u"0"_s, u"--save"_s, folder.filePath(u"saved.DAT"_s), kRadioMemory},
                QProcess::SeparateChannels)
    {}

    /// The radio's log, once it has been stopped.
    QString stop()
    {
        radio.process->terminate();
        radio.process->waitForFinished(kOperationMs);
        return QString::fromLocal8Bit(radio.process->readAllStandardError());
    }
    bool memoryChanged() const { return QFile::exists(folder.filePath(u"saved.DAT"_s)); }

    QTemporaryDir folder;
    RadioProcess radio;
};

} // namespace

class WindowFileFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldKeepTheOldPlanWhenSaveRunsOutOfSpace();
    void shouldKeepTheOldExportWhenTheDiskIsFull_data();
    void shouldKeepTheOldExportWhenTheDiskIsFull();
    void shouldWriteNothingIntoTheRadioWhenTheBackupCannotBeSaved();
    void shouldFailTheBatchRadioWhoseBackupCannotBeSaved();
    void shouldRefuseAPipeWhereverAPlanIsOpened_data();
    void shouldRefuseAPipeWhereverAPlanIsOpened();
    void shouldRefuseToSaveOrExportIntoAPipe_data();
    void shouldRefuseToSaveOrExportIntoAPipe();
    void shouldStartOverAPipeForTheParameterFile();
    void shouldStartOverAPipeForTheSettingsFile();
    void shouldSayTheSettingsWereNotSavedWhenTheParameterFileCannotBeWritten_data();
    void shouldSayTheSettingsWereNotSavedWhenTheParameterFileCannotBeWritten();
    void shouldStartWithARecentFilesListOfAnySize();
    void shouldKeepBackupAndVerifyOnWhenTheirSettingsAreNoYesOrNo();
};

void WindowFileFaultsTest::shouldKeepTheOldPlanWhenSaveRunsOutOfSpace()
{
    WindowRig rig;
    const QString target = withOldContent(rig, u"plan.DAT"_s);
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    const QString title = rig.title();
    rig.files << target;
    rig.answers << MsgboxYes; // replace the file
    {
        const ScopedFileSizeLimit limit(kLimit);
        rig.child<QAction>(u"mnuAssave"_s)->trigger();
    }
    QCOMPARE(rig.prompts().last(), u"无法保存文件 %1：File too large"_s.arg(native(target)));
    QCOMPARE(contentOf(target), kOld);
    QCOMPARE(QDir(rig.dir.path()).entryList({u"plan*"_s}), QStringList{u"plan.DAT"_s});
    // Not saved: the title names no file and still shows the plan as changed.
    QCOMPARE(rig.title(), title);
    QVERIFY(title.startsWith(u'*'));
    QVERIFY(recentItems(rig).isEmpty());
}

void WindowFileFaultsTest::shouldKeepTheOldExportWhenTheDiskIsFull_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filter");
    QTest::newRow("CSV") << u"channels.csv"_s << 0;
    QTest::newRow("JSON") << u"plan.json"_s << 1;
}

void WindowFileFaultsTest::shouldKeepTheOldExportWhenTheDiskIsFull()
{
    QFETCH(QString, name);
    QFETCH(int, filter);
    WindowRig rig;
    const QString target = withOldContent(rig, name);
    QVERIFY(rig.start());
    QVERIFY(rig.window->files()->openFile(kRichPlan));
    rig.files << target;
    rig.filters << filter;
    rig.answers << MsgboxYes;
    {
        const ScopedFileSizeLimit limit(kLimit);
        rig.child<QAction>(u"mnuExport"_s)->trigger();
    }
    QCOMPARE(rig.prompts().last(), u"无法保存文件 %1：File too large"_s.arg(native(target)));
    QCOMPARE(contentOf(target), kOld);
}

void WindowFileFaultsTest::shouldWriteNothingIntoTheRadioWhenTheBackupCannotBeSaved()
{
    WatchedRadio radio;
    const ScopedEnvironment ports("VM280_PORTS", radio.radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    QTRY_COMPARE(rig.window->PortNumber(), 1);
    rig.enterFrequency(1, 1, u"438"_s);
    {
        const ScopedFileSizeLimit limit(kLimit);
        rig.child<QAction>(u"mnuwriteFre"_s)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rig.messages.size(), 1, kOperationMs);
    }
    const QString prompt = rig.prompts().first();
    QVERIFY2(prompt.startsWith(u"备份未能保存，未写频！\n"_s + native(DefaultBackupFolder())),
             qPrintable(prompt));
    QVERIFY2(prompt.endsWith(u".DAT: File too large"_s), qPrintable(prompt));
    QVERIFY(QDir(DefaultBackupFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QVERIFY(rig.title().startsWith(u'*'));
    // The window lets go of the port before the radio's device goes away.
    rig.window.reset();
    const QString log = radio.stop();
    QVERIFY(log.contains(u"PC: read request"_s));
    QVERIFY2(!log.contains(u"PC: write block"_s), qPrintable(log));
    QVERIFY(!radio.memoryChanged());
}

void WindowFileFaultsTest::shouldFailTheBatchRadioWhoseBackupCannotBeSaved()
{
    WatchedRadio radio;
    const ScopedEnvironment ports("VM280_PORTS", radio.radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    QTRY_COMPARE(rig.window->PortNumber(), 1);
    rig.enterFrequency(1, 1, u"438"_s);
    {
        const ScopedFileSizeLimit limit(kLimit);
        rig.child<QAction>(u"mnubatchWrite"_s)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rig.child<QLabel>(u"LabelTally"_s)->text(), u"已写 0，已校验 0，失败 1"_s,
                                  kOperationMs);
        QTest::mouseClick(rig.child<QPushButton>(u"CommandStop"_s), Qt::LeftButton);
    }
    const QString result = rig.child<QListWidget>(u"ListResults"_s)->item(0)->text();
    QVERIFY2(result.contains(u"备份未能保存，未写频！"_s), qPrintable(result));
    QVERIFY2(result.contains(u".DAT: File too large"_s), qPrintable(result));
    rig.window.reset();
    const QString log = radio.stop();
    QVERIFY(log.contains(u"PC: read request"_s));
    QVERIFY2(!log.contains(u"PC: write block"_s), qPrintable(log));
    QVERIFY(!radio.memoryChanged());
}

void WindowFileFaultsTest::shouldRefuseAPipeWhereverAPlanIsOpened_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("message");
    const QString chinese = u"无法打开文件 %1：不是普通文件"_s;
    QTest::newRow("command line") << u"command line"_s << Language::SimplifiedChinese << chinese;
    QTest::newRow("File > Open") << u"open"_s << Language::SimplifiedChinese << chinese;
    QTest::newRow("dropped") << u"drop"_s << Language::SimplifiedChinese << chinese;
    QTest::newRow("recent files") << u"recent"_s << Language::SimplifiedChinese << chinese;
    QTest::newRow("Compare") << u"compare"_s << Language::SimplifiedChinese << chinese;
    QTest::newRow("Import") << u"import"_s << Language::SimplifiedChinese << chinese;
    QTest::newRow("English") << u"open"_s << Language::English
                             << u"Cannot open the file %1: not a regular file"_s;
}

void WindowFileFaultsTest::shouldRefuseAPipeWhereverAPlanIsOpened()
{
    QFETCH(QString, way);
    QFETCH(Language, language);
    QFETCH(QString, message);
    WindowRig rig;
    QString path = rig.dir.filePath(way == "import"_L1 ? u"plan.json"_s : u"plan.DAT"_s);
    if (way == "recent"_L1) {
        // Listed while it was a plan, a pipe when it is chosen.
        QVERIFY(QFile::copy(kRichPlan, path));
        RecentFiles().add(path);
    }
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    if (language == Language::English)
        rig.child<QAction>(u"mnuEnglish"_s)->trigger();
    const QByteArray before = imageOf(rig.window->plan());
    const QList<QAction *> recent = recentItems(rig);
    if (way == "recent"_L1)
        QVERIFY(QFile::remove(path));
    QCOMPARE(fifoIn(rig, QFileInfo(path).fileName()), path);
    // Opening a pipe would wait for a writer for ever, with the window never painted again.
    const Watchdog watchdog("the window opening a FIFO: " + way.toStdString());
    if (way == "command line"_L1) {
        QVERIFY(!rig.window->files()->openFile(path));
    } else if (way == "drop"_L1) {
        drop(rig.window.get(), path);
        QTRY_VERIFY(!rig.messages.isEmpty());
    } else if (way == "recent"_L1) {
        QCOMPARE(recent.size(), 1);
        recent.first()->trigger();
    } else {
        rig.files << path;
        rig.filters << 1;
        const QString action = way == "compare"_L1  ? u"mnuCompare"_s
                               : way == "import"_L1 ? u"mnuImport"_s
                                                    : u"mnuOpen"_s;
        rig.child<QAction>(action)->trigger();
    }
    QCOMPARE(rig.prompts(), QStringList{message.arg(native(path))});
    QCOMPARE(imageOf(rig.window->plan()), before);
    QVERIFY(!QFileInfo(path).isFile());
}

void WindowFileFaultsTest::shouldRefuseToSaveOrExportIntoAPipe_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("name");
    QTest::newRow("Save") << u"mnuAssave"_s << u"plan.DAT"_s;
    QTest::newRow("Export") << u"mnuExport"_s << u"channels.csv"_s;
}

void WindowFileFaultsTest::shouldRefuseToSaveOrExportIntoAPipe()
{
    QFETCH(QString, action);
    QFETCH(QString, name);
    WindowRig rig;
    const QString path = fifoIn(rig, name);
    QVERIFY(!path.isEmpty());
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    rig.files << path;
    rig.answers << MsgboxYes;
    rig.child<QAction>(action)->trigger();
    QCOMPARE(rig.prompts().last(), u"无法保存文件 %1：不是普通文件"_s.arg(native(path)));
    QVERIFY2(!QFileInfo(path).isFile(), "the pipe was replaced");
    QVERIFY(rig.title().startsWith(u'*'));
}

void WindowFileFaultsTest::shouldStartOverAPipeForTheParameterFile()
{
    WindowRig rig;
    QCOMPARE(fifoIn(rig, u"parameter"_s), rig.parameterPath());
    {
        const Watchdog watchdog("the window reading a FIFO as its parameter file");
        QVERIFY(rig.start());
        QTRY_COMPARE(rig.messages.size(), 1);
    }
    QCOMPARE(rig.prompts().first(),
             u"设置文件无法使用，将使用默认设置。\n%1: 不是普通文件"_s.arg(native(rig.parameterPath())));
    QVERIFY(!rig.child<QAction>(u"mnulock"_s)->isChecked());
    const Watchdog watchdog("the window writing a FIFO as its parameter file");
    rig.child<QAction>(u"mnuQuit"_s)->trigger();
    // Reported once: the file was found unusable at start-up.
    QCOMPARE(rig.messages.size(), 1);
    QVERIFY(!QFileInfo(rig.parameterPath()).isFile());
}

void WindowFileFaultsTest::shouldStartOverAPipeForTheSettingsFile()
{
    WindowRig rig;
    QVERIFY(QDir(rig.dir.path()).mkpath(u"vm280"_s));
    const QString settings = fifoIn(rig, u"vm280/vm280.ini"_s);
    QVERIFY(!settings.isEmpty());
    const Watchdog watchdog("the window reading a FIFO as its settings file");
    QVERIFY(rig.start());
    QTRY_COMPARE(rig.messages.size(), 1);
    QCOMPARE(rig.prompts().first(),
             u"设置文件无法使用，将使用默认设置。\n%1: 不是普通文件"_s.arg(native(settings)));
    // Backup and verify keep their defaults; the recent files and the settings are left alone.
    QVERIFY(rig.child<QAction>(u"mnuBackup"_s)->isChecked());
    QVERIFY(rig.child<QAction>(u"mnuVerify"_s)->isChecked());
    QVERIFY(recentItems(rig).isEmpty());
    rig.child<QAction>(u"mnuVerify"_s)->trigger();
    rig.child<QAction>(u"mnuQuit"_s)->trigger();
    QCOMPARE(rig.messages.size(), 1);
    QVERIFY(!QFileInfo(settings).isFile());
}

void WindowFileFaultsTest::shouldSayTheSettingsWereNotSavedWhenTheParameterFileCannotBeWritten_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("Chinese") << u"mnuChineseJ"_s
                             << u"设置文件无法写入，本次的设置没有保存。\n%1: 不是普通文件"_s;
    QTest::newRow("English") << u"mnuEnglish"_s
                             << u"The settings file cannot be written; the settings were NOT saved.\n"
                                u"%1: not a regular file"_s;
}

void WindowFileFaultsTest::shouldSayTheSettingsWereNotSavedWhenTheParameterFileCannotBeWritten()
{
    QFETCH(QString, language);
    QFETCH(QString, message);
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(language)->trigger();
    // Something in the file's place since the start: a folder.
    QVERIFY(QDir(rig.dir.path()).mkdir(u"parameter"_s));
    rig.child<QAction>(u"mnuQuit"_s)->trigger();
    QCOMPARE(rig.prompts(), QStringList{message.arg(native(rig.parameterPath()))});
}

void WindowFileFaultsTest::shouldStartWithARecentFilesListOfAnySize()
{
    WindowRig rig;
    const QString first = rig.dir.filePath(u"first.DAT"_s);
    const QString ninth = rig.dir.filePath(u"ninth.DAT"_s);
    QVERIFY(QFile::copy(kRichPlan, first));
    QVERIFY(QFile::copy(kRichPlan, ninth));
    // A list holds eight plans: a ninth entry is not read, and a size of two thousand million
    // neither loops nor fills the memory.
    QVERIFY(writeSettings(rig, "[RecentFiles]\n1\\path=" + first.toUtf8() + "\n9\\path=" + ninth.toUtf8() +
                                   "\nsize=2000000000\n"));
    {
        const Watchdog watchdog("starting with [RecentFiles] size=2000000000");
        QVERIFY(rig.start());
        const QList<QAction *> items = recentItems(rig);
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first()->text(), u"&1 "_s + native(first));
    }
    rig.window->files()->openFile(ninth);
    QCOMPARE(RecentFiles().files(), QStringList({ninth, first}));
}

void WindowFileFaultsTest::shouldKeepBackupAndVerifyOnWhenTheirSettingsAreNoYesOrNo()
{
    const struct
    {
        QByteArray backup;
        QByteArray verify;
        bool backupChecked;
        bool verifyChecked;
    } cases[] = {
        {"", "maybe", true, true},
        {"2", "@Invalid()", true, true},
        {"false", "true", false, true},
        {"0", "1", false, true},
    };
    for (const auto &c : cases) {
        WindowRig rig;
        QVERIFY(writeSettings(rig, "[Write]\nBackUpBefore=" + c.backup + "\nVerifyAfter=" + c.verify + "\n"));
        QVERIFY(rig.start());
        QCOMPARE(rig.child<QAction>(u"mnuBackup"_s)->isChecked(), c.backupChecked);
        QCOMPARE(rig.child<QAction>(u"mnuVerify"_s)->isChecked(), c.verifyChecked);
    }
}

int main(int argc, char *argv[])
{
    // No serial port unless a test names one; backups go to a folder of this run.
    qputenv("VM280_PORTS", "");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    WindowFileFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowfilefaultstest.moc"
