#pragma once

#include "pacedline.h"
#include "pseudoterminal.h"
#include "radiomodel.h"

#include <QString>
#include <chrono>
#include <csignal>

namespace vm280 {

/// How the simulated radio runs on its pseudo-terminal.
struct SimulatorOptions
{
    int baud = 9600;                     ///< line speed; 0 for an unpaced line
    std::chrono::milliseconds latency{}; ///< the radio's turnaround before each answer
    QString savePath;                    ///< code plan file to write after every write operation
    bool once = false;                   ///< quit after one complete operation
    bool verbose = false;                ///< log every frame on stderr
};

/// Connects the radio's protocol to the pseudo-terminal through the paced line, until a signal,
/// the end of the single operation asked for, or a hang-up.
class RadioSimulator
{
public:
    /// Also takes over SIGINT, SIGTERM and SIGHUP: from here on they end run() cleanly.
    RadioSimulator(RadioModel &model, PseudoTerminal &terminal, const SimulatorOptions &options);

    /// Serves the PC; returns the process's exit code.
    int run();

private:
    using Time = PacedLine::Time;

    void processReceived(Time now);
    void handle(const RadioStep &step, Time at);
    void sendDue(Time now);
    bool finished() const;
    void saveMemory();
    void log(const QString &text) const;

    RadioModel &m_model;
    PseudoTerminal &m_terminal;
    SimulatorOptions m_options;
    PacedLine m_line;
    sigset_t m_waitMask;
    bool m_operationDone = false;
    bool m_hangUp = false;
    int m_exitCode = 0;
};

} // namespace vm280
