#pragma once

#include "csvreader.h"
#include "inputerror.h"

#include <QHash>
#include <QLatin1StringView>
#include <optional>

namespace vm280 {

/// The columns of CHIRP's generic CSV layout that the radio's channels use.
namespace ChirpColumn {
inline constexpr QLatin1StringView kLocation{"Location"};
inline constexpr QLatin1StringView kName{"Name"};
inline constexpr QLatin1StringView kFrequency{"Frequency"};
inline constexpr QLatin1StringView kDuplex{"Duplex"};
inline constexpr QLatin1StringView kOffset{"Offset"};
inline constexpr QLatin1StringView kTone{"Tone"};
inline constexpr QLatin1StringView kRToneFreq{"rToneFreq"};
inline constexpr QLatin1StringView kCToneFreq{"cToneFreq"};
inline constexpr QLatin1StringView kDtcsCode{"DtcsCode"};
inline constexpr QLatin1StringView kDtcsPolarity{"DtcsPolarity"};
inline constexpr QLatin1StringView kRxDtcsCode{"RxDtcsCode"};
inline constexpr QLatin1StringView kCrossMode{"CrossMode"};
inline constexpr QLatin1StringView kMode{"Mode"};
inline constexpr QLatin1StringView kSkip{"Skip"};
inline constexpr QLatin1StringView kPower{"Power"};
inline constexpr QLatin1StringView kComment{"Comment"};
} // namespace ChirpColumn

/// Where each column of a CHIRP CSV file is, found by its name in the header row: any order,
/// any subset, unknown columns ignored.
class ChirpColumns
{
public:
    /// Takes the header row; refused when it lacks Frequency, or Location where that is needed
    /// (rows pasted into the grid go where they are pasted).
    std::optional<InputError> readHeader(const CsvRecord &header, bool locationNeeded = true);

    /// The field of column in record. An empty cell takes CHIRP's default text. A column the
    /// file lacks (or a short row) is read as CHIRP reads it: a tone frequency or receive DCS
    /// code from its stand-in column (rToneFreq and cToneFreq for each other, DtcsCode for
    /// RxDtcsCode), else the default, placed at the start of the row.
    CsvField field(const CsvRecord &record, QLatin1StringView column) const;

private:
    int indexOf(QLatin1StringView column) const;

    QHash<QString, int> m_columns; ///< by name in lower case
};

} // namespace vm280
