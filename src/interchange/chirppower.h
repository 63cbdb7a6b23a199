#pragma once

#include <QString>
#include <QStringView>

#include "editor/localtext.h"

namespace vm280 {

/// The Power column of CHIRP's CSV layout. CHIRP reads a power only in watts, so the radio's two
/// levels are written with one nominal figure each; a power read back goes to the nearer level.
class ChirpPower
{
public:
    static constexpr double kHighWatts = 5.0;
    static constexpr double kLowWatts = 1.0;

    /// "5.0W" for high power, "1.0W" for low.
    static QString text(bool high);

    /// Whether a Power cell means high power. "High" and "Low" count by name; a power in watts
    /// ("2W", "5.0W", "0.5 W", "500mW") is high when it is nearer 5.0 W than 1.0 W, so 3 W and
    /// more; an empty cell is high, CHIRP's first level. Anything else is high with a warning.
    static bool isHigh(QStringView cell, BilingualText &warning);
};

} // namespace vm280
