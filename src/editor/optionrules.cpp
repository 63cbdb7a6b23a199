#include "optionrules.h"

#include "image/settingcatalog.h"

namespace vm280 {

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
    return text.size() <= 4 && text.toInt() <= MaxScanDelay();
}

// Both delays take the same numbers.
int MaxScanDelay()
{
    return int(SettingCatalog::range(SettingId::ScanReceiveDelay).max);
}

} // namespace vm280
