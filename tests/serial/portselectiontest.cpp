#include "serial/portselection.h"
#include "serial/portslots.h"

#include <gtest/gtest.h>

using namespace vm280;

namespace {

// Which of COM1 to COM20 opened, from the port numbers that did.
QList<bool> usablePorts(std::initializer_list<int> numbers)
{
    QList<bool> usable(20, false);
    for (const int number : numbers)
        usable[number - 1] = true;
    return usable;
}

} // namespace

TEST(PortSelection, shouldKeepTheRememberedPortOrFallBackToTheFirstUsable)
{
    const struct
    {
        const char *name;
        int portNumber;
        QList<bool> usable;
        PortSelection expected;
    } cases[] = {
        {"nothing remembered, COM3 and COM5 usable", 0, usablePorts({3, 5}), {3, 3, false}},
        {"remembered COM5 usable", 5, usablePorts({3, 5}), {5, 5, true}},
        {"remembered COM5 missing, COM2 usable", 5, usablePorts({2}), {2, 2, false}},
        {"remembered COM5, no usable port", 5, usablePorts({}), {5, 0, false}},
        {"nothing remembered, no usable port", 0, usablePorts({}), {0, 0, false}},
        {"remembered COM20 usable", 20, usablePorts({1, 20}), {20, 20, true}},
        {"remembered COM1 usable", 1, usablePorts({1}), {1, 1, true}},
        {"remembered number past COM20", 21, usablePorts({4}), {4, 4, false}},
        {"negative remembered number", -3, usablePorts({7}), {7, 7, false}},
        {"fewer than twenty probes", 0, QList<bool>{false, true}, {2, 2, false}},
        {"a 21st probe is no port", 21, QList<bool>(20, false) << true, {21, 0, false}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const PortSelection selection = SelectPort(row.portNumber, row.usable);
        EXPECT_EQ(selection.portNumber, row.expected.portNumber);
        EXPECT_EQ(selection.openedPort, row.expected.openedPort);
        EXPECT_EQ(selection.buttonSelected, row.expected.buttonSelected);
    }
}

TEST(PortSelection, shouldFollowTheRememberedDeviceToTheSlotItIsInNow)
{
    const PortSlots ports({"/dev/ttyUSB1", "/dev/ttyUSB0"});
    const struct
    {
        const char *name;
        int portNumber;
        QString identity;
        int expected;
    } cases[] = {
        {"the device moved from COM1 to COM2", 1, "/dev/ttyUSB0", 2},
        {"the device is where it was", 2, "/dev/ttyUSB0", 2},
        {"the device is gone: the slot number stands", 1, "/dev/ttyUSB7", 1},
        {"no device remembered", 2, QString(), 2},
        {"nothing remembered at all", 0, QString(), 0},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(RememberedSlot(ports, row.portNumber, row.identity), row.expected);
    }
}
