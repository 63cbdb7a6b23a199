#include "dialogtestutil.h"

#include "dialogs/optionalfunctionsdialog.h"
#include "ui/languagemode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

namespace {

void programChannels(CodePlan &plan, std::initializer_list<int> rows)
{
    for (int row : rows)
        plan.channels.cell(row, ChannelTable::RxFrequencyColumn) = u"438.01250"_s;
}

int index(QObject *dialog, const char *name)
{
    return Child<QComboBox>(dialog, name)->currentIndex();
}

// A plan whose every setting of the dialog differs from the start-up defaults.
CodePlan unusualPlan()
{
    CodePlan plan;
    programChannels(plan, {2, 4});
    plan.OptionTexts[OptionSlot::PttId] = u"2"_s;
    plan.OptionTexts[OptionSlot::VoxFunction] = u"0"_s;
    plan.OptionTexts[OptionSlot::VoxGain] = u"10"_s;
    plan.OptionTexts[OptionSlot::VoxDelay] = u"5"_s;
    plan.OptionTexts[OptionSlot::VoxVolume] = u"0"_s;
    plan.OptionTexts[OptionSlot::Duplicate] = u"0"_s;
    plan.OptionTexts[OptionSlot::Priority] = u"2"_s;
    plan.OptionTexts[OptionSlot::PreferredChannel] = u"16"_s;
    plan.OptionTexts[OptionSlot::RetraceTimeA] = u"91"_s;
    plan.OptionTexts[OptionSlot::RetraceTimeB] = u"0"_s;
    plan.OptionTexts[OptionSlot::ReturnChannel] = u"3"_s;
    plan.OptionTexts[OptionSlot::ScanReceiveDelay] = u"300"_s;
    plan.OptionTexts[OptionSlot::ScanLaunchDelay] = u"7"_s;
    plan.OptionTexts[OptionSlot::CancelOperation] = u"0"_s;
    plan.OptionTexts[OptionSlot::ReceivedBannedVox] = u"0"_s;
    plan.DtmfSettings = {3, 2, 250, 0, 16, 0, 4, 15};
    plan.AutoDialMemories = {u"0123"_s, u"*#AB"_s, QString(), u"9"_s, u"1234567890ABCD*#"_s,
                             u"C"_s,    u"D0"_s,   u"55"_s};
    return plan;
}

} // namespace

class OptionalFunctionsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldShowTheStartUpDefaults()
    {
        const CodePlan plan;
        OptionalFunctionsDialog dialog;
        dialog.setChannelTable(&plan.channels);
        dialog.showPlan(plan);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.objectName(), u"Form5"_s);
        QCOMPARE(index(&dialog, "Combo4"), 1);
        QCOMPARE(index(&dialog, "Combo11"), 0);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo12")->currentText(), u"01"_s);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo13")->currentText(), u"0.50 S"_s);
        QVERIFY(Child<QCheckBox>(&dialog, "Check3")->isChecked());
        QCOMPARE(Child<QTableWidget>(&dialog, "mfgrid1")->item(7, 1)->text(), u"8"_s);
        QCOMPARE(index(&dialog, "Combo16"), 1);
    }

    void shouldStoreTheDefaultsUnchangedOnOk()
    {
        CodePlan plan;
        OptionalFunctionsDialog dialog;
        dialog.setChannelTable(&plan.channels);
        dialog.showPlan(plan);
        ConnectApply(dialog, plan);
        Child<QPushButton>(&dialog, "Command1")->click();
        QCOMPARE(plan, CodePlan());
    }

    void shouldFixThePriorityOnTheFirstProgrammedChannel()
    {
        CodePlan plan;
        programChannels(plan, {3, 9});
        OptionalFunctionsDialog dialog;
        dialog.setChannelTable(&plan.channels);
        dialog.showPlan(plan);
        MsgboxRecorder boxes;
        Child<QComboBox>(&dialog, "Combo11")->setCurrentIndex(1);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo12")->currentText(), u"03"_s);
        QVERIFY(boxes.requests.isEmpty());
    }

    void shouldRefuseAFixedPriorityWithoutProgrammedChannels()
    {
        const CodePlan plan;
        OptionalFunctionsDialog dialog;
        dialog.setChannelTable(&plan.channels);
        dialog.showPlan(plan);
        MsgboxRecorder boxes;
        Child<QComboBox>(&dialog, "Combo11")->setCurrentIndex(1);
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(boxes.requests[0].prompt, u"当设定为‘固定’时信道不可为空，请重设！"_s);
        QCOMPARE(boxes.requests[0].title, u"提示"_s);
        QCOMPARE(boxes.requests[0].style, 0);
        QCOMPARE(index(&dialog, "Combo11"), 0);
    }

    void shouldRefuseAFixedPriorityInADecodedPlanWithoutChannels()
    {
        CodePlan plan;
        plan.OptionTexts[OptionSlot::Priority] = u"1"_s;
        const CodePlan read = ReadBack(plan);
        OptionalFunctionsDialog dialog;
        dialog.setChannelTable(&read.channels);
        MsgboxRecorder boxes;
        dialog.showPlan(read);
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(index(&dialog, "Combo11"), 0);
    }

    void shouldRefuseAnEmptyPreferredChannelUnderFixed()
    {
        CodePlan plan;
        programChannels(plan, {2, 5});
        OptionalFunctionsDialog dialog;
        dialog.setChannelTable(&plan.channels);
        dialog.showPlan(plan);
        SetLanguageMode(Language::English);
        MsgboxRecorder boxes;
        auto *preferred = Child<QComboBox>(&dialog, "Combo12");
        Child<QComboBox>(&dialog, "Combo11")->setCurrentIndex(1);
        preferred->setCurrentIndex(4); // channel 05, programmed
        QCOMPARE(preferred->currentIndex(), 4);
        preferred->setCurrentIndex(2); // channel 03, empty: back to the fixed channel 02
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(boxes.requests[0].prompt, u"Do not choose empty channel, please choose again!"_s);
        QCOMPARE(preferred->currentText(), u"02"_s);
    }

    void shouldAcceptAnyPreferredChannelWithoutFixedPriority()
    {
        CodePlan plan;
        OptionalFunctionsDialog dialog;
        dialog.setChannelTable(&plan.channels);
        dialog.showPlan(plan);
        ConnectApply(dialog, plan);
        MsgboxRecorder boxes;
        Child<QComboBox>(&dialog, "Combo12")->setCurrentIndex(4);
        Child<QPushButton>(&dialog, "Command1")->click();
        QVERIFY(boxes.requests.isEmpty());
        QCOMPARE(plan.OptionTexts[OptionSlot::PreferredChannel], u"5"_s);
    }

    void shouldRefreshEveryControlFromADecodedImage()
    {
        const CodePlan read = ReadBack(unusualPlan());
        OptionalFunctionsDialog dialog;
        dialog.setChannelTable(&read.channels);
        dialog.showPlan(CodePlan());
        dialog.showPlan(read);
        QCOMPARE(index(&dialog, "Combo4"), 2);
        QCOMPARE(index(&dialog, "Combo6"), 0);
        QCOMPARE(index(&dialog, "Combo7"), 10);
        QCOMPARE(index(&dialog, "Combo8"), 5);
        QCOMPARE(index(&dialog, "Combo11"), 2);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo12")->currentText(), u"16"_s);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo13")->currentText(), u"5.00 S"_s);
        QCOMPARE(index(&dialog, "Combo14"), 0);
        QCOMPARE(index(&dialog, "Combo15"), 3);
        QCOMPARE(Child<QLineEdit>(&dialog, "Text5")->text(), u"300"_s);
        QCOMPARE(Child<QLineEdit>(&dialog, "Text6")->text(), u"7"_s);
        QVERIFY(!Child<QCheckBox>(&dialog, "Check3")->isChecked());
        QVERIFY(!Child<QCheckBox>(&dialog, "Check4")->isChecked());
        QCOMPARE(Child<QComboBox>(&dialog, "Combo18")->currentText(), u"250MS"_s);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo22")->currentText(), u"B"_s);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo21")->currentText(), u"15秒"_s);
        QCOMPARE(Child<QTableWidget>(&dialog, "mfgrid1")->item(0, 1)->text(), u"0123"_s);
        QCOMPARE(Child<QTableWidget>(&dialog, "mfgrid1")->item(2, 1)->text(), QString());
    }

    void shouldWriteBackTheImageJustReadWhenOkIsPressed_data()
    {
        QTest::addColumn<int>("firstDigitDelay");
        QTest::newRow("on the list") << 250;
        QTest::newRow("between list entries") << 130;
    }

    void shouldWriteBackTheImageJustReadWhenOkIsPressed()
    {
        QFETCH(int, firstDigitDelay);
        const ChoiceTexts &texts = ChoiceTexts::simplifiedChinese();
        CodePlan radio = unusualPlan();
        radio.DtmfSettings[2] = qint16(firstDigitDelay);
        const QByteArray image = EncodeImage(radio, texts);

        CodePlan plan;
        OptionalFunctionsDialog dialog;
        dialog.setChannelTable(&plan.channels);
        dialog.showPlan(plan); // start-up
        QVERIFY(DecodeImage(plan, image, texts));
        dialog.showPlan(plan); // the read
        ConnectApply(dialog, plan);
        Child<QPushButton>(&dialog, "Command1")->click();
        const QByteArray written = EncodeImage(plan, texts);
        QCOMPARE(written.mid(2 * 256, 2 * 8), image.mid(2 * 256, 2 * 8));     // DTMF settings
        QCOMPARE(written.mid(2 * 496, 2 * 128), image.mid(2 * 496, 2 * 128)); // auto-dial memories
        QCOMPARE(written, image);
    }

    void shouldLeaveThePlanAloneOnCancelAndCloseButKeepTheChoice()
    {
        for (bool closeBox : {false, true}) {
            CodePlan plan;
            OptionalFunctionsDialog dialog;
            dialog.setChannelTable(&plan.channels);
            dialog.showPlan(plan);
            ConnectApply(dialog, plan);
            QVERIFY(ShowDialog(dialog));
            Child<QComboBox>(&dialog, "Combo6")->setCurrentIndex(0);
            if (closeBox)
                dialog.close();
            else
                Child<QPushButton>(&dialog, "Command2")->click();
            QVERIFY(!dialog.isVisible());
            QCOMPARE(plan.OptionTexts[OptionSlot::VoxFunction], u"1"_s);
            QVERIFY(ShowDialog(dialog));
            QCOMPARE(index(&dialog, "Combo6"), 0);
        }
    }

    void shouldStoreATypedDelayAndLetTheScrollBarReplaceIt()
    {
        CodePlan plan;
        OptionalFunctionsDialog dialog;
        dialog.showPlan(plan);
        ConnectApply(dialog, plan);
        auto *delay = Child<QLineEdit>(&dialog, "Text5");
        QTest::keyClicks(delay, u"12"_s);
        Child<QPushButton>(&dialog, "Command1")->click();
        QCOMPARE(plan.OptionTexts[OptionSlot::ScanReceiveDelay], u"12"_s);
        // The upper arrow raises the delay, from the bar's own value; the lower one lowers it.
        QVERIFY(ShowDialog(dialog));
        auto *bar = Child<QScrollBar>(&dialog, "VScroll1");
        const QPoint upperArrow(bar->width() / 2, 1);
        const QPoint lowerArrow(bar->width() / 2, bar->height() - 2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, upperArrow);
        QCOMPARE(delay->text(), u"1"_s);
        QTest::mouseClick(bar, Qt::LeftButton, {}, upperArrow);
        QCOMPARE(delay->text(), u"2"_s);
        QTest::mouseClick(bar, Qt::LeftButton, {}, lowerArrow);
        QCOMPARE(delay->text(), u"1"_s);
        auto *launch = Child<QScrollBar>(&dialog, "VScroll2");
        QTest::mouseClick(launch, Qt::LeftButton, {}, QPoint(launch->width() / 2, 1));
        QCOMPARE(Child<QLineEdit>(&dialog, "Text6")->text(), u"1"_s);
    }

    void shouldRefuseADelayTheRadioCannotHold_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("too long") << u"301"_s;
        QTest::newRow("fraction") << u"1.5"_s;
        QTest::newRow("not a number") << u"abc"_s;
        QTest::newRow("negative") << u"-1"_s;
    }

    void shouldRefuseADelayTheRadioCannotHold()
    {
        QFETCH(QString, typed);
        CodePlan plan;
        OptionalFunctionsDialog dialog;
        dialog.showPlan(plan);
        ConnectApply(dialog, plan);
        QVERIFY(ShowDialog(dialog));
        auto *delay = Child<QLineEdit>(&dialog, "Text6");
        QTest::keyClicks(delay, typed);
        QVERIFY(delay->property("invalid").toBool());
        MsgboxRecorder boxes;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        Child<QPushButton>(&dialog, "Command1")->click();
        QCOMPARE(boxes.requests.size(), 1);
        QVERIFY(boxes.requests[0].prompt.contains(u"0 到 300"_s));
        QVERIFY(dialog.isVisible());
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(plan.OptionTexts[OptionSlot::ScanLaunchDelay], QString());

        delay->clear();
        QTest::keyClicks(delay, u"30"_s);
        QVERIFY(!delay->property("invalid").toBool());
        Child<QPushButton>(&dialog, "Command1")->click();
        QCOMPARE(plan.OptionTexts[OptionSlot::ScanLaunchDelay], u"30"_s);
    }

    void shouldPassAnUnprogrammedDelayReadFromTheRadioThrough()
    {
        CodePlan radio;
        radio.OptionTexts[OptionSlot::ScanReceiveDelay] = u"-1"_s; // FF FF
        CodePlan plan = ReadBack(radio);
        OptionalFunctionsDialog dialog;
        dialog.showPlan(plan);
        ConnectApply(dialog, plan);
        MsgboxRecorder boxes;
        QVERIFY(!Child<QLineEdit>(&dialog, "Text5")->property("invalid").toBool());
        Child<QPushButton>(&dialog, "Command1")->click();
        QVERIFY(boxes.requests.isEmpty());
        QCOMPARE(plan.OptionTexts[OptionSlot::ScanReceiveDelay], u"-1"_s);
    }

    void shouldUnlockServiceModeWithTheThreeLabels()
    {
        OptionalFunctionsDialog dialog;
        QVERIFY(ShowDialog(dialog));
        QSignalSpy unlocked(&dialog, &OptionalFunctionsDialog::serviceModeUnlocked);
        QTest::mouseClick(Child<QLabel>(&dialog, "Label18"), Qt::LeftButton);
        QTest::mouseClick(Child<QLabel>(&dialog, "Label8"), Qt::LeftButton);
        QTest::mouseClick(Child<QLabel>(&dialog, "Label10"), Qt::LeftButton); // not one of them
        QCOMPARE(unlocked.count(), 0);
        QTest::mouseClick(Child<QLabel>(&dialog, "Label4"), Qt::LeftButton);
        QCOMPARE(unlocked.count(), 1);

        dialog.clearServiceGesture();
        QTest::mouseClick(Child<QLabel>(&dialog, "Label4"), Qt::LeftButton);
        QTest::mouseClick(Child<QLabel>(&dialog, "Label8"), Qt::LeftButton);
        QCOMPARE(unlocked.count(), 1);
    }

    void shouldCaptionInEnglishKeepingListsAndSelections()
    {
        CodePlan plan;
        plan.OptionTexts[OptionSlot::RetraceTimeA] = u"0"_s;
        OptionalFunctionsDialog dialog;
        dialog.showPlan(plan);
        dialog.applyCaptions(Language::English);
        QCOMPARE(dialog.windowTitle(), u"Optional Function"_s);
        // The captions with the key that reaches each control with Alt.
        QCOMPARE(Child<QLabel>(&dialog, "Label10")->text(), u"VOX &GBIN"_s);
        QCOMPARE(Child<QLabel>(&dialog, "Label10")->buddy(), Child<QComboBox>(&dialog, "Combo7"));
        QCOMPARE(Child<QCheckBox>(&dialog, "Check4")->text(), u"Received banned VO&X"_s);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo11")->itemText(1), u"Fixed"_s);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo15")->itemText(2), u"priority"_s);
        auto *retrace = Child<QComboBox>(&dialog, "Combo13");
        QCOMPARE(retrace->count(), 92);
        QCOMPARE(retrace->currentText(), u"Empty"_s);
        QCOMPARE(retrace->itemText(91), u"5.00 S"_s);
        QCOMPARE(index(&dialog, "Combo4"), 1);
        dialog.applyCaptions(Language::SimplifiedChinese);
        QCOMPARE(Child<QLabel>(&dialog, "Label19")->text(), u"扫描接收恢复延时时间(秒)(&R)"_s);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo7")->itemText(0), u"关闭"_s);
    }
};

QTEST_MAIN(OptionalFunctionsDialogTest)
#include "optionalfunctionsdialogtest.moc"
