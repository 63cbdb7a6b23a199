#include "portslots.h"

#include <QDir>
#include <QFileInfo>
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

// The name of the USB socket the device hangs off, where the system keeps one: Linux's udev
// links every USB serial device under /dev/serial/by-path by the path of its socket, which stays
// the same when the cable is plugged into that socket again (elsewhere there is no such folder).
QString usbSocketOf(const QString &devicePath)
{
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    const QDir byPath(u"/dev/serial/by-path"_s);
    for (const QFileInfo &link :
         byPath.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (link.isSymLink() && QFileInfo(link.symLinkTarget()).canonicalFilePath() == device)
            return link.fileName();
    }
    return QString();
}

QString identityOf(const QSerialPortInfo &info)
{
    if (!info.serialNumber().isEmpty())
        return u"usb:%1:%2:%3"_s.arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
            .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))
            .arg(info.serialNumber());
    if (const QString socket = usbSocketOf(info.systemLocation()); !socket.isEmpty())
        return u"usb-path:"_s + socket;
    return info.systemLocation();
}

// The first twenty ports, for the slots.
QList<SystemPort> slotted(const QList<SystemPort> &ports)
{
    return ports.first(std::min<qsizetype>(ports.size(), kPortSlotCount));
}

QList<SystemPort> portsOf(const QStringList &devicePaths)
{
    QList<SystemPort> ports;
    for (const QString &path : devicePaths)
        ports.append({path, false, QString(), path});
    return slotted(ports);
}

} // namespace

QList<SystemPort> OrderSystemPorts(QList<SystemPort> ports)
{
    std::stable_sort(ports.begin(), ports.end(), [](const SystemPort &a, const SystemPort &b) {
        if (a.usbAdapter != b.usbAdapter)
            return a.usbAdapter;
        return nameKey(a.devicePath) < nameKey(b.devicePath);
    });
    return ports;
}

PortSlots PortSlots::detect()
{
    if (qEnvironmentVariableIsSet("VM280_PORTS"))
        return PortSlots(qEnvironmentVariable("VM280_PORTS").split(u':', Qt::SkipEmptyParts));
    QList<SystemPort> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports.append({info.systemLocation(), isUsbAdapter(info), info.description(), identityOf(info)});
    return fromPorts(OrderSystemPorts(ports));
}

PortSlots::PortSlots(const QStringList &devicePaths) : m_ports(portsOf(devicePaths)) {}

PortSlots PortSlots::fromPorts(const QList<SystemPort> &ports)
{
    PortSlots filled;
    filled.m_ports = slotted(ports);
    return filled;
}

QString PortSlots::devicePath(int portNumber) const
{
    return m_ports.value(portNumber - 1).devicePath;
}

QString PortSlots::description(int portNumber) const
{
    return m_ports.value(portNumber - 1).description;
}

QString PortSlots::identity(int portNumber) const
{
    return m_ports.value(portNumber - 1).identity;
}

int PortSlots::slotOf(const QString &identity) const
{
    if (identity.isEmpty())
        return 0;
    for (qsizetype i = 0; i < m_ports.size(); ++i) {
        if (m_ports[i].identity == identity)
            return int(i) + 1;
    }
    return 0;
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
