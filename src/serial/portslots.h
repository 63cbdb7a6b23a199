#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vm280 {

/// The tool offers twenty serial ports, COM1 to COM20.
inline constexpr int kPortSlotCount = 20;

/// A serial port the system has: its place among the slots, and what tells it apart.
struct SystemPort
{
    QString devicePath;
    bool usbAdapter = false; ///< a USB serial adapter, the usual programming cable
    QString description;     ///< the system's name for the device (a USB adapter's product); may be empty
    /// The same device whatever path or slot it gets when plugged in again: the adapter's serial
    /// number, else the USB socket it is plugged into, else the device path itself.
    QString identity;
};

/// The ports in slot order: USB adapters first, then by name, numbers within the names compared
/// by value (ttyS2 before ttyS10).
QList<SystemPort> OrderSystemPorts(QList<SystemPort> ports);

/// The devices behind the slots COM1 to COM20.
class PortSlots
{
public:
    /// Slots filled with the device paths listed in VM280_PORTS (colon-separated) when it is
    /// set, else with the system's serial ports in slot order. The system is asked anew at every
    /// call: a cable plugged in since the last one is there.
    static PortSlots detect();

    /// Slots filled in order with devicePaths, each its own identity; any beyond COM20 are left out.
    explicit PortSlots(const QStringList &devicePaths = {});
    /// Slots filled in order with ports; any beyond COM20 are left out.
    static PortSlots fromPorts(const QList<SystemPort> &ports);

    /// The device in slot portNumber (1 for COM1); empty when there is none.
    QString devicePath(int portNumber) const;
    /// What the system calls the device in slot portNumber; empty when it says nothing.
    QString description(int portNumber) const;
    /// The identity of the device in slot portNumber (see SystemPort); empty when there is none.
    QString identity(int portNumber) const;
    /// The slot whose device has identity; 0 when no slot has it.
    int slotOf(const QString &identity) const;
    /// The slot's name, "COM1" to "COM20".
    static QString portName(int portNumber);
    /// The device meant by name: "COMn" (any case) names a slot, anything else is a device
    /// path itself. Nothing when the slot is empty or there is no such slot.
    std::optional<QString> resolve(const QString &name) const;

private:
    QList<SystemPort> m_ports;
};

} // namespace vm280
