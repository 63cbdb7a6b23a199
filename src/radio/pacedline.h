#pragma once

#include "radiomodel.h"

#include <QByteArray>
#include <chrono>
#include <deque>
#include <optional>

namespace vm280 {

/// The timing of the serial line between the PC and the simulated radio. A byte takes ten bit
/// times on the wire (start, eight data, stop bit): a byte the PC wrote counts as received only
/// once its wire time has passed, and an answer's bytes leave one wire time after another. All
/// times are points on the steady clock; a baud rate of 0 makes the line infinitely fast.
class PacedLine
{
public:
    using Time = std::chrono::nanoseconds;

    PacedLine(int baud, Time turnaround, Time piecePause);

    /// The wire time of one byte (0 on an infinitely fast line).
    Time byteTime() const { return m_byteTime; }

    /// Queues the bytes the PC wrote at now behind those still on their way in.
    void receive(QByteArrayView bytes, Time now);
    /// The next received byte whose wire time is over at now, and the moment it was over.
    std::optional<std::pair<char, Time>> takeReceived(Time now);

    /// Puts an answer on the line: it starts the turnaround after at, once earlier answers have
    /// left, and its pieces are separated by the piece pause.
    void send(const RadioAnswer &answer, Time at);
    /// The bytes whose time to leave has come by now, to be written in one go.
    QByteArray takeDue(Time now);
    /// Forgets the answers still waiting to leave.
    void discardSending() { m_sending.clear(); }
    /// True while bytes of an answer wait to leave.
    bool sending() const { return !m_sending.empty(); }

    /// The next moment a received byte or a byte to send falls due, if any waits.
    std::optional<Time> nextDeadline() const;

private:
    struct Timed
    {
        char byte;
        Time due;
    };

    Time m_byteTime;
    Time m_turnaround;
    Time m_piecePause;
    std::deque<Timed> m_received;
    std::deque<Timed> m_sending;
    Time m_receiveFree{0};
    Time m_sendFree{0};
};

} // namespace vm280
