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

using namespace vm280;
using namespace vm280::test;

namespace {

void programChannels(CodePlan &plan, std::initializer_list<int> rows)
{
    for (int row : rows)
        plan.channels.cell(row, ChannelTable::RxFrequencyColumn) = QStringLiteral("438.01250");
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
    plan.OptionTexts[3] = QStringLiteral("2");
    plan.OptionTexts[5] = QStringLiteral("0");
    plan.OptionTexts[6] = QStringLiteral("10");
    plan.OptionTexts[7] = QStringLiteral("5");
    plan.OptionTexts[8] = QStringLiteral("0");
    plan.OptionTexts[9] = QStringLiteral("0");
    plan.OptionTexts[10] = QStringLiteral("2");
    plan.OptionTexts[11] = QStringLiteral("16");
    plan.OptionTexts[12] = QStringLiteral("91");
    plan.OptionTexts[13] = QStringLiteral("0");
    plan.OptionTexts[14] = QStringLiteral("3");
    plan.OptionTexts[18] = QStringLiteral("300");
    plan.OptionTexts[19] = QStringLiteral("7");
    plan.OptionTexts[22] = QStringLiteral("0");
    plan.OptionTexts[23] = QStringLiteral("0");
    plan.DtmfSettings = {3, 2, 250, 0, 16, 0, 4, 15};
    plan.AutoDialMemories = {QStringLiteral("0123"),
                             QStringLiteral("*#AB"),
                             QString(),
                             QStringLiteral("9"),
                             QStringLiteral("1234567890ABCD*#"),
                             QStringLiteral("C"),
                             QStringLiteral("D0"),
                             QStringLiteral("55")};
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
        QCOMPARE(dialog.objectName(), QStringLiteral("Form5"));
        QCOMPARE(index(&dialog, "Combo4"), 1);
        QCOMPARE(index(&dialog, "Combo11"), 0);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo12")->currentText(), QStringLiteral("01"));
        QCOMPARE(Child<QComboBox>(&dialog, "Combo13")->currentText(), QStringLiteral("0.50 S"));
        QVERIFY(Child<QCheckBox>(&dialog, "Check3")->isChecked());
        QCOMPARE(Child<QTableWidget>(&dialog, "mfgrid1")->item(7, 1)->text(), QStringLiteral("8"));
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
        QCOMPARE(Child<QComboBox>(&dialog, "Combo12")->currentText(), QStringLiteral("03"));
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
        QCOMPARE(boxes.requests[0].prompt, QStringLiteral("当设定为‘固定’时信道不可为空，请重设！"));
        QCOMPARE(boxes.requests[0].title, QStringLiteral("提示"));
        QCOMPARE(boxes.requests[0].style, 0);
        QCOMPARE(index(&dialog, "Combo11"), 0);
    }

    void shouldRefuseAFixedPriorityInADecodedPlanWithoutChannels()
    {
        CodePlan plan;
        plan.OptionTexts[10] = QStringLiteral("1");
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
        QCOMPARE(boxes.requests[0].prompt,
                 QStringLiteral("Do not choose empty channel, please choose again!"));
        QCOMPARE(preferred->currentText(), QStringLiteral("02"));
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
        QCOMPARE(plan.OptionTexts[11], QStringLiteral("5"));
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
        QCOMPARE(Child<QComboBox>(&dialog, "Combo12")->currentText(), QStringLiteral("16"));
        QCOMPARE(Child<QComboBox>(&dialog, "Combo13")->currentText(), QStringLiteral("5.00 S"));
        QCOMPARE(index(&dialog, "Combo14"), 0);
        QCOMPARE(index(&dialog, "Combo15"), 3);
        QCOMPARE(Child<QLineEdit>(&dialog, "Text5")->text(), QStringLiteral("300"));
        QCOMPARE(Child<QLineEdit>(&dialog, "Text6")->text(), QStringLiteral("7"));
        QVERIFY(!Child<QCheckBox>(&dialog, "Check3")->isChecked());
        QVERIFY(!Child<QCheckBox>(&dialog, "Check4")->isChecked());
        QCOMPARE(Child<QComboBox>(&dialog, "Combo18")->currentText(), QStringLiteral("250MS"));
        QCOMPARE(Child<QComboBox>(&dialog, "Combo22")->currentText(), QStringLiteral("B"));
        QCOMPARE(Child<QComboBox>(&dialog, "Combo21")->currentText(), QStringLiteral("15秒"));
        QCOMPARE(Child<QTableWidget>(&dialog, "mfgrid1")->item(0, 1)->text(), QStringLiteral("0123"));
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
            QCOMPARE(plan.OptionTexts[5], QStringLiteral("1"));
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
        QTest::keyClicks(delay, QStringLiteral("12"));
        Child<QPushButton>(&dialog, "Command1")->click();
        QCOMPARE(plan.OptionTexts[18], QStringLiteral("12"));
        // The upper arrow raises the delay, from the bar's own value; the lower one lowers it.
        QVERIFY(ShowDialog(dialog));
        auto *bar = Child<QScrollBar>(&dialog, "VScroll1");
        const QPoint upperArrow(bar->width() / 2, 1);
        const QPoint lowerArrow(bar->width() / 2, bar->height() - 2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, upperArrow);
        QCOMPARE(delay->text(), QStringLiteral("1"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, upperArrow);
        QCOMPARE(delay->text(), QStringLiteral("2"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, lowerArrow);
        QCOMPARE(delay->text(), QStringLiteral("1"));
        auto *launch = Child<QScrollBar>(&dialog, "VScroll2");
        QTest::mouseClick(launch, Qt::LeftButton, {}, QPoint(launch->width() / 2, 1));
        QCOMPARE(Child<QLineEdit>(&dialog, "Text6")->text(), QStringLiteral("1"));
    }

    void shouldRefuseADelayTheRadioCannotHold_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("too long") << QStringLiteral("301");
        QTest::newRow("fraction") << QStringLiteral("1.5");
        QTest::newRow("not a number") << QStringLiteral("abc");
        QTest::newRow("negative") << QStringLiteral("-1");
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
        QVERIFY(boxes.requests[0].prompt.contains(QStringLiteral("0 到 300")));
        QVERIFY(dialog.isVisible());
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(plan.OptionTexts[19], QString());

        delay->clear();
        QTest::keyClicks(delay, QStringLiteral("30"));
        QVERIFY(!delay->property("invalid").toBool());
        Child<QPushButton>(&dialog, "Command1")->click();
        QCOMPARE(plan.OptionTexts[19], QStringLiteral("30"));
    }

    void shouldPassAnUnprogrammedDelayReadFromTheRadioThrough()
    {
        CodePlan radio;
        radio.OptionTexts[18] = QStringLiteral("-1"); // FF FF
        CodePlan plan = ReadBack(radio);
        OptionalFunctionsDialog dialog;
        dialog.showPlan(plan);
        ConnectApply(dialog, plan);
        MsgboxRecorder boxes;
        QVERIFY(!Child<QLineEdit>(&dialog, "Text5")->property("invalid").toBool());
        Child<QPushButton>(&dialog, "Command1")->click();
        QVERIFY(boxes.requests.isEmpty());
        QCOMPARE(plan.OptionTexts[18], QStringLiteral("-1"));
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
        plan.OptionTexts[12] = QStringLiteral("0");
        OptionalFunctionsDialog dialog;
        dialog.showPlan(plan);
        dialog.applyCaptions(Language::English);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Optional Function"));
        QCOMPARE(Child<QLabel>(&dialog, "Label10")->text(), QStringLiteral("VOX GBIN"));
        QCOMPARE(Child<QCheckBox>(&dialog, "Check4")->text(), QStringLiteral("Received banned VOX"));
        QCOMPARE(Child<QComboBox>(&dialog, "Combo11")->itemText(1), QStringLiteral("Fixed"));
        QCOMPARE(Child<QComboBox>(&dialog, "Combo15")->itemText(2), QStringLiteral("priority"));
        auto *retrace = Child<QComboBox>(&dialog, "Combo13");
        QCOMPARE(retrace->count(), 92);
        QCOMPARE(retrace->currentText(), QStringLiteral("Empty"));
        QCOMPARE(retrace->itemText(91), QStringLiteral("5.00 S"));
        QCOMPARE(index(&dialog, "Combo4"), 1);
        dialog.applyCaptions(Language::SimplifiedChinese);
        QCOMPARE(Child<QLabel>(&dialog, "Label19")->text(), QStringLiteral("扫描接收恢复延时时间(秒)"));
        QCOMPARE(Child<QComboBox>(&dialog, "Combo7")->itemText(0), QStringLiteral("关闭"));
    }
};

QTEST_MAIN(OptionalFunctionsDialogTest)
#include "optionalfunctionsdialogtest.moc"
