#include "windowrig.h"

#include "app/planhistory.h"
#include "app/selectedchannelcommands.h"
#include "dialogs/valuedialog.h"
#include "ui/languagemode.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

// PMR446 n, n from 1 to 16.
QString pmr(int n)
{
    return u"%1"_s.arg(446.00625 + 0.0125 * (n - 1), 0, 'f', 5);
}

// Channels first to last, programmed on 438, 439, ... MHz, and selected by a click on the
// first one's number and a Shift+click on the last one's.
void programAndSelect(const WindowRig &rig, int first, int last)
{
    for (int row = first; row <= last; ++row)
        rig.enterFrequency(row, 1, QString::number(437 + row));
    rig.click(first, 0);
    rig.clickWindow();
    const QRect cell = rig.grid()->visualRect(rig.grid()->model()->index(last - 1, 0));
    QTest::mouseClick(rig.grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, cell.center());
}

// Clicks through menus as a person does: the first is open, each next one an item of it.
void clickThrough(const QList<QMenu *> &menus, QAction *item)
{
    for (qsizetype i = 0; i + 1 < menus.size(); ++i)
        WindowRig::clickMenuItem(menus[i], menus[i + 1]->menuAction());
    WindowRig::clickMenuItem(menus.last(), item);
}

// Edit > Set for selected > the menu of column > entry index.
void setForSelected(const WindowRig &rig, int column, int index)
{
    rig.openMenu(u"mnuEdit"_s);
    clickThrough({rig.child<QMenu>(u"mnuEdit"_s), rig.child<QMenu>(u"mnuSetSelected"_s),
                  rig.child<QMenu>(u"mnuSet%1"_s.arg(column))},
                 rig.child<QAction>(u"mnuSet%1_%2"_s.arg(column).arg(index)));
}

// Edit > item, then the dialog it opens.
ValueDialog *askFromEditMenu(const WindowRig &rig, const QList<QString> &menus, const QString &item)
{
    rig.openMenu(u"mnuEdit"_s);
    QList<QMenu *> path{rig.child<QMenu>(u"mnuEdit"_s)};
    for (const QString &menu : menus)
        path << rig.child<QMenu>(menu);
    clickThrough(path, rig.child<QAction>(item));
    ValueDialog *dialog = rig.window->selectedEdits()->dialog();
    if (dialog != nullptr && QTest::qWaitForWindowExposed(dialog))
        rig.clickWindow(dialog);
    return dialog;
}

// Types value into the dialog's list and presses OK.
void answer(ValueDialog *dialog, const QString &value)
{
    QLineEdit *text = dialog->findChild<QComboBox *>(u"cboValue"_s)->lineEdit();
    QTest::mouseClick(text, Qt::LeftButton);
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(text, value);
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
}

QStringList column(const WindowRig &rig, int column, int first, int last)
{
    QStringList cells;
    for (int row = first; row <= last; ++row)
        cells << rig.cell(row, column);
    return cells;
}

int undoSteps(const WindowRig &rig)
{
    return rig.window->history()->stack()->count();
}

} // namespace

class WindowMultiEditTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldSetAChoiceForEverySelectedChannelInOneStep();
    void shouldSetForTheRowRightClickedFromTheContextMenu();
    void shouldSetATypedToneOrRefuseOneTheRadioCannotTake();
    void shouldFillDownInStepsCheckedAgainstBandAndRaster();
    void shouldPasteAColumnOfValuesDownTheCurrentColumn();
    void shouldGreyTheCommandsWhileLocked();
    void shouldCaptionTheCommandsInEveryLanguage();
};

void WindowMultiEditTest::shouldSetAChoiceForEverySelectedChannelInOneStep()
{
    WindowRig rig;
    QVERIFY(rig.start());
    programAndSelect(rig, 1, 4);
    rig.click(5, 1);
    rig.type(u"442"_s);
    programAndSelect(rig, 2, 4);
    const int steps = undoSteps(rig);
    setForSelected(rig, ChannelTable::PowerColumn, 0);
    QCOMPARE(column(rig, ChannelTable::PowerColumn, 1, 5),
             QStringList({u"高"_s, u"低"_s, u"低"_s, u"低"_s, u"高"_s}));
    QCOMPARE(undoSteps(rig), steps + 1);
    setForSelected(rig, ChannelTable::ScanAddColumn, 0);
    QCOMPARE(column(rig, ChannelTable::ScanAddColumn, 1, 5),
             QStringList({u"有"_s, u"无"_s, u"无"_s, u"无"_s, u"有"_s}));

    rig.child<QAction>(u"mnuUndo"_s)->trigger();
    QCOMPARE(column(rig, ChannelTable::ScanAddColumn, 2, 4), QStringList(3, u"有"_s));
    rig.child<QAction>(u"mnuUndo"_s)->trigger();
    QCOMPARE(column(rig, ChannelTable::PowerColumn, 1, 5), QStringList(5, u"高"_s));
    QVERIFY(rig.messages.isEmpty());
}

void WindowMultiEditTest::shouldSetForTheRowRightClickedFromTheContextMenu()
{
    WindowRig rig;
    QVERIFY(rig.start());
    programAndSelect(rig, 1, 3);
    // A right click on a row outside the selection selects it, and the menu acts on it alone.
    rig.clickWindow();
    const QPoint onRow4 = rig.grid()->visualRect(rig.grid()->model()->index(3, 2)).center();
    rig.enterFrequency(4, 1, u"441"_s);
    QTest::mousePress(rig.grid()->viewport(), Qt::RightButton, {}, onRow4);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, onRow4,
                                rig.grid()->viewport()->mapToGlobal(onRow4));
    QCoreApplication::sendEvent(rig.grid()->viewport(), &menuEvent);
    QTest::mouseRelease(rig.grid()->viewport(), Qt::RightButton, {}, onRow4);
    auto *menu = rig.child<QMenu>(u"mnuGrid"_s);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(rig.grid()->selectedChannels(), QList<int>{4});
    clickThrough({menu, rig.child<QMenu>(u"mnuSetSelected"_s), rig.child<QMenu>(u"mnuSet7"_s)},
                 rig.child<QAction>(u"mnuSet7_0"_s));
    QCOMPARE(column(rig, ChannelTable::BandwidthColumn, 1, 4),
             QStringList({u"宽带"_s, u"宽带"_s, u"宽带"_s, u"窄带"_s}));
    QVERIFY2(rig.grid()->openEditor() == nullptr, "a right click opens no editor");
}

void WindowMultiEditTest::shouldSetATypedToneOrRefuseOneTheRadioCannotTake()
{
    WindowRig rig;
    QVERIFY(rig.start());
    programAndSelect(rig, 1, 3);
    ValueDialog *dialog = askFromEditMenu(rig, {u"mnuSetSelected"_s}, u"mnuSet2"_s);
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->findChild<QComboBox *>(u"cboValue"_s)->count(), 261);
    answer(dialog, u"d23n"_s);
    QCOMPARE(column(rig, ChannelTable::RxToneColumn, 1, 3), QStringList(3, u"D023N"_s));
    QCOMPARE(column(rig, ChannelTable::TxToneColumn, 1, 3), QStringList(3, u"关闭"_s));

    const CodePlan before = rig.window->plan();
    dialog = askFromEditMenu(rig, {u"mnuSetSelected"_s}, u"mnuSet4"_s);
    QVERIFY(dialog != nullptr);
    answer(dialog, u"300"_s);
    QCOMPARE(rig.prompts(), QStringList{u"“300”不是对讲机能用的亚音频。"_s});
    QCOMPARE(rig.window->plan(), before);
}

void WindowMultiEditTest::shouldFillDownInStepsCheckedAgainstBandAndRaster()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"446.00625"_s);
    // Shift+click on any cell of channel 16 selects channels 1 to 16, empty ones included.
    rig.click(1, 0);
    rig.clickWindow();
    const QRect cell16 = rig.grid()->visualRect(rig.grid()->model()->index(15, 3));
    QTest::mouseClick(rig.grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, cell16.center());
    QCOMPARE(rig.grid()->selectedChannels().size(), 16);

    ValueDialog *dialog = askFromEditMenu(rig, {}, u"mnuFillDown"_s);
    QVERIFY(dialog != nullptr);
    answer(dialog, u"7"_s);
    QCOMPARE(rig.prompts(), QStringList{u"信道 02 将得到 446.01325，不在 5 / 6.25 kHz 的频率栅格上。"_s});
    QVERIFY(rig.window->plan().channels.isEmpty(2));

    const int steps = undoSteps(rig);
    dialog = askFromEditMenu(rig, {}, u"mnuFillDown"_s);
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->value(), u"12.5"_s);
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
    QStringList expected;
    for (int n = 1; n <= 16; ++n)
        expected << pmr(n);
    QCOMPARE(column(rig, ChannelTable::RxFrequencyColumn, 1, 16), expected);
    QCOMPARE(column(rig, ChannelTable::TxFrequencyColumn, 1, 16), expected);
    QCOMPARE(undoSteps(rig), steps + 1);

    // From 479.9 MHz, 25 kHz steps leave the band at channel 5.
    rig.enterFrequency(1, 1, u"479.9"_s);
    rig.click(1, 0);
    rig.clickWindow();
    QTest::mouseClick(rig.grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, cell16.center());
    dialog = askFromEditMenu(rig, {}, u"mnuFillDown"_s);
    QVERIFY(dialog != nullptr);
    answer(dialog, u"25"_s);
    QCOMPARE(rig.prompts().last(), u"信道 05 将得到 480.00000，超出频段范围。"_s);
    QCOMPARE(rig.cell(2, 1), pmr(2));
}

void WindowMultiEditTest::shouldPasteAColumnOfValuesDownTheCurrentColumn()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(3, 1, u"438"_s);
    rig.enterFrequency(4, 1, u"439"_s);
    // A column copied from a spreadsheet: frequencies, one the band cannot hold.
    QGuiApplication::clipboard()->setText(u"446.00625\r\n446.01875\r\n145.5\r\n446.03125\r\n"_s);
    rig.click(3, 1);
    rig.pressKey(Qt::Key_Escape);
    rig.pressKey(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(column(rig, ChannelTable::RxFrequencyColumn, 3, 5), QStringList({pmr(1), pmr(2), pmr(3)}));
    QCOMPARE(rig.cell(4, ChannelTable::TxFrequencyColumn), u"439.00000"_s);
    QVERIFY(rig.window->plan().channels.isEmpty(6));
    QCOMPARE(rig.prompts(), QStringList{u"已粘贴 3 个信道；以下各行未能粘贴：\n"
                                        u"第 3 行：频率 145.5 不在频段 400-480MHz 内"_s});

    // Tones into the transmit tone column of the channels from 3 down.
    QGuiApplication::clipboard()->setText(u"88.5\nD023N\n"_s);
    // The first Escape closes the tone list, the second the editor.
    rig.click(3, ChannelTable::TxToneColumn);
    rig.pressKey(Qt::Key_Escape);
    rig.pressKey(Qt::Key_Escape);
    QCOMPARE(rig.grid()->openEditor(), nullptr);
    rig.pressKey(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(column(rig, ChannelTable::TxToneColumn, 3, 5), QStringList({u"88.5"_s, u"D023N"_s, u"关闭"_s}));
}

void WindowMultiEditTest::shouldGreyTheCommandsWhileLocked()
{
    WindowRig rig;
    QVERIFY(rig.start());
    auto *setSelected = rig.child<QMenu>(u"mnuSetSelected"_s);
    auto *fillDown = rig.child<QAction>(u"mnuFillDown"_s);
    QVERIFY(setSelected->menuAction()->isEnabled() && fillDown->isEnabled());
    rig.child<QAction>(u"mnulock"_s)->trigger();
    QVERIFY(!setSelected->menuAction()->isEnabled());
    QVERIFY(!fillDown->isEnabled());
    rig.child<QAction>(u"mnulock"_s)->trigger();
    QVERIFY(setSelected->menuAction()->isEnabled() && fillDown->isEnabled());
}

void WindowMultiEditTest::shouldCaptionTheCommandsInEveryLanguage()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const struct
    {
        QString command;
        QString setSelected;
        QString power;
        QString high;
        QString rxTone;
        QString fillDown;
    } cases[] = {
        {u"mnuEnglish"_s, u"Set for selected(&S)"_s, u"Power"_s, u"Hight"_s, u"RX QT/DQT…"_s,
         u"Fill down(&F)…"_s},
        {u"mnuChineseF"_s, u"爲所選信道設置(&S)"_s, u"功率"_s, u"高"_s, u"接收亞音頻…"_s, u"向下填充(&F)…"_s},
        {u"mnuChineseJ"_s, u"为所选信道设置(&S)"_s, u"功率"_s, u"高"_s, u"接收亚音频…"_s, u"向下填充(&F)…"_s},
    };
    for (const auto &c : cases) {
        rig.child<QAction>(c.command)->trigger();
        QCOMPARE(rig.child<QMenu>(u"mnuSetSelected"_s)->title(), c.setSelected);
        QCOMPARE(rig.child<QMenu>(u"mnuSet5"_s)->title(), c.power);
        QCOMPARE(rig.child<QAction>(u"mnuSet5_1"_s)->text(), c.high);
        QCOMPARE(rig.child<QAction>(u"mnuSet2"_s)->text(), c.rxTone);
        QCOMPARE(rig.child<QAction>(u"mnuFillDown"_s)->text(), c.fillDown);
    }
}

QTEST_MAIN(WindowMultiEditTest)
#include "windowmultiedittest.moc"
