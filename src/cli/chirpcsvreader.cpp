#include "chirpcsvreader.h"

#include "editor/frequencyrules.h"
#include "image/numeric.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

constexpr QLatin1StringView kLocation{"Location"};
constexpr QLatin1StringView kFrequency{"Frequency"};
constexpr QLatin1StringView kDuplex{"Duplex"};
constexpr QLatin1StringView kOffset{"Offset"};
constexpr QLatin1StringView kTone{"Tone"};
constexpr QLatin1StringView kRToneFreq{"rToneFreq"};
constexpr QLatin1StringView kCToneFreq{"cToneFreq"};
constexpr QLatin1StringView kDtcsCode{"DtcsCode"};
constexpr QLatin1StringView kDtcsPolarity{"DtcsPolarity"};
constexpr QLatin1StringView kRxDtcsCode{"RxDtcsCode"};
constexpr QLatin1StringView kCrossMode{"CrossMode"};
constexpr QLatin1StringView kMode{"Mode"};
constexpr QLatin1StringView kSkip{"Skip"};
constexpr QLatin1StringView kPower{"Power"};

// What CHIRP assumes for a column a file does not have.
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

constexpr QLatin1StringView kCrossModes[] = {
    QLatin1StringView("Tone->Tone"), QLatin1StringView("DTCS->"),     QLatin1StringView("->DTCS"),
    QLatin1StringView("Tone->DTCS"), QLatin1StringView("DTCS->Tone"), QLatin1StringView("->Tone"),
    QLatin1StringView("DTCS->DTCS"), QLatin1StringView("Tone->"),
};

bool is(const CsvField &field, QLatin1StringView word)
{
    return field.text.trimmed().compare(word, Qt::CaseInsensitive) == 0;
}

bool isDcsCode(const QString &code)
{
    return !code.isEmpty() && code.size() <= 3 &&
           std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

ChirpCsvReader::ChirpCsvReader(const CodePlan &base, const ChoiceTexts &texts) : m_plan(base), m_texts(texts)
{}

std::variant<CodePlan, InputError> ChirpCsvReader::read(QStringView csv)
{
    if (csv.startsWith(QChar::ByteOrderMark))
        csv = csv.sliced(1);
    auto parsed = CsvReader::read(csv);
    if (const auto *error = std::get_if<InputError>(&parsed))
        return *error;
    const QList<CsvRecord> records = std::get<QList<CsvRecord>>(std::move(parsed));
    if (records.isEmpty())
        return InputError{1, 1, u"the file has no header row"_s};
    if (!readHeader(records.first()))
        return m_error;
    ChannelValues::clearAll(m_plan.channels);
    for (qsizetype i = 1; i < records.size(); ++i) {
        if (!readRow(records[i]))
            return m_error;
    }
    return m_plan;
}

bool ChirpCsvReader::readHeader(const CsvRecord &header)
{
    for (int i = 0; i < header.size(); ++i)
        m_columns.insert(header[i].text.trimmed(), i); // a repeated name: the last column counts
    for (QLatin1StringView required : {kLocation, kFrequency}) {
        if (!m_columns.contains(required))
            return fail({header.first(), {}}, u"the header has no %1 column"_s.arg(required));
    }
    return true;
}

bool ChirpCsvReader::readRow(const CsvRecord &record)
{
    const auto location = readLocation(record);
    if (!location)
        return false;
    ChannelValues values;
    const Source rx{field(record, kFrequency), kFrequency};
    values.rxFrequency = rx.field.text.trimmed();
    Source tx = rx;
    ToneSource txTone;
    ToneSource rxTone;
    if (!readDuplex(record, rx, values, tx) || !readTones(record, txTone, rxTone) ||
        !readChoices(record, values))
        return false;
    values.txTone = txTone.text;
    values.rxTone = rxTone.text;
    const auto fault = values.writeTo(m_plan.channels, *location, m_plan.band, m_texts);
    if (!fault)
        return true;
    const Source sources[] = {rx, tx, rxTone.source, txTone.source};
    return fail(sources[int(fault->field)], fault->reason);
}

std::optional<int> ChirpCsvReader::readLocation(const CsvRecord &record)
{
    const Source source{field(record, kLocation), kLocation};
    bool ok = false;
    const int location = source.field.text.trimmed().toInt(&ok);
    if (!ok || location < 1 || location > ChannelTable::kRows) {
        fail(source, u"'%1' is not a channel number from 1 to 16"_s.arg(source.field.text));
        return std::nullopt;
    }
    if (const int line = m_locationLines[location - 1]) {
        fail(source, u"channel %1 is already given on line %2"_s.arg(location).arg(line));
        return std::nullopt;
    }
    m_locationLines[location - 1] = source.field.line;
    return location;
}

// The transmit frequency, from Duplex and Offset; "off" is the radio's transmit forbid.
bool ChirpCsvReader::readDuplex(const CsvRecord &record, const Source &rx, ChannelValues &values, Source &tx)
{
    const Source duplex{field(record, kDuplex), kDuplex};
    const Source offset{field(record, kOffset), kOffset};
    values.txFrequency = values.rxFrequency;
    if (duplex.field.text.trimmed().isEmpty())
        return true;
    if (is(duplex.field, "off"_L1)) {
        values.forbid = true;
        return true;
    }
    tx = offset;
    if (is(duplex.field, "split"_L1)) {
        values.txFrequency = offset.field.text.trimmed();
        return true;
    }
    if (!is(duplex.field, "+"_L1) && !is(duplex.field, "-"_L1))
        return fail(duplex, u"'%1' is none of \"\", +, -, split, off"_s.arg(duplex.field.text));
    const std::optional<double> shift = ParseDecimal(offset.field.text);
    if (!shift)
        return fail(offset, u"'%1' is not a number of MHz"_s.arg(offset.field.text));
    const std::optional<double> mhz = ParseDecimal(values.rxFrequency);
    if (!mhz)
        return fail(rx, u"frequency '%1' is not a number"_s.arg(values.rxFrequency));
    values.txFrequency = FormatFrequency(is(duplex.field, "+"_L1) ? *mhz + *shift : *mhz - *shift);
    return true;
}

bool ChirpCsvReader::readTones(const CsvRecord &record, ToneSource &tx, ToneSource &rx)
{
    const Source mode{field(record, kTone), kTone};
    tx = rx = ToneSource{{}, mode};
    std::optional<ToneSource> txTone = tx;
    std::optional<ToneSource> rxTone = rx;
    if (mode.field.text.trimmed().isEmpty())
        return true;
    if (is(mode.field, "Tone"_L1)) {
        txTone = ctcss(record, kRToneFreq);
    } else if (is(mode.field, "TSQL"_L1)) {
        txTone = rxTone = ctcss(record, kCToneFreq);
    } else if (is(mode.field, "DTCS"_L1)) {
        txTone = dcs(record, kDtcsCode, 0);
        rxTone = txTone ? dcs(record, kDtcsCode, 1) : txTone;
    } else if (is(mode.field, "Cross"_L1)) {
        return readCrossTones(record, tx, rx);
    } else {
        return fail(mode, u"'%1' is none of \"\", Tone, TSQL, DTCS, Cross"_s.arg(mode.field.text));
    }
    if (!txTone || !rxTone)
        return false;
    tx = *txTone;
    rx = *rxTone;
    return true;
}

// Cross: the transmit side takes rToneFreq or DtcsCode, the receive side cToneFreq or RxDtcsCode.
bool ChirpCsvReader::readCrossTones(const CsvRecord &record, ToneSource &tx, ToneSource &rx)
{
    const Source crossMode{field(record, kCrossMode), kCrossMode};
    const QString text = crossMode.field.text.trimmed();
    const auto known =
        std::find_if(std::begin(kCrossModes), std::end(kCrossModes), [&text](QLatin1StringView mode) {
            return text.compare(mode, Qt::CaseInsensitive) == 0;
        });
    if (known == std::end(kCrossModes)) {
        QStringList modes;
        for (QLatin1StringView mode : kCrossModes)
            modes << mode;
        return fail(crossMode, u"'%1' is none of %2"_s.arg(text, modes.join(u", "_s)));
    }
    const QString txSide = text.section(u"->"_s, 0, 0);
    const QString rxSide = text.section(u"->"_s, 1, 1);
    const auto side = [&](const QString &name, QLatin1StringView ctcssColumn, QLatin1StringView dcsColumn,
                          int polarity, const ToneSource &off) -> std::optional<ToneSource> {
        if (name.compare("Tone"_L1, Qt::CaseInsensitive) == 0)
            return ctcss(record, ctcssColumn);
        if (name.compare("DTCS"_L1, Qt::CaseInsensitive) == 0)
            return dcs(record, dcsColumn, polarity);
        return off;
    };
    const auto txTone = side(txSide, kRToneFreq, kDtcsCode, 0, tx);
    const auto rxTone = txTone ? side(rxSide, kCToneFreq, kRxDtcsCode, 1, rx) : txTone;
    if (!txTone || !rxTone)
        return false;
    tx = *txTone;
    rx = *rxTone;
    return true;
}

std::optional<ChirpCsvReader::ToneSource> ChirpCsvReader::ctcss(const CsvRecord &record,
                                                                QLatin1StringView column)
{
    const Source source{field(record, column), column};
    const QString text = source.field.text.trimmed();
    if (!ParseDecimal(text)) {
        fail(source, u"'%1' is not a tone frequency"_s.arg(text));
        return std::nullopt;
    }
    return ToneSource{text, source};
}

// A DCS code with the polarity of side 0 (transmit) or 1 (receive); CHIRP's R is inverted.
std::optional<ChirpCsvReader::ToneSource> ChirpCsvReader::dcs(const CsvRecord &record,
                                                              QLatin1StringView column, int side)
{
    const Source source{field(record, column), column};
    const QString code = source.field.text.trimmed();
    if (!isDcsCode(code)) {
        fail(source, u"'%1' is not a DCS code"_s.arg(code));
        return std::nullopt;
    }
    const Source polarity{field(record, kDtcsPolarity), kDtcsPolarity};
    const QString letters = polarity.field.text.trimmed().toUpper();
    const bool valid = letters.size() == 2 && std::all_of(letters.cbegin(), letters.cend(),
                                                          [](QChar c) { return c == u'N' || c == u'R'; });
    if (!valid) {
        fail(polarity, u"'%1' is none of NN, NR, RN, RR"_s.arg(polarity.field.text));
        return std::nullopt;
    }
    return ToneSource{u'D' + code + (letters[side] == u'R' ? u'I' : u'N'), source};
}

bool ChirpCsvReader::readChoices(const CsvRecord &record, ChannelValues &values)
{
    const Source mode{field(record, kMode), kMode};
    if (!is(mode.field, "FM"_L1) && !is(mode.field, "NFM"_L1))
        return fail(mode,
                    u"'%1' is not FM or NFM, the radio's wide and narrow bandwidths"_s.arg(mode.field.text));
    values.wide = is(mode.field, "FM"_L1);
    const Source skip{field(record, kSkip), kSkip};
    if (!skip.field.text.trimmed().isEmpty() && !is(skip.field, "S"_L1) && !is(skip.field, "P"_L1))
        return fail(skip, u"'%1' is none of \"\", S, P"_s.arg(skip.field.text));
    values.scanAdd = !is(skip.field, "S"_L1);
    const Source power{field(record, kPower), kPower};
    if (!power.field.text.trimmed().isEmpty() && !is(power.field, "High"_L1) && !is(power.field, "Low"_L1))
        return fail(power, u"'%1' is not High or Low"_s.arg(power.field.text));
    values.highPower = !is(power.field, "Low"_L1);
    return true;
}

CsvField ChirpCsvReader::field(const CsvRecord &record, QLatin1StringView column) const
{
    const int index = m_columns.value(column, -1);
    if (index >= 0 && index < record.size() && !record[index].text.trimmed().isEmpty())
        return record[index];
    const CsvField &at = index >= 0 && index < record.size() ? record[index] : record.first();
    return {defaultText(column), at.line, at.column};
}

bool ChirpCsvReader::fail(const Source &source, const QString &reason)
{
    const QString text = source.column.isEmpty() ? reason : source.column + u": "_s + reason;
    m_error = InputError{source.field.line, source.field.column, text};
    return false;
}

} // namespace vm280::cli
