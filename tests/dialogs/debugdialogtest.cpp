#include "dialogtestutil.h"

#include "dialogs/debugdialog.h"
#include "ui/languagemode.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

class DebugDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldShowTheStartUpTrimsWithTheSlidersDisabled()
    {
        DebugDialog dialog;
        dialog.showPlan(CodePlan());
        QCOMPARE(Child<QLabel>(&dialog, "Lblpower1")->text(), u"208"_s);
        QCOMPARE(Child<QLabel>(&dialog, "Lblpower3")->text(), u"92"_s);
        QVERIFY(!Child<QSlider>(&dialog, "Slider1")->isEnabled());
        QVERIFY(!Child<QSlider>(&dialog, "Slider3")->isEnabled());
    }

    void shouldRefreshFromADecodedImage()
    {
        CodePlan radio;
        radio.PowerTrimHigh = 200;
        radio.PowerTrimLow = 90;
        DebugDialog dialog;
        dialog.showPlan(CodePlan());
        dialog.showPlan(ReadBack(radio));
        QCOMPARE(Child<QSlider>(&dialog, "Slider1")->value(), 200);
        QCOMPARE(Child<QLabel>(&dialog, "Lblpower1")->text(), u"200"_s);
        QCOMPARE(Child<QLabel>(&dialog, "Lblpower3")->text(), u"90"_s);
    }

    void shouldMoveTheSlidersOnlyInServiceMode()
    {
        DebugDialog dialog;
        dialog.showPlan(CodePlan());
        QVERIFY(ShowDialog(dialog));
        auto *high = Child<QSlider>(&dialog, "Slider1");
        QTest::keyClick(high, Qt::Key_Right);
        QCOMPARE(high->value(), 208);
        dialog.setServiceMode(true);
        QVERIFY(high->isEnabled() && Child<QSlider>(&dialog, "Slider3")->isEnabled());
        QTest::keyClick(high, Qt::Key_Right);
        QCOMPARE(high->value(), 209);
        dialog.setServiceMode(false);
        QVERIFY(!high->isEnabled() && !Child<QSlider>(&dialog, "Slider3")->isEnabled());
    }

    void shouldStoreTheSlidersOnOkButNotOnClose()
    {
        for (bool ok : {true, false}) {
            CodePlan plan;
            DebugDialog dialog;
            dialog.showPlan(plan);
            dialog.setServiceMode(true);
            ConnectApply(dialog, plan);
            QVERIFY(ShowDialog(dialog));
            Child<QSlider>(&dialog, "Slider1")->setValue(215);
            QCOMPARE(Child<QLabel>(&dialog, "Lblpower1")->text(), u"215"_s);
            if (ok)
                Child<QPushButton>(&dialog, "Command1")->click();
            else
                dialog.close();
            QVERIFY(!dialog.isVisible());
            QCOMPARE(plan.PowerTrimHigh, qint16(ok ? 215 : 208));
            QCOMPARE(Child<QSlider>(&dialog, "Slider1")->value(), 215);
        }
    }

    void shouldCaptionFromTheDialogsOwnTexts()
    {
        DebugDialog dialog;
        QCOMPARE(Child<QGroupBox>(&dialog, "Frame1")->title(), u"发射高功率"_s);
        QCOMPARE(Child<QGroupBox>(&dialog, "Frame2")->title(), u"发射低功率"_s);
        dialog.applyCaptions(Language::English);
        QCOMPARE(Child<QGroupBox>(&dialog, "Frame1")->title(), u"TX-Hight Power"_s);
        QCOMPARE(Child<QGroupBox>(&dialog, "Frame2")->title(), u"TX-Low Power"_s);
        QCOMPARE(Child<QLabel>(&dialog, "Label3")->text(), u"Low"_s);
        QCOMPARE(Child<QLabel>(&dialog, "Label7")->text(), u"Hight"_s);
        QCOMPARE(dialog.windowTitle(), u"Debug"_s);
    }
};

QTEST_MAIN(DebugDialogTest)
#include "debugdialogtest.moc"
