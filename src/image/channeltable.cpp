#include "channeltable.h"

using namespace Qt::StringLiterals;

namespace vm280 {

ChannelTable::ChannelTable()
{
    for (int row = 1; row <= kRows; ++row)
        cell(row, NumberColumn) = u"%1"_s.arg(row, 2, 10, QLatin1Char('0'));
}

} // namespace vm280
