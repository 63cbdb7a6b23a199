// The port dialog, the re-detection of ports and Find radio against simulated radios.

#include "windowrig.h"

#include "radio/radioprocess.h"
#include "scopedenvironment.h"

#include "app/linkcontroller.h"
#include "dialogs/portdialog.h"
#include "ui/languagemode.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

QByteArray portList(const QStringList &devices)
{
    return devices.join(u':').toLocal8Bit();
}

} // namespace

class WindowPortsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetLanguageMode(Language::SimplifiedChinese); }
    void shouldDetectAgainWhenAPortAppearsAfterStartUp();
    void shouldShowEachSlotsDeviceAndStateInTheWindowsLanguage();
    void shouldFollowTheRememberedDeviceWhenThePortListChanges();
    void shouldFindTheRadioAndNameWhatAnsweredElsewhere();
    void shouldStopTheSearchOnCancelAndGiveThePortBack();

private:
    static PortDialog *portDialog(const WindowRig &rig) { return rig.child<PortDialog>(u"FormCOM"_s); }
    static QString slotText(const WindowRig &rig, int index)
    {
        return portDialog(rig)->findChild<QLabel *>(u"LabelCOM%1"_s.arg(index))->text();
    }
};

void WindowPortsTest::shouldDetectAgainWhenAPortAppearsAfterStartUp()
{
    // The cable's device appears only once the window runs, as a USB adapter plugged in late.
    QTemporaryDir dir;
    const QString cable = dir.filePath(u"cable"_s);
    const ScopedEnvironment ports("VM280_PORTS", cable.toLocal8Bit());
    WindowRig rig;
    QVERIFY(rig.start());
    QTRY_VERIFY(portDialog(rig) != nullptr);
    QVERIFY(!rig.window->link()->portIsOpen());

    // Nothing there yet: the read looks again, then says why the port is not open.
    rig.child<QAction>(u"mnureadFre"_s)->trigger();
    QCOMPARE(rig.messages.size(), 1);
    QCOMPARE(rig.messages[0].prompt, u"通信端口未打开，请先选择菜单“通信端口”打开其串口！"_s);
    QCOMPARE(rig.messages[0].informativeText, u"无法打开通信端口 %1：设备不存在。"_s.arg(cable));

    RadioProcess radio({u"--baud"_s, u"0"_s, linkDataFile(u"plan-vhf.DAT"_s)});
    QVERIFY(QFile::link(radio.devicePath, cable));
    rig.child<QAction>(u"mnureadFre"_s)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rig.child<QLabel>(u"Label"_s)->text(), u"读频成功！"_s, kOperationMs);
    QCOMPARE(rig.messages.size(), 1);
    QCOMPARE(imageOf(rig.window->plan()), imageOf(planOf(linkDataFile(u"plan-vhf.DAT"_s))));
    QCOMPARE(rig.window->PortNumber(), 1);

    // Gone again: the port dialog, opened anew, says so.
    QTRY_VERIFY_WITH_TIMEOUT(rig.child<QAction>(u"mnureadFre"_s)->isEnabled(), kOperationMs);
    QVERIFY(QFile::remove(cable));
    rig.child<QAction>(u"mnucom"_s)->trigger();
    QVERIFY(portDialog(rig)->isVisible());
    QVERIFY(!portDialog(rig)->findChild<QRadioButton *>(u"OptionCOM0"_s)->isEnabled());
    QVERIFY2(slotText(rig, 0).endsWith(u"\n不存在"_s), qPrintable(slotText(rig, 0)));
    // And back: closing and opening the dialog detects the ports again.
    QVERIFY(QFile::link(radio.devicePath, cable));
    portDialog(rig)->close();
    QTRY_VERIFY(portDialog(rig) == nullptr);
    rig.child<QAction>(u"mnucom"_s)->trigger();
    QVERIFY(portDialog(rig)->findChild<QRadioButton *>(u"OptionCOM0"_s)->isEnabled());
    QVERIFY2(slotText(rig, 0).endsWith(u"\n可用"_s), qPrintable(slotText(rig, 0)));
    QVERIFY(rig.window->link()->portIsOpen());
}

void WindowPortsTest::shouldShowEachSlotsDeviceAndStateInTheWindowsLanguage()
{
    RadioProcess radio({u"--baud"_s, u"0"_s});
    const QString missing = u"/dev/vm280-missing"_s;
    const ScopedEnvironment ports("VM280_PORTS", portList({missing, radio.devicePath}));
    WindowRig rig;
    QVERIFY(rig.start());
    rig.chooseMenuItem(u"mnuset"_s, u"mnucom"_s);
    QVERIFY(QTest::qWaitForWindowExposed(portDialog(rig)));
    // The window's own port shows usable: it was closed to be probed. A long device name is
    // shortened on the face; the tool tip has it whole.
    QVERIFY2(slotText(rig, 0).endsWith(u"\n不存在"_s), qPrintable(slotText(rig, 0)));
    QVERIFY(portDialog(rig)->findChild<QLabel *>(u"LabelCOM0"_s)->toolTip().contains(missing));
    QCOMPARE(slotText(rig, 1), radio.devicePath + u"\n可用"_s);
    QCOMPARE(slotText(rig, 2), u"\n无端口"_s);
    QCOMPARE(portDialog(rig)->findChild<QPushButton *>(u"CommandFind"_s)->text(), u"查找对讲机"_s);
    QVERIFY(portDialog(rig)->findChild<QLabel *>(u"LabelCOM0"_s)->toolTip().contains(u"设备不存在"_s));

    rig.chooseMenuItem(u"mnuLanguage"_s, u"mnuEnglish"_s);
    QVERIFY2(slotText(rig, 0).endsWith(u"\nnot present"_s), qPrintable(slotText(rig, 0)));
    QCOMPARE(slotText(rig, 1), radio.devicePath + u"\nusable"_s);
    QCOMPARE(slotText(rig, 2), u"\nno port"_s);
    QCOMPARE(portDialog(rig)->findChild<QPushButton *>(u"CommandFind"_s)->text(), u"Find radio"_s);
    QVERIFY(portDialog(rig)->findChild<QLabel *>(u"LabelCOM0"_s)->toolTip().contains(u"no such device"_s));

    rig.chooseMenuItem(u"mnuLanguage"_s, u"mnuChineseF"_s);
    QCOMPARE(slotText(rig, 2), u"\n無端口"_s);
    QCOMPARE(portDialog(rig)->findChild<QPushButton *>(u"CommandFind"_s)->text(), u"查找對講機"_s);
    // The caption stays the same in every language.
    QCOMPARE(portDialog(rig)->windowTitle(), u"Com"_s);
}

void WindowPortsTest::shouldFollowTheRememberedDeviceWhenThePortListChanges()
{
    RadioProcess uhf({u"--baud"_s, u"0"_s, linkDataFile(u"plan-uhf.DAT"_s)});
    RadioProcess vhf({u"--baud"_s, u"0"_s, linkDataFile(u"plan-vhf.DAT"_s)});
    WindowRig rig;
    {
        const ScopedEnvironment ports("VM280_PORTS", portList({uhf.devicePath, vhf.devicePath}));
        QVERIFY(rig.start());
        rig.child<QAction>(u"mnucom"_s)->trigger();
        QTest::mouseClick(portDialog(rig)->findChild<QRadioButton *>(u"OptionCOM1"_s), Qt::LeftButton);
        QCOMPARE(rig.window->PortNumber(), 2);
        rig.window.reset();
    }
    // The list changed: the radio chosen is in COM1 now, and another one in COM2.
    const ScopedEnvironment ports("VM280_PORTS", portList({vhf.devicePath, uhf.devicePath}));
    QVERIFY(rig.start());
    QTRY_COMPARE(rig.window->PortNumber(), 1);
    rig.child<QAction>(u"mnureadFre"_s)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rig.child<QLabel>(u"Label"_s)->text(), u"读频成功！"_s, kOperationMs);
    QCOMPARE(imageOf(rig.window->plan()), imageOf(planOf(linkDataFile(u"plan-vhf.DAT"_s))));
}

void WindowPortsTest::shouldFindTheRadioAndNameWhatAnsweredElsewhere()
{
    RadioProcess silent({u"--baud"_s, u"0"_s, u"--fault"_s, u"silent"_s});
    RadioProcess radio({u"--baud"_s, u"0"_s, linkDataFile(u"plan-vhf.DAT"_s)});
    RadioProcess other({u"--baud"_s, u"0"_s, u"--fault"_s, u"wrong-model"_s});
    const ScopedEnvironment ports("VM280_PORTS",
                                  portList({silent.devicePath, radio.devicePath, other.devicePath}));
    WindowRig rig;
    QVERIFY(rig.start());
    // The first port that opens is taken at start-up: the silent one.
    QTRY_COMPARE(rig.window->PortNumber(), 1);

    rig.chooseMenuItem(u"mnupro"_s, u"mnuFindRadio"_s);
    PortDialog *dialog = portDialog(rig);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->finder().running());
    // The port is the search's: nothing reads or writes meanwhile, but the window still works.
    QVERIFY(!rig.child<QAction>(u"mnureadFre"_s)->isEnabled());
    QVERIFY(!dialog->findChild<QPushButton *>(u"CommandFind"_s)->isEnabled());
    rig.enterFrequency(1, 1, u"438"_s);
    QCOMPARE(rig.cell(1, 1), u"438.00000"_s);
    auto *summary = dialog->findChild<QLabel *>(u"LabelFind"_s);
    QVERIFY2(summary->text().startsWith(u"正在 COM"_s), qPrintable(summary->text()));

    QTRY_VERIFY_WITH_TIMEOUT(!dialog->finder().running(), kOperationMs);
    QCOMPARE(summary->text(), u"在 COM2（%1）上找到 VM-280，已选用该端口。"_s.arg(radio.devicePath));
    QCOMPARE(slotText(rig, 0), silent.devicePath + u"\n无应答"_s);
    QCOMPARE(slotText(rig, 1), radio.devicePath + u"\nVM-280"_s);
    QCOMPARE(slotText(rig, 2), other.devicePath + u"\n其他型号：VM380"_s);
    QVERIFY(dialog->findChild<QLabel *>(u"LabelCOM2"_s)
                ->toolTip()
                .contains(u"应答的是另一型号的对讲机：“VM380”。"_s));
    QVERIFY(dialog->findChild<QRadioButton *>(u"OptionCOM1"_s)->isChecked());
    QCOMPARE(rig.window->PortNumber(), 2);
    QVERIFY(rig.child<QAction>(u"mnureadFre"_s)->isEnabled());
    QVERIFY(dialog->findChild<QPushButton *>(u"CommandFind"_s)->isEnabled());
    QVERIFY(rig.messages.isEmpty());

    rig.answers << MsgboxNo; // the frequency typed meanwhile is not kept
    rig.child<QAction>(u"mnureadFre"_s)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rig.child<QLabel>(u"Label"_s)->text(), u"读频成功！"_s, kOperationMs);
    QCOMPARE(imageOf(rig.window->plan()), imageOf(planOf(linkDataFile(u"plan-vhf.DAT"_s))));
}

void WindowPortsTest::shouldStopTheSearchOnCancelAndGiveThePortBack()
{
    RadioProcess silent({u"--baud"_s, u"0"_s, u"--fault"_s, u"silent"_s});
    RadioProcess radio({u"--baud"_s, u"0"_s});
    const ScopedEnvironment ports("VM280_PORTS", portList({silent.devicePath, radio.devicePath}));
    WindowRig rig;
    QVERIFY(rig.start());
    QTRY_COMPARE(rig.window->PortNumber(), 1);
    rig.child<QAction>(u"mnucom"_s)->trigger();
    PortDialog *dialog = portDialog(rig);
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"CommandFind"_s), Qt::LeftButton);
    QVERIFY(dialog->finder().running());
    QVERIFY(!rig.window->link()->portIsOpen());
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"CommandCancel"_s), Qt::LeftButton);
    QVERIFY(!dialog->finder().running());
    QCOMPARE(dialog->findChild<QLabel *>(u"LabelFind"_s)->text(), u"查找已取消。"_s);
    // The port open before the search is open again, and nothing else was chosen.
    QVERIFY(rig.window->link()->portIsOpen());
    QCOMPARE(rig.window->PortNumber(), 1);
    QVERIFY(rig.child<QAction>(u"mnureadFre"_s)->isEnabled());
    QVERIFY(!dialog->findChild<QPushButton *>(u"CommandCancel"_s)->isEnabled());

    // Closing the dialog stops a search as well.
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"CommandFind"_s), Qt::LeftButton);
    QVERIFY(dialog->finder().running());
    QPointer<PortDialog> alive(dialog);
    dialog->close();
    QTRY_VERIFY(alive.isNull());
    QVERIFY(rig.window->link()->portIsOpen());
    QVERIFY(rig.child<QAction>(u"mnureadFre"_s)->isEnabled());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    WindowPortsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowportstest.moc"
