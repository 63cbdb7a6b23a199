#include "portslots.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// A name as text before its trailing number and the number itself, so ttyS10 sorts after ttyS2.
std::pair<QString, qulonglong> nameKey(const QString &path)
{
    qsizetype digits = path.size();
    while (digits > 0 && path[digits - 1].isDigit())
        --digits;
    return {path.first(digits), path.sliced(digits).toULongLong()};
}

bool isUsbAdapter(const QSerialPortInfo &info)
{
    return info.hasVendorIdentifier() || info.portName().startsWith("ttyUSB"_L1) ||
           info.portName().startsWith("ttyACM"_L1);
}

} // namespace

QStringList OrderSystemPorts(QList<SystemPort> ports)
{
    std::stable_sort(ports.begin(), ports.end(), [](const SystemPort &a, const SystemPort &b) {
        if (a.usbAdapter != b.usbAdapter)
            return a.usbAdapter;
        return nameKey(a.devicePath) < nameKey(b.devicePath);
    });
    QStringList paths;
    for (const SystemPort &port : ports)
        paths << port.devicePath;
    return paths;
}

PortSlots PortSlots::detect()
{
    if (qEnvironmentVariableIsSet("VM280_PORTS"))
        return PortSlots(qEnvironmentVariable("VM280_PORTS").split(u':', Qt::SkipEmptyParts));
    QList<SystemPort> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports.append({info.systemLocation(), isUsbAdapter(info)});
    return PortSlots(OrderSystemPorts(ports));
}

PortSlots::PortSlots(const QStringList &devicePaths)
    : m_devicePaths(devicePaths.first(std::min<qsizetype>(devicePaths.size(), kPortSlotCount)))
{}

QString PortSlots::devicePath(int portNumber) const
{
    return m_devicePaths.value(portNumber - 1);
}

QString PortSlots::portName(int portNumber)
{
    return u"COM%1"_s.arg(portNumber);
}

std::optional<QString> PortSlots::resolve(const QString &name) const
{
    static const QRegularExpression slotName(u"^COM(\\d{1,3})$"_s, QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = slotName.match(name);
    if (!match.hasMatch())
        return name.isEmpty() ? std::nullopt : std::optional(name);
    const QString path = devicePath(match.captured(1).toInt());
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

} // namespace vm280
