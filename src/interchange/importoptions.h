#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace vm280 {

/// Which band a CSV import checks its rows against.
struct BandChoice
{
    enum Kind {
        PlanBand,  ///< the base plan's band
        Fixed,     ///< the band of index
        Automatic, ///< the band that holds the most importable rows; ties go to the lower index
    };
    Kind kind = PlanBand;
    int index = 0;

    /// "auto", a band index ("5") or a band's text ("136-174MHz"); nothing for anything else.
    static std::optional<BandChoice> parse(QStringView text);
};

/// The rows a CSV import takes by their Location, first to last inclusive.
struct LocationRange
{
    int first = 1;
    int last = 1;

    bool contains(int location) const { return first <= location && location <= last; }
    /// "71-88" (or "5", one location); nothing unless first <= last, both from 0.
    static std::optional<LocationRange> parse(QStringView text);
    QString text() const;
};

/// How an import treats what it cannot take as it stands. The band and the locations apply
/// to CSV files only; a JSON plan carries its own band and channel numbers.
struct ImportOptions
{
    bool strict = false; ///< refuse the file at the first row skipped or value warned about
    BandChoice band;
    std::optional<LocationRange> locations; ///< none: a row's Location is its channel (1 to 16)
};

} // namespace vm280
