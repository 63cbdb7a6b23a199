#include "servicegesture.h"

#include <QElapsedTimer>
#include <algorithm>

namespace vm280 {

namespace {

qint64 monotonicMs()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer.elapsed();
}

} // namespace

ServiceGesture::ServiceGesture() : ServiceGesture(monotonicMs) {}

ServiceGesture::ServiceGesture(Clock clock) : m_clock(std::move(clock)) {}

bool ServiceGesture::click(int label)
{
    if (label < 0 || label >= kLabels)
        return false;
    const qint64 now = m_clock();
    if (!anyClicked())
        m_startMs = now;
    if (now - m_startMs > kWindowMs) {
        // Too late for the running gesture: this click starts a new one.
        m_clicked.fill(false);
        m_clicked[label] = true;
        m_startMs = now;
        return false;
    }
    m_clicked[label] = true;
    if (std::ranges::all_of(m_clicked, [](bool clicked) { return clicked; }))
        m_unlocked = true;
    return m_unlocked;
}

void ServiceGesture::clear()
{
    m_clicked.fill(false);
    m_unlocked = false;
}

bool ServiceGesture::anyClicked() const
{
    return std::ranges::any_of(m_clicked, [](bool clicked) { return clicked; });
}

} // namespace vm280
