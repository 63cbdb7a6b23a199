#include "windowrig.h"

#include "app/codeplancommands.h"
#include "app/plantools.h"
#include "app/sheetprinter.h"
#include "dialogs/comparedialog.h"
#include "dialogs/sheetjobdialog.h"
#include "editor/channeltablemodel.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");

QStringList tableRow(const QTableWidget *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << table->item(row, column)->text();
    return cells;
}

// The channel cells (table row and column) the grid marks as differing.
QList<std::pair<int, int>> markedCells(const ChannelGrid *grid)
{
    QList<std::pair<int, int>> cells;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        for (int column = 0; column < grid->model()->columnCount(); ++column) {
            if (grid->model()->index(row, column).data(ChannelTableModel::DifferenceRole).toBool())
                cells.append({row + 1, column});
        }
    }
    return cells;
}

} // namespace

class WindowPlanToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }
    void cleanup() { SetSheetPrinter({}); }

    void shouldListTheDifferencesAndMarkTheCellsUntilTheNextEdit();
    void shouldSayThePlansAreTheSame();
    void shouldExplainAComparedFileThatIsNotAPlan();
    void shouldPrintAndPreviewTheSheetOfThePlanShown();
};

void WindowPlanToolsTest::shouldListTheDifferencesAndMarkTheCellsUntilTheNextEdit()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.window->files()->openFile(kRichPlan));
    CodePlan other = planOf(kRichPlan);
    other.channels.cell(2, ChannelTable::TxFrequencyColumn) = u"452.00000"_s;
    other.selectors.Combo9 = 2;
    const QString path = rig.dir.filePath(u"returned.DAT"_s);
    QVERIFY(!WriteCodePlanFile(path, EncodeImage(other, ChoiceTexts::simplifiedChinese())));

    rig.files.enqueue(path);
    rig.child<QAction>(u"mnuCompare"_s)->trigger();
    auto *dialog = rig.child<CompareDialog>(u"FormCompare"_s);
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    const auto *table = dialog->findChild<QTableWidget *>(u"TableDifferences"_s);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->horizontalHeaderItem(2)->text(), u"returned.DAT"_s);
    QCOMPARE(tableRow(table, 0), QStringList({u"信道 02 发射频率"_s, u"451.00000"_s, u"452.00000"_s}));
    QCOMPARE(tableRow(table, 1).first(), u"功能设置 / 静噪等级"_s);
    QCOMPARE(markedCells(rig.grid()), (QList<std::pair<int, int>>{{2, ChannelTable::TxFrequencyColumn}}));

    rig.enterFrequency(6, ChannelTable::RxFrequencyColumn, u"450.5"_s);
    QCOMPARE(rig.cell(6, ChannelTable::RxFrequencyColumn), u"450.50000"_s);
    QVERIFY(markedCells(rig.grid()).isEmpty());
}

void WindowPlanToolsTest::shouldSayThePlansAreTheSame()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"mnuEnglish"_s)->trigger();
    QVERIFY(rig.window->files()->openFile(kRichPlan));
    QVERIFY(rig.window->tools()->compareWith(kRichPlan));
    const CompareDialog *dialog = rig.window->tools()->compareDialog();
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->findChild<QLabel *>(u"LabelSummary"_s)->text(), u"The plans are the same."_s);
    QCOMPARE(dialog->table()->rowCount(), 0);
    QVERIFY(markedCells(rig.grid()).isEmpty());
}

void WindowPlanToolsTest::shouldExplainAComparedFileThatIsNotAPlan()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const QString path = rig.dir.filePath(u"notes.DAT"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a plan");
    file.close();
    QVERIFY(!rig.window->tools()->compareWith(path));
    QCOMPARE(rig.prompts(), QStringList{u"文件类型不对，无法打开。"_s});
    QVERIFY(rig.child<CompareDialog>(u"FormCompare"_s) == nullptr);
    QCOMPARE(rig.window->plan(), CodePlan());
}

void WindowPlanToolsTest::shouldPrintAndPreviewTheSheetOfThePlanShown()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.window->files()->openFile(kRichPlan));
    QList<PrintChoice> choices;
    QStringList texts;
    SetSheetPrinter([&](QTextDocument &document, PrintChoice choice) {
        choices << choice;
        texts << document.toPlainText();
    });
    // The form asks the sheet's heading first; Cancel prints nothing.
    rig.child<QAction>(u"mnuPrint"_s)->trigger();
    SheetJobDialog *form = rig.window->tools()->jobDialog();
    QVERIFY(form != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTest::mouseClick(form->findChild<QPushButton *>(u"CommandCancel"_s), Qt::LeftButton);
    QVERIFY(choices.isEmpty());

    rig.child<QAction>(u"mnuPrint"_s)->trigger();
    form = rig.window->tools()->jobDialog();
    QVERIFY(form != nullptr);
    QCOMPARE(form->findChild<QLineEdit *>(u"TextJob"_s)->text(), QString());
    QTest::keyClicks(form->findChild<QLineEdit *>(u"TextJob"_s), u"Harbour <B>"_s);
    QTest::keyClicks(form->findChild<QPlainTextEdit *>(u"TextNote"_s), u"two spare"_s);
    QTest::keyClick(form->findChild<QPlainTextEdit *>(u"TextNote"_s), Qt::Key_Return);
    QTest::keyClicks(form->findChild<QPlainTextEdit *>(u"TextNote"_s), u"radios"_s);
    QTest::mouseClick(form->findChild<QPushButton *>(u"CommandOK"_s), Qt::LeftButton);
    QCOMPARE(choices, QList<PrintChoice>{PrintChoice::Print});
    QVERIFY2(texts[0].contains(u"信道表\n客户/工作: Harbour <B>\n备注: two spare\nradios"_s),
             qPrintable(texts[0]));
    QVERIFY(texts[0].contains(u"450.01250"_s));
    QVERIFY(texts[0].contains(u"文件: rich.DAT"_s));

    // Remembered for the plan file: the preview's form starts with them, another file's empty.
    rig.child<QAction>(u"mnuPrintPreview"_s)->trigger();
    form = rig.window->tools()->jobDialog();
    QCOMPARE(form->findChild<QLineEdit *>(u"TextJob"_s)->text(), u"Harbour <B>"_s);
    QCOMPARE(form->findChild<QPlainTextEdit *>(u"TextNote"_s)->toPlainText(), u"two spare\nradios"_s);
    QTest::mouseClick(form->findChild<QPushButton *>(u"CommandOK"_s), Qt::LeftButton);
    QCOMPARE(choices, (QList<PrintChoice>{PrintChoice::Print, PrintChoice::Preview}));
    QCOMPARE(texts[1], texts[0]);
    QCOMPARE(rig.child<QAction>(u"mnuCompare"_s)->text(), u"比较(&C)…"_s);

    const QString other = rig.dir.filePath(u"other.DAT"_s);
    QVERIFY(QFile::copy(kRichPlan, other));
    QVERIFY(rig.window->files()->openFile(other));
    rig.child<QAction>(u"mnuPrint"_s)->trigger();
    form = rig.window->tools()->jobDialog();
    QCOMPARE(form->findChild<QLineEdit *>(u"TextJob"_s)->text(), QString());
    QTest::mouseClick(form->findChild<QPushButton *>(u"CommandOK"_s), Qt::LeftButton);
    QVERIFY(!texts[2].contains(u"客户/工作"_s));
    QVERIFY(rig.window->files()->openFile(kRichPlan));
    rig.child<QAction>(u"mnuPrint"_s)->trigger();
    QCOMPARE(rig.window->tools()->jobDialog()->findChild<QLineEdit *>(u"TextJob"_s)->text(),
             u"Harbour <B>"_s);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    WindowPlanToolsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowplantoolstest.moc"
