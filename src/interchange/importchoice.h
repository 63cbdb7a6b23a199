#pragma once

#include "channellist.h"
#include "importoptions.h"
#include "importplacement.h"

#include "image/channeltable.h"
#include "image/choicetexts.h"

#include <QList>
#include <optional>

namespace vm280 {

/// Why the rows ticked in an import cannot be imported as they stand.
struct ChoiceProblem
{
    enum Kind {
        NothingToImport, ///< no ticked row can be programmed in the band
        TooManyRows,     ///< in file order, count rows the radio can take, more than the channels left
        NoChannel,       ///< by Location, the ticked row's Location is no channel from 1 to 16
        ChannelTwice,    ///< by Location, the ticked row's channel is the earlier row's too
    };
    Kind kind = NothingToImport;
    int row = -1;     ///< NoChannel, ChannelTwice: the row
    int earlier = -1; ///< ChannelTwice: the row that has the channel first
    int count = 0;    ///< TooManyRows: the ticked rows the radio can take
};

/// The choices of an import and what they give: which rows of a list are ticked, the band they
/// are checked against, where they go, and where each ticked row lands. A row the radio cannot
/// take in the band may be ticked (another band may hold it) but takes no channel.
class ImportChoice
{
public:
    /// Starts with the placement the list suggests (Placement::defaultFor), its rows ticked as
    /// tickDefault ticks them, and band.
    ImportChoice(ChannelList list, int band);

    const ChannelList &list() const { return m_list; }

    int band() const { return m_band; }
    void setBand(int band);
    /// Keeps band when it holds as many ticked rows as any band, else takes the band holding the
    /// most: a plan's band stays as long as nothing is lost by it.
    void fitBand(int band);
    /// The band holding the most ticked rows (ties: the lower index), or -1 when none holds one.
    int bestBand() const;

    Placement placement() const { return m_placement; }
    void setPlacement(Placement placement);

    bool isTicked(int row) const { return m_ticked[row]; }
    void setTicked(int row, bool ticked);
    void setTicked(const QList<int> &rows, bool ticked);
    /// Ticks the rows whose Location lies in locations, and no others.
    void tickLocations(const LocationList &locations);
    /// Ticks the rows a plan takes without being told: rows the radio can take in some band, as
    /// many as the placement has channels for (by Location, the first row at each channel).
    void tickDefault();
    int tickedCount() const;

    const Landing &landing(int row) const { return m_landings[row]; }
    int placedCount() const;
    /// Why the ticked rows cannot be imported; nothing when they can.
    std::optional<ChoiceProblem> problem() const;

    /// Writes the placed rows into table as the editor would; the other channels stay.
    void apply(ChannelTable &table, const ChoiceTexts &texts) const;

private:
    bool takenInSomeBand(int row) const;
    void place();

    ChannelList m_list;
    QList<bool> m_ticked;
    int m_band;
    Placement m_placement;
    QList<Landing> m_landings;
};

} // namespace vm280
