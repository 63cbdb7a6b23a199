#pragma once

#include "image/channeltable.h"
#include "image/choicetexts.h"

#include <QString>

namespace vm280 {

/// One channel in words that mean the same in every language: the form the exchange formats
/// carry. A tone is empty when off, otherwise its cell text ("67.0", "D023N", "D023I").
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

    /// Fills the row as the editor would: the texts as they stand (they have been checked by
    /// the importer), the choice cells in the words of texts, and the list indexes.
    void write(ChannelTable &table, int row, const ChoiceTexts &texts) const;

    /// Empties every channel of table as the band change does.
    static void clearAll(ChannelTable &table);
};

} // namespace vm280
