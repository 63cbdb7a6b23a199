#pragma once

#include "image/channeltable.h"

#include <QStringView>

namespace vm280 {

/// The channel a "Fixed" priority fixes: the first programmed channel, 1 to 16; 0 when no
/// channel is programmed, and the switch to "Fixed" is refused.
int FixedPriorityChannel(const ChannelTable &table);

/// The outcome of picking a preferred channel while the priority is "Fixed".
struct PreferredChannelChoice
{
    int channel;  ///< the preferred channel afterwards
    bool refused; ///< the chosen channel is empty; the last fixed channel comes back
};

/// An empty channel cannot be the preferred one: it is refused and lastFixed comes back.
PreferredChannelChoice CheckPreferredChannel(const ChannelTable &table, int chosen, int lastFixed);

/// The largest scan delay the radio holds, in seconds.
inline constexpr int kMaxScanDelay = 300;

/// Whether a typed scan delay is one the radio can hold: a whole number of seconds from 0 to
/// kMaxScanDelay, or nothing (which counts as 0).
bool IsValidScanDelay(QStringView text);

/// The entry of the first-digit-delay list ("100MS" to "1000MS" in steps of 50 ms) for a delay
/// in milliseconds, counting on past the list's end (1050 ms gives 19); -1 for a delay below
/// 100 ms or off the 50 ms steps.
int FirstDigitDelayIndex(int milliseconds);
/// The delay in milliseconds of an entry of the first-digit-delay list.
int FirstDigitDelayMilliseconds(int index);

} // namespace vm280
