// The window without a mouse: Tab through the grid and out of it, the Alt keys of the settings,
// the standard shortcuts.

#include "windowrig.h"

#include "app/featuredialogs.h"
#include "dialogs/optionalfunctionsdialog.h"
#include "ui/languagemode.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

QWidget *focused()
{
    return QApplication::focusWidget();
}

QString focusedName()
{
    return focused() != nullptr ? focused()->objectName() : u"(none)"_s;
}

// A click on a cell of an empty channel opens its receive frequency; Escape closes it again and
// leaves the focus on the grid.
void focusGrid(const WindowRig &rig)
{
    rig.click(1, 1);
    rig.pressKey(Qt::Key_Escape);
    QCOMPARE(focused(), rig.grid());
}

QModelIndex cellAt(const WindowRig &rig, int row, int column)
{
    return rig.grid()->model()->index(row - 1, column);
}

} // namespace

class WindowKeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldTabFromCellToCellInsideTheGrid();
    void shouldLeaveTheGridByTabAfterItsLastCell();
    void shouldLeaveTheGridByShiftTabBeforeItsFirstCell();
    void shouldLeaveTheGridByCtrlTabFromAnyCell();
    void shouldReachEverySettingByItsAltKey_data();
    void shouldReachEverySettingByItsAltKey();
    void shouldReachTheOptionalFunctionsByTheirAltKeys();
    void shouldTakeTheStandardShortcuts();
    void shouldQuitWithCtrlQ();
    void shouldShowF1OnceOnTheHelpItem();
};

void WindowKeyboardTest::shouldTabFromCellToCellInsideTheGrid()
{
    WindowRig rig;
    QVERIFY(rig.start());
    focusGrid(rig);
    rig.pressKey(Qt::Key_Tab);
    QCOMPARE(rig.grid()->currentIndex(), cellAt(rig, 1, 2));
    QCOMPARE(focused(), rig.grid());
    rig.pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(rig.grid()->currentIndex(), cellAt(rig, 1, 1));
    QCOMPARE(focused(), rig.grid());
}

void WindowKeyboardTest::shouldLeaveTheGridByTabAfterItsLastCell()
{
    WindowRig rig;
    QVERIFY(rig.start());
    focusGrid(rig);
    rig.pressKey(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(rig.grid()->currentIndex(), cellAt(rig, 16, 8));
    rig.pressKey(Qt::Key_Tab);
    QCOMPARE(focusedName(), u"Combo1"_s);
    // On through the function settings, and from the last of them back to the grid.
    const QStringList settings{u"Combo2"_s, u"Combo3"_s, u"Combo4"_s, u"Combo9"_s, u"Combo6"_s, u"Combo7"_s};
    for (const QString &name : settings) {
        rig.pressKey(Qt::Key_Tab);
        QCOMPARE(focusedName(), name);
    }
    rig.pressKey(Qt::Key_Tab);
    QCOMPARE(focused(), rig.grid());
}

void WindowKeyboardTest::shouldLeaveTheGridByShiftTabBeforeItsFirstCell()
{
    WindowRig rig;
    QVERIFY(rig.start());
    focusGrid(rig);
    rig.pressKey(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(rig.grid()->currentIndex(), cellAt(rig, 1, 0));
    rig.pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusedName(), u"Combo7"_s);
}

void WindowKeyboardTest::shouldLeaveTheGridByCtrlTabFromAnyCell()
{
    WindowRig rig;
    QVERIFY(rig.start());
    focusGrid(rig);
    rig.pressKey(Qt::Key_Down);
    rig.pressKey(Qt::Key_Down);
    const QModelIndex cell = rig.grid()->currentIndex();
    QCOMPARE(cell, cellAt(rig, 3, 1));
    rig.pressKey(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(focusedName(), u"Combo1"_s);
    rig.pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused(), rig.grid());
    QCOMPARE(rig.grid()->currentIndex(), cell);
    rig.pressKey(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(focusedName(), u"Combo7"_s);
}

void WindowKeyboardTest::shouldReachEverySettingByItsAltKey_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("Simplified Chinese") << u"mnuChineseJ"_s;
    QTest::newRow("English") << u"mnuEnglish"_s;
    QTest::newRow("Traditional Chinese") << u"mnuChineseF"_s;
}

void WindowKeyboardTest::shouldReachEverySettingByItsAltKey()
{
    QFETCH(QString, language);
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(language)->trigger();
    const QList<std::tuple<QString, Qt::Key, QString>> settings{
        {u"Label3"_s, Qt::Key_N, u"Combo1"_s}, {u"Label4"_s, Qt::Key_G, u"Combo2"_s},
        {u"Label5"_s, Qt::Key_T, u"Combo3"_s}, {u"Label1"_s, Qt::Key_W, u"Combo4"_s},
        {u"Label6"_s, Qt::Key_Q, u"Combo9"_s}, {u"Label7"_s, Qt::Key_V, u"Combo6"_s},
        {u"Label8"_s, Qt::Key_B, u"Combo7"_s},
    };
    focusGrid(rig);
    for (const auto &[label, key, list] : settings) {
        QVERIFY2(rig.child<QLabel>(label)->text().contains(u'&'),
                 qPrintable(rig.child<QLabel>(label)->text()));
        QCOMPARE(rig.child<QLabel>(label)->buddy(), rig.child<QComboBox>(list));
        rig.pressKey(key, Qt::AltModifier);
        QCOMPARE(focusedName(), list);
    }
}

void WindowKeyboardTest::shouldReachTheOptionalFunctionsByTheirAltKeys()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"mnudtmf"_s)->trigger();
    OptionalFunctionsDialog *dialog = rig.window->dialogs()->Form5();
    rig.clickWindow(dialog);
    QCOMPARE(dialog->findChild<QLabel *>(u"Label19"_s)->text(), u"扫描接收恢复延时时间(秒)(&R)"_s);
    rig.pressKey(Qt::Key_R, Qt::AltModifier);
    QCOMPARE(focused(), dialog->findChild<QLineEdit *>(u"Text5"_s));
    rig.pressKey(Qt::Key_P, Qt::AltModifier);
    QCOMPARE(focusedName(), u"Combo11"_s);
    auto *cancelOperation = dialog->findChild<QAbstractButton *>(u"Check3"_s);
    const bool checked = cancelOperation->isChecked();
    rig.pressKey(Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(cancelOperation->isChecked(), !checked);
}

void WindowKeyboardTest::shouldTakeTheStandardShortcuts()
{
    WindowRig rig;
    QVERIFY(rig.start());
    focusGrid(rig);
    rig.answers << MsgboxCancel;
    rig.pressKey(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(rig.prompts(), QStringList{u"所有信道的数据将被清除！"_s});
    rig.pressKey(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(rig.fileRequests.size(), 1);
    QCOMPARE(rig.fileRequests.last().choice, FileChoice::Open);
    rig.pressKey(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(rig.fileRequests.size(), 2);
    QCOMPARE(rig.fileRequests.last().choice, FileChoice::Save);
}

void WindowKeyboardTest::shouldQuitWithCtrlQ()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QSignalSpy closed(rig.window.get(), &MainWindow::closed);
    rig.pressKey(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!rig.window->isVisible());
}

void WindowKeyboardTest::shouldShowF1OnceOnTheHelpItem()
{
    WindowRig rig;
    QVERIFY(rig.start());
    for (const QString &language : {u"mnuChineseJ"_s, u"mnuEnglish"_s, u"mnuChineseF"_s}) {
        rig.child<QAction>(language)->trigger();
        // What the menu shows: the caption and, right of it, the shortcut.
        const auto *help = rig.child<QAction>(u"mnumainhelp"_s);
        const QString shown = help->text() + u'\t' + help->shortcut().toString(QKeySequence::NativeText);
        QCOMPARE(shown.count(u"F1"_s), 1);
    }
}

int main(int argc, char *argv[])
{
    qputenv("VM280_PORTS", "");
    QApplication app(argc, argv);
    WindowKeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowkeyboardtest.moc"
