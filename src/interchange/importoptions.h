#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <utility>

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

/// The rows a CSV import takes by their Location: ranges such as "1-8,71-78", each from its
/// first to its last location inclusive.
struct LocationList
{
    QList<std::pair<int, int>> ranges;

    bool contains(int location) const;
    /// Ranges separated by commas, each "71-88" or "5" (one location), spaces allowed; nothing
    /// when a range is backwards, a location is no whole number from 0, or there is no range.
    static std::optional<LocationList> parse(QStringView text);
    /// "1-8,71-78".
    QString text() const;
};

/// How an import treats what it cannot take as it stands, and where a CSV file's rows go. The
/// band, the locations, the first channel and keep apply to CSV files only; a JSON plan carries
/// its own band and channel numbers.
struct ImportOptions
{
    bool strict = false; ///< refuse the file at the first row skipped or value warned about
    BandChoice band;
    std::optional<LocationList> locations; ///< none: every row is taken
    /// The channel the first row taken goes to, the others following in file order. Without it
    /// (and without locations) a row's Location is its channel (1 to 16); with locations alone,
    /// the rows go from channel 1.
    std::optional<int> firstChannel;
    bool keep = false; ///< keep the base plan's channels that no row lands on; else empty them
};

} // namespace vm280
