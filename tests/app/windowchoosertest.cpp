#include "scopedenvironment.h"
#include "windowrig.h"

#include "app/interchangecommands.h"
#include "app/planhistory.h"
#include "dialogs/importchoicemodel.h"
#include "dialogs/importchooserdialog.h"
#include "interchange/channeltemplates.h"
#include "ui/languagemode.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

const QString kList = QString::fromUtf8(VM280_TEST_DATA "/interchange/eu-lpd-pmr.csv");
const QString kMixedBands = QString::fromUtf8(VM280_TEST_DATA "/interchange/mixed-bands.csv");
const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");

using Column = ImportChoiceModel::Column;

// PMR446 n, n from 1 to 16.
QString pmr(int n)
{
    return u"%1"_s.arg(446.00625 + 0.0125 * (n - 1), 0, 'f', 5);
}

QString writeFile(const WindowRig &rig, const QString &name, const QByteArray &content)
{
    const QString path = rig.dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

// Sixteen simplex rows as a radio's CHIRP export numbers them, from the Location first on.
QByteArray listFrom(int first)
{
    QByteArray csv = "Location,Name,Frequency,Duplex,Offset,Tone,Mode,Power\r\n";
    for (int i = 0; i < 16; ++i)
        csv += u"%1,CH%2,%3,,0.000000,,NFM,1.0W\r\n"_s.arg(first + i).arg(i + 1).arg(pmr(i + 1)).toUtf8();
    return csv;
}

// The chooser File > Import opened for path.
ImportChooserDialog *openChooser(WindowRig &rig, const QString &path, int filter = 0)
{
    rig.files << path;
    rig.filters << filter;
    rig.chooseMenuItem(u"mnuFile"_s, u"mnuImport"_s);
    ImportChooserDialog *chooser = rig.window->interchange()->chooser();
    if (chooser != nullptr && QTest::qWaitForWindowExposed(chooser))
        rig.clickWindow(chooser);
    return chooser;
}

template <typename T> T *part(ImportChooserDialog *chooser, const QString &name)
{
    return chooser->findChild<T *>(name);
}

void click(ImportChooserDialog *chooser, const QString &button)
{
    QTest::mouseClick(chooser->findChild<QAbstractButton *>(button), Qt::LeftButton);
}

// The row of the file at Location.
int rowAt(ImportChooserDialog *chooser, int location)
{
    const QAbstractItemModel *model = chooser->table()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, Column::LocationColumn).data().toString() == QString::number(location))
            return row;
    }
    return -1;
}

QString shown(ImportChooserDialog *chooser, int row, int column)
{
    return chooser->table()->model()->index(row, column).data().toString();
}

bool isTicked(ImportChooserDialog *chooser, int row)
{
    return chooser->table()->model()->index(row, Column::LocationColumn).data(Qt::CheckStateRole) ==
           Qt::Checked;
}

// The Locations of the ticked rows.
QList<int> tickedLocations(ImportChooserDialog *chooser)
{
    QList<int> locations;
    for (int row = 0; row < chooser->table()->model()->rowCount(); ++row) {
        if (isTicked(chooser, row))
            locations << shown(chooser, row, Column::LocationColumn).toInt();
    }
    return locations;
}

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers << n;
    return numbers;
}

// Types Locations to tick into the chooser's entry and presses Enter.
void tickLocations(const WindowRig &rig, ImportChooserDialog *chooser, const QString &locations)
{
    auto *entry = part<QLineEdit>(chooser, u"txtLocations"_s);
    QTest::mouseClick(entry, Qt::LeftButton);
    QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(entry, locations);
    rig.pressKey(Qt::Key_Return);
}

// Clicks a row's cell in the chooser's table, with modifiers as a person holds them.
void clickRow(ImportChooserDialog *chooser, int row, Qt::KeyboardModifiers modifiers = {})
{
    QTableView *table = chooser->table();
    table->scrollTo(table->model()->index(row, Column::FrequencyColumn));
    const QRect cell = table->visualRect(table->model()->index(row, Column::FrequencyColumn));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, cell.center());
}

// File > New from template, opened with the mouse.
QMenu *openTemplatesMenu(const WindowRig &rig)
{
    rig.openMenu(u"mnuFile"_s);
    auto *templates = rig.child<QMenu>(u"mnuTemplates"_s);
    WindowRig::clickMenuItem(rig.child<QMenu>(u"mnuFile"_s), templates->menuAction());
    return templates;
}

QStringList channelFrequencies(const WindowRig &rig)
{
    QStringList frequencies;
    for (int row = 1; row <= ChannelTable::kRows; ++row)
        frequencies << rig.cell(row, 1);
    return frequencies;
}

} // namespace

/// Takes the URLs the tool asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

class WindowChooserTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldPutThePmrRowsOfAEuropeanListIntoChannelsOneToSixteen();
    void shouldPlaceListsNumberedFromTwentyFiveOrZeroFromChannelOne();
    void shouldReplaceOnlyTheChannelsTheTickedRowsLandOn();
    void shouldRefuseTickedRowsThatDoNotFitBeforeAnythingChanges();
    void shouldGreyRowsTheBandCannotHoldAndFindTheBandThatHoldsThem();
    void shouldTickTheSelectedRowsWithSpaceOrAClick();
    void shouldTakeChannelsAndOnRequestTheSettingsOfAnotherPlan();
    void shouldStartANewPlanFromATemplate();
    void shouldOpenTheFolderOfTheUsersOwnTemplates();
    void shouldShowTheChooserInEveryLanguage();

private:
    QTemporaryDir m_data;
    // The templates are the ones built beside the test, whatever the user keeps.
    ScopedEnvironment m_home{"XDG_DATA_HOME", m_data.path().toUtf8()};
    ScopedEnvironment m_dirs{"XDG_DATA_DIRS", m_data.path().toUtf8()};
};

void WindowChooserTest::shouldPutThePmrRowsOfAEuropeanListIntoChannelsOneToSixteen()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QComboBox>(u"Combo9"_s)->setCurrentIndex(8);
    const int steps = rig.window->history()->stack()->count();
    ImportChooserDialog *chooser = openChooser(rig, kList);
    QVERIFY(chooser != nullptr);
    QVERIFY(chooser->isVisible());
    QVERIFY2(rig.messages.isEmpty(), "the chooser asks nothing");
    QCOMPARE(chooser->table()->model()->rowCount(), 90);
    // In file order from channel 1, the first sixteen rows the radio can take: LPD 1 to 16.
    QVERIFY(part<QRadioButton>(chooser, u"optFileOrder"_s)->isChecked());
    QCOMPARE(part<QSpinBox>(chooser, u"spnFirstChannel"_s)->value(), 1);
    QCOMPARE(tickedLocations(chooser), range(1, 16));
    QCOMPARE(part<QComboBox>(chooser, u"cboBand"_s)->currentText(), u"400-480MHz"_s);

    tickLocations(rig, chooser, u"71-78,81-88"_s);
    QCOMPARE(tickedLocations(chooser), range(71, 78) + range(81, 88));
    QCOMPARE(shown(chooser, rowAt(chooser, 71), Column::ChannelColumn), u"01"_s);
    QCOMPARE(shown(chooser, rowAt(chooser, 81), Column::ChannelColumn), u"09"_s);
    QCOMPARE(shown(chooser, rowAt(chooser, 88), Column::ChannelColumn), u"16"_s);
    QCOMPARE(shown(chooser, rowAt(chooser, 1), Column::ChannelColumn), QString());
    QCOMPARE(part<QLabel>(chooser, u"lblSummary"_s)->text(), u"16 个勾选行将放入信道 01-16。"_s);
    QVERIFY2(chooser->isVisible(), "Enter in the Locations ticks them, it does not import");
    QTableView *table = chooser->table();
    QVERIFY2(table->viewport()->rect().contains(
                 table->visualRect(table->model()->index(rowAt(chooser, 71), Column::FrequencyColumn))),
             "the first row ticked comes into view");

    click(chooser, u"cmdOK"_s);
    QTRY_VERIFY(rig.window->interchange()->chooser() == nullptr);
    QStringList expected;
    for (int n = 1; n <= 16; ++n)
        expected << pmr(n);
    QCOMPARE(channelFrequencies(rig), expected);
    QCOMPARE(rig.cell(1, 5), u"低"_s);
    QCOMPARE(rig.cell(1, 7), u"窄带"_s);
    QCOMPARE(rig.window->plan().selectors.Combo9, 8);
    QVERIFY2(rig.messages.isEmpty(), "no report follows");

    QCOMPARE(rig.window->history()->stack()->count(), steps + 1);
    rig.child<QAction>(u"mnuUndo"_s)->trigger();
    QVERIFY2(rig.window->plan().channels.isEmpty(1) && rig.window->plan().channels.isEmpty(16),
             "one undo step undoes the import");
}

void WindowChooserTest::shouldPlaceListsNumberedFromTwentyFiveOrZeroFromChannelOne()
{
    for (const int first : {25, 0}) {
        WindowRig rig;
        QVERIFY(rig.start());
        ImportChooserDialog *chooser =
            openChooser(rig, writeFile(rig, u"from%1.csv"_s.arg(first), listFrom(first)));
        QVERIFY(chooser != nullptr);
        QCOMPARE(tickedLocations(chooser), range(first, first + 15));
        QCOMPARE(shown(chooser, 0, Column::ChannelColumn), u"01"_s);
        QCOMPARE(shown(chooser, 15, Column::ChannelColumn), u"16"_s);
        click(chooser, u"cmdOK"_s);
        QCOMPARE(rig.cell(1, 1), pmr(1));
        QCOMPARE(rig.cell(16, 1), pmr(16));
    }
}

void WindowChooserTest::shouldReplaceOnlyTheChannelsTheTickedRowsLandOn()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    rig.enterFrequency(5, 1, u"439"_s);
    const QString path =
        writeFile(rig, u"three.csv"_s, "Location,Frequency,Mode\n1,440,NFM\n2,441,NFM\n3,442,NFM\n");
    ImportChooserDialog *chooser = openChooser(rig, path);
    QVERIFY(chooser != nullptr);
    // Rows numbered from 1 to 3 go where their Location says.
    QVERIFY(part<QRadioButton>(chooser, u"optByLocation"_s)->isChecked());
    QCOMPARE(shown(chooser, 0, Column::ChannelColumn), u"01（替换 438.00000）"_s);

    QTest::mouseClick(part<QRadioButton>(chooser, u"optFileOrder"_s), Qt::LeftButton);
    auto *first = part<QSpinBox>(chooser, u"spnFirstChannel"_s);
    QTest::mouseDClick(first, Qt::LeftButton);
    QTest::keyClick(first, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(first, u"5"_s);
    QCOMPARE(shown(chooser, 0, Column::ChannelColumn), u"05（替换 439.00000）"_s);
    QCOMPARE(shown(chooser, 2, Column::ChannelColumn), u"07"_s);
    QCOMPARE(part<QLabel>(chooser, u"lblSummary"_s)->text(),
             u"3 个勾选行将放入信道 05-07。将替换已编程的信道 05。"_s);
    click(chooser, u"cmdOK"_s);
    QCOMPARE(rig.cell(1, 1), u"438.00000"_s);
    QCOMPARE(rig.cell(5, 1), u"440.00000"_s);
    QCOMPARE(rig.cell(7, 1), u"442.00000"_s);
    QVERIFY(rig.window->plan().channels.isEmpty(2));
}

void WindowChooserTest::shouldRefuseTickedRowsThatDoNotFitBeforeAnythingChanges()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    const CodePlan before = rig.window->plan();
    ImportChooserDialog *chooser = openChooser(rig, kList);
    QVERIFY(chooser != nullptr);
    auto *ok = part<QPushButton>(chooser, u"cmdOK"_s);
    auto *summary = part<QLabel>(chooser, u"lblSummary"_s);

    tickLocations(rig, chooser, u"1-17"_s);
    QVERIFY(!ok->isEnabled());
    QCOMPARE(summary->text(), u"勾选的 17 行可以编程，但从信道 1 到 16 只有 16 个信道。请少勾选几行。"_s);
    QCOMPARE(shown(chooser, rowAt(chooser, 17), Column::ChannelColumn), u"—"_s);

    // By their Location the PMR rows have no channel.
    tickLocations(rig, chooser, u"71-72"_s);
    QVERIFY(ok->isEnabled());
    QTest::mouseClick(part<QRadioButton>(chooser, u"optByLocation"_s), Qt::LeftButton);
    QVERIFY(!ok->isEnabled());
    QCOMPARE(summary->text(), u"位置为 71 的勾选行没有信道：按位置只能放入信道 1 到 16。"_s);
    QCOMPARE(shown(chooser, rowAt(chooser, 71), Column::NoteColumn), u"位置 71 不是 1 到 16 的信道"_s);

    tickLocations(rig, chooser, u"8-1"_s);
    QCOMPARE(summary->text(), u"“8-1”不是位置列表，例如 1-8,71-78。"_s);
    click(chooser, u"cmdTickNone"_s);
    QCOMPARE(tickedLocations(chooser), QList<int>());
    QVERIFY(!ok->isEnabled());
    QCOMPARE(summary->text(), u"没有可以编程的勾选行。"_s);

    QTest::keyClick(chooser, Qt::Key_Return);
    QVERIFY2(chooser->isVisible(), "Enter cannot import a refused choice");
    click(chooser, u"cmdCancel"_s);
    QTRY_VERIFY(rig.window->interchange()->chooser() == nullptr);
    QCOMPARE(rig.window->plan(), before);
}

void WindowChooserTest::shouldGreyRowsTheBandCannotHoldAndFindTheBandThatHoldsThem()
{
    WindowRig rig;
    QVERIFY(rig.start());
    ImportChooserDialog *chooser = openChooser(rig, kMixedBands);
    QVERIFY(chooser != nullptr);
    // Three 2 m rows and two 70 cm rows; the window's band holds the 70 cm ones only.
    QCOMPARE(tickedLocations(chooser), range(1, 5));
    QCOMPARE(shown(chooser, 0, Column::NoteColumn), u"Frequency：频率 145.500000 不在频段 400-480MHz 内"_s);
    QCOMPARE(
        chooser->table()->model()->index(0, Column::FrequencyColumn).data(Qt::ForegroundRole).value<QBrush>(),
        QBrush(Qt::gray));
    // Each row has a Location from 1 to 16 of its own: they go by Location.
    QCOMPARE(shown(chooser, 3, Column::ChannelColumn), u"04"_s);
    QCOMPARE(part<QLabel>(chooser, u"lblSummary"_s)->text(),
             u"2 个勾选行将放入信道 04-05。另有 3 个勾选行不能在此频段中编程，不占信道。"_s);

    click(chooser, u"cmdBestBand"_s);
    QCOMPARE(part<QComboBox>(chooser, u"cboBand"_s)->currentText(), u"136-174MHz"_s);
    QCOMPARE(shown(chooser, 0, Column::ChannelColumn), u"01"_s);
    QCOMPARE(shown(chooser, 3, Column::NoteColumn), u"Frequency：频率 438.500000 不在频段 136-174MHz 内"_s);
    QVERIFY(part<QLabel>(chooser, u"lblSummary"_s)
                ->text()
                .endsWith(u"写频数据的频段将改为 136-174MHz；保留的信道若不在此频段内将标红。"_s));
    click(chooser, u"cmdOK"_s);
    QCOMPARE(rig.child<QComboBox>(u"Combo1"_s)->currentText(), u"136-174MHz"_s);
    QCOMPARE(rig.cell(2, 1), u"145.60000"_s);
    QCOMPARE(rig.cell(2, 3), u"145.00000"_s);
    QVERIFY(rig.window->plan().channels.isEmpty(4));
}

void WindowChooserTest::shouldTickTheSelectedRowsWithSpaceOrAClick()
{
    WindowRig rig;
    QVERIFY(rig.start());
    ImportChooserDialog *chooser = openChooser(rig, kList);
    QVERIFY(chooser != nullptr);
    click(chooser, u"cmdTickNone"_s);
    clickRow(chooser, rowAt(chooser, 71));
    clickRow(chooser, rowAt(chooser, 78), Qt::ShiftModifier);
    rig.pressKey(Qt::Key_Space);
    QCOMPARE(tickedLocations(chooser), range(71, 78));
    rig.pressKey(Qt::Key_Space);
    QCOMPARE(tickedLocations(chooser), QList<int>());

    // A click on a row's box ticks it.
    QTableView *table = chooser->table();
    const int row = rowAt(chooser, 5);
    table->scrollTo(table->model()->index(row, Column::LocationColumn));
    QStyleOptionViewItem option;
    option.initFrom(table->viewport());
    option.rect = table->visualRect(table->model()->index(row, Column::LocationColumn));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect box = table->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, table);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, box.center());
    QCOMPARE(tickedLocations(chooser), QList<int>{5});
    QCOMPARE(shown(chooser, row, Column::ChannelColumn), u"01"_s);
    click(chooser, u"cmdCancel"_s);
}

void WindowChooserTest::shouldTakeChannelsAndOnRequestTheSettingsOfAnotherPlan()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QComboBox>(u"Combo9"_s)->setCurrentIndex(3);
    // rich.DAT is a 450-490MHz plan with channels 1, 2, 3, 5, 8 and 16.
    ImportChooserDialog *chooser = openChooser(rig, kRichPlan, 2);
    QVERIFY(chooser != nullptr);
    QVERIFY(part<QRadioButton>(chooser, u"optByLocation"_s)->isChecked());
    QCOMPARE(tickedLocations(chooser), QList<int>({1, 2, 3, 5, 8, 16}));
    QVERIFY(part<QCheckBox>(chooser, u"chkSettings"_s)->isVisible());
    QVERIFY(!part<QCheckBox>(chooser, u"chkSettings"_s)->isChecked());
    tickLocations(rig, chooser, u"1-3"_s);
    click(chooser, u"cmdOK"_s);
    const CodePlan rich = planOf(kRichPlan);
    for (int row = 1; row <= 3; ++row)
        QCOMPARE(rig.window->plan().channels.cells[row - 1], rich.channels.cells[row - 1]);
    QVERIFY(rig.window->plan().channels.isEmpty(5));
    QCOMPARE(rig.window->plan().selectors.Combo9, 3);

    // With the settings, the plan comes in whole: the same bytes as the file.
    chooser = openChooser(rig, kRichPlan, 2);
    QVERIFY(chooser != nullptr);
    click(chooser, u"cmdBestBand"_s);
    // A click on the box at the left of the line.
    auto *settings = part<QCheckBox>(chooser, u"chkSettings"_s);
    QTest::mouseClick(settings, Qt::LeftButton, {}, QPoint(settings->height() / 2, settings->height() / 2));
    QVERIFY(settings->isChecked());
    click(chooser, u"cmdOK"_s);
    QCOMPARE(imageOf(rig.window->plan()), imageOf(rich));
}

void WindowChooserTest::shouldStartANewPlanFromATemplate()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    rig.enterFrequency(16, 1, u"439"_s);
    rig.child<QComboBox>(u"Combo9"_s)->setCurrentIndex(4);
    const CodePlan before = rig.window->plan();
    QMenu *templates = openTemplatesMenu(rig);
    QStringList names;
    for (QAction *item : templates->actions())
        names << item->text();
    QCOMPARE(names.mid(0, 3), QStringList({u"China-409MHz"_s, u"FRS"_s, u"PMR446"_s}));
    rig.answers << MsgboxNo;
    WindowRig::clickMenuItem(templates, templates->actions().at(1));
    QCOMPARE(rig.prompts(), QStringList{u"保存更改？"_s});

    ImportChooserDialog *chooser = rig.window->interchange()->chooser();
    QVERIFY(chooser != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(chooser));
    rig.clickWindow(chooser);
    QCOMPARE(chooser->windowTitle(), u"从模板新建"_s);
    QCOMPARE(part<QLabel>(chooser, u"lblHeading"_s)->text(), u"模板 FRS：22 行。"_s);
    QCOMPARE(tickedLocations(chooser), range(1, 16));
    // A new plan replaces nothing: every channel gives way.
    QCOMPARE(shown(chooser, 0, Column::ChannelColumn), u"01"_s);
    QVERIFY(!part<QCheckBox>(chooser, u"chkSettings"_s)->isVisible());
    QCOMPARE(part<QPushButton>(chooser, u"cmdOK"_s)->text(), u"新建"_s);
    click(chooser, u"cmdOK"_s);
    QCOMPARE(rig.cell(1, 1), u"462.56250"_s);
    QCOMPARE(rig.cell(8, 1), u"467.56250"_s);
    QCOMPARE(rig.cell(16, 1), u"462.57500"_s);
    QCOMPARE(rig.cell(16, 5), u"低"_s);
    QCOMPARE(rig.window->plan().selectors.Combo9, 4);

    rig.child<QAction>(u"mnuUndo"_s)->trigger();
    QCOMPARE(rig.window->plan(), before);
}

void WindowChooserTest::shouldOpenTheFolderOfTheUsersOwnTemplates()
{
    WindowRig rig;
    QVERIFY(rig.start());
    UrlCatcher opened;
    QDesktopServices::setUrlHandler(u"file"_s, &opened, "open");
    openTemplatesMenu(rig);
    WindowRig::clickMenuItem(rig.child<QMenu>(u"mnuTemplates"_s), rig.child<QAction>(u"mnuTemplateFolder"_s));
    QDesktopServices::unsetUrlHandler(u"file"_s);
    QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(UserTemplateFolder())});
    QVERIFY(QFileInfo(UserTemplateFolder()).isDir());

    // A template put there is listed at once, before the tool's own.
    QVERIFY(QFile::copy(kList, QDir(UserTemplateFolder()).filePath(u"Europe.csv"_s)));
    openTemplatesMenu(rig);
    QCOMPARE(rig.child<QMenu>(u"mnuTemplates"_s)->actions().at(1)->text(), u"Europe"_s);
}

void WindowChooserTest::shouldShowTheChooserInEveryLanguage()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const struct
    {
        QString command;
        QString title;
        QString location;
        QString tick;
    } cases[] = {
        {u"mnuEnglish"_s, u"Import"_s, u"Location"_s, u"Tick"_s},
        {u"mnuChineseF"_s, u"導入"_s, u"位置"_s, u"勾選"_s},
        {u"mnuChineseJ"_s, u"导入"_s, u"位置"_s, u"勾选"_s},
    };
    for (const auto &c : cases) {
        rig.child<QAction>(c.command)->trigger();
        ImportChooserDialog *chooser = openChooser(rig, kList);
        QVERIFY(chooser != nullptr);
        QCOMPARE(chooser->windowTitle(), c.title);
        QCOMPARE(chooser->table()->model()->headerData(Column::LocationColumn, Qt::Horizontal).toString(),
                 c.location);
        QCOMPARE(part<QPushButton>(chooser, u"cmdTick"_s)->text(), c.tick);
        if (c.command == u"mnuEnglish"_s) {
            // One row is one row, not "1 rows".
            tickLocations(rig, chooser, u"71"_s);
            QCOMPARE(part<QLabel>(chooser, u"lblSummary"_s)->text(), u"1 ticked row goes to channel 01."_s);
        }
        click(chooser, u"cmdCancel"_s);
        QTRY_VERIFY(rig.window->interchange()->chooser() == nullptr);
    }
    QCOMPARE(rig.child<QMenu>(u"mnuTemplates"_s)->title(), u"从模板新建(&T)"_s);
}

QTEST_MAIN(WindowChooserTest)
#include "windowchoosertest.moc"
