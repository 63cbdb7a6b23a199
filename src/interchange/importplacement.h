#pragma once

#include "channellist.h"
#include "channelvalues.h"
#include "chirprow.h"

#include "image/channeltable.h"
#include "image/choicetexts.h"

#include <QList>
#include <optional>

namespace vm280 {

/// Where the rows taken from a channel list go.
struct Placement
{
    enum Mode {
        ByLocation, ///< a row's Location is its channel, 1 to 16
        FileOrder,  ///< the rows fill the channels from firstChannel on, in file order
    };
    Mode mode = FileOrder;
    int firstChannel = 1; ///< FileOrder: the channel the first row goes to, 1 to 16

    bool operator==(const Placement &) const = default;

    /// ByLocation when every row the radio can take has a Location from 1 to 16 of its own (a
    /// list of this radio's channels, a plan); else FileOrder from channel 1, so a list numbered
    /// from 0, from 25 or beyond 16 fills the channels from the first.
    static Placement defaultFor(const ChannelList &list);
    /// The number of channels from firstChannel to 16: the rows file order can place.
    int room() const;
};

/// What became of one row of a channel list in a band.
struct Landing
{
    enum Outcome {
        NotTaken,       ///< the row was not taken
        Unprogrammable, ///< the radio cannot take the row in the band; note says why
        NoChannel,      ///< by Location: the Location is no channel from 1 to 16
        NoRoom,         ///< in file order: the channels up to 16 are filled by earlier rows
        ChannelTaken,   ///< by Location: an earlier row takes the channel (takenBy)
        Placed,         ///< the row lands on channel
    };
    Outcome outcome = NotTaken;
    int channel = 0;  ///< Placed: the channel; ChannelTaken: the channel asked for
    int takenBy = -1; ///< ChannelTaken: the row that takes the channel
    /// Why a row taken gets no channel; for a row not taken, why the radio could not take it.
    std::optional<ChirpNote> note;
    std::optional<ChannelValues> values; ///< Placed: the channel the row makes
    QList<ChirpNote> warnings;           ///< Placed: values taken otherwise than they stand

    /// The radio can take the row, but it has no channel: the rows taken do not fit.
    bool misplaced() const { return outcome == NoChannel || outcome == NoRoom || outcome == ChannelTaken; }
};

/// Where each row of list lands in band when the rows with taken[i] set are taken, as placement
/// says. A row the radio cannot take never uses up a channel; a row without a channel is noted
/// with the reason, as the command line reports it.
QList<Landing> PlaceRows(const ChannelList &list, const QList<bool> &taken, int band, Placement placement);

/// How many of the rows taken the radio can take in band, of those placement can give a channel
/// at all (by Location, the rows at Locations 1 to 16).
int RowsInBand(const ChannelList &list, const QList<bool> &taken, int band, Placement placement);
/// The band holding the most of the rows taken (ties go to the lower index), or -1 when no band
/// holds one.
int BestBand(const ChannelList &list, const QList<bool> &taken, Placement placement);

/// Writes the placed rows into table as the editor would: each channel a row lands on is emptied
/// and filled; the other channels stay as they are.
void WriteLandings(const QList<Landing> &landings, ChannelTable &table, const ChoiceTexts &texts);

} // namespace vm280
