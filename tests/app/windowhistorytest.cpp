#include "windowrig.h"

#include "app/channeleditcommands.h"
#include "app/featuredialogs.h"
#include "dialogs/keysettingsdialog.h"
#include "editor/stringjtof.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <functional>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");
const QString kSaveChanges = u"保存更改？"_s;
const QString kPortClosed = u"通信端口未打开，请先选择菜单“通信端口”打开其串口！"_s;

QByteArray imageOf(const WindowRig &rig)
{
    return EncodeImage(rig.window->plan(), ChoiceTexts::simplifiedChinese());
}

void trigger(const WindowRig &rig, const QString &action)
{
    rig.child<QAction>(action)->trigger();
}

// A plan with two channels and a picked tone, so every change has something to change.
void editTwoChannels(WindowRig &rig)
{
    rig.enterFrequency(1, 1, u"438"_s);
    rig.enterFrequency(2, 1, u"439.5"_s);
    rig.click(2, 4);
    rig.type(u"D23I"_s);
}

void selectChannelRows(const WindowRig &rig, int first, int last)
{
    const auto numberCell = [&rig](int row) {
        return rig.grid()->visualRect(rig.grid()->model()->index(row - 1, 0)).center();
    };
    QTest::mouseClick(rig.grid()->viewport(), Qt::LeftButton, {}, numberCell(first));
    if (last != first)
        QTest::mouseClick(rig.grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, numberCell(last));
}

QStringList rowCells(const WindowRig &rig, int row)
{
    QStringList cells;
    for (int column = 1; column < ChannelTable::kColumns; ++column)
        cells << rig.cell(row, column);
    return cells;
}

using Change = std::function<void(WindowRig &)>;

// One of each kind of change the window makes to its plan.
const QList<std::pair<const char *, Change>> &changes()
{
    static const QList<std::pair<const char *, Change>> list{
        {"frequency typed", [](WindowRig &rig) { rig.enterFrequency(3, 1, u"440.013"_s); }},
        {"tone typed",
         [](WindowRig &rig) {
             rig.click(1, 2);
             rig.type(u"88.5"_s);
         }},
        {"channel erased", [](WindowRig &rig) { rig.enterFrequency(1, 1, QString()); }},
        {"band changed and cleared",
         [](WindowRig &rig) {
             rig.answers << MsgboxOk;
             rig.child<QComboBox>(u"Combo1"_s)->setCurrentIndex(5);
         }},
        {"band change refused",
         [](WindowRig &rig) {
             rig.answers << MsgboxCancel;
             rig.child<QComboBox>(u"Combo1"_s)->setCurrentIndex(5);
         }},
        {"function setting", [](WindowRig &rig) { rig.child<QComboBox>(u"Combo9"_s)->setCurrentIndex(8); }},
        {"new",
         [](WindowRig &rig) {
             rig.answers << MsgboxNo << MsgboxOk;
             trigger(rig, u"mnuNew"_s);
         }},
        {"open",
         [](WindowRig &rig) {
             rig.files << kRichPlan;
             rig.answers << MsgboxNo;
             trigger(rig, u"mnuOpen"_s);
         }},
        {"dialog OK",
         [](WindowRig &rig) {
             KeySettingsDialog *keys = rig.window->dialogs()->Form6();
             keys->findChild<QComboBox *>(u"Combo2"_s)->setCurrentIndex(6);
             keys->findChild<QPushButton *>(u"Command1"_s)->click();
         }},
        {"paste",
         [](WindowRig &rig) {
             // A click on the number of an empty channel opens its receive frequency; Paste ends
             // that edit first.
             selectChannelRows(rig, 5, 5);
             QGuiApplication::clipboard()->setText(u"Location,Frequency\n1,446.00625\n2,446.0125\n"_s);
             trigger(rig, u"mnuPaste"_s);
         }},
        {"delete",
         [](WindowRig &rig) {
             selectChannelRows(rig, 1, 2);
             trigger(rig, u"mnuDelete"_s);
         }},
    };
    return list;
}

} // namespace

class WindowHistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SetLanguageMode(Language::SimplifiedChinese);
        QGuiApplication::clipboard()->clear();
    }
    void shouldAskToSaveChangesBeforeEachCommandThatDropsThem_data();
    void shouldAskToSaveChangesBeforeEachCommandThatDropsThem();
    void shouldAskNothingForAPlanThatHasNotChanged();
    void shouldMarkTheTitleWhileThePlanDiffersFromTheOneKept();
    void shouldUndoAndRedoEachKindOfChangeToTheExactImage_data();
    void shouldUndoAndRedoEachKindOfChangeToTheExactImage();
    void shouldUndoAFrequencyLeftOpenInItsEditor();
    void shouldSelectRowsByTheChannelNumberWithoutOpeningAnEditor();
    void shouldPasteCopiedChannelsIntoOtherRowsAsTheSameChannels();
    void shouldPasteTheGoodRowsOfSpreadsheetTextAndReportTheBadOne();
    void shouldPasteNothingFromTextThatIsNotRows();
    void shouldBlockUndoAndPasteWhileLocked();
    void shouldTakeTheDeleteKeyOnlyInTheGrid();
    void shouldCaptionTheEditMenuInEveryLanguage();
};

void WindowHistoryTest::shouldAskToSaveChangesBeforeEachCommandThatDropsThem_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    for (const char *command : {"quit", "open", "new", "read"}) {
        QTest::addRow("%s, Save", command) << QString::fromLatin1(command) << int(MsgboxYes);
        QTest::addRow("%s, Discard", command) << QString::fromLatin1(command) << int(MsgboxNo);
        QTest::addRow("%s, Cancel", command) << QString::fromLatin1(command) << int(MsgboxCancel);
    }
}

void WindowHistoryTest::shouldAskToSaveChangesBeforeEachCommandThatDropsThem()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    const QString savePath = rig.dir.filePath(u"kept.DAT"_s);
    if (command == u"open")
        rig.files << kRichPlan;
    rig.answers << answer;
    if (answer == MsgboxYes)
        rig.files << savePath;
    if (command == u"new")
        rig.answers << MsgboxOk;
    QSignalSpy closed(rig.window.get(), &MainWindow::closed);
    if (command == u"quit")
        rig.window->close();
    else
        trigger(rig, command == u"open" ? u"mnuOpen"_s : command == u"new" ? u"mnuNew"_s : u"mnureadFre"_s);

    QVERIFY(!rig.messages.isEmpty());
    const MsgboxRequest &asked = rig.messages.first();
    QCOMPARE(asked.prompt, kSaveChanges);
    QCOMPARE(asked.buttons, (QList<int>{MsgboxYes, MsgboxNo, MsgboxCancel}));
    QCOMPARE(asked.captions, (QStringList{u"保存"_s, u"不保存"_s, u"取消"_s}));
    QCOMPARE(QFile::exists(savePath), answer == MsgboxYes);
    if (answer == MsgboxYes) {
        CodePlan saved;
        DecodeImage(saved, std::get<QByteArray>(ReadCodePlanFile(savePath)),
                    ChoiceTexts::simplifiedChinese());
        QCOMPARE(saved.channels.cell(1, 1), u"438.00000"_s);
    }
    const bool goesOn = answer != MsgboxCancel;
    if (command == u"quit") {
        QCOMPARE(closed.size(), goesOn ? 1 : 0);
        QCOMPARE(QFile::exists(rig.parameterPath()), goesOn);
    } else if (command == u"read") {
        QCOMPARE(rig.prompts().size(), goesOn ? 2 : 1);
        QCOMPARE(rig.prompts().last(), goesOn ? kPortClosed : kSaveChanges);
    } else {
        QCOMPARE(rig.cell(1, 1) == u"438.00000"_s, !goesOn);
    }
    if (!goesOn)
        QVERIFY(rig.title().startsWith(u'*'));
}

void WindowHistoryTest::shouldAskNothingForAPlanThatHasNotChanged()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.files << kRichPlan;
    trigger(rig, u"mnuOpen"_s);
    trigger(rig, u"mnureadFre"_s);
    QCOMPARE(rig.prompts(), QStringList{kPortClosed});
    // A change undone is no change.
    auto *squelch = rig.child<QComboBox>(u"Combo9"_s);
    squelch->setCurrentIndex((squelch->currentIndex() + 1) % squelch->count());
    QVERIFY(rig.title().startsWith(u'*'));
    trigger(rig, u"mnuUndo"_s);
    rig.answers << MsgboxCancel;
    trigger(rig, u"mnuNew"_s);
    QCOMPARE(rig.messages.last().style, 305);
    QSignalSpy closed(rig.window.get(), &MainWindow::closed);
    rig.window->close();
    QCOMPARE(closed.size(), 1);
    QCOMPARE(rig.messages.size(), 2);
}

void WindowHistoryTest::shouldMarkTheTitleWhileThePlanDiffersFromTheOneKept()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const QString title = rig.title();
    rig.enterFrequency(1, 1, u"438"_s);
    QCOMPARE(rig.title(), u"*"_s + title);
    trigger(rig, u"mnuEnglish"_s);
    QCOMPARE(rig.title(), u"*VM-280 Radio Software V1.00"_s);
    trigger(rig, u"mnuUndo"_s);
    QCOMPARE(rig.title(), u"VM-280 Radio Software V1.00"_s);
    trigger(rig, u"mnuRedo"_s);
    QCOMPARE(rig.cell(1, 5), u"Hight"_s);
    const QString path = rig.dir.filePath(u"plan.DAT"_s);
    rig.files << path;
    trigger(rig, u"mnuAssave"_s);
    QCOMPARE(rig.title(), u"VM-280-"_s + QDir::toNativeSeparators(path));
    rig.enterFrequency(2, 1, u"439"_s);
    QVERIFY(rig.title().startsWith(u"*VM-280-"_s));
}

void WindowHistoryTest::shouldUndoAndRedoEachKindOfChangeToTheExactImage_data()
{
    QTest::addColumn<int>("change");
    for (int i = 0; i < changes().size(); ++i)
        QTest::newRow(changes()[i].first) << i;
}

void WindowHistoryTest::shouldUndoAndRedoEachKindOfChangeToTheExactImage()
{
    QFETCH(int, change);
    WindowRig rig;
    QVERIFY(rig.start());
    editTwoChannels(rig);
    const QByteArray before = imageOf(rig);
    const CodePlan planBefore = rig.window->plan();
    changes()[change].second(rig);
    const QByteArray after = imageOf(rig);
    QVERIFY(after != before);
    const qsizetype asked = rig.messages.size();
    trigger(rig, u"mnuUndo"_s);
    QCOMPARE(imageOf(rig), before);
    QCOMPARE(rig.window->plan(), planBefore);
    QCOMPARE(rig.child<QComboBox>(u"Combo1"_s)->currentIndex(), planBefore.band);
    trigger(rig, u"mnuRedo"_s);
    QCOMPARE(imageOf(rig), after);
    // Undo and redo put states back without asking anything.
    QCOMPARE(rig.messages.size(), asked);
    // The channels typed before are still undone one at a time.
    QTest::keyClick(rig.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(imageOf(rig), before);
    QTest::keyClick(rig.window.get(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(imageOf(rig), after);
}

void WindowHistoryTest::shouldUndoAFrequencyLeftOpenInItsEditor()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    const QByteArray before = imageOf(rig);
    rig.click(1, 3);
    QTest::keyClicks(rig.grid()->openEditor(), u"439"_s);
    trigger(rig, u"mnuUndo"_s);
    QCOMPARE(rig.grid()->openEditor(), nullptr);
    QCOMPARE(imageOf(rig), before);
    trigger(rig, u"mnuUndo"_s);
    QCOMPARE(imageOf(rig), EncodeImage(CodePlan(), ChoiceTexts::simplifiedChinese()));
    QVERIFY(!rig.child<QAction>(u"mnuUndo"_s)->isEnabled());
    QVERIFY(!rig.title().startsWith(u'*'));
}

void WindowHistoryTest::shouldSelectRowsByTheChannelNumberWithoutOpeningAnEditor()
{
    WindowRig rig;
    QVERIFY(rig.start());
    selectChannelRows(rig, 3, 6);
    QCOMPARE(rig.grid()->openEditor(), nullptr);
    QCOMPARE(rig.grid()->selectedChannels(), (QList<int>{3, 4, 5, 6}));
    const QRect cell = rig.grid()->visualRect(rig.grid()->model()->index(8, 0));
    QTest::mouseClick(rig.grid()->viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
    QCOMPARE(rig.grid()->selectedChannels(), (QList<int>{3, 4, 5, 6, 9}));
    // A plain click on a cell still opens its editor and selects that cell alone.
    rig.click(2, 1);
    QVERIFY(rig.grid()->openEditor() != nullptr);
    QCOMPARE(rig.grid()->selectedChannels(), QList<int>{2});
}

void WindowHistoryTest::shouldPasteCopiedChannelsIntoOtherRowsAsTheSameChannels()
{
    WindowRig rig;
    QVERIFY(rig.start());
    editTwoChannels(rig);
    rig.click(1, 6);
    rig.grid()->choiceEditor(6)->activated(1);
    selectChannelRows(rig, 1, 2);
    QTest::keyClick(rig.grid(), Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.startsWith(u"Location\tName\tFrequency\t"_s));
    QCOMPARE(copied.count(u'\n'), 3);
    const QByteArray before = imageOf(rig);
    selectChannelRows(rig, 9, 9);
    QTest::keyClick(rig.grid(), Qt::Key_V, Qt::ControlModifier);
    for (int row : {1, 2})
        QCOMPARE(rowCells(rig, row + 8), rowCells(rig, row));
    QCOMPARE(rig.cell(10, 4), u"D023I"_s);
    QCOMPARE(rig.cell(9, 6), u"载波"_s);
    QVERIFY(rig.messages.isEmpty());
    trigger(rig, u"mnuUndo"_s);
    QCOMPARE(imageOf(rig), before);
}

void WindowHistoryTest::shouldPasteTheGoodRowsOfSpreadsheetTextAndReportTheBadOne()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(6, 1, u"430"_s);
    const QStringList before = rowCells(rig, 6);
    selectChannelRows(rig, 5, 5);
    QGuiApplication::clipboard()->setText(u"Location\tFrequency\tDuplex\tOffset\tTone\trToneFreq\tMode\r\n"
                                          "1\t438.013000\t\t0.000000\tTone\t88.5\tNFM\r\n"
                                          "2\t520.000000\t\t0.000000\t\t88.5\tFM\r\n"
                                          "3\t439.000000\t+\t5.000000\t\t88.5\tFM\r\n"_s);
    trigger(rig, u"mnuPaste"_s);
    QCOMPARE(rig.messages.size(), 1);
    const QString report = rig.messages.first().prompt;
    QVERIFY2(report.contains(u"第 3 行"_s), qPrintable(report));
    QVERIFY2(report.contains(u"已粘贴 2 个信道"_s), qPrintable(report));
    QCOMPARE(rig.cell(5, 1), u"438.01250"_s);
    QCOMPARE(rig.cell(5, 4), u"88.5"_s);
    QCOMPARE(rig.cell(5, 7), u"窄带"_s);
    // The refused row uses up no channel: the third row takes channel 6.
    QCOMPARE(rig.cell(6, 1), u"439.00000"_s);
    QCOMPARE(rig.cell(6, 3), u"444.00000"_s);
    QVERIFY(rig.cell(7, 1).isEmpty());
    trigger(rig, u"mnuUndo"_s);
    QVERIFY(rig.cell(5, 1).isEmpty());
    QCOMPARE(rowCells(rig, 6), before);
}

void WindowHistoryTest::shouldPasteNothingFromTextThatIsNotRows()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    const QByteArray before = imageOf(rig);
    selectChannelRows(rig, 1, 1);
    rig.window->channelEdits()->pasteText(u"Location,Frequency\n1,\"439.0\n"_s);
    QVERIFY2(rig.prompts().last().contains(u"没有结束引号"_s), qPrintable(rig.prompts().last()));
    rig.window->channelEdits()->pasteText(u"  \n"_s);
    QCOMPARE(rig.prompts().last(), u"剪贴板中没有可粘贴的信道。"_s);
    QCOMPARE(imageOf(rig), before);
    trigger(rig, u"mnuUndo"_s);
    QCOMPARE(imageOf(rig), EncodeImage(CodePlan(), ChoiceTexts::simplifiedChinese()));
}

void WindowHistoryTest::shouldBlockUndoAndPasteWhileLocked()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.enterFrequency(1, 1, u"438"_s);
    QVERIFY(rig.child<QAction>(u"mnuUndo"_s)->isEnabled());
    trigger(rig, u"mnulock"_s);
    for (const QString &name : {u"mnuUndo"_s, u"mnuPaste"_s, u"mnuDelete"_s})
        QVERIFY2(!rig.child<QAction>(name)->isEnabled(), qPrintable(name));
    QVERIFY(rig.child<QAction>(u"mnuCopy"_s)->isEnabled());
    trigger(rig, u"mnulock"_s);
    QVERIFY(rig.child<QAction>(u"mnuUndo"_s)->isEnabled());
}

void WindowHistoryTest::shouldTakeTheDeleteKeyOnlyInTheGrid()
{
    WindowRig rig;
    QVERIFY(rig.start());
    editTwoChannels(rig);
    auto *band = rig.child<QComboBox>(u"Combo1"_s);
    band->setFocus();
    QTest::keyClick(band, Qt::Key_Delete);
    QVERIFY(!rig.cell(1, 1).isEmpty());
    selectChannelRows(rig, 2, 2);
    QTest::keyClick(rig.grid(), Qt::Key_Delete);
    QVERIFY(rig.cell(2, 1).isEmpty() && rig.cell(2, 4).isEmpty());
    QCOMPARE(rig.cell(1, 1), u"438.00000"_s);
}

void WindowHistoryTest::shouldCaptionTheEditMenuInEveryLanguage()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const QStringList names{u"mnuEdit"_s, u"mnuUndo"_s,  u"mnuRedo"_s,
                            u"mnuCopy"_s, u"mnuPaste"_s, u"mnuDelete"_s};
    const auto captions = [&rig, &names] {
        QStringList texts{rig.child<QMenu>(names.first())->title()};
        for (qsizetype i = 1; i < names.size(); ++i)
            texts << rig.child<QAction>(names[i])->text();
        return texts;
    };
    QCOMPARE(captions(), (QStringList{u"编辑(&E)"_s, u"撤销(&U)"_s, u"重做(&R)"_s, u"复制(&C)"_s,
                                      u"粘贴(&P)"_s, u"删除(&D)"_s}));
    trigger(rig, u"mnuEnglish"_s);
    QCOMPARE(captions(), (QStringList{u"Edit(&E)"_s, u"Undo(&U)"_s, u"Redo(&R)"_s, u"Copy(&C)"_s,
                                      u"Paste(&P)"_s, u"Delete(&D)"_s}));
    rig.enterFrequency(1, 1, u"438"_s);
    rig.answers << MsgboxCancel;
    rig.window->close();
    QCOMPARE(rig.messages.last().prompt, u"Save changes?"_s);
    QCOMPARE(rig.messages.last().captions, (QStringList{u"Save"_s, u"Discard"_s, u"Cancel"_s}));
    trigger(rig, u"mnuChineseF"_s);
    // Converted from the Simplified captions, as every caption of the window.
    QStringList traditional;
    for (const char16_t *simplified :
         {u"编辑(&E)", u"撤销(&U)", u"重做(&R)", u"复制(&C)", u"粘贴(&P)", u"删除(&D)"})
        traditional << StringJtoF(simplified);
    QCOMPARE(captions(), traditional);
    QCOMPARE(captions().first(), u"編輯(&E)"_s);
    QCOMPARE(rig.child<QAction>(u"mnuRedo"_s)->shortcuts(),
             (QList<QKeySequence>{QKeySequence(u"Ctrl+Shift+Z"_s), QKeySequence(u"Ctrl+Y"_s)}));
}

int main(int argc, char *argv[])
{
    // No serial port: a read stops at the port check.
    qputenv("VM280_PORTS", "");
    QApplication app(argc, argv);
    WindowHistoryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowhistorytest.moc"
