#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vm280 {

/// The tool offers twenty serial ports, COM1 to COM20.
inline constexpr int kPortSlotCount = 20;

/// A serial port the system has, as far as its place among the slots goes.
struct SystemPort
{
    QString devicePath;
    bool usbAdapter = false; ///< a USB serial adapter, the usual programming cable
};

/// The device paths of ports in slot order: USB adapters first, then by name, numbers within
/// the names compared by value (ttyS2 before ttyS10).
QStringList OrderSystemPorts(QList<SystemPort> ports);

/// The devices behind the slots COM1 to COM20.
class PortSlots
{
public:
    /// Slots filled with the device paths listed in VM280_PORTS (colon-separated) when it is
    /// set, else with the system's serial ports in slot order.
    static PortSlots detect();

    /// Slots filled in order with devicePaths; any beyond COM20 are left out.
    explicit PortSlots(const QStringList &devicePaths = {});

    /// The device in slot portNumber (1 for COM1); empty when there is none.
    QString devicePath(int portNumber) const;
    /// The slot's name, "COM1" to "COM20".
    static QString portName(int portNumber);
    /// The device meant by name: "COMn" (any case) names a slot, anything else is a device
    /// path itself. Nothing when the slot is empty or there is no such slot.
    std::optional<QString> resolve(const QString &name) const;

private:
    QStringList m_devicePaths;
};

} // namespace vm280
