#include "radiolineup.h"

using namespace Qt::StringLiterals;

namespace vm280 {

RadioLineUp::RadioLineUp(LineUpOptions options) : m_options(std::move(options)) {}

RadioFault RadioLineUp::fault() const
{
    return m_options.faultRadio == 0 || m_options.faultRadio == m_radio ? m_options.fault : RadioFault{};
}

QString RadioLineUp::savePath() const
{
    return QString(m_options.savePath).replace(u"%n"_s, QString::number(m_radio));
}

bool RadioLineUp::operationCompleted(Time at)
{
    if (!m_pluggedIn || !swaps() || ++m_completed < m_options.unplugAfter)
        return false;
    m_pluggedIn = false;
    m_unpluggedAt = at;
    return true;
}

std::optional<RadioLineUp::Time> RadioLineUp::nextPlugIn() const
{
    if (m_pluggedIn || (m_options.radios > 0 && m_radio >= m_options.radios))
        return std::nullopt;
    return m_unpluggedAt + m_options.swapTime;
}

bool RadioLineUp::plugInIfDue(Time now)
{
    const std::optional<Time> due = nextPlugIn();
    if (!due || now < *due)
        return false;
    ++m_radio;
    m_pluggedIn = true;
    m_completed = 0;
    return true;
}

} // namespace vm280
