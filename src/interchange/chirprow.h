#pragma once

#include "channelvalues.h"
#include "chirpcolumns.h"
#include "csvreader.h"

#include <QLatin1StringView>
#include <QList>
#include <optional>
#include <variant>

namespace vm280 {

/// A remark on one cell of a CHIRP row: the cell, its column's name and what is wrong.
struct ChirpNote
{
    CsvField field;
    QLatin1StringView column;
    BilingualText reason;

    /// "Mode: ..." (the reason alone when the note is about the whole row).
    BilingualText text() const;
};

/// One data row of a CHIRP CSV file as the radio's channel. The values that do not depend on
/// the band are read once; the frequencies are checked for each band asked for, so choosing a
/// band reads a row only once.
class ChirpRow
{
public:
    /// The Location of record, or why it has none.
    static std::variant<int, ChirpNote> location(const CsvRecord &record, const ChirpColumns &columns);

    /// Reads the row's duplex, tones, mode, skip and power; the note says why the radio cannot
    /// take the row.
    static std::variant<ChirpRow, ChirpNote> read(const CsvRecord &record, const ChirpColumns &columns);

    /// A channel of a plan as a row: its values as the plan holds them (a channel without a
    /// transmit frequency keeps none); rx and tx are the cells notes on its frequencies name.
    static ChirpRow fromChannel(const ChannelValues &values, const ChirpNote &rx, const ChirpNote &tx);

    /// The channel in band: both frequencies checked and snapped by the editor's rules, or why
    /// the band cannot hold it. Snaps add to warnings.
    std::variant<ChannelValues, ChirpNote> inBand(int band, QList<ChirpNote> &warnings) const;

    /// The values as read, the frequencies as the file gives them.
    const ChannelValues &values() const { return m_values; }
    /// Tones outside the tone list, a Power or Skip cell taken by default.
    const QList<ChirpNote> &warnings() const { return m_warnings; }

private:
    class Reader;

    ChirpRow() = default;

    ChannelValues m_values; ///< frequencies as the file gives them
    ChirpNote m_rx;
    ChirpNote m_tx;
    QList<ChirpNote> m_warnings;
};

} // namespace vm280
