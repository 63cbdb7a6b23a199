#include "channeledits.h"

#include "tonerules.h"

namespace vm280 {

namespace {

using Column = ChannelTable::Column;

constexpr int kLastDataColumn = ChannelTable::ScanAddColumn;
constexpr int kFirstIndexedColumn = ChannelTable::RxToneColumn;
// ChoiceIndex has slots for columns 2 to 11; a cleared channel resets those of columns 2 to 10.
constexpr int kLastClearedIndexColumn = 10;

qint16 &indexOf(ChannelTable &table, int row, int column)
{
    return table.ChoiceIndex[row - 1][column - kFirstIndexedColumn];
}

bool isToneColumn(int column)
{
    return column == ChannelTable::RxToneColumn || column == ChannelTable::TxToneColumn;
}

// A tone cell shows a CTCSS value, a DCS code or the off word of some language. Recognised by
// its text, not by its list index: a typed tone leaves the index of the last pick, often 0.
bool showsOffWord(const QString &text)
{
    return !text.isEmpty() && !text.front().isDigit() && text.front() != u'D';
}

void setEntry(ChannelTable &table, int row, int column, int index, const ChoiceTexts &texts)
{
    table.cell(row, column) = EntryText(column, index, texts);
    indexOf(table, row, column) = qint16(index);
}

// A channel gets its transmit frequency and the defaults the moment its receive frequency is
// first entered: tones off, high power, transmit allowed, wide, scanned.
void createChannel(ChannelTable &table, int row, const ChoiceTexts &texts)
{
    table.cell(row, ChannelTable::TxFrequencyColumn) = table.cell(row, ChannelTable::RxFrequencyColumn);
    setEntry(table, row, ChannelTable::RxToneColumn, 0, texts);
    setEntry(table, row, ChannelTable::TxToneColumn, 0, texts);
    setEntry(table, row, ChannelTable::PowerColumn, 1, texts);
    setEntry(table, row, ChannelTable::ForbidColumn, 0, texts);
    setEntry(table, row, ChannelTable::BandwidthColumn, 1, texts);
    setEntry(table, row, ChannelTable::ScanAddColumn, 1, texts);
}

} // namespace

void ClearNO(ChannelTable &table, int row)
{
    for (int column = ChannelTable::RxFrequencyColumn; column <= kLastDataColumn; ++column)
        table.cell(row, column).clear();
    for (int column = kFirstIndexedColumn; column <= kLastClearedIndexColumn; ++column)
        indexOf(table, row, column) = 0;
}

void ClearGrid(ChannelTable &table)
{
    for (int row = 1; row <= ChannelTable::kRows; ++row)
        ClearNO(table, row);
}

void ClearGrid1(ChannelTable &table)
{
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (table.isEmpty(row))
            continue;
        for (int column = ChannelTable::RxFrequencyColumn; column <= kLastDataColumn; ++column)
            table.cell(row, column).clear();
    }
}

void SetGrid1Text(ChannelTable &table, const ChoiceTexts &texts)
{
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (table.isEmpty(row))
            continue;
        // Tone numbers and codes read the same in every language; only the off word changes.
        for (int column : {int(ChannelTable::RxToneColumn), int(ChannelTable::TxToneColumn)}) {
            if (showsOffWord(table.cell(row, column)))
                table.cell(row, column) = texts.toneOff;
        }
        for (int column = ChannelTable::PowerColumn; column <= kLastDataColumn; ++column)
            table.cell(row, column) = EntryText(column, indexOf(table, row, column), texts);
    }
}

FrequencyEntry::Outcome CommitFrequency(ChannelTable &table, int row, int column, QStringView typed,
                                        const BandLimits &limits, const ChoiceTexts &texts)
{
    const FrequencyEntry entry = CheckFrequency(typed, limits);
    switch (entry.outcome) {
    case FrequencyEntry::Empty:
        if (column == ChannelTable::RxFrequencyColumn)
            ClearNO(table, row);
        break;
    case FrequencyEntry::NotNumeric:
    case FrequencyEntry::OutOfBand:
        break;
    case FrequencyEntry::Accepted:
        table.cell(row, column) = entry.text;
        if (column == ChannelTable::RxFrequencyColumn &&
            table.cell(row, ChannelTable::TxFrequencyColumn).isEmpty())
            createChannel(table, row, texts);
        break;
    }
    return entry.outcome;
}

void CommitTone(ChannelTable &table, int row, int column, QStringView text, int listIndex,
                const ChoiceTexts &texts)
{
    const ToneEntry entry = NormaliseTone(text, listIndex);
    switch (entry.outcome) {
    case ToneEntry::Set:
        table.cell(row, column) = entry.text;
        break;
    case ToneEntry::Revert:
        table.cell(row, column) = EntryText(column, indexOf(table, row, column), texts);
        break;
    case ToneEntry::Keep:
        break;
    }
}

void PickEntry(ChannelTable &table, int row, int column, int index, const ChoiceTexts &texts)
{
    if (EntryText(column, index, texts).isEmpty())
        return;
    setEntry(table, row, column, index, texts);
}

QString EntryText(int column, int index, const ChoiceTexts &texts)
{
    if (isToneColumn(column)) {
        if (index == 0)
            return texts.toneOff;
        return index > 0 && index < kToneListSize ? ToneList(texts.toneOff).at(index) : QString();
    }
    if (column < ChannelTable::PowerColumn || column > kLastDataColumn || index < 0 || index > 1)
        return QString();
    return texts.forColumn(column)[index];
}

QList<int> ChannelsOutsideBand(const ChannelTable &table, const BandLimits &limits)
{
    QList<int> channels;
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (IsOutsideBand(table.cell(row, Column::RxFrequencyColumn), limits) ||
            IsOutsideBand(table.cell(row, Column::TxFrequencyColumn), limits))
            channels << row;
    }
    return channels;
}

EditTarget DispatchEdit(const ChannelTable &table, int row, int column)
{
    return {row, table.isEmpty(row) ? int(ChannelTable::RxFrequencyColumn) : column};
}

} // namespace vm280
