#pragma once

#include <QtGlobal>
#include <optional>

namespace vm280 {

/// Two presses of one button within a second: how service mode is left. Times come from a
/// monotonic clock in milliseconds, so the time of day (midnight, clock changes) plays no part.
class DoublePress
{
public:
    static constexpr qint64 kWindowMs = 1000;

    /// A press at nowMs; true when it completes a double press (the timing then starts over).
    bool press(qint64 nowMs);
    void clear() { m_firstPress.reset(); }

private:
    std::optional<qint64> m_firstPress;
};

} // namespace vm280
