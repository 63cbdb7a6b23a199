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
        return {PortProblem::Missing, u"no such device"_s};
    case QSerialPort::OpenError:
        return {PortProblem::Busy, u"already open"_s};
    case QSerialPort::PermissionError: {
        if (accessAllowed)
            return {PortProblem::Busy, u"in use by another program (%1)"_s.arg(errorString)};
        // A device owned by root alone cannot be fixed by a group; the usual one still can.
        const QString group = deviceGroup.isEmpty() || deviceGroup == "root"_L1 ? kSerialGroup : deviceGroup;
        return {
            PortProblem::PermissionDenied,
            u"permission denied; add your user to the '%1' group (sudo usermod -aG %1 $USER) and log in again"_s
                .arg(group)};
    }
    default:
        return {PortProblem::Other, errorString};
    }
}

std::variant<std::unique_ptr<QSerialPort>, PortProblem> OpenRadioPort(const QString &devicePath)
{
    auto port = std::make_unique<QSerialPort>(devicePath);
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
