#include "selectionedits.h"

#include "channeledits.h"
#include "tonerules.h"

#include "image/numeric.h"

#include <cmath>

namespace vm280 {

namespace {

constexpr qint64 kUnitsPerMHz = 100000; // the table's frequencies are whole tens of hertz
constexpr double kUnitsPerKHz = 100;

QList<int> programmed(const ChannelTable &table, const QList<int> &rows)
{
    QList<int> channels;
    for (int row : rows) {
        if (row >= 1 && row <= ChannelTable::kRows && !table.isEmpty(row))
            channels << row;
    }
    return channels;
}

// A step typed in kHz, as a whole number of ten hertz; nothing for any other text.
std::optional<qint64> stepUnits(QStringView stepKHz)
{
    const std::optional<double> kHz = ParseDecimal(stepKHz.trimmed());
    if (!kHz)
        return std::nullopt;
    const double units = *kHz * kUnitsPerKHz;
    if (std::abs(units - std::round(units)) > 1e-6 || std::llround(units) == 0)
        return std::nullopt;
    return std::llround(units);
}

} // namespace

QList<int> PickEntryFor(ChannelTable &table, const QList<int> &rows, int column, int index,
                        const ChoiceTexts &texts)
{
    const QList<int> channels = programmed(table, rows);
    for (int row : channels)
        PickEntry(table, row, column, index, texts);
    return channels;
}

std::optional<QList<int>> SetToneFor(ChannelTable &table, const QList<int> &rows, int column,
                                     QStringView text, const ChoiceTexts &texts)
{
    const int listed = ToneListIndex(text, texts.toneOff);
    if (listed >= 0)
        return PickEntryFor(table, rows, column, listed, texts);
    // The tone editor's keys turn d, n and i into capitals as they are typed.
    const QString typed = text.trimmed().toString().toUpper();
    if (NormaliseTone(typed, -1).outcome != ToneEntry::Set)
        return std::nullopt;
    const QList<int> channels = programmed(table, rows);
    for (int row : channels)
        CommitTone(table, row, column, typed, -1, texts);
    return channels;
}

std::optional<FillDownRefusal> FillDown(ChannelTable &table, const QList<int> &rows, QStringView stepKHz,
                                        const BandLimits &limits, const ChoiceTexts &texts)
{
    if (rows.size() < 2)
        return FillDownRefusal{FillDownRefusal::TooFewChannels};
    const std::optional<double> start =
        ParseDecimal(table.cell(rows.first(), ChannelTable::RxFrequencyColumn));
    if (!start)
        return FillDownRefusal{FillDownRefusal::NoStart, rows.first()};
    const std::optional<qint64> step = stepUnits(stepKHz);
    if (!step)
        return FillDownRefusal{FillDownRefusal::BadStep};
    // Every frequency is checked before the first is written.
    QStringList frequencies;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const qint64 units = std::llround(*start * kUnitsPerMHz) + i * *step;
        const QString frequency = FormatFrequency(double(units) / kUnitsPerMHz);
        const FrequencyEntry entry = CheckFrequency(frequency, limits);
        if (units < 0 || entry.outcome != FrequencyEntry::Accepted)
            return FillDownRefusal{FillDownRefusal::OutsideBand, rows[i], frequency};
        if (entry.text != frequency)
            return FillDownRefusal{FillDownRefusal::OffRaster, rows[i], frequency};
        frequencies << frequency;
    }
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const int row = rows[i];
        const bool simplex = table.cell(row, ChannelTable::TxFrequencyColumn) ==
                             table.cell(row, ChannelTable::RxFrequencyColumn);
        CommitFrequency(table, row, ChannelTable::RxFrequencyColumn, frequencies[i - 1], limits, texts);
        if (simplex)
            table.cell(row, ChannelTable::TxFrequencyColumn) = frequencies[i - 1];
    }
    return std::nullopt;
}

} // namespace vm280
