#include "optionrules.h"

namespace vm280 {

namespace {

constexpr int kFirstDelayMs = 100;
constexpr int kDelayStepMs = 50;

} // namespace

int FixedPriorityChannel(const ChannelTable &table)
{
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (!table.isEmpty(row))
            return row;
    }
    return 0;
}

PreferredChannelChoice CheckPreferredChannel(const ChannelTable &table, int chosen, int lastFixed)
{
    if (chosen >= 1 && chosen <= ChannelTable::kRows && !table.isEmpty(chosen))
        return {chosen, false};
    return {lastFixed, true};
}

bool IsValidScanDelay(QStringView text)
{
    if (text.isEmpty())
        return true;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    // At most four digits keeps the conversion from overflowing; "0300" is still 300.
    return text.size() <= 4 && text.toInt() <= kMaxScanDelay;
}

int FirstDigitDelayIndex(int milliseconds)
{
    if (milliseconds < kFirstDelayMs || (milliseconds - kFirstDelayMs) % kDelayStepMs != 0)
        return -1;
    return (milliseconds - kFirstDelayMs) / kDelayStepMs;
}

int FirstDigitDelayMilliseconds(int index)
{
    return kFirstDelayMs + kDelayStepMs * index;
}

} // namespace vm280
