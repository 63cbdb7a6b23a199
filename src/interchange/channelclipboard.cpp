#include "channelclipboard.h"

#include "chirpcolumns.h"
#include "chirpcsv.h"
#include "chirprow.h"
#include "csvreader.h"

#include "editor/channeledits.h"
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
    // The whole text is read before anything is pasted, so a malformed end pastes nothing; only
    // the rows the table can hold are kept.
    const int room = std::max(ChannelTable::kRows - firstRow + 1, 0) + 1;
    while (reader.next(record)) {
        if (records.size() < room)
            records.append(record);
        else
            ++report.rowsBelowTable;
    }
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
        } else {
            ClearNO(pasted, channel);
            std::get<ChannelValues>(values).write(pasted, channel, texts);
            ++report.pasted;
        }
        ++channel;
    }
    table = pasted;
    return report;
}

} // namespace vm280
