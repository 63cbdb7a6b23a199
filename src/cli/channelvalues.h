#pragma once

#include "image/channeltable.h"
#include "image/choicetexts.h"

#include <QString>
#include <optional>

namespace vm280::cli {

/// The fields of a channel that an import can refuse.
enum class ChannelField {
    RxFrequency,
    TxFrequency,
    RxTone,
    TxTone,
};

/// Why a channel was refused.
struct ChannelFault
{
    ChannelField field;
    QString reason;
};

/// One channel in words that mean the same in every language: the form the exchange formats
/// carry. A tone is empty when off, otherwise its list text ("67.0", "D023N", "D023I").
struct ChannelValues
{
    QString rxFrequency;
    QString txFrequency; ///< empty: no transmit frequency
    QString rxTone;
    QString txTone;
    bool highPower = true; ///< the defaults are those of a newly entered channel
    bool forbid = false;
    bool wide = true;
    bool scanAdd = true;

    /// The channel at row of a non-empty table row, read the way the encoder reads it.
    static ChannelValues read(const ChannelTable &table, int row, const ChoiceTexts &texts);

    /// The tone list entry a typed tone stands for ("" for off, "100" gives "100.0", "d23n"
    /// gives "D023N"), or nothing when the radio's tone list does not hold it.
    static std::optional<QString> listedTone(const QString &typed);

    /// Checks the channel by the channel editor's rules for the band and, when it passes, fills
    /// the row as the editor would: cell texts in the words of texts, and the list indexes.
    /// Frequencies are snapped to the raster; a frequency out of the band, a non-numeric one
    /// or a tone that is not in the tone list is refused and leaves the table unchanged.
    std::optional<ChannelFault> writeTo(ChannelTable &table, int row, int band,
                                        const ChoiceTexts &texts) const;

    /// Empties every channel of table as the band change does.
    static void clearAll(ChannelTable &table);
};

} // namespace vm280::cli
