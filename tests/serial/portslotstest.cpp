#include "serial/portslots.h"

#include "scopedenvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;
using vm280::test::ScopedEnvironment;

TEST(PortSlots, shouldPutUsbAdaptersFirstAndOrderNamesByTheirNumbers)
{
    const struct
    {
        const char *name;
        QList<SystemPort> ports;
        QStringList expected;
    } cases[] = {
        {"none", {}, {}},
        {"usb after built-in",
         {{"/dev/ttyS0", false, {}, {}}, {"/dev/ttyUSB0", true, {}, {}}},
         {"/dev/ttyUSB0", "/dev/ttyS0"}},
        {"numbers by value",
         {{"/dev/ttyS10", false, {}, {}}, {"/dev/ttyS2", false, {}, {}}, {"/dev/ttyS1", false, {}, {}}},
         {"/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS10"}},
        {"adapters among themselves by name",
         {{"/dev/ttyUSB1", true, {}, {}},
          {"/dev/ttyACM0", true, {}, {}},
          {"/dev/ttyS0", false, {}, {}},
          {"/dev/ttyUSB0", true, {}, {}}},
         {"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS0"}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        QStringList paths;
        for (const SystemPort &port : OrderSystemPorts(row.ports))
            paths << port.devicePath;
        EXPECT_EQ(paths, row.expected);
    }
}

TEST(PortSlots, shouldKnowEachSlotsDeviceByItsIdentityWhereverItIs)
{
    const PortSlots ports = PortSlots::fromPorts({
        {"/dev/ttyUSB0", true, "FT232R USB UART", "usb:0403:6001:A50285BI"},
        {"/dev/ttyUSB1", true, "CP2102 USB to UART", "usb-path:pci-0000:00:14.0-usb-0:2:1.0-port0"},
        {"/dev/ttyS0", false, {}, "/dev/ttyS0"},
    });
    EXPECT_EQ(ports.description(1), "FT232R USB UART");
    EXPECT_EQ(ports.description(3), QString());
    EXPECT_EQ(ports.identity(2), "usb-path:pci-0000:00:14.0-usb-0:2:1.0-port0");
    EXPECT_EQ(ports.identity(4), QString());
    EXPECT_EQ(ports.slotOf("usb:0403:6001:A50285BI"), 1);
    EXPECT_EQ(ports.slotOf("/dev/ttyS0"), 3);
    EXPECT_EQ(ports.slotOf("usb:0403:6001:OTHER"), 0);
    EXPECT_EQ(ports.slotOf(QString()), 0);
    // A listed device path is its own identity.
    EXPECT_EQ(PortSlots({"/dev/pts/3", "/dev/pts/9"}).slotOf("/dev/pts/9"), 2);
}

TEST(PortSlots, shouldFillTheSlotsInOrderAndLeaveOutAnythingPastCom20)
{
    QStringList devices;
    for (int i = 0; i < 25; ++i)
        devices << u"/dev/ttyX%1"_s.arg(i);
    const PortSlots ports(devices);
    EXPECT_EQ(ports.devicePath(1), "/dev/ttyX0");
    EXPECT_EQ(ports.devicePath(20), "/dev/ttyX19");
    EXPECT_EQ(ports.devicePath(21), QString());
    EXPECT_EQ(ports.devicePath(0), QString());
    EXPECT_EQ(ports.devicePath(-1), QString());
}

TEST(PortSlots, shouldResolveSlotNamesAndTakeAnythingElseAsADevicePath)
{
    const PortSlots ports({"/dev/ttyUSB0", "/dev/pts/7"});
    const struct
    {
        const char *name;
        std::optional<QString> expected;
    } cases[] = {
        {"COM1", "/dev/ttyUSB0"}, {"com2", "/dev/pts/7"},       {"Com2", "/dev/pts/7"},
        {"COM3", std::nullopt},   {"COM0", std::nullopt},       {"COM21", std::nullopt},
        {"COM", "COM"},           {"/dev/ttyS4", "/dev/ttyS4"}, {"", std::nullopt},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ports.resolve(QString::fromLatin1(row.name)), row.expected);
    }
}

TEST(PortSlots, shouldNameTheSlotsCom1ToCom20)
{
    EXPECT_EQ(PortSlots::portName(1), "COM1");
    EXPECT_EQ(PortSlots::portName(20), "COM20");
}

TEST(PortSlots, shouldTakeTheDevicesListedInTheEnvironmentWhenSet)
{
    const ScopedEnvironment environment("VM280_PORTS", "/dev/pts/3::/tmp/not-a-port");
    PortSlots ports = PortSlots::detect();
    EXPECT_EQ(ports.devicePath(1), "/dev/pts/3");
    EXPECT_EQ(ports.devicePath(2), "/tmp/not-a-port");
    EXPECT_EQ(ports.devicePath(3), QString());

    // Set but empty: the machine has no ports for the tool.
    qputenv("VM280_PORTS", "");
    ports = PortSlots::detect();
    EXPECT_EQ(ports.devicePath(1), QString());
}
