#pragma once

#include <QString>
#include <QStringView>

namespace vm280 {

// The test channels check no band: an entry is only snapped down to the 5 kHz or the 6.25 kHz
// raster. A text without a number counts as 0.

/// The receive frequency a typed text becomes: empty stays empty; otherwise the value snapped
/// down to whichever raster leaves the smaller remainder (a tie goes to 6.25 kHz), "0.00000".
QString SnapTestReceive(QStringView typed);

/// The transmit frequency a typed text becomes beside the receive text: empty takes the
/// receive text; otherwise the value snapped down to the raster the receive frequency is on.
QString SnapTestTransmit(QStringView typed, QStringView receive);

/// A transmit frequency can only be entered beside a receive frequency.
bool CanEditTestTransmit(QStringView receive);

} // namespace vm280
