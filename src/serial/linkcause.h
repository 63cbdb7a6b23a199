#pragma once

#include "radioport.h"

#include "link/linkengine.h"
#include "link/writereport.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace vm280 {

/// Why the radio could not be reached or stopped being reached: what the communication error
/// says below its own text, and what the radio finder reports for a port.
struct LinkCause
{
    enum Kind {
        NoAnswer,         ///< nothing came back to the handshake word
        NotIdentified,    ///< something answered the handshake, but no radio identified itself
        OtherModel,       ///< a radio of another model identified itself
        StoppedAnswering, ///< the radio identified itself, then stopped answering
        WrongAnswer,      ///< the radio identified itself, then answered what was not understood
        PortLost,         ///< the port went away (a cable or adapter pulled out)
        PortNotOpened,    ///< the port could not be opened, or there is none
    };
    Kind kind = NoAnswer;
    QString model;                      ///< OtherModel: the model the radio named
    QString device;                     ///< PortNotOpened: the device; empty when there is no port
    std::optional<PortProblem> problem; ///< PortNotOpened: why the device did not open
};

/// A cause of kind, with nothing more to say: PortNotOpened then means there is no port.
LinkCause LinkCauseOf(LinkCause::Kind kind);

/// Why an operation that ended by timeout (or with the port gone) failed, from what the engine
/// heard on the line.
LinkCause FailureCause(const LinkHearing &hearing);

/// The port at device could not be opened for problem.
LinkCause OpenFailureCause(const QString &device, const PortProblem &problem);

/// The model an identification answer names: its text without the padding when it is plain
/// printable ASCII, else its bytes in hex ("00 FF 12 ...").
QString ModelName(QByteArrayView identification);

/// One sentence on the cause: "No answer from the radio.", "A radio of another model answered:
/// "VM380".", "The port /dev/ttyUSB0 could not be opened: permission denied; ...".
QString LinkCauseText(const LinkCause &cause, const WordChooser &words);

} // namespace vm280
