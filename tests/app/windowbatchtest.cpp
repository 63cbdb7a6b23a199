// Programming > Batch write against simulated radios swapped on one pseudo-terminal.

#include "windowrig.h"

#include "radio/radioprocess.h"
#include "scopedenvironment.h"

#include "dialogs/batchpanel.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "link/backupname.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kBatchMs = 30000;

} // namespace

class WindowBatchTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }
    void shouldWriteRadioAfterRadioUntilStopped();
    void shouldSpeakTheWindowsLanguage();
    void shouldFinishTheRadioBeingWrittenBeforeClosing();
    void shouldRefuseAClosedPortWithoutAPanel();
    void shouldSayWhenTheBatchEndedForThePortGoingAway();
};

void WindowBatchTest::shouldWriteRadioAfterRadioUntilStopped()
{
    QTemporaryDir dir;
    // The window backs up and verifies by default: three operations per radio.
    RadioProcess radio({u"--baud"_s, u"0"_s, u"--unplug-after"_s, u"3"_s, u"--swap-time"_s, u"1600"_s,
                        u"--radios"_s, u"2"_s, u"--save"_s, dir.filePath(u"r-%n.DAT"_s)});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    QTRY_COMPARE(rig.window->PortNumber(), 1);
    rig.enterFrequency(1, 1, u"438.5"_s);
    const qsizetype backupsBefore = QDir(DefaultBackupFolder()).entryList(QDir::Files).size();

    rig.child<QAction>(u"mnubatchWrite"_s)->trigger();
    auto *panel = rig.child<BatchPanel>(u"FormBatch"_s);
    QVERIFY(panel->isVisible());
    // Narrower than a backup's path, which has to break where no space is.
    panel->resize(240, panel->height());
    QVERIFY(!panel->isModal());
    QVERIFY(!rig.child<QAction>(u"mnuwriteFre"_s)->isEnabled());
    QVERIFY(!rig.child<QAction>(u"mnubatchWrite"_s)->isEnabled());
    QVERIFY(!rig.child<QToolBar>(u"Toolbar1"_s)->isEnabled());

    auto *tally = rig.child<QLabel>(u"LabelTally"_s);
    QTRY_COMPARE_WITH_TIMEOUT(tally->text(), u"已写 2，已校验 2，失败 0"_s, kBatchMs);
    QVERIFY(rig.child<QLabel>(u"LabelLast"_s)->text().startsWith(u"第 2 台：写频成功，已校验（"_s));
    auto *results = rig.child<QListWidget>(u"ListResults"_s);
    QCOMPARE(results->count(), 2);
    // A line with its backup's path is wider than the panel: it wraps, and reads whole.
    for (int row = 0; row < results->count(); ++row) {
        const QString text = results->item(row)->text();
        const QRect line = results->visualItemRect(results->item(row));
        QVERIFY(line.width() <= results->viewport()->width());
        QVERIFY(results->fontMetrics().horizontalAdvance(text) > line.width());
        const QRect whole = results->fontMetrics().boundingRect(
            QRect(0, 0, line.width(), 10000), Qt::TextWordWrap | Qt::TextWrapAnywhere, text);
        QVERIFY2(line.height() >= whole.height(), qPrintable(text));
    }
    QVERIFY(rig.messages.isEmpty());

    auto *stop = rig.child<QPushButton>(u"CommandStop"_s);
    QCOMPARE(stop->text(), u"停止"_s);
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(panel->batch()->stage(), BatchWriter::Stage::Idle);
    QCOMPARE(stop->text(), u"关闭"_s);
    QCOMPARE(tally->text(), u"已写 2，已校验 2，失败 0"_s);
    QTRY_VERIFY_WITH_TIMEOUT(rig.child<QAction>(u"mnuwriteFre"_s)->isEnabled(), kBatchMs);
    QVERIFY(rig.child<QAction>(u"mnubatchWrite"_s)->isEnabled());
    QVERIFY(rig.child<QToolBar>(u"Toolbar1"_s)->isEnabled());

    for (const QString &name : {u"r-1.DAT"_s, u"r-2.DAT"_s}) {
        const CodePlan written = planOf(dir.filePath(name));
        QCOMPARE(written.channels.cell(1, 1), u"438.50000"_s);
        QCOMPARE(imageOf(written).left(2 * 0x170), imageOf(rig.window->plan()).left(2 * 0x170));
    }
    // Each radio's own memory was saved first, under names of their own.
    QCOMPARE(QDir(DefaultBackupFolder()).entryList(QDir::Files).size(), backupsBefore + 2);

    // The records: copied as CSV rows, and saved as a file.
    QTest::mouseClick(rig.child<QPushButton>(u"CommandCopyLog"_s), Qt::LeftButton);
    const QString log = QGuiApplication::clipboard()->text();
    const QStringList rows = log.split(u"\r\n"_s);
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0], u"端口,编号,开始时间,结束时间,结果,已校验,备份文件,原因"_s);
    for (int number = 1; number <= 2; ++number) {
        const QStringList fields = rows[number].split(u',');
        QCOMPARE(fields.size(), 8);
        QCOMPARE(fields[0], radio.devicePath);
        QCOMPARE(fields[1], QString::number(number));
        QVERIFY(QDateTime::fromString(fields[2], u"yyyy-MM-dd HH:mm:ss"_s).isValid());
        QVERIFY(fields[2] <= fields[3]);
        QCOMPARE(fields.mid(4, 2), QStringList({u"成功"_s, u"是"_s}));
        QCOMPARE(QFileInfo(fields[6]).dir(), QDir(DefaultBackupFolder()));
        QVERIFY(QFileInfo(fields[6]).isFile());
        QCOMPARE(fields[7], QString());
    }
    rig.files << dir.filePath(u"job"_s);
    QTest::mouseClick(rig.child<QPushButton>(u"CommandSaveLog"_s), Qt::LeftButton);
    QCOMPARE(rig.fileRequests.last().filters, QStringList{u"CSV 文件 (*.csv)"_s});
    QFile saved(dir.filePath(u"job.csv"_s));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), "\xEF\xBB\xBF" + log.toUtf8());
    QVERIFY(rig.messages.isEmpty());
}

void WindowBatchTest::shouldSpeakTheWindowsLanguage()
{
    RadioProcess radio({u"--baud"_s, u"0"_s});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    QTRY_COMPARE(rig.window->PortNumber(), 1);
    rig.child<QAction>(u"mnuEnglish"_s)->trigger();
    rig.child<QAction>(u"mnubatchWrite"_s)->trigger();
    auto *panel = rig.child<BatchPanel>(u"FormBatch"_s);
    QCOMPARE(panel->windowTitle(), u"Batch write"_s);
    auto *stage = rig.child<QLabel>(u"LabelStage"_s);
    QTRY_COMPARE_WITH_TIMEOUT(rig.child<QLabel>(u"LabelTally"_s)->text(),
                              u"written 1, verified 1, failed 0"_s, kBatchMs);
    QCOMPARE(stage->text(), u"Unplug the radio; the next one is written as soon as it is plugged in."_s);
    QVERIFY(rig.child<QLabel>(u"LabelLast"_s)->text().startsWith(u"Radio 1: written and verified in "_s));

    // The radio stays: a stop asked for now ends the batch at once, and so does closing.
    rig.child<QAction>(u"mnuChineseJ"_s)->trigger();
    QCOMPARE(panel->windowTitle(), u"批量写频"_s);
    QCOMPARE(rig.child<QPushButton>(u"CommandStop"_s)->text(), u"停止"_s);
    QPointer<BatchPanel> closing = panel;
    panel->close();
    QTRY_VERIFY(closing.isNull());
    QTRY_VERIFY_WITH_TIMEOUT(rig.child<QAction>(u"mnubatchWrite"_s)->isEnabled(), kBatchMs);
}

void WindowBatchTest::shouldFinishTheRadioBeingWrittenBeforeClosing()
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(u"radio.DAT"_s);
    // A line paced like the real one: the close comes while the radio is being written.
    RadioProcess radio({u"--baud"_s, u"9600"_s, u"--save"_s, saved});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    QTRY_COMPARE(rig.window->PortNumber(), 1);
    rig.enterFrequency(1, 1, u"439.5"_s);
    rig.child<QAction>(u"mnubatchWrite"_s)->trigger();
    QPointer<BatchPanel> panel = rig.child<BatchPanel>(u"FormBatch"_s);
    QTRY_COMPARE_WITH_TIMEOUT(panel->batch()->stage(), BatchWriter::Stage::Writing, kBatchMs);
    panel->close();
    QVERIFY(!panel.isNull() && panel->isVisible());
    QVERIFY(rig.child<QLabel>(u"LabelStage"_s)->text().contains(u"正在停止"_s));
    QVERIFY(!rig.child<QPushButton>(u"CommandStop"_s)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(panel.isNull(), kBatchMs);
    QCOMPARE(planOf(saved).channels.cell(1, 1), u"439.50000"_s);
    QVERIFY(rig.messages.isEmpty());
}

void WindowBatchTest::shouldRefuseAClosedPortWithoutAPanel()
{
    const ScopedEnvironment ports("VM280_PORTS", "");
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"mnubatchWrite"_s)->trigger();
    QCOMPARE(rig.prompts(), QStringList{u"通信端口未打开，请先选择菜单“通信端口”打开其串口！"_s});
    QVERIFY(!rig.window->findChild<BatchPanel *>(u"FormBatch"_s));
    QVERIFY(rig.child<QAction>(u"mnubatchWrite"_s)->isEnabled());
    QVERIFY(rig.child<QAction>(u"mnuwriteFre"_s)->isEnabled());
}

void WindowBatchTest::shouldSayWhenTheBatchEndedForThePortGoingAway()
{
    RadioProcess radio({u"--baud"_s, u"0"_s});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    QTRY_COMPARE(rig.window->PortNumber(), 1);
    rig.child<QAction>(u"mnubatchWrite"_s)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rig.child<QLabel>(u"LabelTally"_s)->text(), u"已写 1，已校验 1，失败 0"_s,
                              kBatchMs);
    // The cable is pulled while the batch waits for the radio to be unplugged.
    radio.process->kill();
    auto *stage = rig.child<QLabel>(u"LabelStage"_s);
    QTRY_COMPARE_WITH_TIMEOUT(stage->text(),
                              u"批量写频已结束：通信端口已断开（连线或串口适配器被拔出？）。"_s, kBatchMs);
    QCOMPARE(rig.child<QPushButton>(u"CommandStop"_s)->text(), u"关闭"_s);
    QVERIFY(rig.child<QAction>(u"mnubatchWrite"_s)->isEnabled());
    rig.child<QAction>(u"mnuEnglish"_s)->trigger();
    QCOMPARE(stage->text(), u"The batch is over: the port went away (cable or adapter unplugged?)."_s);
    QVERIFY(rig.messages.isEmpty());
}

int main(int argc, char *argv[])
{
    // Backups go to a folder of this run.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    WindowBatchTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowbatchtest.moc"
