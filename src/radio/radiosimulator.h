#pragma once

#include "pacedline.h"
#include "pseudoterminal.h"
#include "radiolineup.h"
#include "radiomodel.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <csignal>
#include <memory>
#include <optional>

namespace vm280 {

/// How the simulated radio runs on its pseudo-terminal.
struct SimulatorOptions
{
    int baud = 9600;                     ///< line speed; 0 for an unpaced line
    std::chrono::milliseconds latency{}; ///< the radio's turnaround before each answer
    QByteArray memory;                   ///< every radio's memory when plugged in; 0xFF past its end
    QByteArray model = RadioModel::kModelName.toByteArray(); ///< the model every radio identifies itself as
    LineUpOptions lineUp; ///< the radios on the cable, their fault and save file
    bool once = false;    ///< quit after the first operation closed by the end byte
    bool verbose = false; ///< log every frame on stderr
};

/// Connects the protocol of the radio plugged in to the pseudo-terminal through the paced line,
/// until a signal, the end of the single operation asked for, or a hang-up. While no radio is
/// plugged in, the PC's bytes are taken and dropped.
class RadioSimulator
{
public:
    /// Also takes over SIGINT, SIGTERM and SIGHUP: from here on they end run() cleanly.
    RadioSimulator(PseudoTerminal &terminal, const SimulatorOptions &options);

    /// Serves the PC; returns the process's exit code.
    int run();

private:
    using Time = PacedLine::Time;

    void processReceived(Time now);
    void plugInIfDue(Time now);
    void plugIn();
    void unplug(Time at);
    void handle(const RadioStep &step, Time at);
    void sendStrays(Time now);
    void sendDue(Time now);
    std::optional<Time> nextDeadline() const;
    bool finished() const;
    void saveMemory();
    void log(const QString &text) const;

    PseudoTerminal &m_terminal;
    SimulatorOptions m_options;
    RadioLineUp m_lineUp;
    std::unique_ptr<RadioModel> m_model; ///< the radio plugged in; none while the cable is free
    PacedLine m_line;
    std::optional<Time> m_nextStray; ///< when the radio plugged in puts its next stray acknowledgement out
    sigset_t m_waitMask;
    bool m_operationDone = false;
    bool m_hangUp = false;
    int m_exitCode = 0;
};

} // namespace vm280
