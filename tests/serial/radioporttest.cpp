#include "radio/radioprocess.h"

#include "serial/portprobe.h"
#include "serial/radioport.h"

#include <QSerialPort>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

TEST(RadioPort, shouldClassifyOpenFailuresAndNameTheFixForPermissions)
{
    const struct
    {
        const char *name;
        QSerialPort::SerialPortError error;
        bool accessAllowed;
        QString group;
        PortProblem::Kind kind;
        QString reasonPart;
    } cases[] = {
        {"missing device",
         QSerialPort::DeviceNotFoundError,
         false,
         {},
         PortProblem::Missing,
         "no such device"},
        {"no access, dialout device", QSerialPort::PermissionError, false, "dialout",
         PortProblem::PermissionDenied, "add your user to the 'dialout' group"},
        {"no access, uucp device", QSerialPort::PermissionError, false, "uucp", PortProblem::PermissionDenied,
         "'uucp' group"},
        {"no access, root's device", QSerialPort::PermissionError, false, "root",
         PortProblem::PermissionDenied, "'dialout' group"},
        {"no access, group unknown",
         QSerialPort::PermissionError,
         false,
         {},
         PortProblem::PermissionDenied,
         "'dialout' group"},
        {"access but locked", QSerialPort::PermissionError, true, "dialout", PortProblem::Busy,
         "another program"},
        {"already open", QSerialPort::OpenError, true, "dialout", PortProblem::Busy, "already open"},
        {"anything else", QSerialPort::UnknownError, true, "dialout", PortProblem::Other,
         "the system's words"},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const PortProblem problem =
            ClassifyOpenFailure(row.error, u"the system's words"_s, row.accessAllowed, row.group);
        EXPECT_EQ(problem.kind, row.kind);
        const QString reason = PortProblemText(problem, EnglishWords);
        EXPECT_TRUE(reason.contains(row.reasonPart)) << reason.toStdString();
    }
}

TEST(RadioPort, shouldSayThePortsStateInAWordOrTwoInEitherLanguage)
{
    const auto chinese = [](QStringView text, QStringView) { return text.toString(); };
    const struct
    {
        PortProblem problem;
        QString english;
        QString chinese;
    } cases[] = {
        {{PortProblem::Missing, {}}, "not present", "不存在"},
        {{PortProblem::Busy, {}}, "in use", "正被使用"},
        {{PortProblem::Busy, u"Device or resource busy"_s}, "in use", "正被使用"},
        {{PortProblem::PermissionDenied, u"dialout"_s}, "no permission", "没有权限"},
        {{PortProblem::Other, u"the system's words"_s}, "the system's words", "the system's words"},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.english.toStdString());
        EXPECT_EQ(PortStateText(row.problem, EnglishWords), row.english);
        EXPECT_EQ(PortStateText(row.problem, chinese), row.chinese);
    }
}

TEST(RadioPort, shouldReportAMissingDevice)
{
    const auto problem = ProbePort(u"/dev/vm280-no-such-port"_s);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->kind, PortProblem::Missing);
}

TEST(RadioPort, shouldOpenTheSimulatedRadioAt9600Baud8N1AndTalkToIt)
{
    RadioProcess radio({u"--baud"_s, u"0"_s});
    EXPECT_FALSE(ProbePort(radio.devicePath).has_value());

    auto opened = OpenRadioPort(radio.devicePath);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<QSerialPort>>(opened));
    QSerialPort &port = *std::get<std::unique_ptr<QSerialPort>>(opened);
    EXPECT_EQ(port.baudRate(), 9600);
    EXPECT_EQ(port.dataBits(), QSerialPort::Data8);
    EXPECT_EQ(port.parity(), QSerialPort::NoParity);
    EXPECT_EQ(port.stopBits(), QSerialPort::OneStop);
    EXPECT_EQ(port.flowControl(), QSerialPort::NoFlowControl);

    port.write("JV-PROG\x02", 8);
    ASSERT_TRUE(port.waitForBytesWritten(RadioProcess::kWaitMs));
    QByteArray answer;
    while (answer.size() < 9 && port.waitForReadyRead(RadioProcess::kWaitMs))
        answer += port.readAll();
    EXPECT_EQ(answer, QByteArrayLiteral("\x06VM280   "));
}

TEST(RadioPort, shouldProbeEverySlotAndTellWhichAreUsable)
{
    RadioProcess radio({u"--baud"_s, u"0"_s});
    const QList<SlotProbe> probes =
        ProbePortSlots(PortSlots({u"/dev/vm280-no-such-port"_s, radio.devicePath}));
    ASSERT_EQ(probes.size(), 20);
    EXPECT_FALSE(probes[0].usable());
    ASSERT_TRUE(probes[0].problem.has_value());
    EXPECT_EQ(probes[0].problem->kind, PortProblem::Missing);
    EXPECT_TRUE(probes[1].usable());
    EXPECT_EQ(probes[1].devicePath, radio.devicePath);
    EXPECT_FALSE(probes[2].usable());
    EXPECT_FALSE(probes[2].problem.has_value());
    QList<bool> expected(20, false);
    expected[1] = true;
    EXPECT_EQ(UsableSlots(probes), expected);
}
