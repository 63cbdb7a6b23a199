#pragma once

#include "link/writereport.h"

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
    /// The system's words for Busy and Other; for PermissionDenied the group whose members may
    /// open the device.
    QString detail;
};

/// The problem behind a failed open: error and errorString as the port reported them, whether
/// the user has read and write access to the device, and the group that owns the device.
PortProblem ClassifyOpenFailure(QSerialPort::SerialPortError error, const QString &errorString,
                                bool accessAllowed, const QString &deviceGroup);

/// The port's state in a word or two, as a list of ports shows it: "not present", "in use",
/// "no permission", or the system's words.
QString PortStateText(const PortProblem &problem, const WordChooser &words);

/// One line on the problem, naming the fix where there is one: "permission denied; add your user
/// to the 'dialout' group (sudo usermod -aG dialout $USER) and log in again".
QString PortProblemText(const PortProblem &problem, const WordChooser &words);

/// Opens the device for the radio: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow
/// control, raw bytes. The open port (its objectName the device path given), or why it could not be
/// opened.
std::variant<std::unique_ptr<QSerialPort>, PortProblem> OpenRadioPort(const QString &devicePath);

/// Whether the device can be opened now (it is closed again at once), and if not, why: the
/// port detection counts a port as usable exactly when it opens.
std::optional<PortProblem> ProbePort(const QString &devicePath);

} // namespace vm280
