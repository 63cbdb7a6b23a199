#include "linkcause.h"

#include <QDir>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

LinkCause LinkCauseOf(LinkCause::Kind kind)
{
    LinkCause cause;
    cause.kind = kind;
    return cause;
}

LinkCause FailureCause(const LinkHearing &hearing)
{
    if (hearing.portLost)
        return LinkCauseOf(LinkCause::PortLost);
    if (hearing.identified)
        return LinkCauseOf(hearing.unaccepted ? LinkCause::WrongAnswer : LinkCause::StoppedAnswering);
    if (hearing.otherModel.isEmpty())
        return LinkCauseOf(hearing.answered ? LinkCause::NotIdentified : LinkCause::NoAnswer);
    LinkCause cause = LinkCauseOf(LinkCause::OtherModel);
    cause.model = ModelName(hearing.otherModel);
    return cause;
}

LinkCause OpenFailureCause(const QString &device, const PortProblem &problem)
{
    LinkCause cause = LinkCauseOf(LinkCause::PortNotOpened);
    cause.device = device;
    cause.problem = problem;
    return cause;
}

QString ModelName(QByteArrayView identification)
{
    const bool printable = std::all_of(identification.begin(), identification.end(),
                                       [](char byte) { return byte >= 0x20 && byte < 0x7F; });
    if (printable)
        return QString::fromLatin1(identification).trimmed();
    return QString::fromLatin1(identification.toByteArray().toHex(' ').toUpper());
}

QString LinkCauseText(const LinkCause &cause, const WordChooser &words)
{
    switch (cause.kind) {
    case LinkCause::NoAnswer:
        return words(u"对讲机没有应答。", u"No answer from the radio.");
    case LinkCause::NotIdentified:
        return words(u"握手有应答，但没有对讲机报告型号。",
                     u"Something answered the handshake, but no radio identified itself.");
    case LinkCause::OtherModel:
        return words(u"应答的是另一型号的对讲机：“%1”。", u"A radio of another model answered: \"%1\".")
            .arg(cause.model);
    case LinkCause::StoppedAnswering:
        return words(u"对讲机中途停止了应答。", u"The radio stopped answering partway through.");
    case LinkCause::WrongAnswer:
        return words(u"对讲机的应答无法识别。", u"The radio's answer could not be understood.");
    case LinkCause::PortLost:
        return words(u"通信端口已断开（连线或串口适配器被拔出？）。",
                     u"The port went away (cable or adapter unplugged?).");
    case LinkCause::PortNotOpened:
        break;
    }
    if (!cause.problem)
        return words(u"没有可用的串口。", u"There is no usable serial port.");
    return words(u"无法打开通信端口 %1：%2。", u"The port %1 could not be opened: %2.")
        .arg(QDir::toNativeSeparators(cause.device), PortProblemText(*cause.problem, words));
}

} // namespace vm280
