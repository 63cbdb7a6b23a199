#include "windowrig.h"

#include "radio/radioprocess.h"
#include "scopedenvironment.h"

#include "app/linkcontroller.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "link/backupname.h"
#include "ui/elidedlabel.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

class WindowLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }
    void shouldReadARadioIntoTheWindow();
    void shouldWriteTheWindowIntoARadio();
    void shouldAskTheBandQuestionAndWriteNothingOnNo();
    void shouldLeaveTheWindowAsItWasWhenTheRadioFails_data();
    void shouldLeaveTheWindowAsItWasWhenTheRadioFails();
    void shouldWriteWithoutBackupOrVerifyWhenTurnedOff();
    void shouldReportARadioThatDropsABlock();
    void shouldSayWhatAWriteCutOffLeftInTheRadio_data();
    void shouldSayWhatAWriteCutOffLeftInTheRadio();
    void shouldCloseTheBandQuestionWhenThePortGoesAway();
};

void WindowLinkTest::shouldReadARadioIntoTheWindow()
{
    RadioProcess radio({u"--baud"_s, u"0"_s, linkDataFile(u"plan-vhf.DAT"_s)});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    QTRY_COMPARE(rig.window->PortNumber(), 1);
    const QByteArray before = imageOf(rig.window->plan());
    rig.child<QAction>(u"mnureadFre"_s)->trigger();
    QVERIFY(!rig.child<QAction>(u"mnureadFre"_s)->isEnabled());
    QVERIFY(!rig.child<QToolBar>(u"Toolbar1"_s)->isEnabled());
    // The band selector takes the keyboard as the operation starts.
    QVERIFY(rig.child<QComboBox>(u"Combo1"_s)->hasFocus());
    auto *status = rig.child<QLabel>(u"Label"_s);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), u"读频成功！"_s, kOperationMs);
    const CodePlan expected = planOf(linkDataFile(u"plan-vhf.DAT"_s));
    QCOMPARE(imageOf(rig.window->plan()), imageOf(expected));
    QCOMPARE(rig.cell(1, 1), expected.channels.cell(1, 1));
    QCOMPARE(rig.child<QComboBox>(u"Combo1"_s)->currentIndex(), expected.band);
    QTRY_VERIFY_WITH_TIMEOUT(rig.child<QAction>(u"mnureadFre"_s)->isEnabled(), kOperationMs);
    QVERIFY(rig.child<QToolBar>(u"Toolbar1"_s)->isEnabled());
    QVERIFY(rig.messages.isEmpty());
    // What the radio held is the plan kept; the plan before the read is one undo away.
    QVERIFY(!rig.title().startsWith(u'*'));
    rig.child<QAction>(u"mnuUndo"_s)->trigger();
    QCOMPARE(imageOf(rig.window->plan()), before);
    QVERIFY(rig.title().startsWith(u'*'));
    rig.child<QAction>(u"mnuRedo"_s)->trigger();
    QCOMPARE(imageOf(rig.window->plan()), imageOf(expected));
    QCOMPARE(rig.child<QComboBox>(u"Combo1"_s)->currentIndex(), expected.band);
}

void WindowLinkTest::shouldWriteTheWindowIntoARadio()
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(u"radio.DAT"_s);
    RadioProcess radio({u"--baud"_s, u"0"_s, u"--save"_s, saved, linkDataFile(u"plan-uhf.DAT"_s)});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438.013"_s);
    rig.enterFrequency(2, 1, u"439.5"_s);
    rig.child<QAction>(u"mnuwriteFre"_s)->trigger();
    auto *status = rig.child<QLabel>(u"Label"_s);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), u"写频成功，已校验！"_s, kOperationMs);
    QVERIFY(rig.messages.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(saved), kOperationMs);
    // What the radio held before is kept in the backups folder.
    const QFileInfoList backups =
        QDir(DefaultBackupFolder()).entryInfoList({u"*_400-480MHz.DAT"_s}, QDir::Files);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(std::get<QByteArray>(ReadCodePlanFile(backups.first().filePath())),
             std::get<QByteArray>(ReadCodePlanFile(linkDataFile(u"plan-uhf.DAT"_s))));
    QVERIFY(!rig.title().startsWith(u'*'));
    const CodePlan written = planOf(saved);
    QCOMPARE(written.channels.cell(1, 1), u"438.01250"_s);
    QCOMPARE(written.channels.cell(2, 1), u"439.50000"_s);
    QVERIFY(written.channels.isEmpty(3));
    // The status bar keeps the result, its time and the backup after the label has gone.
    auto *lastResult = rig.child<ElidedLabel>(u"lastResult"_s);
    const QString result = lastResult->text();
    QVERIFY2(
        QRegularExpression(u"^写频成功，已校验！ \\d\\d:\\d\\d  备份：(.*)$"_s).match(result).captured(1) ==
            QDir::toNativeSeparators(backups.first().filePath()),
        qPrintable(result));
    QVERIFY(rig.child<QLabel>(u"writeStage"_s)->isHidden());
    // A long backup path neither widens the window nor runs off it: the middle gives way.
    QVERIFY(rig.window->minimumSizeHint().width() < lastResult->fontMetrics().horizontalAdvance(result));
    rig.window->resize(rig.window->minimumSizeHint().width(), rig.window->height());
    QTRY_VERIFY(lastResult->contentsRect().width() < lastResult->fontMetrics().horizontalAdvance(result));
    QVERIFY2(lastResult->shownText().startsWith(u"写频成功"_s) && lastResult->shownText().endsWith(u".DAT"_s),
             qPrintable(lastResult->shownText()));
    QVERIFY(lastResult->fontMetrics().horizontalAdvance(lastResult->shownText()) <=
            lastResult->contentsRect().width());
    QCOMPARE(lastResult->toolTip(), result);
    // It follows the language.
    rig.child<QAction>(u"mnuEnglish"_s)->trigger();
    QVERIFY2(
        rig.child<ElidedLabel>(u"lastResult"_s)->text().startsWith(u"Write frequency success, verified! "_s),
        qPrintable(rig.child<ElidedLabel>(u"lastResult"_s)->text()));
}

void WindowLinkTest::shouldAskTheBandQuestionAndWriteNothingOnNo()
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(u"radio.DAT"_s);
    // The radio on the cable is one for 400-480MHz; the plan is for 136-174MHz.
    RadioProcess radio({u"--baud"_s, u"0"_s, u"--save"_s, saved, linkDataFile(u"plan-uhf.DAT"_s)});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    rig.answers << MsgboxOk << MsgboxNo;
    rig.child<QComboBox>(u"Combo1"_s)->setCurrentIndex(5);
    // While the question is open the write's stage stands beside the progress bar.
    auto *stage = rig.child<QLabel>(u"writeStage"_s);
    QStringList stages;
    SetMsgboxResponder([&](const MsgboxRequest &request) {
        rig.messages << request;
        stages << (stage->isVisible() ? stage->text() : QString());
        return rig.answers.dequeue();
    });
    rig.child<QAction>(u"mnuwriteFre"_s)->trigger();
    auto *status = rig.child<QLabel>(u"Label"_s);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), u"频段不符，是否继续？"_s, kOperationMs);
    QCOMPARE(stages.last(), u"第 2/3 步：写频"_s);
    QVERIFY(stage->isHidden());
    QVERIFY2(rig.child<ElidedLabel>(u"lastResult"_s)->text().startsWith(u"频段不符，未写频 "_s),
             qPrintable(rig.child<ElidedLabel>(u"lastResult"_s)->text()));
    QCOMPARE(rig.messages.last().style, 68);
    // The question keeps its words and names both bands under them.
    QCOMPARE(rig.messages.last().prompt, u"频段不符，是否继续？"_s);
    QCOMPARE(rig.messages.last().informativeText, u"对讲机：400-480MHz，方案：136-174MHz"_s);
    QTRY_VERIFY_WITH_TIMEOUT(rig.child<QAction>(u"mnuwriteFre"_s)->isEnabled(), kOperationMs);
    QVERIFY(!QFileInfo::exists(saved));
}

void WindowLinkTest::shouldLeaveTheWindowAsItWasWhenTheRadioFails_data()
{
    QTest::addColumn<QStringList>("misbehaviour");
    QTest::addColumn<QString>("cause");
    QTest::newRow("silent") << QStringList{u"--fault"_s, u"silent"_s} << u"对讲机没有应答。"_s;
    QTest::newRow("falls silent") << QStringList{u"--fault"_s, u"drop-after=5"_s}
                                  << u"对讲机中途停止了应答。"_s;
    QTest::newRow("acknowledges instead of the last block")
        << QStringList{u"--fault"_s, u"ack-read=0x03D0"_s} << u"对讲机的应答无法识别。"_s;
    QTest::newRow("acknowledges instead of identifying")
        << QStringList{u"--fault"_s, u"ack-ident"_s} << u"握手有应答，但没有对讲机报告型号。"_s;
    QTest::newRow("another model") << QStringList{u"--model"_s, u"VM-9"_s}
                                   << u"应答的是另一型号的对讲机：“VM-9”。"_s;
}

void WindowLinkTest::shouldLeaveTheWindowAsItWasWhenTheRadioFails()
{
    QFETCH(QStringList, misbehaviour);
    QFETCH(QString, cause);
    RadioProcess radio(QStringList{u"--baud"_s, u"0"_s} + misbehaviour +
                       QStringList{linkDataFile(u"plan-vhf.DAT"_s)});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    rig.child<QComboBox>(u"Combo9"_s)->setCurrentIndex(2);
    const QByteArray before = imageOf(rig.window->plan());
    rig.answers << MsgboxNo; // discard the edits, as far as the read gets
    rig.child<QAction>(u"mnureadFre"_s)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rig.messages.size(), 2, kOperationMs);
    QCOMPARE(rig.messages.last().prompt, u"通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"_s);
    QCOMPARE(rig.messages.last().style, 16);
    // Under it what the line showed; a read leaves nothing behind in the radio.
    QCOMPARE(rig.messages.last().informativeText, cause);
    QCOMPARE(imageOf(rig.window->plan()), before);
    QCOMPARE(rig.cell(1, 1), u"438.00000"_s);
    QCOMPARE(rig.child<QComboBox>(u"Combo1"_s)->currentIndex(), 0);
    QVERIFY(rig.child<QAction>(u"mnureadFre"_s)->isEnabled());
    QVERIFY(rig.child<QToolBar>(u"Toolbar1"_s)->isEnabled());
    QVERIFY(!rig.child<QProgressBar>(u"ProgressBar1"_s)->isVisible());
}

void WindowLinkTest::shouldWriteWithoutBackupOrVerifyWhenTurnedOff()
{
    RadioProcess radio({u"--baud"_s, u"0"_s});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"mnuBackup"_s)->trigger();
    rig.child<QAction>(u"mnuVerify"_s)->trigger();
    const qsizetype backups = QDir(DefaultBackupFolder()).entryList(QDir::Files).size();
    rig.child<QAction>(u"mnuwriteFre"_s)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rig.child<QLabel>(u"Label"_s)->text(), u"写频成功！"_s, kOperationMs);
    QCOMPARE(QDir(DefaultBackupFolder()).entryList(QDir::Files).size(), backups);
    // Remembered for the next start.
    QTRY_VERIFY_WITH_TIMEOUT(rig.child<QAction>(u"mnuwriteFre"_s)->isEnabled(), kOperationMs);
    rig.window.reset();
    QVERIFY(rig.start());
    QVERIFY(!rig.child<QAction>(u"mnuBackup"_s)->isChecked());
    QVERIFY(!rig.child<QAction>(u"mnuVerify"_s)->isChecked());
}

void WindowLinkTest::shouldReportARadioThatDropsABlock()
{
    RadioProcess radio({u"--baud"_s, u"0"_s, u"--fault"_s, u"forget-block=0x0200"_s});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"mnuBackup"_s)->trigger();
    rig.enterFrequency(1, 1, u"438"_s);
    rig.child<QAction>(u"mnuwriteFre"_s)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rig.messages.size(), 1, kOperationMs);
    QVERIFY(rig.messages.first().prompt.startsWith(u"写频校验出错"_s));
    QVERIFY(rig.messages.first().prompt.contains(u"0x0200"_s));
    QCOMPARE(rig.messages.first().style, 16);
}

void WindowLinkTest::shouldSayWhatAWriteCutOffLeftInTheRadio_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("left");
    // The backup read takes 35 answers, the write 49.
    QTest::newRow("radio silent")
        << u"drop-after=45"_s << false
        << u"对讲机中途停止了应答。\n对讲机可能只写入了一部分。写频前对讲机中的数据已保存到 %1。"_s;
    QTest::newRow("cable pulled") << u"hangup-after=45"_s << true
                                  << u"The port went away (cable or adapter unplugged?).\nThe radio may be "
                                     u"partly written. Its memory before the write was saved to %1."_s;
    QTest::newRow("silent before the first block")
        << u"drop-after=36"_s << false
        << u"握手有应答，但没有对讲机报告型号。\n对讲机未被写入。写频前对讲机中的数据已保存到 %1。"_s;
}

void WindowLinkTest::shouldSayWhatAWriteCutOffLeftInTheRadio()
{
    QFETCH(QString, fault);
    QFETCH(bool, english);
    QFETCH(QString, left);
    RadioProcess radio({u"--baud"_s, u"0"_s, u"--fault"_s, fault, linkDataFile(u"plan-uhf.DAT"_s)});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    if (english)
        rig.child<QAction>(u"mnuEnglish"_s)->trigger();
    const QStringList backupsBefore = QDir(DefaultBackupFolder()).entryList(QDir::Files);
    rig.child<QAction>(u"mnuwriteFre"_s)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rig.messages.size(), 1, kOperationMs);
    // The message every failure shows, and under it what this one left behind.
    QCOMPARE(
        rig.messages.first().prompt,
        english
            ? u"Communication error, please check the intercom model, fault, attachment and computer serial "
              u"choice!"_s
            : u"通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"_s);
    QCOMPARE(rig.messages.first().style, 16);
    QStringList backups = QDir(DefaultBackupFolder()).entryList(QDir::Files);
    for (const QString &old : backupsBefore)
        backups.removeOne(old);
    QCOMPARE(backups.size(), 1);
    const QString backup = QDir::toNativeSeparators(QDir(DefaultBackupFolder()).filePath(backups.first()));
    QCOMPARE(rig.messages.first().informativeText, left.arg(backup));
    QTRY_VERIFY_WITH_TIMEOUT(rig.child<QAction>(u"mnuwriteFre"_s)->isEnabled(), kOperationMs);
    // The status bar keeps the failure and the backup saved before it.
    const QString result = rig.child<ElidedLabel>(u"lastResult"_s)->text();
    QVERIFY2(result.startsWith(rig.messages.first().prompt + u' ') && result.endsWith(backup),
             qPrintable(result));
}

void WindowLinkTest::shouldCloseTheBandQuestionWhenThePortGoesAway()
{
    // The radio on the cable is one for 400-480MHz; the plan is for 136-174MHz.
    RadioProcess radio({u"--baud"_s, u"0"_s, linkDataFile(u"plan-uhf.DAT"_s)});
    const ScopedEnvironment ports("VM280_PORTS", radio.devicePath.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"mnuBackup"_s)->trigger();
    rig.child<QComboBox>(u"Combo1"_s)->setCurrentIndex(5);
    const QString error = u"通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"_s;
    QStringList openAtTheError;
    bool endedWhileAsked = false;
    SetMsgboxResponder([&](const MsgboxRequest &request) {
        rig.messages << request;
        if (request.prompt == error) {
            for (const MsgboxRequest &open : OpenMsgboxes())
                openAtTheError << open.prompt;
        } else if (request.style == 68) {
            // The cable is pulled while the dealer thinks it over; Yes comes too late.
            radio.process->kill();
            endedWhileAsked = QTest::qWaitFor([&] { return !openAtTheError.isEmpty(); }, kOperationMs);
            return int(MsgboxYes);
        }
        return request.defaultButton;
    });
    rig.child<QAction>(u"mnuwriteFre"_s)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(rig.child<QAction>(u"mnuwriteFre"_s)->isEnabled(), kOperationMs);
    QVERIFY(endedWhileAsked);
    QCOMPARE(rig.prompts().mid(rig.prompts().size() - 2), QStringList({u"频段不符，是否继续？"_s, error}));
    // By the time the end was shown the question had gone; nothing was written.
    QCOMPARE(openAtTheError, QStringList{error});
    QCOMPARE(rig.messages.last().informativeText,
             u"通信端口已断开（连线或串口适配器被拔出？）。\n对讲机未被写入。"_s);
    QVERIFY(OpenMsgboxes().isEmpty());
}

int main(int argc, char *argv[])
{
    // Backups go to a folder of this run.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    WindowLinkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowlinktest.moc"
