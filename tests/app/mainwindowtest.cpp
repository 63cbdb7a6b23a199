#include "windowrig.h"

#include "app/codeplancommands.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "ui/languagemode.h"
#include "ui/twips.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldStartInTheDefaultState();
    void shouldApplyTheLockFromTheParameterFile();
    void shouldReportAnUnreadableParameterFileOnceAndStart();
    void shouldReadTheBytesAShortParameterFileLacksAsZero();
    void shouldWriteTheParameterFileOnClose();
    void shouldCreateAChannelFromATypedFrequency();
    void shouldRefuseAFrequencyOutsideTheBand();
    void shouldDeleteAChannelWhenItsFrequencyIsErased();
    void shouldOpenOnlyTheReceiveFrequencyOfAnEmptyChannel();
    void shouldNormaliseTypedTones();
    void shouldCommitAChoiceOnlyWhenPicked();
    void shouldClearTheChannelsOnlyWhenABandChangeIsConfirmed();
    void shouldKeepTheChannelsWhenNewIsCancelled();
    void shouldRestoreAPlanSavedAndOpenedAgain();
    void shouldRefuseFilesThatAreNotCodePlans();
    void shouldAskAgainForAFileNameWhenOverwriteIsRefused();
    void shouldKeepChannelValuesAcrossALanguageSwitch();
    void shouldLeaveServiceModeOnTwoQuickPresses();
    void shouldRefuseToReadWithoutAPort();
};

void MainWindowTest::shouldStartInTheDefaultState()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QCOMPARE(rig.title(), u"VM-280 写频软件 V1.00"_s);
    ChannelGrid *grid = rig.grid();
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), u"信道"_s);
    QCOMPARE(grid->model()->headerData(7, Qt::Horizontal).toString(), u"宽\\窄带"_s);
    QVERIFY(grid->alternatingRowColors());
    QCOMPARE(grid->palette().color(QPalette::AlternateBase), QColor(192, 192, 255));
    QCOMPARE(rig.cell(1, 0), u"01"_s);
    QCOMPARE(rig.cell(16, 0), u"16"_s);
    QCOMPARE(grid->columnWidth(1), TwipsToPixels(1330));
    QCOMPARE(rig.child<QComboBox>(u"Combo1"_s)->currentText(), u"400-480MHz"_s);
    const QStringList selected{u"中文"_s, u"30 S"_s, u"关闭"_s, u"5 级"_s, u"使能"_s, u"使能"_s};
    const QStringList names{u"Combo2"_s, u"Combo3"_s, u"Combo4"_s, u"Combo9"_s, u"Combo6"_s, u"Combo7"_s};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(rig.child<QComboBox>(names[i])->currentText(), selected[i]);
    auto *timeOut = rig.child<QComboBox>(u"Combo3"_s);
    QCOMPARE(timeOut->count(), 40);
    QCOMPARE(timeOut->itemText(39), u"600 S"_s);
    QVERIFY(!rig.child<QProgressBar>(u"ProgressBar1"_s)->isVisible());
    QVERIFY(rig.child<QLabel>(u"Label"_s)->text().isEmpty());
    QVERIFY(!rig.child<QAction>(u"TAnMa"_s)->isVisible());
    QVERIFY(!rig.child<QAction>(u"mnumainhelp"_s)->isEnabled());
    QCOMPARE(rig.child<QAction>(u"mnureadFre"_s)->shortcut(), QKeySequence(u"Ctrl+R"_s));
    QCOMPARE(rig.child<QToolButton>(u"write"_s)->toolTip(), u"写频"_s);
    QVERIFY(rig.child<QTimer>(u"Timer1"_s) != nullptr);
    QCOMPARE(rig.window->plan(), CodePlan());
    QVERIFY(rig.messages.isEmpty());
}

void MainWindowTest::shouldApplyTheLockFromTheParameterFile()
{
    WindowRig rig;
    QFile file(rig.parameterPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x01\x00\x01", 3));
    file.close();
    QVERIFY(rig.start());
    auto *lock = rig.child<QAction>(u"mnulock"_s);
    auto *frame1 = rig.child<QGroupBox>(u"Frame1"_s);
    auto *frame2 = rig.child<QGroupBox>(u"Frame2"_s);
    QVERIFY(lock->isChecked());
    QVERIFY(!frame1->isEnabled());
    QVERIFY(!rig.grid()->isEnabled());
    QVERIFY(frame2->isEnabled());
    QCOMPARE(rig.title(), u"VM-280 Radio Software V1.00"_s);
    lock->trigger();
    QVERIFY(frame1->isEnabled() && frame2->isEnabled() && rig.grid()->isEnabled());
    lock->trigger();
    QVERIFY(!frame1->isEnabled() && !frame2->isEnabled() && !rig.grid()->isEnabled());
}

void MainWindowTest::shouldReportAnUnreadableParameterFileOnceAndStart()
{
    WindowRig rig;
    // A folder where the file should be cannot be read as one.
    QVERIFY(QDir().mkpath(rig.parameterPath()));
    QVERIFY(rig.start());
    QTRY_COMPARE(rig.messages.size(), 1);
    QVERIFY(rig.messages.first().prompt.contains(u"parameter"_s));
    QVERIFY(!rig.child<QAction>(u"mnulock"_s)->isChecked());
    QVERIFY(rig.grid()->isEnabled());
}

void MainWindowTest::shouldReadTheBytesAShortParameterFileLacksAsZero()
{
    WindowRig rig;
    QFile file(rig.parameterPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x01");
    file.close();
    QVERIFY(rig.start());
    QVERIFY(rig.child<QAction>(u"mnulock"_s)->isChecked());
    QVERIFY(!rig.grid()->isEnabled());
    QCOMPARE(LanguageMode(), Language::SimplifiedChinese);
    QCoreApplication::processEvents();
    QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.prompts().join(u'\n')));
}

void MainWindowTest::shouldWriteTheParameterFileOnClose()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"mnulock"_s)->trigger();
    rig.child<QAction>(u"mnuEnglish"_s)->trigger();
    QSignalSpy closed(rig.window.get(), &MainWindow::closed);
    rig.child<QAction>(u"mnuQuit"_s)->trigger();
    QCOMPARE(closed.size(), 1);
    QFile file(rig.parameterPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\x01\x00\x01", 3));
}

void MainWindowTest::shouldCreateAChannelFromATypedFrequency()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438.013"_s);
    const QStringList row{u"438.01250"_s, u"关闭"_s, u"438.01250"_s, u"关闭"_s,
                          u"高"_s,        u"关闭"_s, u"宽带"_s,      u"有"_s};
    for (int column = 1; column <= 8; ++column)
        QCOMPARE(rig.cell(1, column), row[column - 1]);
    QVERIFY(!rig.grid()->frequencyEditor()->isVisible());
    QVERIFY(rig.grid()->hasFocus());
    rig.enterFrequency(1, 3, u"439.0199"_s);
    QCOMPARE(rig.cell(1, 3), u"439.01875"_s);
    QCOMPARE(rig.cell(1, 1), u"438.01250"_s);
}

void MainWindowTest::shouldRefuseAFrequencyOutsideTheBand()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(2, 1, u"438"_s);
    rig.enterFrequency(2, 1, u"480"_s);
    QCOMPARE(rig.prompts(), QStringList{u"超出频段范围"_s});
    QCOMPARE(rig.messages.first().buttons, QList<int>{MsgboxOk});
    QCOMPARE(rig.cell(2, 1), u"438.00000"_s);
    rig.enterFrequency(2, 1, u"4x39"_s);
    QVERIFY2(rig.cell(2, 1) == u"439.00000"_s, "letters cannot be typed");
    rig.enterFrequency(2, 1, u"43..9"_s);
    QVERIFY2(rig.cell(2, 1) == u"439.00000"_s, "a text that is no number is ignored");
}

void MainWindowTest::shouldDeleteAChannelWhenItsFrequencyIsErased()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(4, 1, u"438"_s);
    rig.enterFrequency(4, 3, u""_s);
    QCOMPARE(rig.cell(4, 3), u"438.00000"_s);
    rig.enterFrequency(4, 1, u""_s);
    for (int column = 1; column <= 8; ++column)
        QVERIFY(rig.cell(4, column).isEmpty());
}

void MainWindowTest::shouldOpenOnlyTheReceiveFrequencyOfAnEmptyChannel()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.click(5, 6);
    QCOMPARE(rig.grid()->openEditor(), rig.grid()->frequencyEditor());
    QCOMPARE(rig.grid()->EditCol, 1);
    QCOMPARE(rig.grid()->currentIndex().column(), 1);
    rig.type(u"440"_s);
    rig.click(5, 0);
    QCOMPARE(rig.grid()->openEditor(), nullptr);
    rig.click(6, 0);
    QCOMPARE(rig.grid()->openEditor(), rig.grid()->frequencyEditor());
    QCOMPARE(rig.grid()->EditRow, 6);
    QCOMPARE(rig.grid()->EditCol, 1);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(rig.grid()->frequencyEditor(), &escape);
    rig.click(5, 6);
    QCOMPARE(rig.grid()->openEditor(), rig.grid()->choiceEditor(6));
}

void MainWindowTest::shouldNormaliseTypedTones()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    const struct
    {
        QString typed;
        QString stored;
    } cases[] = {{u"67"_s, u"67.0"_s},
                 {u"d23n"_s, u"D023N"_s},
                 {u"D1000N"_s, u"D777N"_s},
                 {u"254.2"_s, u"关闭"_s},
                 {u"dxyz23i"_s, u"D023I"_s}};
    for (const auto &c : cases) {
        rig.click(1, 2);
        QCOMPARE(rig.grid()->openEditor(), rig.grid()->toneEditor());
        rig.type(c.typed);
        QCOMPARE(rig.cell(1, 2), c.stored);
    }
    // A picked entry stays as listed, and typing later reverts to it.
    rig.click(1, 4);
    QComboBox *tones = rig.grid()->toneEditor();
    tones->hidePopup();
    tones->setCurrentIndex(9);
    emit tones->activated(9);
    QCOMPARE(rig.cell(1, 4), u"88.5"_s);
    rig.click(1, 4);
    rig.type(u"300"_s);
    QCOMPARE(rig.cell(1, 4), u"88.5"_s);
}

void MainWindowTest::shouldCommitAChoiceOnlyWhenPicked()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    rig.click(1, 5);
    QComboBox *power = rig.grid()->choiceEditor(5);
    QCOMPARE(rig.grid()->openEditor(), power);
    QCOMPARE(power->currentIndex(), 1);
    power->hidePopup();
    power->setCurrentIndex(0);
    rig.click(1, 1);
    QVERIFY2(rig.cell(1, 5) == u"高"_s, "leaving without a pick changes nothing");
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(rig.grid()->frequencyEditor(), &escape);
    rig.click(1, 5);
    power->hidePopup();
    power->setCurrentIndex(0);
    emit power->activated(0);
    QCOMPARE(rig.cell(1, 5), u"低"_s);
    QVERIFY(!power->isVisible());
}

void MainWindowTest::shouldClearTheChannelsOnlyWhenABandChangeIsConfirmed()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    auto *band = rig.child<QComboBox>(u"Combo1"_s);
    rig.answers << MsgboxCancel;
    band->setCurrentIndex(5);
    QCOMPARE(rig.messages.last().style, 4385);
    QCOMPARE(rig.messages.last().title, u"注意！"_s);
    QCOMPARE(rig.cell(1, 1), u"438.00000"_s);
    rig.enterFrequency(2, 1, u"150"_s);
    QVERIFY2(rig.cell(2, 1) == u"150.00000"_s, "the limits follow the band shown");
    rig.answers << MsgboxOk;
    band->setCurrentIndex(6);
    QVERIFY(rig.cell(1, 1).isEmpty() && rig.cell(2, 1).isEmpty());
    QCOMPARE(rig.window->plan().band, 6);
    const qsizetype asked = rig.messages.size();
    band->setCurrentIndex(6);
    QCOMPARE(rig.messages.size(), asked);
}

void MainWindowTest::shouldKeepTheChannelsWhenNewIsCancelled()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    // The first question is whether to save the changed plan: Discard goes on to New's own.
    rig.answers << MsgboxNo << MsgboxCancel;
    rig.child<QAction>(u"mnuNew"_s)->trigger();
    QCOMPARE(rig.messages.last().style, 305);
    QCOMPARE(rig.messages.last().title, u"警告"_s);
    QCOMPARE(rig.cell(1, 1), u"438.00000"_s);
    rig.answers << MsgboxNo << MsgboxOk;
    rig.child<QAction>(u"mnuNew"_s)->trigger();
    QVERIFY(rig.cell(1, 1).isEmpty());
}

void MainWindowTest::shouldRestoreAPlanSavedAndOpenedAgain()
{
    WindowRig rig;
    QVERIFY(rig.start());
    auto *band = rig.child<QComboBox>(u"Combo1"_s);
    rig.answers << MsgboxOk;
    band->setCurrentIndex(5);
    rig.enterFrequency(3, 1, u"145.5"_s);
    rig.child<QComboBox>(u"Combo9"_s)->setCurrentIndex(8);
    const QString path = rig.dir.filePath(u"plan.DAT"_s);
    rig.files << path;
    rig.child<QAction>(u"mnuAssave"_s)->trigger();
    QVERIFY(QFile::exists(path));
    QVERIFY(rig.title().endsWith(u"-"_s + path));
    const QByteArray saved = EncodeImage(rig.window->plan(), ChoiceTexts::simplifiedChinese());

    rig.answers << MsgboxOk;
    band->setCurrentIndex(0);
    rig.child<QComboBox>(u"Combo9"_s)->setCurrentIndex(1);
    rig.files << path;
    rig.answers << MsgboxNo;
    rig.child<QAction>(u"mnuOpen"_s)->trigger();
    QCOMPARE(EncodeImage(rig.window->plan(), ChoiceTexts::simplifiedChinese()), saved);
    QCOMPARE(band->currentIndex(), 5);
    QCOMPARE(rig.cell(3, 1), u"145.50000"_s);
    QCOMPARE(rig.child<QComboBox>(u"Combo9"_s)->currentIndex(), 8);
}

void MainWindowTest::shouldRefuseFilesThatAreNotCodePlans()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    const CodePlan before = rig.window->plan();
    const QString wrongTag = rig.dir.filePath(u"wrong.DAT"_s);
    const QString shortFile = rig.dir.filePath(u"short.DAT"_s);
    QFile wrong(wrongTag);
    QVERIFY(wrong.open(QIODevice::WriteOnly));
    wrong.write(QByteArray(853, '\xFF'));
    wrong.close();
    QFile truncated(shortFile);
    QVERIFY(truncated.open(QIODevice::WriteOnly));
    truncated.write(QByteArray("TRZ28") + QByteArray(100, '\xFF'));
    truncated.close();
    for (const QString &path : {wrongTag, shortFile}) {
        rig.files << path;
        rig.child<QAction>(u"mnuOpen"_s)->trigger();
        QCOMPARE(rig.prompts().last(), u"文件类型不对，无法打开。"_s);
        QCOMPARE(rig.window->plan(), before);
    }
    rig.files << rig.dir.filePath(u"missing.DAT"_s);
    rig.child<QAction>(u"mnuOpen"_s)->trigger();
    QVERIFY(rig.prompts().last().contains(u"missing.DAT"_s));
    QCOMPARE(rig.window->plan(), before);
}

void MainWindowTest::shouldAskAgainForAFileNameWhenOverwriteIsRefused()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const QString existing = rig.dir.filePath(u"old.DAT"_s);
    QFile old(existing);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("keep");
    old.close();
    const QString other = rig.dir.filePath(u"new.DAT"_s);
    rig.files << existing << other;
    rig.answers << MsgboxNo;
    rig.child<QAction>(u"mnuAssave"_s)->trigger();
    QCOMPARE(rig.prompts(), QStringList{u"该文件已存在，是否覆盖？"_s});
    QCOMPARE(rig.messages.first().style, 36);
    QVERIFY(QFile::exists(other));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("keep"));
    old.close();
    rig.files << existing;
    rig.answers << MsgboxYes;
    rig.child<QAction>(u"mnuAssave"_s)->trigger();
    QCOMPARE(QFileInfo(existing).size(), kCodePlanFileBytes);
    // A folder in the way of the file: the save fails with the reason, the title keeps its text.
    const QString title = rig.title();
    QDir(rig.dir.path()).mkdir(u"folder.DAT"_s);
    rig.files << rig.dir.filePath(u"folder.DAT"_s);
    rig.answers << MsgboxYes;
    rig.child<QAction>(u"mnuAssave"_s)->trigger();
    QVERIFY(rig.prompts().last().contains(u"folder.DAT"_s));
    QCOMPARE(rig.title(), title);
}

void MainWindowTest::shouldKeepChannelValuesAcrossALanguageSwitch()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    rig.click(1, 4);
    rig.type(u"D23I"_s);
    rig.child<QAction>(u"mnuEnglish"_s)->trigger();
    QCOMPARE(rig.cell(1, 2), u"Off"_s);
    QCOMPARE(rig.cell(1, 4), u"D023I"_s);
    QCOMPARE(rig.cell(1, 5), u"Hight"_s);
    QCOMPARE(rig.cell(1, 6), u"Off"_s);
    QCOMPARE(rig.cell(1, 8), u"Have"_s);
    QCOMPARE(rig.grid()->model()->headerData(1, Qt::Horizontal).toString(), u"RX frequency"_s);
    QCOMPARE(rig.child<QAction>(u"mnuEnglish"_s)->text(), u"Englist"_s);
    QCOMPARE(rig.child<QComboBox>(u"Combo3"_s)->currentText(), u"30 S"_s);
    QCOMPARE(rig.grid()->choiceEditor(6)->itemText(1), u"Carrow"_s);
    rig.child<QAction>(u"mnuChineseJ"_s)->trigger();
    QCOMPARE(rig.cell(1, 5), u"高"_s);
    QCOMPARE(rig.child<QComboBox>(u"Combo3"_s)->currentText(), u"30 秒"_s);
    QCOMPARE(rig.child<QComboBox>(u"Combo7"_s)->currentText(), u"使能"_s);
}

void MainWindowTest::shouldLeaveServiceModeOnTwoQuickPresses()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.window->enterServiceMode();
    auto *button = rig.child<QAction>(u"TAnMa"_s);
    QVERIFY(button->isVisible());
    QCOMPARE(rig.window->ServiceMode(), 1);
    button->trigger();
    button->trigger();
    QCOMPARE(rig.window->ServiceMode(), 0);
    QVERIFY(!button->isVisible());
}

void MainWindowTest::shouldRefuseToReadWithoutAPort()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"mnureadFre"_s)->trigger();
    QCOMPARE(rig.prompts(), QStringList{u"通信端口未打开，请先选择菜单“通信端口”打开其串口！"_s});
    QCOMPARE(rig.messages.first().style, 64);
    QVERIFY(rig.child<QAction>(u"mnureadFre"_s)->isEnabled());
    QVERIFY(rig.child<QToolBar>(u"Toolbar1"_s)->isEnabled());
}

int main(int argc, char *argv[])
{
    // No serial port unless a test names one.
    qputenv("VM280_PORTS", "");
    QApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "mainwindowtest.moc"
