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

/// The longest scan delay the radio holds, in seconds.
int MaxScanDelay();

/// Whether a typed scan delay is one the radio can hold: a whole number of seconds from 0 to
/// MaxScanDelay(), or nothing (which counts as 0).
bool IsValidScanDelay(QStringView text);

} // namespace vm280
