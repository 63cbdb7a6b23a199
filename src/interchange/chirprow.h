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
    /// take the row. The row is read from record, which must outlive it.
    static std::variant<ChirpRow, ChirpNote> read(const CsvRecord &record, const ChirpColumns &columns);

    /// The channel in band: both frequencies checked and snapped by the editor's rules, or why
    /// the band cannot hold it. Snaps add to warnings.
    std::variant<ChannelValues, ChirpNote> inBand(int band, QList<ChirpNote> &warnings) const;

    /// Tones outside the tone list, a Power or Skip cell taken by default.
    const QList<ChirpNote> &warnings() const { return m_warnings; }

private:
    /// A tone as read from the columns: empty for off, else "67.0" or "D023N".
    struct Tone
    {
        QString text;
        ChirpNote source;
    };

    ChirpRow(const CsvRecord &record, const ChirpColumns &columns) : m_record(record), m_columns(columns) {}

    ChirpNote note(QLatin1StringView column, const BilingualText &reason = {}) const;
    std::optional<ChirpNote> readDuplex();
    std::optional<ChirpNote> readTones();
    std::optional<ChirpNote> readCrossTones(Tone &tx, Tone &rx);
    std::variant<Tone, ChirpNote> ctcss(QLatin1StringView column);
    std::variant<Tone, ChirpNote> dcs(QLatin1StringView column, int side);
    std::optional<ChirpNote> checkTone(Tone &tone);
    std::optional<ChirpNote> readChoices();

    const CsvRecord &m_record;
    const ChirpColumns &m_columns;
    ChannelValues m_values; ///< frequencies as the file gives them
    ChirpNote m_rx;
    ChirpNote m_tx;
    QList<ChirpNote> m_warnings;
};

} // namespace vm280
