#include "channelclipboard.h"

#include "chirpcolumns.h"
#include "chirpcsv.h"
#include "chirprow.h"
#include "csvreader.h"

#include "valuechecks.h"

#include "editor/channeledits.h"
#include "editor/selectionedits.h"
#include "image/bands.h"
#include "image/codeplan.h"

#include <algorithm>
#include <variant>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// Spreadsheets copy cells with tabs between them; a text whose first line has none is CSV.
QChar separatorOf(QStringView text)
{
    return text.left(text.indexOf(u'\n')).contains(u'\t') ? u'\t' : u',';
}

bool isHeader(const CsvRecord &record)
{
    return std::any_of(record.cbegin(), record.cend(), [](const CsvField &field) {
        return field.text.trimmed().compare(ChirpColumn::kFrequency, Qt::CaseInsensitive) == 0;
    });
}

// Rows copied without their header row are taken in CHIRP's column order.
CsvRecord chirpHeader()
{
    CsvRecord header;
    for (const QString &name : QString(ChirpCsv::kHeader).split(u','))
        header.append(CsvField{name, 1, 1});
    return header;
}

// The channel a row makes in band, or why it makes none.
std::variant<ChannelValues, ChirpNote> channelOf(const CsvRecord &record, const ChirpColumns &columns,
                                                 int band)
{
    const auto row = ChirpRow::read(record, columns);
    if (const auto *note = std::get_if<ChirpNote>(&row))
        return *note;
    // Snapped frequencies and unlisted tones are taken, as typing takes them.
    QList<ChirpNote> warnings;
    return std::get<ChirpRow>(row).inBand(band, warnings);
}

// A tone as typed, the off word of texts or "off" turning it off (an empty text).
CheckedValue toneValue(QStringView value, const ChoiceTexts &texts)
{
    const QStringView trimmed = value.trimmed();
    if (trimmed == texts.toneOff || trimmed.compare(u"off", Qt::CaseInsensitive) == 0)
        return {};
    return ValueChecks::typedTone(trimmed);
}

} // namespace

QString CopyChannels(const ChannelTable &table, const QList<int> &rows, const ChoiceTexts &texts)
{
    CodePlan chosen;
    for (int row : rows) {
        if (row < 1 || row > ChannelTable::kRows)
            continue;
        chosen.channels.cells[row - 1] = table.cells[row - 1];
        chosen.channels.ChoiceIndex[row - 1] = table.ChoiceIndex[row - 1];
    }
    return QString::fromUtf8(ChirpCsv::write(chosen, texts, u'\t'));
}

PasteReport PasteChannels(QStringView text, ChannelTable &table, int firstRow, int band,
                          const ChoiceTexts &texts)
{
    PasteReport report;
    CsvReader reader(text, separatorOf(text));
    QList<CsvRecord> records;
    CsvRecord record;
    // The whole text is read before anything is pasted, so a malformed end pastes nothing.
    while (reader.next(record))
        records.append(record);
    if (reader.error()) {
        report.error = reader.error();
        return report;
    }
    ChirpColumns columns;
    if (!records.isEmpty() && isHeader(records.first()))
        columns.readHeader(records.takeFirst(), false);
    else
        columns.readHeader(chirpHeader());
    ChannelTable pasted = table;
    int channel = firstRow;
    for (const CsvRecord &row : std::as_const(records)) {
        if (channel > ChannelTable::kRows) {
            ++report.rowsBelowTable;
            continue;
        }
        const auto values = channelOf(row, columns, band);
        if (const auto *note = std::get_if<ChirpNote>(&values)) {
            report.refused.append({ImportNote::Skipped, note->field.line, note->field.column, note->text()});
            continue;
        }
        ClearNO(pasted, channel);
        std::get<ChannelValues>(values).write(pasted, channel, texts);
        ++report.pasted;
        ++channel;
    }
    table = pasted;
    return report;
}

bool IsColumnText(QStringView text)
{
    const auto lines = text.split(u'\n');
    const bool oneField = std::none_of(lines.cbegin(), lines.cend(), [](QStringView line) {
        return line.contains(u'\t') || line.contains(u',');
    });
    return oneField && lines.first().trimmed().compare(ChirpColumn::kFrequency, Qt::CaseInsensitive) != 0;
}

PasteReport PasteColumn(QStringView text, ChannelTable &table, int firstRow, int column, int band,
                        const ChoiceTexts &texts)
{
    PasteReport report;
    const bool frequencies =
        column == ChannelTable::RxFrequencyColumn || column == ChannelTable::TxFrequencyColumn;
    int channel = firstRow;
    int line = 0;
    for (const QStringView value : text.split(u'\n')) {
        ++line;
        if (value.trimmed().isEmpty())
            continue;
        // Only the receive frequency makes a channel; the other cells are those of programmed ones.
        while (channel <= ChannelTable::kRows && column != ChannelTable::RxFrequencyColumn &&
               table.isEmpty(channel))
            ++channel;
        if (channel > ChannelTable::kRows) {
            ++report.rowsBelowTable;
            continue;
        }
        const CheckedValue checked =
            frequencies ? ValueChecks::typedFrequency(value, band) : toneValue(value, texts);
        if (checked.refused()) {
            report.refused.append({ImportNote::Skipped, line, 1, checked.fault});
            continue;
        }
        if (frequencies)
            CommitFrequency(table, channel, column, checked.text, BandLimitsOf(BandText(band)), texts);
        else
            SetToneFor(table, {channel}, column, checked.text.isEmpty() ? texts.toneOff : checked.text,
                       texts);
        ++report.pasted;
        ++channel;
    }
    return report;
}

} // namespace vm280
