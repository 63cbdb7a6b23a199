#include "dialogtestutil.h"

#include "dialogs/debugdialog.h"
#include "ui/languagemode.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

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
        QCOMPARE(Child<QLabel>(&dialog, "Lblpower1")->text(), QStringLiteral("208"));
        QCOMPARE(Child<QLabel>(&dialog, "Lblpower3")->text(), QStringLiteral("92"));
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
        QCOMPARE(Child<QLabel>(&dialog, "Lblpower1")->text(), QStringLiteral("200"));
        QCOMPARE(Child<QLabel>(&dialog, "Lblpower3")->text(), QStringLiteral("90"));
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
            QCOMPARE(Child<QLabel>(&dialog, "Lblpower1")->text(), QStringLiteral("215"));
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
        QCOMPARE(Child<QGroupBox>(&dialog, "Frame1")->title(), QStringLiteral("发射高功率"));
        QCOMPARE(Child<QGroupBox>(&dialog, "Frame2")->title(), QStringLiteral("发射低功率"));
        dialog.applyCaptions(Language::English);
        QCOMPARE(Child<QGroupBox>(&dialog, "Frame1")->title(), QStringLiteral("TX-Hight Power"));
        QCOMPARE(Child<QGroupBox>(&dialog, "Frame2")->title(), QStringLiteral("TX-Low Power"));
        QCOMPARE(Child<QLabel>(&dialog, "Label3")->text(), QStringLiteral("Low"));
        QCOMPARE(Child<QLabel>(&dialog, "Label7")->text(), QStringLiteral("Hight"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Debug"));
    }
};

QTEST_MAIN(DebugDialogTest)
#include "debugdialogtest.moc"
