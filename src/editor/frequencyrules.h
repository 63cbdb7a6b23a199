#pragma once

#include <QString>
#include <QStringView>

namespace vm280 {

/// Whole-MHz limits of a band: frequencies f with BandLow <= f < BandHigh are accepted.
struct BandLimits
{
    int BandLow = 400;
    int BandHigh = 480;

    bool operator==(const BandLimits &) const = default;
};

/// The limits of a band selector entry, read from its text "LLL-HHHMHz".
BandLimits BandLimitsOf(QStringView bandText);

/// Snaps a frequency text formatted "0.00000" down to the channel raster: within each 100 kHz
/// the multiples of 5 kHz and of 6.25 kHz are valid, and the nearest valid point below wins.
double SnapFrequency(const QString &text);

/// A frequency in MHz as the table shows it: five decimals ("438.01250").
QString FormatFrequency(double mhz);

/// The outcome of typing a frequency into a channel's frequency cell.
struct FrequencyEntry
{
    enum Outcome {
        Empty,      ///< nothing typed: erases a receive frequency, keeps a transmit frequency
        NotNumeric, ///< ignored; the cell keeps its text
        OutOfBand,  ///< refused with "Beyond the frequency range"
        Accepted,   ///< text holds the snapped frequency
    };
    Outcome outcome;
    QString text;
};

/// True for a frequency cell's text that does not lie in the band: a number outside the limits,
/// or a text that is no number at all (a radio's memory may hold anything). An empty cell holds
/// no frequency and lies in every band.
bool IsOutsideBand(QStringView frequency, const BandLimits &limits);

/// Checks a typed frequency against the band and snaps it to the raster. The band test uses
/// the value as typed; the snap happens after it.
FrequencyEntry CheckFrequency(QStringView typed, const BandLimits &limits);

/// What is left of f (MHz) above the last multiple of step below it; 0 for a multiple of step
/// (up to rounding noise), f itself when f < step.
double RasterRemainder(double step, double f);

} // namespace vm280
