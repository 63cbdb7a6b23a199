#include "importplacement.h"

#include "chirpcolumns.h"

#include "editor/channeledits.h"
#include "image/bands.h"

#include <array>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

bool isChannel(int location)
{
    return location >= 1 && location <= ChannelTable::kRows;
}

ChirpNote locationNote(const ListRow &row, const BilingualText &reason)
{
    return {row.location, ChirpColumn::kLocation, reason};
}

// The reason a row is refused whatever its channel: no Location number, or values the radio
// cannot take in band.
std::optional<ChirpNote> refusal(const ChannelList &list, int index, int band, Landing &landing)
{
    const ListRow &row = list.row(index);
    if (const auto *note = std::get_if<ChirpNote>(&row.number))
        return *note;
    auto values = list.inBand(index, band, landing.warnings);
    if (const auto *note = std::get_if<ChirpNote>(&values))
        return *note;
    landing.values = std::get<ChannelValues>(std::move(values));
    return std::nullopt;
}

BilingualText noRoomReason(Placement placement)
{
    if (placement.firstChannel == 1)
        return {u"16 个信道已被前面的行占满"_s, u"all 16 channels are taken by earlier rows"_s};
    return BilingualText{u"信道 %1 到 16 已被前面的行占满"_s,
                         u"channels %1 to 16 are taken by earlier rows"_s}
        .arg(placement.firstChannel);
}

} // namespace

Placement Placement::defaultFor(const ChannelList &list)
{
    std::array<bool, ChannelTable::kRows> used{};
    for (int index = 0; index < list.size(); ++index) {
        const ListRow &row = list.row(index);
        if (std::holds_alternative<ChirpNote>(row.channel) || std::holds_alternative<ChirpNote>(row.number))
            continue;
        const int location = std::get<int>(row.number);
        if (!isChannel(location) || used[location - 1])
            return {FileOrder, 1};
        used[location - 1] = true;
    }
    return {ByLocation, 1};
}

int Placement::room() const
{
    return ChannelTable::kRows - firstChannel + 1;
}

QList<Landing> PlaceRows(const ChannelList &list, const QList<bool> &taken, int band, Placement placement)
{
    QList<Landing> landings(list.size());
    std::array<int, ChannelTable::kRows> holder;
    holder.fill(-1);
    int placed = 0;
    for (int index = 0; index < list.size(); ++index) {
        Landing &landing = landings[index];
        const ListRow &row = list.row(index);
        const bool rowTaken = taken.value(index);
        const auto *location = std::get_if<int>(&row.number);
        if (rowTaken && placement.mode == Placement::ByLocation && location && !isChannel(*location)) {
            landing.outcome = Landing::NoChannel;
            landing.note = locationNote(
                row, BilingualText{u"%1 不是 1 到 16 的信道"_s, u"%1 is not a channel from 1 to 16"_s}.arg(
                         *location));
            continue;
        }
        landing.note = refusal(list, index, band, landing);
        if (!rowTaken || landing.note) {
            landing.outcome = rowTaken ? Landing::Unprogrammable : Landing::NotTaken;
            landing.values.reset();
            landing.warnings.clear();
            continue;
        }
        const int channel =
            placement.mode == Placement::ByLocation ? *location : placement.firstChannel + placed;
        if (channel > ChannelTable::kRows) {
            landing.outcome = Landing::NoRoom;
            landing.note = locationNote(row, noRoomReason(placement));
        } else if (const int earlier = holder[channel - 1]; earlier >= 0) {
            landing.outcome = Landing::ChannelTaken;
            landing.channel = channel;
            landing.takenBy = earlier;
            landing.note = locationNote(
                row,
                BilingualText{u"信道 %1 已在第 %2 行给出"_s, u"channel %1 is already given on line %2"_s}.arg(
                    QString::number(channel), QString::number(list.row(earlier).location.line)));
        } else {
            landing.outcome = Landing::Placed;
            landing.channel = channel;
            holder[channel - 1] = index;
            ++placed;
            continue;
        }
        landing.values.reset();
        landing.warnings.clear();
    }
    return landings;
}

int RowsInBand(const ChannelList &list, const QList<bool> &taken, int band, Placement placement)
{
    int count = 0;
    for (int index = 0; index < list.size(); ++index) {
        const auto *location = std::get_if<int>(&list.row(index).number);
        if (!taken.value(index) || !location ||
            (placement.mode == Placement::ByLocation && !isChannel(*location)))
            continue;
        QList<ChirpNote> warnings;
        count += std::holds_alternative<ChannelValues>(list.inBand(index, band, warnings));
    }
    return count;
}

int BestBand(const ChannelList &list, const QList<bool> &taken, Placement placement)
{
    int best = -1;
    int bestCount = 0;
    for (int band = 0; band < kBandCount; ++band) {
        const int count = RowsInBand(list, taken, band, placement);
        if (count > bestCount) {
            best = band;
            bestCount = count;
        }
    }
    return best;
}

void WriteLandings(const QList<Landing> &landings, ChannelTable &table, const ChoiceTexts &texts)
{
    for (const Landing &landing : landings) {
        if (landing.outcome != Landing::Placed)
            continue;
        ClearNO(table, landing.channel);
        landing.values->write(table, landing.channel, texts);
    }
}

} // namespace vm280
