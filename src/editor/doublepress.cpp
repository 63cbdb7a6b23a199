#include "doublepress.h"

namespace vm280 {

bool DoublePress::press(qint64 nowMs)
{
    if (m_firstPress && nowMs - *m_firstPress < kWindowMs) {
        m_firstPress.reset();
        return true;
    }
    m_firstPress = nowMs;
    return false;
}

} // namespace vm280
