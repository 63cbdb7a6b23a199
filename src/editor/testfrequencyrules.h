#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace vm280 {

// The test channels check no band: an entry is only snapped down to the 5 kHz or the 6.25 kHz
// raster. What a cell shows is what the image stores: three digits before the full stop and
// five after ("050.00000"), so a text that is no number, or a frequency below 0 or from 1000 MHz
// on, has no place there and is refused (nothing).

/// The receive frequency a typed text becomes: empty stays empty; a number is snapped down to
/// whichever raster leaves the smaller remainder (a tie goes to 6.25 kHz).
std::optional<QString> SnapTestReceive(QStringView typed);

/// The transmit frequency a typed text becomes beside the receive text: empty takes the
/// receive text; a number is snapped down to the raster the receive frequency is on.
std::optional<QString> SnapTestTransmit(QStringView typed, QStringView receive);

/// A transmit frequency can only be entered beside a receive frequency.
bool CanEditTestTransmit(QStringView receive);

} // namespace vm280
