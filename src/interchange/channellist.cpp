#include "channellist.h"

#include "channelvalues.h"
#include "chirpcolumns.h"
#include "chirpcsv.h"
#include "planjsonkeys.h"

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

using namespace ChirpColumn;

ListRow readRow(const CsvRecord &record, const ChirpColumns &columns)
{
    ListRow row{columns.field(record, kLocation),
                ChirpRow::location(record, columns),
                ChirpRow::read(record, columns),
                {}};
    for (QLatin1StringView column : {kLocation, kName, kFrequency, kDuplex, kOffset, kPower, kMode, kComment})
        row.shown << columns.field(record, column).text.trimmed();
    return row;
}

} // namespace

std::variant<ChannelList, InputError> ChannelList::fromCsv(QStringView csv)
{
    if (csv.startsWith(QChar::ByteOrderMark))
        csv = csv.sliced(1);
    CsvReader reader(csv);
    CsvRecord record;
    if (!reader.next(record))
        return reader.error().value_or(
            InputError{1, 1, {u"文件没有表头行"_s, u"the file has no header row"_s}});
    ChirpColumns columns;
    if (auto error = columns.readHeader(record))
        return *error;
    ChannelList list;
    while (reader.next(record)) {
        if (list.size() == kMaxRows)
            return InputError{
                record.first().line, record.first().column,
                BilingualText{u"文件多于 %1 行，远超任何信道表"_s,
                              u"the file has more than %1 rows, far more than any channel list"_s}
                    .arg(kMaxRows)};
        list.m_rows.append(readRow(record, columns));
    }
    if (reader.error())
        return *reader.error();
    return list;
}

ChannelList ChannelList::fromPlan(const CodePlan &plan, const ChoiceTexts &texts)
{
    // The rows show what the plan's CSV export writes; each row imports the channel exactly as
    // the plan holds it, which CSV cannot always carry (the transmit frequency of a forbidden
    // channel, raw memory digits).
    ChannelList list = std::get<ChannelList>(fromCsv(QString::fromUtf8(ChirpCsv::write(plan, texts))));
    int index = 0;
    for (int channel = 1; channel <= ChannelTable::kRows; ++channel) {
        if (plan.channels.isEmpty(channel))
            continue;
        ListRow &row = list.m_rows[index++];
        const CsvField at{QString(), row.location.line, row.location.column};
        row.channel =
            ChirpRow::fromChannel(ChannelValues::read(plan.channels, channel, texts),
                                  {at, PlanJsonKeys::kRxFrequency, {}}, {at, PlanJsonKeys::kTxFrequency, {}});
    }
    return list;
}

std::variant<ChannelValues, ChirpNote> ChannelList::inBand(int index, int band,
                                                           QList<ChirpNote> &warnings) const
{
    const auto &channel = m_rows[index].channel;
    if (const auto *note = std::get_if<ChirpNote>(&channel))
        return *note;
    const ChirpRow &row = std::get<ChirpRow>(channel);
    warnings = row.warnings();
    return row.inBand(band, warnings);
}

} // namespace vm280
