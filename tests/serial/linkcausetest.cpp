#include "serial/linkcause.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;

namespace {

QString chinese(QStringView chinese, QStringView)
{
    return chinese.toString();
}

LinkHearing heard(bool answered, bool identified, const QByteArray &otherModel = {}, bool unaccepted = false,
                  bool portLost = false)
{
    return {answered, identified, otherModel, unaccepted, portLost};
}

} // namespace

TEST(LinkCause, shouldTellTheCauseFromWhatTheLineSaid)
{
    const struct
    {
        const char *name;
        LinkHearing hearing;
        LinkCause::Kind kind;
        QString english;
        QString chinese;
    } cases[] = {
        {"nothing came back", heard(false, false), LinkCause::NoAnswer, "No answer from the radio.",
         "对讲机没有应答。"},
        {"only acknowledgements", heard(true, false, {}, true), LinkCause::NotIdentified,
         "Something answered the handshake, but no radio identified itself.",
         "握手有应答，但没有对讲机报告型号。"},
        {"another model", heard(true, false, "VM380   ", true), LinkCause::OtherModel,
         "A radio of another model answered: \"VM380\".", "应答的是另一型号的对讲机：“VM380”。"},
        {"silent after identifying", heard(true, true), LinkCause::StoppedAnswering,
         "The radio stopped answering partway through.", "对讲机中途停止了应答。"},
        {"garbled after identifying", heard(true, true, {}, true), LinkCause::WrongAnswer,
         "The radio's answer could not be understood.", "对讲机的应答无法识别。"},
        {"cable pulled", heard(true, true, {}, true, true), LinkCause::PortLost,
         "The port went away (cable or adapter unplugged?).", "通信端口已断开（连线或串口适配器被拔出？）。"},
        {"cable pulled before any answer", heard(false, false, {}, false, true), LinkCause::PortLost,
         "The port went away (cable or adapter unplugged?).", "通信端口已断开（连线或串口适配器被拔出？）。"},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const LinkCause cause = FailureCause(row.hearing);
        EXPECT_EQ(cause.kind, row.kind);
        EXPECT_EQ(LinkCauseText(cause, EnglishWords), row.english);
        EXPECT_EQ(LinkCauseText(cause, chinese), row.chinese);
    }
}

TEST(LinkCause, shouldNameThePortThatCouldNotBeOpenedAndWhy)
{
    const struct
    {
        const char *name;
        LinkCause cause;
        QString english;
        QString chinese;
    } cases[] = {
        {"missing", OpenFailureCause(u"/dev/ttyUSB0"_s, {PortProblem::Missing, {}}),
         "The port /dev/ttyUSB0 could not be opened: no such device.",
         "无法打开通信端口 /dev/ttyUSB0：设备不存在。"},
        {"no permission", OpenFailureCause(u"/dev/ttyUSB0"_s, {PortProblem::PermissionDenied, u"dialout"_s}),
         "The port /dev/ttyUSB0 could not be opened: permission denied; add your user to the 'dialout' group "
         "(sudo usermod -aG dialout $USER) and log in again.",
         "无法打开通信端口 /dev/ttyUSB0：没有权限；请把用户加入“dialout”组（sudo usermod -aG dialout "
         "$USER），然后重新登录。"},
        {"held by another program", OpenFailureCause(u"/dev/ttyS0"_s, {PortProblem::Busy, u"Device busy"_s}),
         "The port /dev/ttyS0 could not be opened: in use by another program (Device busy).",
         "无法打开通信端口 /dev/ttyS0：正被其他程序使用（Device busy）。"},
        {"no port at all", LinkCauseOf(LinkCause::PortNotOpened), "There is no usable serial port.",
         "没有可用的串口。"},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LinkCauseText(row.cause, EnglishWords), row.english);
        EXPECT_EQ(LinkCauseText(row.cause, chinese), row.chinese);
    }
}

TEST(LinkCause, shouldNameTheModelAsItsTextOrElseItsBytes)
{
    EXPECT_EQ(ModelName("VM380   "), "VM380");
    EXPECT_EQ(ModelName("  X 7   "), "X 7");
    // Bytes a terminal or a message box would not show as themselves are given in hex.
    EXPECT_EQ(ModelName(QByteArrayView("VM\x1b[2J\xff\x00", 8)), "56 4D 1B 5B 32 4A FF 00");
}
