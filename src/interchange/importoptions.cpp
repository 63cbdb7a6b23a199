#include "importoptions.h"

#include "image/bands.h"

#include <QStringList>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

std::optional<int> wholeNumber(QStringView text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < 0)
        return std::nullopt;
    return number;
}

} // namespace

std::optional<BandChoice> BandChoice::parse(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.compare("auto"_L1, Qt::CaseInsensitive) == 0)
        return BandChoice{Automatic, 0};
    if (const auto index = wholeNumber(trimmed); index && *index < kBandCount)
        return BandChoice{Fixed, *index};
    for (int index = 0; index < kBandCount; ++index) {
        if (trimmed.compare(BandText(index), Qt::CaseInsensitive) == 0)
            return BandChoice{Fixed, index};
    }
    return std::nullopt;
}

bool LocationList::contains(int location) const
{
    return std::any_of(ranges.cbegin(), ranges.cend(), [location](const auto &range) {
        return range.first <= location && location <= range.second;
    });
}

std::optional<LocationList> LocationList::parse(QStringView text)
{
    LocationList list;
    for (const QStringView range : text.split(u',')) {
        const qsizetype dash = range.indexOf(u'-');
        const auto first = wholeNumber(dash < 0 ? range : range.first(dash));
        const auto last = dash < 0 ? first : wholeNumber(range.sliced(dash + 1));
        if (!first || !last || *first > *last)
            return std::nullopt;
        list.ranges.append({*first, *last});
    }
    return list;
}

QString LocationList::text() const
{
    QStringList texts;
    for (const auto &[first, last] : ranges)
        texts << (first == last ? QString::number(first) : u"%1-%2"_s.arg(first).arg(last));
    return texts.join(u',');
}

} // namespace vm280
