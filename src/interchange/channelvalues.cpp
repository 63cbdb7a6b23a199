#include "channelvalues.h"

#include "editor/tonerules.h"

#include <algorithm>

namespace vm280 {

namespace {

using Column = ChannelTable::Column;

QString toneOf(const QString &cell, const ChoiceTexts &texts)
{
    return cell == texts.toneOff ? QString() : cell;
}

// An off tone shows the off word beside a frequency and nothing beside an empty one, as a
// decoded image does. A typed tone that is not listed leaves the index of a new channel, 0.
void writeTone(ChannelTable &table, int row, int column, const QString &tone, const ChoiceTexts &texts)
{
    const bool hasFrequency = !table.cell(row, column - 1).isEmpty();
    table.cell(row, column) = tone.isEmpty() ? (hasFrequency ? texts.toneOff : QString()) : tone;
    const int index = tone.isEmpty() ? 0 : ToneListIndex(tone, texts.toneOff);
    table.ChoiceIndex[row - 1][column - 2] = qint16(std::max(index, 0));
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

void ChannelValues::write(ChannelTable &table, int row, const ChoiceTexts &texts) const
{
    table.cell(row, Column::RxFrequencyColumn) = rxFrequency;
    table.cell(row, Column::TxFrequencyColumn) = txFrequency;
    writeTone(table, row, Column::RxToneColumn, rxTone, texts);
    writeTone(table, row, Column::TxToneColumn, txTone, texts);
    writeChoice(table, row, Column::PowerColumn, highPower, texts);
    writeChoice(table, row, Column::ForbidColumn, forbid, texts);
    writeChoice(table, row, Column::BandwidthColumn, wide, texts);
    writeChoice(table, row, Column::ScanAddColumn, scanAdd, texts);
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

} // namespace vm280
