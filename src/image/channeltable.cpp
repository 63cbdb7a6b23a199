#include "channeltable.h"

namespace vm280 {

ChannelTable::ChannelTable()
{
    for (int row = 1; row <= kRows; ++row)
        cell(row, NumberColumn) = QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
}

} // namespace vm280
