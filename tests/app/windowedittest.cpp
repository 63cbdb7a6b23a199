#include "windowrig.h"

#include "app/codeplancommands.h"
#include "app/featuredialogs.h"
#include "app/interchangecommands.h"
#include "app/plantools.h"
#include "app/sheetprinter.h"
#include "dialogs/comparedialog.h"
#include "dialogs/embeddedinfodialog.h"
#include "dialogs/importchooserdialog.h"
#include "dialogs/keysettingsdialog.h"
#include "dialogs/optionalfunctionsdialog.h"
#include "dialogs/testfrequencydialog.h"
#include "editor/channeltablemodel.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>
#include <functional>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");
const QString kSaveChanges = u"保存更改？"_s;
const QString kOutOfBand = u"超出频段范围"_s;
const QString kPortClosed = u"通信端口未打开，请先选择菜单“通信端口”打开其串口！"_s;
// Typed into channel 1 and left open: no Enter, no click elsewhere.
const QString kTyped = u"458.5"_s;
const QString kCommitted = u"458.50000"_s;

void clickToolButton(const WindowRig &rig, const QString &name)
{
    rig.clickWindow();
    QTest::mouseClick(rig.child<QToolButton>(name), Qt::LeftButton);
}

QString writePlan(const WindowRig &rig, const QString &name, const CodePlan &plan)
{
    const QString path = rig.dir.filePath(name);
    return WriteCodePlanFile(path, imageOf(plan)) ? QString() : path;
}

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The sheets printed, as text.
QStringList &printedSheets()
{
    static QStringList sheets;
    return sheets;
}

// Print and Print preview ask for the sheet's heading first: OK prints.
void okSheetHeading(const WindowRig &rig)
{
    const SheetJobDialog *form = rig.window->tools()->jobDialog();
    QVERIFY(form != nullptr);
    QTest::mouseClick(form->findChild<QPushButton *>(u"CommandOK"_s), Qt::LeftButton);
}

void keepPrintedSheets()
{
    SetSheetPrinter([](QTextDocument &sheet, PrintChoice) { printedSheets() << sheet.toPlainText(); });
}

using Step = std::function<void(WindowRig &)>;

// A command that reads, replaces or leaves the plan, given by the keys or clicks that run it,
// and what shows that the edit left open on channel 1 was part of the plan it worked on.
struct PlanCommand
{
    const char *name;
    Step run;
    Step check;
    Step prepare = [](WindowRig &) {};
};

const QList<PlanCommand> &planCommands()
{
    static const QList<PlanCommand> list{
        {"Save (toolbar)",
         [](WindowRig &rig) {
             rig.files << rig.dir.filePath(u"saved.DAT"_s);
             clickToolButton(rig, u"save"_s);
         },
         [](WindowRig &rig) {
             QCOMPARE(planOf(rig.dir.filePath(u"saved.DAT"_s)).channels.cell(1, 1), kCommitted);
             QVERIFY(!rig.title().startsWith(u'*'));
         }},
        {"New (toolbar)",
         [](WindowRig &rig) {
             rig.answers << MsgboxCancel;
             clickToolButton(rig, u"new"_s);
         },
         [](WindowRig &rig) {
             QCOMPARE(rig.prompts(), QStringList{kSaveChanges});
             QCOMPARE(rig.cell(1, 1), kCommitted);
         }},
        {"Open (toolbar)",
         [](WindowRig &rig) {
             rig.files << kRichPlan;
             rig.answers << MsgboxNo;
             clickToolButton(rig, u"open"_s);
         },
         [](WindowRig &rig) {
             QCOMPARE(rig.prompts(), QStringList{kSaveChanges});
             // The window gets the focus back: nothing typed before lands in the plan opened.
             rig.clickWindow();
             QCOMPARE(rig.window->plan(), planOf(kRichPlan));
         }},
        {"Read (Ctrl+R)",
         [](WindowRig &rig) {
             rig.answers << MsgboxCancel;
             rig.pressKey(Qt::Key_R, Qt::ControlModifier);
         },
         [](WindowRig &rig) { QCOMPARE(rig.prompts(), QStringList{kSaveChanges}); }},
        {"Write (Ctrl+W)", [](WindowRig &rig) { rig.pressKey(Qt::Key_W, Qt::ControlModifier); },
         [](WindowRig &rig) {
             QCOMPARE(rig.prompts(), QStringList{kPortClosed});
             QCOMPARE(rig.cell(1, 1), kCommitted);
         }},
        {"Batch write (menu)", [](WindowRig &rig) { rig.chooseMenuItem(u"mnupro"_s, u"mnubatchWrite"_s); },
         [](WindowRig &rig) { QCOMPARE(rig.cell(1, 1), kCommitted); }},
        {"Import (menu)",
         [](WindowRig &rig) {
             rig.files << QString::fromUtf8(VM280_TEST_DATA "/interchange/eu-lpd-pmr.csv");
             rig.chooseMenuItem(u"mnuFile"_s, u"mnuImport"_s);
         },
         [](WindowRig &rig) {
             // The chooser shows channel 1 as it stands once committed.
             ImportChooserDialog *chooser = rig.window->interchange()->chooser();
             QVERIFY(chooser != nullptr);
             QCOMPARE(chooser->table()->model()->index(0, 1).data().toString(),
                      u"01（替换 %1）"_s.arg(kCommitted));
             QTest::mouseClick(chooser->findChild<QPushButton *>(u"cmdCancel"_s), Qt::LeftButton);
             QCOMPARE(rig.cell(1, 1), kCommitted);
         }},
        {"Export (menu)",
         [](WindowRig &rig) {
             rig.files << rig.dir.filePath(u"exported.json"_s);
             rig.filters << 1;
             rig.chooseMenuItem(u"mnuFile"_s, u"mnuExport"_s);
         },
         [](WindowRig &rig) { QVERIFY(readAll(rig.dir.filePath(u"exported.json"_s)).contains(kCommitted)); }},
        {"Compare (menu)",
         [](WindowRig &rig) {
             rig.files << writePlan(rig, u"empty.DAT"_s, CodePlan());
             rig.chooseMenuItem(u"mnuFile"_s, u"mnuCompare"_s);
         },
         [](WindowRig &rig) {
             const auto *table = rig.child<CompareDialog>(u"FormCompare"_s)->findChild<QTableWidget *>();
             QVERIFY(table->rowCount() > 0);
             QCOMPARE(table->item(0, 1)->text(), kCommitted);
         }},
        {"Print (Ctrl+P)",
         [](WindowRig &rig) {
             keepPrintedSheets();
             rig.pressKey(Qt::Key_P, Qt::ControlModifier);
         },
         [](WindowRig &rig) {
             okSheetHeading(rig);
             QCOMPARE(printedSheets().size(), 1);
             QVERIFY(printedSheets().first().contains(kCommitted));
         }},
        {"Print preview (menu)",
         [](WindowRig &rig) {
             keepPrintedSheets();
             rig.chooseMenuItem(u"mnuFile"_s, u"mnuPrintPreview"_s);
         },
         [](WindowRig &rig) {
             okSheetHeading(rig);
             QCOMPARE(printedSheets().size(), 1);
             QVERIFY(printedSheets().first().contains(kCommitted));
         }},
        {"Copy (menu)", [](WindowRig &rig) { rig.chooseMenuItem(u"mnuEdit"_s, u"mnuCopy"_s); },
         [](WindowRig &) { QVERIFY(QGuiApplication::clipboard()->text().contains(u"458.500000"_s)); }},
        {"Language (menu)", [](WindowRig &rig) { rig.chooseMenuItem(u"mnuLanguage"_s, u"mnuEnglish"_s); },
         [](WindowRig &rig) {
             QCOMPARE(rig.cell(1, 1), kCommitted);
             QCOMPARE(rig.cell(1, 5), u"Hight"_s);
         }},
        {"Close the window",
         [](WindowRig &rig) {
             rig.answers << MsgboxCancel;
             rig.window->close();
         },
         [](WindowRig &rig) {
             QCOMPARE(rig.prompts(), QStringList{kSaveChanges});
             QVERIFY(rig.window->isVisible());
         }},
        {"Plan named on the command line",
         [](WindowRig &rig) {
             rig.answers << MsgboxCancel;
             rig.window->openFile(kRichPlan);
         },
         [](WindowRig &rig) {
             QCOMPARE(rig.prompts(), QStringList{kSaveChanges});
             QCOMPARE(rig.cell(1, 1), kCommitted);
         }},
        {"Drop",
         [](WindowRig &rig) {
             rig.answers << MsgboxCancel;
             QVERIFY(drop(rig.window.get(), {QUrl::fromLocalFile(kRichPlan)}));
         },
         [](WindowRig &rig) {
             QCOMPARE(rig.prompts(), QStringList{kSaveChanges});
             QCOMPARE(rig.cell(1, 1), kCommitted);
         }},
        {"Recent files (menu)",
         [](WindowRig &rig) {
             rig.answers << MsgboxCancel;
             auto *recent = rig.child<QMenu>(u"mnuRecent"_s);
             rig.openMenu(u"mnuFile"_s);
             WindowRig::clickMenuItem(rig.child<QMenu>(u"mnuFile"_s), recent->menuAction());
             WindowRig::clickMenuItem(recent, recent->actions().first());
         },
         [](WindowRig &rig) {
             QCOMPARE(rig.prompts(), QStringList{kSaveChanges});
             QCOMPARE(rig.cell(1, 1), kCommitted);
         },
         [](WindowRig &rig) { QVERIFY(rig.window->files()->openFile(kRichPlan)); }},
    };
    return list;
}

QStringList outsideBandCells(const WindowRig &rig)
{
    QStringList cells;
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        for (int column = 0; column < ChannelTable::kColumns; ++column) {
            const QVariant band =
                rig.grid()->model()->index(row - 1, column).data(ChannelTableModel::OutsideBandRole);
            if (band.isValid())
                cells << u"%1/%2 %3"_s.arg(row).arg(column).arg(band.toString());
        }
    }
    return cells;
}

// The tool tip the grid shows while the pointer rests on a cell.
QString toolTipOf(const WindowRig &rig, int row, int column)
{
    QWidget *viewport = rig.grid()->viewport();
    const QPoint centre = rig.grid()->visualRect(rig.grid()->model()->index(row - 1, column)).center();
    QHelpEvent help(QEvent::ToolTip, centre, viewport->mapToGlobal(centre));
    QCoreApplication::sendEvent(viewport, &help);
    return help.isAccepted() ? QToolTip::text() : QString();
}

} // namespace

class WindowEditTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SetLanguageMode(Language::SimplifiedChinese);
        QGuiApplication::clipboard()->clear();
        printedSheets().clear();
    }
    void cleanup() { SetSheetPrinter({}); }

    void shouldEndAnOpenEditBeforeEachCommandThatUsesThePlan_data();
    void shouldEndAnOpenEditBeforeEachCommandThatUsesThePlan();
    void shouldStopTheCommandWhenTheOpenEditIsRefused();
    void shouldEndAnOpenEditWhenADialogTakesTheFocus();
    void shouldReplaceTheToneShownWithTheToneTyped();
    void shouldEditTheToneTextWhileTheListIsDroppedDown();
    void shouldKeepTheCurrentCellAfterAPickOrEscape();
    void shouldKeepATestFrequencyAsItIsStoredOrRefuseIt();
    void shouldNotLetKeysOnAClosedTestCellReachAnotherCell();
    void shouldRestoreTheOptionalFunctionsSilentlyOnUndoAndRedo();
    void shouldRaiseTheScanDelayWithTheUpperArrow();
    void shouldSayOnceWhenACharacterCannotBeStored();
    void shouldClearTheModifiedMarkWhenAValueIsSetBack();
    void shouldMarkChannelsOutsideTheBandAndAskBeforeStoringThem();
};

void WindowEditTest::shouldEndAnOpenEditBeforeEachCommandThatUsesThePlan_data()
{
    QTest::addColumn<int>("command");
    for (int i = 0; i < planCommands().size(); ++i)
        QTest::newRow(planCommands()[i].name) << i;
}

void WindowEditTest::shouldEndAnOpenEditBeforeEachCommandThatUsesThePlan()
{
    QFETCH(int, command);
    const PlanCommand &c = planCommands()[command];
    WindowRig rig;
    QVERIFY(rig.start());
    c.prepare(rig);
    rig.click(1, 1);
    rig.typeKeys(kTyped);
    QCOMPARE(rig.grid()->openEditor(), rig.grid()->frequencyEditor());
    c.run(rig);
    QCOMPARE(rig.grid()->openEditor(), nullptr);
    c.check(rig);
}

void WindowEditTest::shouldStopTheCommandWhenTheOpenEditIsRefused()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.click(1, 1);
    rig.typeKeys(u"602.5"_s);
    rig.files << rig.dir.filePath(u"refused.DAT"_s);
    clickToolButton(rig, u"save"_s);
    QCOMPARE(rig.prompts(), QStringList{kOutOfBand});
    QVERIFY2(rig.fileRequests.isEmpty(), "the save stopped before asking for a file");
    QVERIFY(rig.cell(1, 1).isEmpty());

    rig.click(1, 1);
    rig.typeKeys(u"602.5"_s);
    QSignalSpy closed(rig.window.get(), &MainWindow::closed);
    rig.window->close();
    QCOMPARE(rig.prompts(), (QStringList{kOutOfBand, kOutOfBand}));
    QCOMPARE(closed.size(), 0);
    QVERIFY(rig.window->isVisible());
}

void WindowEditTest::shouldEndAnOpenEditWhenADialogTakesTheFocus()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.click(1, 1);
    rig.typeKeys(kTyped);
    rig.child<QAction>(u"Key_enactment"_s)->trigger();
    QTRY_VERIFY(rig.window->dialogs()->Form6()->isActiveWindow());
    QTRY_COMPARE(rig.cell(1, 1), kCommitted);
    QCOMPARE(rig.grid()->openEditor(), nullptr);
}

void WindowEditTest::shouldReplaceTheToneShownWithTheToneTyped()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    rig.click(1, 2);
    rig.type(u"88.5"_s);
    QCOMPARE(rig.cell(1, 2), u"88.5"_s);
    const struct
    {
        int column;
        QString typed;
        QString stored;
    } cases[] = {
        {2, u"67"_s, u"67.0"_s},      // over a tone
        {4, u"67"_s, u"67.0"_s},      // over the off word
        {2, u"d23n"_s, u"D023N"_s},   // over a tone
        {4, u"d23n"_s, u"D023N"_s},   // over... a code now
        {2, u"100.14"_s, u"100.1"_s}, // over a code
    };
    for (const auto &c : cases) {
        rig.click(1, c.column);
        QCOMPARE(rig.grid()->openEditor(), rig.grid()->toneEditor());
        rig.type(c.typed);
        QCOMPARE(rig.cell(1, c.column), c.stored);
    }
}

void WindowEditTest::shouldEditTheToneTextWhileTheListIsDroppedDown()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    rig.click(1, 2);
    rig.type(u"88.5"_s);
    rig.click(1, 2);
    QComboBox *tones = rig.grid()->toneEditor();
    QTRY_VERIFY(tones->view()->isVisible());
    rig.pressKey(Qt::Key_Backspace);
    QVERIFY(!tones->view()->isVisible());
    QCOMPARE(tones->currentText(), QString());
    rig.typeKeys(u"1000"_s);
    rig.pressKey(Qt::Key_Backspace);
    QCOMPARE(tones->currentText(), u"100"_s);
    rig.pressKey(Qt::Key_Return);
    QCOMPARE(rig.cell(1, 2), u"100.0"_s);
    // Up and down still move in the list, and Enter picks.
    rig.click(1, 4);
    QTRY_VERIFY(tones->view()->isVisible());
    rig.pressKey(Qt::Key_Down);
    rig.pressKey(Qt::Key_Return);
    QCOMPARE(rig.cell(1, 4), u"67.0"_s);
}

void WindowEditTest::shouldKeepTheCurrentCellAfterAPickOrEscape()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    ChannelGrid *grid = rig.grid();
    rig.click(1, 5);
    QTRY_VERIFY(grid->choiceEditor(5)->view()->isVisible());
    rig.pressKey(Qt::Key_Up);
    rig.pressKey(Qt::Key_Return);
    QCOMPARE(rig.cell(1, 5), u"低"_s);
    QCOMPARE(grid->currentIndex(), grid->model()->index(0, 5));
    QVERIFY(grid->hasFocus());
    rig.pressKey(Qt::Key_Return);
    QCOMPARE(grid->openEditor(), grid->choiceEditor(5));
    rig.pressKey(Qt::Key_Escape);

    rig.click(1, 3);
    rig.pressKey(Qt::Key_Escape);
    QCOMPARE(grid->openEditor(), nullptr);
    QCOMPARE(grid->currentIndex(), grid->model()->index(0, 3));
    rig.pressKey(Qt::Key_Return);
    QCOMPARE(grid->openEditor(), grid->frequencyEditor());
    QCOMPARE(grid->EditCol, 3);
}

void WindowEditTest::shouldKeepATestFrequencyAsItIsStoredOrRefuseIt()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.chooseMenuItem(u"mnupro"_s, u"mnutestfre"_s);
    TestFrequencyDialog *dialog = rig.window->dialogs()->Form4();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    auto *grid = dialog->findChild<QTableWidget *>(u"mfgrid1"_s);
    const auto cell = [grid](int row, int column) { return grid->item(row, column)->text(); };
    const auto open = [grid](int row, int column) {
        const QRect rect = grid->visualItemRect(grid->item(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
    };
    const auto enter = [](const QString &text) {
        QTest::keyClicks(static_cast<QWidget *>(nullptr), text);
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
    };
    open(0, 1);
    enter(u"50"_s);
    QTRY_COMPARE(cell(0, 1), u"050.00000"_s);
    QCOMPARE(cell(0, 2), u"050.00000"_s);
    for (const QString &typed : {u"1234.5"_s, u"1000"_s, u"abc"_s}) {
        const qsizetype asked = rig.messages.size();
        open(0, 1);
        enter(typed);
        QTRY_COMPARE(rig.messages.size(), asked + 1);
        QVERIFY(rig.prompts().last().contains(u"999.99999"_s));
        QCOMPARE(cell(0, 1), u"050.00000"_s);
    }
    QVERIFY(dialog->isVisible());
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    // What was shown is what the image stores and gives back.
    CodePlan readBack;
    QVERIFY(DecodeImage(readBack, imageOf(rig.window->plan()), ChoiceTexts::simplifiedChinese()));
    QCOMPARE(readBack.TestFrequencies[0][0], u"050.00000"_s);
    QCOMPARE(readBack.TestFrequencies[1][0], u"050.00000"_s);
}

void WindowEditTest::shouldNotLetKeysOnAClosedTestCellReachAnotherCell()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.chooseMenuItem(u"mnupro"_s, u"mnutestfre"_s);
    TestFrequencyDialog *dialog = rig.window->dialogs()->Form4();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    auto *grid = dialog->findChild<QTableWidget *>(u"mfgrid1"_s);
    const auto clickCell = [grid](int row, int column) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(row, column)).center());
    };
    clickCell(0, 1);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
    QTest::keyClicks(static_cast<QWidget *>(nullptr), u"438.0125"_s);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
    QTRY_COMPARE(grid->item(0, 2)->text(), u"438.01250"_s);
    // Row 2 has no receive frequency: its transmit cell cannot be opened, and what is typed
    // there goes nowhere.
    clickCell(1, 2);
    QTest::keyClicks(static_cast<QWidget *>(nullptr), u"4391"_s);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(grid->currentItem(), grid->item(1, 2));
    QCOMPARE(grid->item(0, 2)->text(), u"438.01250"_s);
    QCOMPARE(grid->item(1, 2)->text(), QString());
    QVERIFY2(dialog->isVisible(), "Enter on a closed cell does not press OK");
}

void WindowEditTest::shouldRestoreTheOptionalFunctionsSilentlyOnUndoAndRedo()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    rig.enterFrequency(3, 1, u"439"_s);
    rig.chooseMenuItem(u"mnupro"_s, u"mnudtmf"_s);
    OptionalFunctionsDialog *options = rig.window->dialogs()->Form5();
    QVERIFY(QTest::qWaitForWindowActive(options));
    auto *priority = options->findChild<QComboBox *>(u"Combo11"_s);
    auto *preferred = options->findChild<QComboBox *>(u"Combo12"_s);
    rig.pick(priority, 1);
    QCOMPARE(preferred->currentText(), u"01"_s);
    rig.pick(preferred, 2);
    QTest::mouseClick(options->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(rig.window->plan().OptionTexts[OptionSlot::PreferredChannel], u"3"_s);
    rig.enterFrequency(3, 1, QString());
    QVERIFY(rig.messages.isEmpty());

    rig.pressKey(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rig.cell(3, 1), u"439.00000"_s);
    rig.pressKey(Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(rig.cell(3, 1).isEmpty());
    QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.prompts().join(u'\n')));
    // The dialog shows the state as it was, the preferred channel included.
    QCOMPARE(priority->currentIndex(), 1);
    QCOMPARE(preferred->currentText(), u"03"_s);
    QCOMPARE(rig.window->plan().OptionTexts[OptionSlot::PreferredChannel], u"3"_s);
}

void WindowEditTest::shouldRaiseTheScanDelayWithTheUpperArrow()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.chooseMenuItem(u"mnupro"_s, u"mnudtmf"_s);
    OptionalFunctionsDialog *options = rig.window->dialogs()->Form5();
    QVERIFY(QTest::qWaitForWindowActive(options));
    auto *bar = options->findChild<QScrollBar *>(u"VScroll1"_s);
    auto *delay = options->findChild<QLineEdit *>(u"Text5"_s);
    const QPoint upperArrow(bar->width() / 2, 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, upperArrow);
    QTest::mouseClick(bar, Qt::LeftButton, {}, upperArrow);
    QCOMPARE(delay->text(), u"2"_s);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 2));
    QCOMPARE(delay->text(), u"1"_s);
    QTest::mouseClick(options->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(rig.window->plan().OptionTexts[OptionSlot::ScanReceiveDelay], u"1"_s);
}

void WindowEditTest::shouldSayOnceWhenACharacterCannotBeStored()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.chooseMenuItem(u"mnupro"_s, u"mnusetin"_s);
    EmbeddedInfoDialog *dialog = rig.window->dialogs()->Form7();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    auto *line = dialog->findChild<QLineEdit *>(u"Text1"_s);
    QTest::mouseClick(line, Qt::LeftButton);
    QTest::keyClicks(static_cast<QWidget *>(nullptr), u"ab"_s);
    QVERIFY(!QToolTip::isVisible());
    // U+00FF would be stored as the byte that ends the field, and vanish on the way back.
    QTest::keyClick(static_cast<QWidget *>(nullptr), char(0xFF));
    QCOMPARE(line->text(), u"ab"_s);
    const QString said = u"对讲机无法存储此字符，已略去。"_s;
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), said);
    QToolTip::hideText();
    QGuiApplication::clipboard()->setText(u"x中文y"_s);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(line->text(), u"abxy"_s);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), said);
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    CodePlan readBack;
    QVERIFY(DecodeImage(readBack, imageOf(rig.window->plan()), ChoiceTexts::simplifiedChinese()));
    QCOMPARE(readBack.EmbeddedTexts[0], u"abxy"_s);
}

void WindowEditTest::shouldClearTheModifiedMarkWhenAValueIsSetBack()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.window->files()->openFile(kRichPlan));
    const QString title = rig.title();
    const QString kept = rig.cell(2, 1);
    rig.enterFrequency(2, 1, u"459.1"_s);
    QCOMPARE(rig.title(), u"*"_s + title);
    rig.enterFrequency(2, 1, kept);
    QCOMPARE(rig.title(), title);
    auto *squelch = rig.child<QComboBox>(u"Combo9"_s);
    const int shown = squelch->currentIndex();
    rig.pick(squelch, (shown + 1) % squelch->count());
    QVERIFY(rig.title().startsWith(u'*'));
    rig.pick(squelch, shown);
    QCOMPARE(rig.title(), title);
    // Nothing to save: New asks only its own question.
    rig.answers << MsgboxCancel;
    clickToolButton(rig, u"new"_s);
    QCOMPARE(rig.prompts(), QStringList{u"所有信道的数据将被清除！"_s});
}

void WindowEditTest::shouldMarkChannelsOutsideTheBandAndAskBeforeStoringThem()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    rig.enterFrequency(2, 1, u"439"_s);
    QVERIFY(outsideBandCells(rig).isEmpty());
    rig.answers << MsgboxCancel;
    rig.pick(rig.child<QComboBox>(u"Combo1"_s), 5);
    QCOMPARE(rig.prompts(), QStringList{u"改变频段将清除频道列表，确定吗？"_s});
    // The channels stay, shown with the new band: their frequencies are marked.
    QCOMPARE(rig.cell(1, 1), u"438.00000"_s);
    QCOMPARE(outsideBandCells(rig), (QStringList{u"1/1 136-174MHz"_s, u"1/3 136-174MHz"_s,
                                                 u"2/1 136-174MHz"_s, u"2/3 136-174MHz"_s}));
    QCOMPARE(toolTipOf(rig, 1, 3), u"此频率不在所选频段 136-174MHz 内"_s);
    QCOMPARE(toolTipOf(rig, 1, 2), QString());

    const QString question = u"信道 01, 02 的频率不在频段 136-174MHz 内。仍然继续吗？"_s;
    const QString path = rig.dir.filePath(u"outside.DAT"_s);
    rig.messages.clear();
    rig.answers << MsgboxCancel;
    clickToolButton(rig, u"save"_s);
    QCOMPARE(rig.prompts(), QStringList{question});
    QCOMPARE(rig.messages.first().buttons, (QList<int>{MsgboxOk, MsgboxCancel}));
    QVERIFY(rig.fileRequests.isEmpty());
    rig.messages.clear();
    rig.answers << MsgboxCancel;
    rig.pressKey(Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(rig.prompts(), QStringList{question});
    rig.messages.clear();
    rig.answers << MsgboxCancel;
    rig.chooseMenuItem(u"mnupro"_s, u"mnubatchWrite"_s);
    QCOMPARE(rig.prompts(), QStringList{question});

    rig.messages.clear();
    rig.files << path;
    rig.answers << MsgboxOk;
    clickToolButton(rig, u"save"_s);
    QCOMPARE(rig.prompts(), QStringList{question});
    QCOMPARE(planOf(path).channels.cell(2, 1), u"439.00000"_s);
    // A channel typed in the band shown is not marked; the plan asks as long as one is not.
    rig.enterFrequency(1, 1, u"145"_s);
    rig.enterFrequency(1, 3, u"146"_s);
    QCOMPARE(outsideBandCells(rig), (QStringList{u"2/1 136-174MHz"_s, u"2/3 136-174MHz"_s}));
}

int main(int argc, char *argv[])
{
    // No serial port: a read or write stops at the port check.
    qputenv("VM280_PORTS", "");
    QApplication app(argc, argv);
    WindowEditTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowedittest.moc"
