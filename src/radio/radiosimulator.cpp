#include "radiosimulator.h"

#include "image/codeplanfile.h"

#include <QTextStream>
#include <csignal>
#include <poll.h>
#include <sys/prctl.h>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// A split answer's second piece follows after a pause long enough for the PC to take the first
// piece as a notification of its own.
constexpr std::chrono::milliseconds kPiecePause{20};

constexpr std::chrono::milliseconds kHangUpGrace{500};

// What a noisy line puts out now and then: the acknowledgement.
constexpr char kStrayAck = 0x06;

volatile std::sig_atomic_t g_stopRequested = 0;

void requestStop(int)
{
    g_stopRequested = 1;
}

// The stop signals stay blocked except while waiting, so they can only end a wait, never
// interrupt a step half done. Returns the mask to wait with.
sigset_t installStopSignals()
{
    struct sigaction action
    {
    };
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
        sigaddset(&stopSignals, signal);
    }
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigdelset(&waitMask, signal);
    return waitMask;
}

PacedLine::Time now()
{
    return std::chrono::steady_clock::now().time_since_epoch();
}

timespec toTimespec(std::chrono::nanoseconds span)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(span);
    return {static_cast<time_t>(seconds.count()), static_cast<long>((span - seconds).count())};
}

} // namespace

RadioSimulator::RadioSimulator(PseudoTerminal &terminal, const SimulatorOptions &options)
    : m_terminal(terminal), m_options(options), m_lineUp(options.lineUp),
      m_line(options.baud, options.latency, kPiecePause), m_waitMask(installStopSignals())
{
    plugIn();
}

int RadioSimulator::run()
{
    // Byte times at 9600 baud are about a millisecond; the kernel's default timer slack of 50 us
    // would add up over a thousand bytes.
    prctl(PR_SET_TIMERSLACK, 1UL);
    while (!g_stopRequested && !finished()) {
        const Time current = now();
        processReceived(current);
        plugInIfDue(current);
        sendStrays(current);
        sendDue(current);
        if (finished())
            break;
        const std::optional<Time> deadline = nextDeadline();
        const timespec timeout = toTimespec(deadline ? std::max(*deadline - now(), Time{0}) : Time{0});
        pollfd master{m_terminal.masterFd(), POLLIN, 0};
        if (ppoll(&master, 1, deadline ? &timeout : nullptr, &m_waitMask) > 0 && (master.revents & POLLIN))
            m_line.receive(m_terminal.readAvailable(), now());
    }
    if (m_hangUp) {
        // The last answers must reach the PC before the line goes; hanging up discards them.
        m_terminal.waitUntilRead(kHangUpGrace);
        log(u"radio: hangs up"_s);
        m_terminal.hangUp();
    }
    return m_exitCode;
}

void RadioSimulator::processReceived(Time now)
{
    while (const auto received = m_line.takeReceived(now)) {
        // A byte belongs to the radio on the cable at the moment it arrived.
        plugInIfDue(received->second);
        if (m_model)
            handle(m_model->receive(received->first), received->second);
    }
}

void RadioSimulator::plugInIfDue(Time now)
{
    if (m_lineUp.plugInIfDue(now))
        plugIn();
}

void RadioSimulator::plugIn()
{
    // Every radio comes fresh from the shelf: its own memory, counters and protocol state.
    m_model = std::make_unique<RadioModel>(m_lineUp.fault(), m_options.model);
    m_model->loadMemory(m_options.memory);
    if (m_lineUp.fault().kind == RadioFault::StrayAck)
        m_nextStray = now() + std::chrono::milliseconds(m_lineUp.fault().count);
    if (m_options.verbose)
        m_model->setLogger([this](const QString &text) { log(text); });
    if (m_lineUp.swaps())
        log(u"radio %1: plugged in"_s.arg(m_lineUp.radio()));
}

void RadioSimulator::unplug(Time at)
{
    // What had left before the radio was pulled reaches the PC; the rest of its answers never do.
    sendDue(at);
    m_line.discardSending();
    m_model.reset();
    m_nextStray.reset();
    log(u"radio %1: unplugged"_s.arg(m_lineUp.radio()));
}

void RadioSimulator::handle(const RadioStep &step, Time at)
{
    // What an earlier operation left on the line belongs to a PC that has given up on it; with
    // its port closed, it would never have reached anyone.
    if (step.operationStarted) {
        m_line.discardSending();
        m_terminal.discardUnread();
    }
    if (step.answer)
        m_line.send(*step.answer, at);
    if (step.operationEnded && step.memoryWritten && !m_lineUp.savePath().isEmpty())
        saveMemory();
    m_operationDone = m_operationDone || (step.operationEnded && m_options.once);
    m_hangUp = m_hangUp || step.hangUp;
    if (step.operationEnded && step.blocksMoved && m_lineUp.operationCompleted(at))
        unplug(at);
}

void RadioSimulator::sendStrays(Time now)
{
    // A noisy line does not wait for its turn: the strays go out whatever the PC is doing.
    const auto interval = std::chrono::milliseconds(m_lineUp.fault().count);
    while (m_nextStray && *m_nextStray <= now) {
        log(u"radio: stray acknowledgement"_s);
        m_line.send(RadioAnswer{{QByteArray(1, kStrayAck)}}, *m_nextStray);
        *m_nextStray += interval;
    }
}

void RadioSimulator::sendDue(Time now)
{
    const QByteArray due = m_line.takeDue(now);
    if (!due.isEmpty() && !m_terminal.write(due))
        log(u"radio: the PC's side took not all of %1 bytes"_s.arg(due.size()));
}

std::optional<RadioSimulator::Time> RadioSimulator::nextDeadline() const
{
    std::optional<Time> next;
    for (const std::optional<Time> &deadline : {m_line.nextDeadline(), m_lineUp.nextPlugIn(), m_nextStray}) {
        if (deadline && (!next || *deadline < *next))
            next = deadline;
    }
    return next;
}

bool RadioSimulator::finished() const
{
    return (m_operationDone || m_hangUp) && !m_line.sending();
}

void RadioSimulator::saveMemory()
{
    const QString path = m_lineUp.savePath();
    if (const auto error = WriteCodePlanFile(path, m_model->planImage())) {
        QTextStream(stderr) << "vm280-radio: " << path << ": " << error->detail << Qt::endl;
        m_exitCode = 1;
        return;
    }
    log(u"radio: memory saved to %1"_s.arg(path));
}

void RadioSimulator::log(const QString &text) const
{
    if (m_options.verbose)
        QTextStream(stderr) << text << Qt::endl;
}

} // namespace vm280
