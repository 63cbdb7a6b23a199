#include "importoptions.h"

#include "image/bands.h"

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

std::optional<LocationRange> LocationRange::parse(QStringView text)
{
    const qsizetype dash = text.indexOf(u'-');
    const auto first = wholeNumber(dash < 0 ? text : text.first(dash));
    const auto last = dash < 0 ? first : wholeNumber(text.sliced(dash + 1));
    if (!first || !last || *first > *last)
        return std::nullopt;
    return LocationRange{*first, *last};
}

QString LocationRange::text() const
{
    return first == last ? QString::number(first) : u"%1-%2"_s.arg(first).arg(last);
}

} // namespace vm280
