#pragma once

#include "editor/localtext.h"

#include <QString>
#include <QStringView>

namespace vm280 {

/// A value on its way into a channel cell: the text the cell gets, or why it gets none.
struct CheckedValue
{
    QString text;
    BilingualText warning; ///< set when the value is taken, but not as the editor would let it be typed
    BilingualText fault;   ///< set when the value is refused; text and warning are then empty

    bool refused() const { return !fault.isEmpty(); }
};

/// The rules one imported value passes. The typed rules are the channel editor's, for lists
/// from other programs; the stored rules take whatever a memory image can hold, so a plan the
/// tool opened comes back through its own JSON unchanged.
class ValueChecks
{
public:
    /// A frequency as the frequency editor takes it: a number inside the band, snapped down to
    /// the raster. A snap that moves the value is a warning.
    static CheckedValue typedFrequency(QStringView typed, int band);

    /// A frequency as a frequency field holds it: a text of the stored form is kept as it
    /// stands, raw digits A-F included; any other number from 0 to 999.99999 is written with
    /// five decimals. Raw digits, a value outside band (none when band is -1) and a value off
    /// the raster are warnings.
    static CheckedValue storedFrequency(QStringView text, int band);

    /// A tone as the tone editor normalises it ("100" gives "100.0", "d23n" "D023N"; empty is
    /// off). A tone outside the tone list is a warning; one the radio cannot store is refused.
    static CheckedValue typedTone(QStringView typed);

    /// A tone as a channel holds it: any text the decoder shows for a tone code is kept as it
    /// stands, with a warning when it is not in the tone list; other texts as typedTone.
    static CheckedValue storedTone(QStringView text);
};

} // namespace vm280
