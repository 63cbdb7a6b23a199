#pragma once

#include "frequencyrules.h"

#include "image/channeltable.h"
#include "image/choicetexts.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace vm280 {

// Edits of several channels at once: the channels selected in the grid (rows 1 to 16, in
// order). Each channel goes through the rules of typing into its cell; empty channels have no
// cells to set but their receive frequency.

/// Picks entry index of column's list (the tone list for 2 and 4, the two-entry lists for 5 to 8)
/// in every programmed channel among rows, as picking it in each cell would. Returns the
/// channels set.
QList<int> PickEntryFor(ChannelTable &table, const QList<int> &rows, int column, int index,
                        const ChoiceTexts &texts);

/// Sets a tone typed for column (2 or 4) in every programmed channel among rows, as the tone
/// editor commits it ("100" gives "100.0", "d23n" "D023N"); a text that is a list entry is picked.
/// Nothing changes when the text is no tone a cell takes (a CTCSS value outside 67.0 to 254.1
/// Hz, a word): the answer is then nothing, else the channels set.
std::optional<QList<int>> SetToneFor(ChannelTable &table, const QList<int> &rows, int column,
                                     QStringView text, const ChoiceTexts &texts);

/// Why a fill down changed nothing.
struct FillDownRefusal
{
    enum Kind {
        TooFewChannels, ///< fewer than two channels selected
        NoStart,        ///< the first channel has no receive frequency
        BadStep,        ///< the step is no number of kHz other than 0 the raster can take
        OutsideBand,    ///< channel would get frequency, outside the band
        OffRaster,      ///< channel would get frequency, off the 5 / 6.25 kHz raster
    };
    Kind kind;
    int channel = 0;
    QString frequency = {};
};

/// Gives the channels of rows after the first the first one's receive frequency plus one step
/// each (kHz): the second channel f + step, the third f + 2 step, and so on. Each frequency must
/// lie in the band and on the raster, or nothing changes. An empty channel is created as typing
/// its receive frequency creates it; a channel that sent where it listened does so on its new
/// frequency, another keeps its transmit frequency.
std::optional<FillDownRefusal> FillDown(ChannelTable &table, const QList<int> &rows, QStringView stepKHz,
                                        const BandLimits &limits, const ChoiceTexts &texts);

} // namespace vm280
