#include "clirunner.h"
#include "radio/radioprocess.h"

#include "scopedenvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280::test;

namespace {

// Runs vm280-cli ports with VM280_PORTS set to ports for the run.
CliRun runPorts(const QByteArray &ports)
{
    const ScopedEnvironment environment("VM280_PORTS", ports);
    return runCli({u"ports"_s});
}

} // namespace

TEST(PortsCommand, shouldListEverySlotWithItsDeviceAndWhetherItOpens)
{
    RadioProcess radio({});
    ASSERT_FALSE(radio.devicePath.isEmpty());
    const CliRun run = runPorts("/dev/vm280-missing:" + radio.devicePath.toLocal8Bit());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 21) << run.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("COM1 ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("/dev/vm280-missing"));
    EXPECT_TRUE(lines[0].contains("cannot be opened: no such device")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("COM2 "));
    EXPECT_TRUE(lines[1].contains(radio.devicePath));
    EXPECT_TRUE(lines[1].endsWith("usable")) << lines[1].toStdString();
    for (int slot = 3; slot <= 20; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_TRUE(lines[slot - 1].startsWith(u"COM%1 "_s.arg(slot)));
        EXPECT_TRUE(lines[slot - 1].endsWith("no port"));
    }
    EXPECT_EQ(lines[20], "The tool opens COM2 unless another usable port is remembered.");
}

TEST(PortsCommand, shouldSayWhenNoPortIsUsable)
{
    const CliRun run = runPorts("");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith("No usable port.\n")) << run.out.toStdString();
    EXPECT_EQ(run.out.count("no port"), 20);
}
