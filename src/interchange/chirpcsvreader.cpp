#include "chirpcsvreader.h"

#include "image/bands.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

ChirpCsvReader::ChirpCsvReader(const CodePlan &base, const ImportOptions &options, const ChoiceTexts &texts,
                               ImportReport &report)
    : m_plan(base), m_options(options), m_texts(texts), m_report(report)
{}

std::variant<CodePlan, InputError> ChirpCsvReader::read(QStringView csv)
{
    if (csv.startsWith(QChar::ByteOrderMark))
        csv = csv.sliced(1);
    if (m_options.band.kind == BandChoice::Fixed) {
        m_plan.band = m_options.band.index;
    } else if (m_options.band.kind == BandChoice::Automatic) {
        if (auto error = chooseBand(csv))
            return *error;
    }
    m_report.band = m_plan.band;
    ChannelValues::clearAll(m_plan.channels);
    if (auto error = forEachRow(csv, [this](const CsvRecord &record) { return importRow(record); }))
        return *error;
    m_report.finished = true;
    if (m_report.imported == 0)
        return InputError{
            0,
            0,
            {u"文件中没有一行能写入对讲机"_s, u"no row of the file can be programmed into the radio"_s}};
    return m_plan;
}

std::optional<InputError> ChirpCsvReader::forEachRow(QStringView csv,
                                                     const std::function<bool(const CsvRecord &)> &take)
{
    CsvReader reader(csv);
    CsvRecord record;
    if (!reader.next(record))
        return reader.error().value_or(
            InputError{1, 1, {u"文件没有表头行"_s, u"the file has no header row"_s}});
    if (auto error = m_columns.readHeader(record))
        return error;
    while (reader.next(record)) {
        if (!take(record))
            return m_error;
    }
    return reader.error();
}

// The band that holds the most rows the import would take; ties go to the lower index, and
// with no such row at all the plan keeps its band.
std::optional<InputError> ChirpCsvReader::chooseBand(QStringView csv)
{
    std::array<int, kBandCount> counts{};
    auto error = forEachRow(csv, [&](const CsvRecord &record) {
        if (!std::holds_alternative<int>(takenLocation(record)))
            return true;
        const auto row = ChirpRow::read(record, m_columns);
        if (!std::holds_alternative<ChirpRow>(row))
            return true;
        QList<ChirpNote> warnings;
        for (int band = 0; band < kBandCount; ++band)
            counts[band] +=
                std::holds_alternative<ChannelValues>(std::get<ChirpRow>(row).inBand(band, warnings));
        return true;
    });
    const auto best = std::max_element(counts.begin(), counts.end());
    if (*best > 0)
        m_plan.band = int(best - counts.begin());
    m_report.bandRows = *best;
    return error;
}

bool ChirpCsvReader::importRow(const CsvRecord &record)
{
    const auto location = takenLocation(record);
    if (const auto *note = std::get_if<ChirpNote>(&location))
        return skip(*note);
    const auto row = ChirpRow::read(record, m_columns);
    if (const auto *note = std::get_if<ChirpNote>(&row))
        return skip(*note);
    QList<ChirpNote> warnings = std::get<ChirpRow>(row).warnings();
    const auto values = std::get<ChirpRow>(row).inBand(m_plan.band, warnings);
    if (const auto *note = std::get_if<ChirpNote>(&values))
        return skip(*note);
    const CsvField locationField = m_columns.field(record, ChirpColumn::kLocation);
    const auto channel = place(std::get<int>(location), locationField);
    if (const auto *note = std::get_if<ChirpNote>(&channel))
        return skip(*note);
    for (const ChirpNote &warning : warnings) {
        if (!warn(warning))
            return false;
    }
    std::get<ChannelValues>(values).write(m_plan.channels, std::get<int>(channel), m_texts);
    m_channelLines[std::get<int>(channel) - 1] = locationField.line;
    ++m_report.imported;
    return true;
}

std::variant<int, ChirpNote> ChirpCsvReader::takenLocation(const CsvRecord &record) const
{
    const auto location = ChirpRow::location(record, m_columns);
    if (!std::holds_alternative<int>(location))
        return location;
    const int number = std::get<int>(location);
    const CsvField field = m_columns.field(record, ChirpColumn::kLocation);
    if (m_options.locations && !m_options.locations->contains(number))
        return ChirpNote{
            field, ChirpColumn::kLocation,
            BilingualText{u"%1 不在所取的位置 %2 之内"_s, u"%1 is outside the locations taken, %2"_s}.arg(
                QString::number(number), m_options.locations->text())};
    if (!m_options.locations && (number < 1 || number > ChannelTable::kRows))
        return ChirpNote{
            field, ChirpColumn::kLocation,
            BilingualText{u"%1 不是 1 到 16 的信道"_s, u"%1 is not a channel from 1 to 16"_s}.arg(number)};
    return number;
}

// Without a range a row keeps its Location as the channel; with one, the rows taken fill the
// channels in file order.
std::variant<int, ChirpNote> ChirpCsvReader::place(int location, const CsvField &field) const
{
    const int channel = m_options.locations ? m_report.imported + 1 : location;
    if (channel > ChannelTable::kRows)
        return ChirpNote{field,
                         ChirpColumn::kLocation,
                         {u"16 个信道已被前面的行占满"_s, u"all 16 channels are taken by earlier rows"_s}};
    if (const int line = m_channelLines[channel - 1])
        return ChirpNote{
            field, ChirpColumn::kLocation,
            BilingualText{u"信道 %1 已在第 %2 行给出"_s, u"channel %1 is already given on line %2"_s}.arg(
                QString::number(channel), QString::number(line))};
    return channel;
}

bool ChirpCsvReader::skip(const ChirpNote &note)
{
    if (m_options.strict) {
        m_error = InputError{note.field.line, note.field.column, note.text()};
        return false;
    }
    m_report.add(ImportNote::Skipped, note.field.line, note.field.column, note.text());
    return true;
}

bool ChirpCsvReader::warn(const ChirpNote &note)
{
    if (m_options.strict) {
        m_error = InputError{note.field.line, note.field.column, note.text()};
        return false;
    }
    m_report.add(ImportNote::Warning, note.field.line, note.field.column, note.text());
    return true;
}

} // namespace vm280
