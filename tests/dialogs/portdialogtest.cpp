#include "dialogs/portdialog.h"
#include "radio/pseudoterminal.h"
#include "scopedenvironment.h"
#include "ui/twips.h"

#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

namespace {

QRadioButton *option(QObject *dialog, int index)
{
    return dialog->findChild<QRadioButton *>(u"OptionCOM%1"_s.arg(index));
}

const QString kMissing = u"/dev/vm280-no-such-port"_s;

} // namespace

class PortDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PseudoTerminal> m_first;
    std::unique_ptr<PseudoTerminal> m_second;

    // COM1 missing, COM2 and COM4 pseudo-terminals, COM3 missing, COM5 to COM20 without port.
    QByteArray portList() const
    {
        return QStringList{kMissing, m_first->devicePath(), kMissing, m_second->devicePath()}
            .join(u':')
            .toLocal8Bit();
    }

private slots:
    void init()
    {
        m_first = std::make_unique<PseudoTerminal>();
        m_second = std::make_unique<PseudoTerminal>();
        QCOMPARE(m_first->open(), std::nullopt);
        QCOMPARE(m_second->open(), std::nullopt);
    }
    void cleanup()
    {
        m_first.reset();
        m_second.reset();
    }

    void shouldSelectTheRememberedPortWhenItOpens()
    {
        ScopedEnvironment ports("VM280_PORTS", portList());
        PortDialog dialog;
        dialog.detect(PortSlots::detect(), 4);
        QCOMPARE(dialog.selection(), (PortSelection{4, 4, true}));
        QVERIFY(option(&dialog, 3)->isChecked());
        QVERIFY(option(&dialog, 1)->isEnabled());
        QVERIFY(option(&dialog, 3)->isEnabled());
        for (int index : {0, 2, 4, 19})
            QVERIFY(!option(&dialog, index)->isEnabled());
    }

    void shouldSelectTheRememberedDeviceInTheSlotItIsInNow()
    {
        ScopedEnvironment ports("VM280_PORTS", portList());
        PortDialog dialog;
        // Remembered as COM2, the device chosen is in COM4 now.
        dialog.detect(PortSlots::detect(), 2, m_second->devicePath());
        QCOMPARE(dialog.selection(), (PortSelection{4, 4, true}));
        QVERIFY(option(&dialog, 3)->isChecked());
        // A device no slot has leaves the slot number to decide.
        dialog.detect(PortSlots::detect(), 2, u"/dev/vm280-gone"_s);
        QCOMPARE(dialog.selection(), (PortSelection{2, 2, true}));
        QVERIFY(option(&dialog, 1)->isChecked());
    }

    void shouldFallBackToTheFirstUsablePortWhenTheRememberedOneIsMissing()
    {
        ScopedEnvironment ports("VM280_PORTS", portList());
        for (int remembered : {0, 3, 9}) {
            PortDialog dialog;
            dialog.detect(PortSlots::detect(), remembered);
            QCOMPARE(dialog.selection(), (PortSelection{2, 2, false}));
            for (int index = 0; index < 20; ++index)
                QVERIFY(!option(&dialog, index)->isChecked());
        }
    }

    void shouldDisableEveryButtonWithoutPorts()
    {
        ScopedEnvironment ports("VM280_PORTS", kMissing.toLocal8Bit());
        PortDialog dialog;
        dialog.detect(PortSlots::detect(), 5);
        QCOMPARE(dialog.selection(), (PortSelection{5, 0, false}));
        for (int index = 0; index < 20; ++index) {
            QVERIFY(!option(&dialog, index)->isEnabled());
            QCOMPARE(option(&dialog, index)->text(), u"COM%1"_s.arg(index + 1));
        }
    }

    void shouldTellTheDeviceAndWhyAPortDidNotOpen()
    {
        ScopedEnvironment ports("VM280_PORTS", portList());
        PortDialog dialog;
        dialog.detect(PortSlots::detect(), 0);
        QVERIFY(option(&dialog, 1)->toolTip().contains(m_first->devicePath()));
        const QString missing = option(&dialog, 0)->toolTip();
        QVERIFY2(missing.contains(kMissing) && missing.contains(u"设备不存在"_s), qPrintable(missing));
        QVERIFY(option(&dialog, 7)->toolTip().contains(u"此位置没有串口"_s));
    }

    void shouldStayOnTheScreenWhenItGrows()
    {
        ScopedEnvironment ports("VM280_PORTS", portList());
        PortDialog dialog;
        dialog.detect(PortSlots::detect(), 2);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect area = dialog.screen()->availableGeometry();
        dialog.move(area.right() + 1 - dialog.frameGeometry().width(), area.top());
        QTRY_COMPARE(dialog.frameGeometry().right(), area.right());
        // Longer states (a search's results) widen the slots' columns.
        dialog.resize(dialog.width() + 100, dialog.height());
        QTRY_VERIFY2(
            area.contains(dialog.frameGeometry()),
            qPrintable(
                u"%1,%2 %3x%4"_s.arg(dialog.x()).arg(dialog.y()).arg(dialog.width()).arg(dialog.height())));
    }

    void shouldAskForThePickedPortAndBeDestroyedOnClose()
    {
        ScopedEnvironment ports("VM280_PORTS", portList());
        auto *dialog = new PortDialog;
        dialog->detect(PortSlots::detect(), 2);
        QCOMPARE(dialog->objectName(), u"FormCOM"_s);
        QCOMPARE(dialog->windowTitle(), u"Com"_s);
        // As large as the dialog always was, and larger where the devices and states need it.
        QVERIFY(dialog->width() >= TwipsToPixels(5145) && dialog->height() >= TwipsToPixels(3000));
        QVERIFY(dialog->width() >= dialog->sizeHint().width() &&
                dialog->height() >= dialog->sizeHint().height());
        QVERIFY(!dialog->isVisible());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QSignalSpy clicked(dialog, &PortDialog::portClicked);
        QTest::mouseClick(option(dialog, 3), Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked[0][0].toInt(), 4);
        QCOMPARE(dialog->selection().portNumber, 4);
        QTest::mouseClick(option(dialog, 4), Qt::LeftButton); // disabled: nothing to open
        QCOMPARE(clicked.count(), 1);
        QPointer<PortDialog> alive(dialog);
        dialog->close();
        QTRY_VERIFY(!alive);
    }
};

QTEST_MAIN(PortDialogTest)
#include "portdialogtest.moc"
