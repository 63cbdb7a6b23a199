#pragma once

#include <QSerialPort>
#include <QString>
#include <memory>
#include <optional>
#include <variant>

namespace vm280 {

/// Why a serial port could not be opened.
struct PortProblem
{
    enum Kind {
        Missing,          ///< there is no such device
        PermissionDenied, ///< the user may not use the device
        Busy,             ///< another program holds the device
        Other,            ///< anything else the system reported
    };
    Kind kind;
    QString reason; ///< one line for the user, naming the fix where there is one
};

/// The problem behind a failed open: error and errorString as the port reported them, whether
/// the user has read and write access to the device, and the group that owns the device.
PortProblem ClassifyOpenFailure(QSerialPort::SerialPortError error, const QString &errorString,
                                bool accessAllowed, const QString &deviceGroup);

/// Opens the device for the radio: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow
/// control, raw bytes. The open port, or why it could not be opened.
std::variant<std::unique_ptr<QSerialPort>, PortProblem> OpenRadioPort(const QString &devicePath);

/// Whether the device can be opened now (it is closed again at once), and if not, why: the
/// port detection counts a port as usable exactly when it opens.
std::optional<PortProblem> ProbePort(const QString &devicePath);

} // namespace vm280
