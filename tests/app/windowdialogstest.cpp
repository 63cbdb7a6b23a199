#include "windowrig.h"

#include "app/featuredialogs.h"
#include "dialogs/debugdialog.h"
#include "dialogs/keysettingsdialog.h"
#include "dialogs/optionalfunctionsdialog.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

class WindowDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }
    void shouldShowTheStartUpStoresInEveryDialog();
    void shouldRefreshTheDialogsWhenAPlanIsOpened();
    void shouldWriteADialogIntoThePlanOnlyOnOk();
    void shouldEnterAndLeaveServiceModeThroughTheGestureAndButton7();
    void shouldDetectThePortsAgainWhenThePortDialogIsReopened();
};

void WindowDialogsTest::shouldShowTheStartUpStoresInEveryDialog()
{
    WindowRig rig;
    QVERIFY(rig.start());
    FeatureDialogs *dialogs = rig.window->dialogs();
    QVERIFY(!dialogs->Form5()->isVisible());
    QCOMPARE(dialogs->Form6()->findChild<QComboBox *>(u"Combo1"_s)->currentIndex(), 10);
    QCOMPARE(dialogs->Form5()->findChild<QComboBox *>(u"Combo12"_s)->currentText(), u"01"_s);
    auto *high = dialogs->Form2()->findChild<QSlider *>(u"Slider1"_s);
    QCOMPARE(high->value(), 208);
    QVERIFY(!high->isEnabled());
    // OK right after start-up stores what the stores held.
    const CodePlan before = rig.window->plan();
    dialogs->Form5()->findChild<QPushButton *>(u"Command1"_s)->click();
    dialogs->Form6()->findChild<QPushButton *>(u"Command1"_s)->click();
    QCOMPARE(rig.window->plan(), before);
}

void WindowDialogsTest::shouldRefreshTheDialogsWhenAPlanIsOpened()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.files << QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");
    rig.child<QAction>(u"mnuOpen"_s)->trigger();
    const CodePlan &plan = rig.window->plan();
    FeatureDialogs *dialogs = rig.window->dialogs();
    QCOMPARE(dialogs->Form6()->findChild<QComboBox *>(u"Combo2"_s)->currentIndex(), plan.KeyPf2);
    QCOMPARE(dialogs->Form2()->findChild<QSlider *>(u"Slider3"_s)->value(), plan.PowerTrimLow);
    QCOMPARE(dialogs->Form2()->findChild<QLabel *>(u"Lblpower3"_s)->text(),
             QString::number(plan.PowerTrimLow));
}

void WindowDialogsTest::shouldWriteADialogIntoThePlanOnlyOnOk()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"Key_enactment"_s)->trigger();
    KeySettingsDialog *keys = rig.window->dialogs()->Form6();
    QVERIFY(keys->isVisible());
    keys->findChild<QComboBox *>(u"Combo2"_s)->setCurrentIndex(6);
    keys->findChild<QPushButton *>(u"Command2"_s)->click();
    QCOMPARE(rig.window->plan().KeyPf2, 0);
    QVERIFY(!keys->isVisible());
    rig.child<QAction>(u"Key_enactment"_s)->trigger();
    QCOMPARE(keys->findChild<QComboBox *>(u"Combo2"_s)->currentIndex(), 6);
    keys->findChild<QPushButton *>(u"Command1"_s)->click();
    QCOMPARE(rig.window->plan().KeyPf2, 6);
}

void WindowDialogsTest::shouldEnterAndLeaveServiceModeThroughTheGestureAndButton7()
{
    WindowRig rig;
    QVERIFY(rig.start());
    OptionalFunctionsDialog *options = rig.window->dialogs()->Form5();
    rig.child<QAction>(u"mnudtmf"_s)->trigger();
    for (const QString &label : {u"Label8"_s, u"Label4"_s, u"Label18"_s})
        QTest::mouseClick(options->findChild<QLabel *>(label), Qt::LeftButton);
    QCOMPARE(rig.window->ServiceMode(), 1);
    QVERIFY(rig.child<QAction>(u"TAnMa"_s)->isVisible());
    auto *high = rig.window->dialogs()->Form2()->findChild<QSlider *>(u"Slider1"_s);
    QVERIFY(high->isEnabled());
    rig.child<QAction>(u"TAnMa"_s)->trigger();
    rig.child<QAction>(u"TAnMa"_s)->trigger();
    QCOMPARE(rig.window->ServiceMode(), 0);
    QVERIFY(!high->isEnabled());
    // The gesture starts over: one more label does not unlock again.
    QTest::mouseClick(options->findChild<QLabel *>(u"Label8"_s), Qt::LeftButton);
    QCOMPARE(rig.window->ServiceMode(), 0);
}

void WindowDialogsTest::shouldDetectThePortsAgainWhenThePortDialogIsReopened()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.child<QAction>(u"mnucom"_s)->trigger();
    QPointer<QDialog> ports = rig.window->findChild<QDialog *>(u"FormCOM"_s);
    QVERIFY(ports);
    QVERIFY(ports->isVisible());
    QVERIFY(!ports->findChild<QRadioButton *>(u"OptionCOM0"_s)->isEnabled());
    ports->close();
    QTRY_VERIFY(ports.isNull());
    rig.child<QAction>(u"mnucom"_s)->trigger();
    QVERIFY(rig.window->findChild<QDialog *>(u"FormCOM"_s) != nullptr);
}

int main(int argc, char *argv[])
{
    qputenv("VM280_PORTS", "");
    QApplication app(argc, argv);
    WindowDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowdialogstest.moc"
