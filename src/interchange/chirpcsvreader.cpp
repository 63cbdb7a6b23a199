#include "chirpcsvreader.h"

#include "chirpcolumns.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

ChirpCsvReader::ChirpCsvReader(const CodePlan &base, const ImportOptions &options, const ChoiceTexts &texts,
                               ImportReport &report)
    : m_plan(base), m_options(options), m_texts(texts), m_report(report)
{}

Placement ChirpCsvReader::placementOf(const ImportOptions &options)
{
    if (options.firstChannel)
        return {Placement::FileOrder, *options.firstChannel};
    if (options.locations)
        return {Placement::FileOrder, 1};
    return {Placement::ByLocation, 1};
}

std::variant<CodePlan, InputError> ChirpCsvReader::read(QStringView csv)
{
    auto read = ChannelList::fromCsv(csv);
    if (const auto *error = std::get_if<InputError>(&read))
        return *error;
    const ChannelList &list = std::get<ChannelList>(read);
    const Placement placement = placementOf(m_options);
    const QList<bool> taken = takenRows(list);
    chooseBand(list, taken, placement);
    m_report.band = m_plan.band;
    const QList<Landing> landings = PlaceRows(list, taken, m_plan.band, placement);
    if (!noteRows(list, taken, landings))
        return *m_error;
    m_report.finished = true;
    m_report.imported = int(std::count_if(landings.cbegin(), landings.cend(), [](const Landing &landing) {
        return landing.outcome == Landing::Placed;
    }));
    if (m_report.imported == 0)
        return InputError{
            0,
            0,
            {u"文件中没有一行能写入对讲机"_s, u"no row of the file can be programmed into the radio"_s}};
    if (!m_options.keep)
        ChannelValues::clearAll(m_plan.channels);
    WriteLandings(landings, m_plan.channels, m_texts);
    return m_plan;
}

QList<bool> ChirpCsvReader::takenRows(const ChannelList &list) const
{
    QList<bool> taken(list.size(), true);
    if (!m_options.locations)
        return taken;
    for (int index = 0; index < list.size(); ++index) {
        const auto *location = std::get_if<int>(&list.row(index).number);
        taken[index] = !location || m_options.locations->contains(*location);
    }
    return taken;
}

// The band that holds the most rows the import would take; with no such row at all the plan
// keeps its band.
void ChirpCsvReader::chooseBand(const ChannelList &list, const QList<bool> &taken, Placement placement)
{
    if (m_options.band.kind == BandChoice::Fixed) {
        m_plan.band = m_options.band.index;
    } else if (m_options.band.kind == BandChoice::Automatic) {
        const int best = BestBand(list, taken, placement);
        if (best >= 0)
            m_plan.band = best;
        m_report.bandRows = best >= 0 ? RowsInBand(list, taken, best, placement) : 0;
    }
}

bool ChirpCsvReader::noteRows(const ChannelList &list, const QList<bool> &taken,
                              const QList<Landing> &landings)
{
    for (int index = 0; index < list.size(); ++index) {
        const Landing &landing = landings[index];
        if (!taken[index]) {
            const ListRow &row = list.row(index);
            const BilingualText reason =
                BilingualText{u"%1 不在所取的位置 %2 之内"_s, u"%1 is outside the locations taken, %2"_s}.arg(
                    QString::number(std::get<int>(row.number)), m_options.locations->text());
            if (!note(ImportNote::Skipped, {row.location, ChirpColumn::kLocation, reason}))
                return false;
        } else if (landing.outcome != Landing::Placed) {
            if (!note(ImportNote::Skipped, *landing.note))
                return false;
        } else if (!std::all_of(
                       landing.warnings.cbegin(), landing.warnings.cend(),
                       [this](const ChirpNote &warning) { return note(ImportNote::Warning, warning); })) {
            return false;
        }
    }
    return true;
}

bool ChirpCsvReader::note(ImportNote::Kind kind, const ChirpNote &note)
{
    if (m_options.strict) {
        m_error = InputError{note.field.line, note.field.column, note.text()};
        return false;
    }
    m_report.add(kind, note.field.line, note.field.column, note.text());
    return true;
}

} // namespace vm280
