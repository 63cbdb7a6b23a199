#include "importchoice.h"

#include "image/bands.h"

#include <algorithm>
#include <array>

namespace vm280 {

ImportChoice::ImportChoice(ChannelList list, int band)
    : m_list(std::move(list)), m_ticked(m_list.size(), false), m_band(band),
      m_placement(Placement::defaultFor(m_list))
{
    tickDefault();
}

void ImportChoice::setBand(int band)
{
    m_band = band;
    place();
}

void ImportChoice::fitBand(int band)
{
    const int best = bestBand();
    const bool holdsAsMany = best < 0 || RowsInBand(m_list, m_ticked, band, m_placement) ==
                                             RowsInBand(m_list, m_ticked, best, m_placement);
    setBand(holdsAsMany ? band : best);
}

int ImportChoice::bestBand() const
{
    return BestBand(m_list, m_ticked, m_placement);
}

void ImportChoice::setPlacement(Placement placement)
{
    m_placement = placement;
    place();
}

void ImportChoice::setTicked(int row, bool ticked)
{
    m_ticked[row] = ticked;
    place();
}

void ImportChoice::setTicked(const QList<int> &rows, bool ticked)
{
    for (int row : rows)
        m_ticked[row] = ticked;
    place();
}

void ImportChoice::tickLocations(const LocationList &locations)
{
    for (int row = 0; row < m_list.size(); ++row) {
        const auto *location = std::get_if<int>(&m_list.row(row).number);
        m_ticked[row] = location && locations.contains(*location);
    }
    place();
}

void ImportChoice::tickDefault()
{
    std::array<bool, ChannelTable::kRows> used{};
    int room = m_placement.room();
    for (int row = 0; row < m_list.size(); ++row) {
        m_ticked[row] = false;
        if (!takenInSomeBand(row))
            continue;
        if (m_placement.mode == Placement::FileOrder) {
            m_ticked[row] = room-- > 0;
            continue;
        }
        const int location = std::get<int>(m_list.row(row).number);
        if (location >= 1 && location <= ChannelTable::kRows && !used[location - 1])
            m_ticked[row] = used[location - 1] = true;
    }
    place();
}

int ImportChoice::tickedCount() const
{
    return int(std::count(m_ticked.cbegin(), m_ticked.cend(), true));
}

int ImportChoice::placedCount() const
{
    return int(std::count_if(m_landings.cbegin(), m_landings.cend(),
                             [](const Landing &landing) { return landing.outcome == Landing::Placed; }));
}

std::optional<ChoiceProblem> ImportChoice::problem() const
{
    const auto misplaced = std::find_if(m_landings.cbegin(), m_landings.cend(),
                                        [](const Landing &landing) { return landing.misplaced(); });
    if (misplaced == m_landings.cend()) {
        if (placedCount() == 0)
            return ChoiceProblem{ChoiceProblem::NothingToImport};
        return std::nullopt;
    }
    const int row = int(misplaced - m_landings.cbegin());
    switch (misplaced->outcome) {
    case Landing::NoChannel:
        return ChoiceProblem{ChoiceProblem::NoChannel, row};
    case Landing::ChannelTaken:
        return ChoiceProblem{ChoiceProblem::ChannelTwice, row, misplaced->takenBy};
    default:
        break;
    }
    const int count = int(std::count_if(m_landings.cbegin(), m_landings.cend(), [](const Landing &landing) {
        return landing.outcome == Landing::Placed || landing.outcome == Landing::NoRoom;
    }));
    return ChoiceProblem{ChoiceProblem::TooManyRows, -1, -1, count};
}

void ImportChoice::apply(ChannelTable &table, const ChoiceTexts &texts) const
{
    WriteLandings(m_landings, table, texts);
}

bool ImportChoice::takenInSomeBand(int row) const
{
    const ListRow &listRow = m_list.row(row);
    if (!std::holds_alternative<int>(listRow.number) || !std::holds_alternative<ChirpRow>(listRow.channel))
        return false;
    for (int band = 0; band < kBandCount; ++band) {
        QList<ChirpNote> warnings;
        if (std::holds_alternative<ChannelValues>(std::get<ChirpRow>(listRow.channel).inBand(band, warnings)))
            return true;
    }
    return false;
}

void ImportChoice::place()
{
    m_landings = PlaceRows(m_list, m_ticked, m_band, m_placement);
}

} // namespace vm280
