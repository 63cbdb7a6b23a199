#include "pacedline.h"

namespace vm280 {

namespace {

constexpr std::chrono::nanoseconds::rep kBitsPerByte = 10;
constexpr std::chrono::nanoseconds::rep kNanosecondsPerSecond = 1'000'000'000;

} // namespace

PacedLine::PacedLine(int baud, Time turnaround, Time piecePause)
    : m_byteTime(baud > 0 ? kBitsPerByte * kNanosecondsPerSecond / baud : 0), m_turnaround(turnaround),
      m_piecePause(piecePause)
{}

void PacedLine::receive(QByteArrayView bytes, Time now)
{
    for (const char byte : bytes) {
        m_receiveFree = std::max(now, m_receiveFree) + m_byteTime;
        m_received.push_back({byte, m_receiveFree});
    }
}

std::optional<std::pair<char, PacedLine::Time>> PacedLine::takeReceived(Time now)
{
    if (m_received.empty() || m_received.front().due > now)
        return std::nullopt;
    const Timed next = m_received.front();
    m_received.pop_front();
    return std::pair{next.byte, next.due};
}

void PacedLine::send(const RadioAnswer &answer, Time at)
{
    Time start = std::max(at + m_turnaround, m_sendFree);
    for (qsizetype piece = 0; piece < answer.pieces.size(); ++piece) {
        if (piece > 0)
            start = m_sendFree + m_piecePause;
        const QByteArray &bytes = answer.pieces[piece];
        const Time end = start + m_byteTime * static_cast<Time::rep>(bytes.size());
        Time arrival = start;
        for (const char byte : bytes) {
            // A byte reaches the PC when its stop bit is over; a glued piece arrives all at once.
            arrival += m_byteTime;
            m_sending.push_back({byte, answer.glued ? end : arrival});
        }
        m_sendFree = end;
    }
}

QByteArray PacedLine::takeDue(Time now)
{
    QByteArray due;
    while (!m_sending.empty() && m_sending.front().due <= now) {
        due.append(m_sending.front().byte);
        m_sending.pop_front();
    }
    return due;
}

std::optional<PacedLine::Time> PacedLine::nextDeadline() const
{
    std::optional<Time> next;
    if (!m_received.empty())
        next = m_received.front().due;
    if (!m_sending.empty())
        next = next ? std::min(*next, m_sending.front().due) : m_sending.front().due;
    return next;
}

} // namespace vm280
