#include "windowrig.h"

#include "radio/radioprocess.h"
#include "scopedenvironment.h"

#include "app/plantools.h"
#include "dialogs/backupsdialog.h"
#include "dialogs/comparedialog.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "link/backupname.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

QByteArray fileImage(const QString &path)
{
    return std::get<QByteArray>(ReadCodePlanFile(path));
}

// Puts a copy of the plan file in the backups folder under name; its path.
QString putBackup(const QString &plan, const QString &name)
{
    const QDir folder(DefaultBackupFolder());
    if (!folder.exists() && !QDir().mkpath(folder.path()))
        return {};
    const QString path = folder.filePath(name);
    QFile::remove(path);
    return QFile::copy(plan, path) ? path : QString();
}

// Empties the backups folder, so each test sees only its own backups.
void clearBackups()
{
    QDir(DefaultBackupFolder()).removeRecursively();
}

QStringList tableRow(const QTableWidget *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << table->item(row, column)->text();
    return cells;
}

// Chooses row of the backups table with a click, as a person does.
void clickRow(QTableWidget *table, int row)
{
    const QRect rect = table->visualItemRect(table->item(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class WindowBackupsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SetLanguageMode(Language::SimplifiedChinese);
        clearBackups();
    }
    void shouldListTheBackupsNewestFirstWithTheirBandAndRadio();
    void shouldOpenABackupAsThePlanAndCompareOneWithIt();
    void shouldRestoreABackupIntoTheRadioAfterBackingItUp();
    void shouldRestoreNothingWhenTheQuestionIsAnsweredNo();
    void shouldCompareThePlanWithTheRadioWithoutChangingThePlan();
};

namespace {

BackupsDialog *openBackups(const WindowRig &rig)
{
    rig.chooseMenuItem(u"mnupro"_s, u"mnuBackups"_s);
    auto *dialog = rig.child<BackupsDialog>(u"FormBackups"_s);
    if (dialog != nullptr && QTest::qWaitForWindowExposed(dialog))
        return dialog;
    return nullptr;
}

} // namespace

void WindowBackupsTest::shouldListTheBackupsNewestFirstWithTheirBandAndRadio()
{
    QVERIFY(!putBackup(linkDataFile(u"plan-uhf.DAT"_s), u"2026-12-08_143005_400-480MHz.DAT"_s).isEmpty());
    QVERIFY(!putBackup(linkDataFile(u"plan-vhf.DAT"_s), u"2026-12-09_090000_136-174MHz.DAT"_s).isEmpty());
    QFile broken(QDir(DefaultBackupFolder()).filePath(u"2026-12-10_080000_400-480MHz.DAT"_s));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("TRZ28 cut short");
    broken.close();
    WindowRig rig;
    QVERIFY(rig.start());
    BackupsDialog *dialog = openBackups(rig);
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), u"备份"_s);
    const QTableWidget *table = dialog->table();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(tableRow(table, 0), QStringList({u"2026-12-10 08:00:00"_s, u"不是写频文件"_s, QString(),
                                              u"15 字节"_s, u"2026-12-10_080000_400-480MHz.DAT"_s}));
    QCOMPARE(tableRow(table, 1),
             QStringList({u"2026-12-09 09:00:00"_s, u"136-174MHz"_s, u"TRZP280 58214739"_s, u"853 字节"_s,
                          u"2026-12-09_090000_136-174MHz.DAT"_s}));
    QCOMPARE(tableRow(table, 2).mid(0, 2), QStringList({u"2026-12-08 14:30:05"_s, u"400-480MHz"_s}));
    // Opened wide enough for the file names.
    const QFontMetrics metrics(table->font());
    QVERIFY(table->horizontalHeader()->sectionSize(4) > metrics.horizontalAdvance(table->item(1, 4)->text()));
    // The newest is chosen at first; it is no plan, so there is nothing to open.
    const auto *open = dialog->findChild<QPushButton *>(u"CommandOpen"_s);
    QCOMPARE(table->currentRow(), 0);
    QVERIFY(!open->isEnabled());
    QVERIFY(!dialog->findChild<QPushButton *>(u"CommandRestore"_s)->isEnabled());
    clickRow(dialog->table(), 1);
    QVERIFY(open->isEnabled());

    rig.chooseMenuItem(u"mnuLanguage"_s, u"mnuEnglish"_s);
    QCOMPARE(dialog->windowTitle(), u"Backups"_s);
    QCOMPARE(table->horizontalHeaderItem(1)->text(), u"Band"_s);
    QCOMPARE(tableRow(table, 0).mid(1, 1), QStringList{u"not a code plan file"_s});
    QCOMPARE(tableRow(table, 1)[3], u"853 bytes"_s);
    QCOMPARE(dialog->findChild<QPushButton *>(u"CommandRestore"_s)->text(), u"Restore to the radio…"_s);
    QVERIFY(dialog->findChild<QLabel *>(u"LabelFolder"_s)->text().endsWith(u" (3 files)"_s));
    // The backup chosen stays chosen.
    QVERIFY(open->isEnabled());
}

void WindowBackupsTest::shouldOpenABackupAsThePlanAndCompareOneWithIt()
{
    const QString vhf = putBackup(linkDataFile(u"plan-vhf.DAT"_s), u"2026-12-09_090000_136-174MHz.DAT"_s);
    QVERIFY(!vhf.isEmpty());
    QVERIFY(!putBackup(linkDataFile(u"plan-uhf.DAT"_s), u"2026-12-08_143005_400-480MHz.DAT"_s).isEmpty());
    WindowRig rig;
    QVERIFY(rig.start());
    const QByteArray before = imageOf(rig.window->plan());
    BackupsDialog *dialog = openBackups(rig);
    QVERIFY(dialog != nullptr);

    clickRow(dialog->table(), 1);
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"CommandCompare"_s), Qt::LeftButton);
    CompareDialog *compare = rig.window->tools()->compareDialog();
    QVERIFY(compare != nullptr);
    QCOMPARE(compare->windowTitle(), u"比较 - 2026-12-08_143005_400-480MHz.DAT"_s);
    QVERIFY(compare->table()->rowCount() > 0);
    QCOMPARE(imageOf(rig.window->plan()), before);

    clickRow(dialog->table(), 0);
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"CommandOpen"_s), Qt::LeftButton);
    QCOMPARE(imageOf(rig.window->plan()), imageOf(planOf(vhf)));
    QVERIFY(!rig.title().startsWith(u'*'));
    QVERIFY(rig.messages.isEmpty());
}

void WindowBackupsTest::shouldRestoreABackupIntoTheRadioAfterBackingItUp()
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(u"radio.DAT"_s);
    // The radio and the backup hold different plans of the same band, 400-480MHz.
    RadioProcess radio({u"--baud"_s, u"0"_s, u"--save"_s, saved, linkDataFile(u"memory-pattern.DAT"_s)});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    const QString backup = putBackup(linkDataFile(u"plan-uhf.DAT"_s), u"2026-12-08_143005_400-480MHz.DAT"_s);
    QVERIFY(!backup.isEmpty());
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"431.5"_s);
    const QByteArray shown = imageOf(rig.window->plan());
    BackupsDialog *dialog = openBackups(rig);
    QVERIFY(dialog != nullptr);
    clickRow(dialog->table(), 0);
    rig.answers << MsgboxYes;
    auto *restore = dialog->findChild<QPushButton *>(u"CommandRestore"_s);
    QTest::mouseClick(restore, Qt::LeftButton);
    // While the radio is written no other write can start.
    QVERIFY(!restore->isEnabled());
    QCOMPARE(
        rig.prompts(),
        QStringList{u"把备份 2026-12-08_143005_400-480MHz.DAT 写入对讲机吗？对讲机中现有的数据将被替换。"_s});
    auto *status = rig.child<QLabel>(u"Label"_s);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), u"写频成功，已校验！"_s, kOperationMs);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(saved), kOperationMs);
    // A write sends the channels and settings; what only service mode writes stays the radio's.
    QCOMPARE(planOf(saved).band, planOf(backup).band);
    QVERIFY(planOf(saved).channels == planOf(backup).channels);
    QVERIFY(planOf(saved).channels != planOf(linkDataFile(u"memory-pattern.DAT"_s)).channels);
    // The plan shown is left as it was, and still differs from what was kept.
    QCOMPARE(imageOf(rig.window->plan()), shown);
    QVERIFY(rig.title().startsWith(u'*'));
    // What the radio held before is a new backup, listed at once.
    QTRY_COMPARE(dialog->table()->rowCount(), 2);
    QTRY_VERIFY(restore->isEnabled());
    const QString taken = dialog->table()->item(0, 4)->text();
    QVERIFY(taken != QFileInfo(backup).fileName());
    QCOMPARE(fileImage(QDir(DefaultBackupFolder()).filePath(taken)),
             fileImage(linkDataFile(u"memory-pattern.DAT"_s)));
    QCOMPARE(rig.messages.size(), 1);
}

void WindowBackupsTest::shouldRestoreNothingWhenTheQuestionIsAnsweredNo()
{
    QVERIFY(!putBackup(linkDataFile(u"plan-uhf.DAT"_s), u"2026-12-08_143005_400-480MHz.DAT"_s).isEmpty());
    WindowRig rig;
    QVERIFY(rig.start());
    rig.chooseMenuItem(u"mnuLanguage"_s, u"mnuEnglish"_s);
    BackupsDialog *dialog = openBackups(rig);
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->findChild<QLabel *>(u"LabelFolder"_s)->text().endsWith(u" (1 file)"_s));
    clickRow(dialog->table(), 0);
    rig.answers << MsgboxNo;
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"CommandRestore"_s), Qt::LeftButton);
    QCOMPARE(rig.messages.size(), 1);
    // No operation started: the commands that use the port are there as before.
    QVERIFY(rig.child<QAction>(u"mnuwriteFre"_s)->isEnabled());
    QCOMPARE(rig.child<QLabel>(u"Label"_s)->text(), QString());
}

void WindowBackupsTest::shouldCompareThePlanWithTheRadioWithoutChangingThePlan()
{
    RadioProcess radio({u"--baud"_s, u"0"_s, linkDataFile(u"plan-vhf.DAT"_s)});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"431.5"_s);
    const QByteArray shown = imageOf(rig.window->plan());
    const int band = rig.child<QComboBox>(u"Combo1"_s)->currentIndex();
    rig.chooseMenuItem(u"mnupro"_s, u"mnuCompareRadio"_s);
    auto *status = rig.child<QLabel>(u"Label"_s);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), u"已读取对讲机，差异见比较窗口。"_s, kOperationMs);
    CompareDialog *compare = rig.window->tools()->compareDialog();
    QVERIFY(compare != nullptr);
    QCOMPARE(compare->windowTitle(), u"比较 - 对讲机"_s);
    QCOMPARE(compare->table()->horizontalHeaderItem(2)->text(), u"对讲机"_s);
    const CodePlan radioPlan = planOf(linkDataFile(u"plan-vhf.DAT"_s));
    bool channelOne = false;
    for (int row = 0; row < compare->table()->rowCount(); ++row) {
        if (compare->table()->item(row, 0)->text().startsWith(u"信道 01 接收频率"_s)) {
            channelOne = true;
            QCOMPARE(compare->table()->item(row, 1)->text(), u"431.50000"_s);
            QCOMPARE(compare->table()->item(row, 2)->text(), radioPlan.channels.cell(1, 1));
        }
    }
    QVERIFY(channelOne);
    // The plan, its band and its unsaved state are as they were; the read is no step to undo.
    QCOMPARE(imageOf(rig.window->plan()), shown);
    QCOMPARE(rig.child<QComboBox>(u"Combo1"_s)->currentIndex(), band);
    QVERIFY(rig.title().startsWith(u'*'));
    QCOMPARE(rig.cell(1, 1), u"431.50000"_s);
    rig.child<QAction>(u"mnuUndo"_s)->trigger();
    QCOMPARE(rig.cell(1, 1), QString());
    QVERIFY(rig.messages.isEmpty());
}

int main(int argc, char *argv[])
{
    // Backups go to a folder of this run.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    WindowBackupsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowbackupstest.moc"
