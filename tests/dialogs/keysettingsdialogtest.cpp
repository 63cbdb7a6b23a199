#include "dialogtestutil.h"

#include "dialogs/keysettingsdialog.h"
#include "ui/languagemode.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

class KeySettingsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }

    void shouldShowTheStartUpKeysAfterStartUp()
    {
        KeySettingsDialog dialog;
        dialog.showPlan(CodePlan());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(Child<QComboBox>(&dialog, "Combo1")->currentText(), u"瞬时取消静噪"_s);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo2")->currentText(), u"自动拨号"_s);
    }

    void shouldShowOffForAValueWithoutEntry_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("12") << 12;
        QTest::newRow("negative") << -1;
    }

    void shouldShowOffForAValueWithoutEntry()
    {
        QFETCH(int, value);
        CodePlan plan;
        plan.KeyPf2 = qint16(value);
        KeySettingsDialog dialog;
        dialog.showPlan(plan);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo2")->currentText(), u"OFF"_s);
    }

    void shouldStoreTheChosenKeyOnOk()
    {
        CodePlan plan;
        KeySettingsDialog dialog;
        dialog.showPlan(plan);
        ConnectApply(dialog, plan);
        QVERIFY(ShowDialog(dialog));
        Child<QComboBox>(&dialog, "Combo2")->setCurrentIndex(6);
        Child<QPushButton>(&dialog, "Command1")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(plan.KeyPf2, qint16(6));
        QCOMPARE(plan.KeyPf1, qint16(10));
    }

    void shouldLeaveTheKeysOnCancelAndCloseButKeepTheChoice()
    {
        for (bool closeBox : {false, true}) {
            CodePlan plan;
            KeySettingsDialog dialog;
            dialog.showPlan(plan);
            ConnectApply(dialog, plan);
            QVERIFY(ShowDialog(dialog));
            Child<QComboBox>(&dialog, "Combo1")->setCurrentIndex(3);
            if (closeBox)
                dialog.close();
            else
                Child<QPushButton>(&dialog, "Command2")->click();
            QVERIFY(!dialog.isVisible());
            QCOMPARE(plan.KeyPf1, qint16(10));
            QCOMPARE(Child<QComboBox>(&dialog, "Combo1")->currentIndex(), 3);
        }
    }

    void shouldRefreshFromADecodedImage()
    {
        CodePlan radio;
        radio.KeyPf1 = 4;
        radio.KeyPf2 = 11;
        KeySettingsDialog dialog;
        dialog.showPlan(CodePlan());
        dialog.showPlan(ReadBack(radio));
        QCOMPARE(Child<QComboBox>(&dialog, "Combo1")->currentIndex(), 4);
        QCOMPARE(Child<QComboBox>(&dialog, "Combo2")->currentIndex(), 11);
    }

    void shouldCaptionInEnglishWithTheKeyNamesUnchanged()
    {
        KeySettingsDialog dialog;
        dialog.showPlan(CodePlan());
        dialog.applyCaptions(Language::English);
        QCOMPARE(dialog.windowTitle(), u"Keys Set"_s);
        QCOMPARE(Child<QPushButton>(&dialog, "Command2")->text(), u"Cancel"_s);
        // The radio's own name, with its digit as the Alt key of its list.
        QCOMPARE(Child<QLabel>(&dialog, "Label1")->text(), u"PF&1"_s);
        QCOMPARE(Child<QLabel>(&dialog, "Label1")->buddy(), Child<QComboBox>(&dialog, "Combo1"));
        auto *pf1 = Child<QComboBox>(&dialog, "Combo1");
        QCOMPARE(pf1->count(), 12);
        QCOMPARE(pf1->currentText(), u"Instant cancel static noise"_s);
        QCOMPARE(pf1->itemText(7), u"Scan & Delete temporary"_s);
    }
};

QTEST_MAIN(KeySettingsDialogTest)
#include "keysettingsdialogtest.moc"
