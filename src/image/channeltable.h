#pragma once

#include <QString>
#include <array>

namespace vm280 {

/// The 16 channels as the channel table shows them: 9 display texts per row and, per row, the
/// list indexes of the choice and tone cells. Rows and columns are numbered as in the table:
/// rows 1 to 16 are channels 1 to 16; column 0 is the channel number, 1 receive frequency,
/// 2 receive tone, 3 transmit frequency, 4 transmit tone, 5 power, 6 transmit forbid,
/// 7 bandwidth, 8 scan add.
struct ChannelTable
{
    static constexpr int kRows = 16;
    static constexpr int kColumns = 9;

    enum Column {
        NumberColumn = 0,
        RxFrequencyColumn = 1,
        RxToneColumn = 2,
        TxFrequencyColumn = 3,
        TxToneColumn = 4,
        PowerColumn = 5,
        ForbidColumn = 6,
        BandwidthColumn = 7,
        ScanAddColumn = 8,
    };

    ChannelTable();

    QString &cell(int row, int column) { return cells[row - 1][column]; }
    const QString &cell(int row, int column) const { return cells[row - 1][column]; }
    /// A channel is empty when its receive frequency is.
    bool isEmpty(int row) const { return cell(row, RxFrequencyColumn).isEmpty(); }

    bool operator==(const ChannelTable &) const = default;

    std::array<std::array<QString, kColumns>, kRows> cells;
    /// List index per cell, addressed [row - 1][column - 2] for columns 2 to 11: the entry of a
    /// choice cell, the last tone picked from the list for a tone cell (0 = off).
    std::array<std::array<qint16, 10>, kRows> ChoiceIndex{};
};

} // namespace vm280
