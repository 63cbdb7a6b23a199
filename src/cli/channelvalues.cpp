#include "channelvalues.h"

#include "editor/frequencyrules.h"
#include "editor/tonerules.h"
#include "image/bands.h"

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

using Column = ChannelTable::Column;

// An accepted cell text, or the reason it was refused.
struct Checked
{
    QString text;
    QString fault;
};

Checked checkFrequency(const QString &typed, int band)
{
    const QString trimmed = typed.trimmed();
    const FrequencyEntry entry = CheckFrequency(trimmed, BandLimitsOf(BandText(band)));
    switch (entry.outcome) {
    case FrequencyEntry::Accepted:
    case FrequencyEntry::Empty:
        return {entry.text, {}};
    case FrequencyEntry::NotNumeric:
        return {{}, u"frequency '%1' is not a number"_s.arg(trimmed)};
    case FrequencyEntry::OutOfBand:
        break;
    }
    return {{}, u"frequency %1 is outside the band %2"_s.arg(trimmed, BandText(band))};
}

Checked checkTone(const QString &typed)
{
    if (const auto tone = ChannelValues::listedTone(typed))
        return {*tone, {}};
    return {{}, u"tone %1 is not in the radio's tone list"_s.arg(typed.trimmed())};
}

QString toneOf(const QString &cell, const ChoiceTexts &texts)
{
    return cell == texts.toneOff ? QString() : cell;
}

// An off tone shows the off word beside a frequency and nothing beside an empty one, as a
// decoded image does.
void writeTone(ChannelTable &table, int row, int column, const QString &tone, const ChoiceTexts &texts)
{
    const bool hasFrequency = !table.cell(row, column - 1).isEmpty();
    table.cell(row, column) = tone.isEmpty() ? (hasFrequency ? texts.toneOff : QString()) : tone;
    table.ChoiceIndex[row - 1][column - 2] = qint16(tone.isEmpty() ? 0 : ToneListIndex(tone, texts.toneOff));
}

void writeChoice(ChannelTable &table, int row, int column, bool second, const ChoiceTexts &texts)
{
    table.cell(row, column) = texts.forColumn(column)[second ? 1 : 0];
    table.ChoiceIndex[row - 1][column - 2] = second ? 1 : 0;
}

} // namespace

ChannelValues ChannelValues::read(const ChannelTable &table, int row, const ChoiceTexts &texts)
{
    ChannelValues values;
    values.rxFrequency = table.cell(row, Column::RxFrequencyColumn);
    values.txFrequency = table.cell(row, Column::TxFrequencyColumn);
    values.rxTone = toneOf(table.cell(row, Column::RxToneColumn), texts);
    values.txTone = toneOf(table.cell(row, Column::TxToneColumn), texts);
    // Any text but entry 0 counts as entry 1, as in the encoder; scan add is the other way round.
    values.highPower = table.cell(row, Column::PowerColumn) != texts.power[0];
    values.forbid = table.cell(row, Column::ForbidColumn) != texts.forbid[0];
    values.wide = table.cell(row, Column::BandwidthColumn) != texts.bandwidth[0];
    const QString &scanAdd = table.cell(row, Column::ScanAddColumn);
    values.scanAdd = !scanAdd.isEmpty() && scanAdd != texts.scanAdd[0];
    return values;
}

std::optional<QString> ChannelValues::listedTone(const QString &typed)
{
    // The tone editor turns d, n and i into capitals as they are typed.
    const QString text = typed.trimmed().toUpper();
    if (text.isEmpty())
        return QString();
    const ToneEntry entry = NormaliseTone(text, -1);
    if (entry.outcome != ToneEntry::Set || ToneListIndex(entry.text, QString()) < 1)
        return std::nullopt;
    return entry.text;
}

std::optional<ChannelFault> ChannelValues::writeTo(ChannelTable &table, int row, int band,
                                                   const ChoiceTexts &texts) const
{
    if (rxFrequency.trimmed().isEmpty())
        return ChannelFault{ChannelField::RxFrequency, u"no receive frequency"_s};
    const Checked rx = checkFrequency(rxFrequency, band);
    if (!rx.fault.isEmpty())
        return ChannelFault{ChannelField::RxFrequency, rx.fault};
    const Checked tx = checkFrequency(txFrequency, band);
    if (!tx.fault.isEmpty())
        return ChannelFault{ChannelField::TxFrequency, tx.fault};
    const Checked rxToneText = checkTone(rxTone);
    if (!rxToneText.fault.isEmpty())
        return ChannelFault{ChannelField::RxTone, rxToneText.fault};
    const Checked txToneText = checkTone(txTone);
    if (!txToneText.fault.isEmpty())
        return ChannelFault{ChannelField::TxTone, txToneText.fault};

    table.cell(row, Column::RxFrequencyColumn) = rx.text;
    table.cell(row, Column::TxFrequencyColumn) = tx.text;
    writeTone(table, row, Column::RxToneColumn, rxToneText.text, texts);
    writeTone(table, row, Column::TxToneColumn, txToneText.text, texts);
    writeChoice(table, row, Column::PowerColumn, highPower, texts);
    writeChoice(table, row, Column::ForbidColumn, forbid, texts);
    writeChoice(table, row, Column::BandwidthColumn, wide, texts);
    writeChoice(table, row, Column::ScanAddColumn, scanAdd, texts);
    return std::nullopt;
}

void ChannelValues::clearAll(ChannelTable &table)
{
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        for (int column = 1; column < ChannelTable::kColumns; ++column)
            table.cell(row, column).clear();
        // Columns 2 to 10; the slot of column 11 is never touched.
        for (int slot = 0; slot <= 8; ++slot)
            table.ChoiceIndex[row - 1][slot] = 0;
    }
}

} // namespace vm280::cli
