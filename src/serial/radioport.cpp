#include "radioport.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// Serial devices usually belong to this group; its members may open them.
constexpr QLatin1StringView kSerialGroup = "dialout"_L1;

QString deviceGroup(const QString &devicePath)
{
    return QFileInfo(devicePath).group();
}

bool accessAllowed(const QString &devicePath)
{
    const QFileInfo device(devicePath);
    return device.isReadable() && device.isWritable();
}

} // namespace

PortProblem ClassifyOpenFailure(QSerialPort::SerialPortError error, const QString &errorString,
                                bool accessAllowed, const QString &deviceGroup)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return {PortProblem::Missing, QString()};
    case QSerialPort::OpenError:
        return {PortProblem::Busy, QString()};
    case QSerialPort::PermissionError:
#ifdef Q_OS_LINUX
        if (!accessAllowed) {
            // A device owned by root alone cannot be fixed by a group; the usual one still can.
            const bool usualGroup = deviceGroup.isEmpty() || deviceGroup == "root"_L1;
            return {PortProblem::PermissionDenied, usualGroup ? QString(kSerialGroup) : deviceGroup};
        }
#else
        // Elsewhere a port another program holds is refused as access denied.
        Q_UNUSED(accessAllowed)
        Q_UNUSED(deviceGroup)
#endif
        return {PortProblem::Busy, errorString};
    default:
        return {PortProblem::Other, errorString};
    }
}

QString PortStateText(const PortProblem &problem, const WordChooser &words)
{
    switch (problem.kind) {
    case PortProblem::Missing:
        return words(u"不存在", u"not present");
    case PortProblem::Busy:
        return words(u"正被使用", u"in use");
    case PortProblem::PermissionDenied:
        return words(u"没有权限", u"no permission");
    case PortProblem::Other:
        break;
    }
    return problem.detail;
}

QString PortProblemText(const PortProblem &problem, const WordChooser &words)
{
    switch (problem.kind) {
    case PortProblem::Missing:
        return words(u"设备不存在", u"no such device");
    case PortProblem::Busy:
        if (problem.detail.isEmpty())
            return words(u"已被打开", u"already open");
        return words(u"正被其他程序使用（%1）", u"in use by another program (%1)").arg(problem.detail);
    case PortProblem::PermissionDenied:
        return words(u"没有权限；请把用户加入“%1”组（sudo usermod -aG %1 $USER），然后重新登录",
                     u"permission denied; add your user to the '%1' group (sudo usermod -aG %1 $USER) and "
                     u"log in again")
            .arg(problem.detail);
    case PortProblem::Other:
        break;
    }
    return problem.detail;
}

std::variant<std::unique_ptr<QSerialPort>, PortProblem> OpenRadioPort(const QString &devicePath)
{
    auto port = std::make_unique<QSerialPort>(devicePath);
    // portName() drops a leading /dev/: the device as given stays the port's name for reports.
    port->setObjectName(devicePath);
    port->setBaudRate(QSerialPort::Baud9600);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadWrite))
        return ClassifyOpenFailure(port->error(), port->errorString(), accessAllowed(devicePath),
                                   deviceGroup(devicePath));
    // Whatever the device received before we opened it belongs to nobody's operation.
    port->clear(QSerialPort::Input);
    return port;
}

std::optional<PortProblem> ProbePort(const QString &devicePath)
{
    auto opened = OpenRadioPort(devicePath);
    if (auto *problem = std::get_if<PortProblem>(&opened))
        return std::move(*problem);
    return std::nullopt;
}

} // namespace vm280
