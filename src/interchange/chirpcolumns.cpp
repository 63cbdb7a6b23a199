#include "chirpcolumns.h"

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

using namespace ChirpColumn;

// What CHIRP assumes for an empty cell or a column a file does not have.
QString defaultText(QLatin1StringView column)
{
    if (column == kOffset)
        return u"0"_s;
    if (column == kRToneFreq || column == kCToneFreq)
        return u"88.5"_s;
    if (column == kDtcsCode || column == kRxDtcsCode)
        return u"023"_s;
    if (column == kDtcsPolarity)
        return u"NN"_s;
    if (column == kCrossMode)
        return u"Tone->Tone"_s;
    if (column == kMode)
        return u"FM"_s;
    return {};
}

// Older files have one tone frequency column and no receive DCS code; CHIRP then uses the
// column they do have for both.
QLatin1StringView standIn(QLatin1StringView column)
{
    if (column == kRToneFreq)
        return kCToneFreq;
    if (column == kCToneFreq)
        return kRToneFreq;
    if (column == kRxDtcsCode)
        return kDtcsCode;
    return {};
}

} // namespace

std::optional<InputError> ChirpColumns::readHeader(const CsvRecord &header, bool locationNeeded)
{
    m_columns.clear();
    for (int i = 0; i < header.size(); ++i)
        m_columns.insert(header[i].text.trimmed().toLower(), i); // a repeated name: the last counts
    for (QLatin1StringView required : {kLocation, kFrequency}) {
        if (indexOf(required) < 0 && (required != kLocation || locationNeeded))
            return InputError{
                header.first().line, header.first().column,
                BilingualText{u"表头没有 %1 列"_s, u"the header has no %1 column"_s}.arg(required)};
    }
    return std::nullopt;
}

CsvField ChirpColumns::field(const CsvRecord &record, QLatin1StringView column) const
{
    int index = indexOf(column);
    if (index < 0 && !standIn(column).isEmpty())
        index = indexOf(standIn(column));
    const bool present = index >= 0 && index < record.size();
    if (present && !record[index].text.trimmed().isEmpty())
        return record[index];
    const CsvField &at = present ? record[index] : record.first();
    return {defaultText(column), at.line, at.column};
}

int ChirpColumns::indexOf(QLatin1StringView column) const
{
    return m_columns.value(QString(column).toLower(), -1);
}

} // namespace vm280
