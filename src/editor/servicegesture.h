#pragma once

#include <QtGlobal>
#include <array>
#include <functional>

namespace vm280 {

/// The hidden gesture that unlocks service mode: three designated labels clicked, in any
/// order, within five seconds of the first click. Time comes from a monotonic clock, so a
/// change of the time of day (midnight, a clock adjustment) cannot make or break a gesture.
class ServiceGesture
{
public:
    /// Milliseconds on a monotonic clock.
    using Clock = std::function<qint64()>;

    static constexpr int kLabels = 3;
    static constexpr qint64 kWindowMs = 5000;

    /// A gesture timed by the system's monotonic clock.
    ServiceGesture();
    explicit ServiceGesture(Clock clock);

    /// A click on designated label 0, 1 or 2. True when service mode is to be entered: the
    /// gesture is complete and this click came within the window.
    bool click(int label);
    /// Forgets every click and the unlock, as leaving service mode does.
    void clear();
    bool unlocked() const { return m_unlocked; }

private:
    bool anyClicked() const;

    Clock m_clock;
    std::array<bool, kLabels> m_clicked{};
    qint64 m_startMs = 0;
    bool m_unlocked = false;
};

} // namespace vm280
