#include "chirprow.h"

#include "chirppower.h"
#include "valuechecks.h"

#include "editor/frequencyrules.h"
#include "image/numeric.h"

#include <QStringList>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

using namespace ChirpColumn;

constexpr QLatin1StringView kCrossModes[] = {
    QLatin1StringView("Tone->Tone"), QLatin1StringView("DTCS->"),     QLatin1StringView("->DTCS"),
    QLatin1StringView("Tone->DTCS"), QLatin1StringView("DTCS->Tone"), QLatin1StringView("->Tone"),
    QLatin1StringView("DTCS->DTCS"), QLatin1StringView("Tone->"),
};

bool is(const CsvField &field, QLatin1StringView word)
{
    return field.text.trimmed().compare(word, Qt::CaseInsensitive) == 0;
}

// CHIRP's DCS codes are up to three octal digits.
bool isDcsCode(const QString &code)
{
    return !code.isEmpty() && code.size() <= 3 &&
           std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'0' && c <= u'7'; });
}

bool isPolarity(const QString &letters)
{
    return letters.size() == 2 &&
           std::all_of(letters.cbegin(), letters.cend(), [](QChar c) { return c == u'N' || c == u'R'; });
}

} // namespace

BilingualText ChirpNote::text() const
{
    // The column is named as the file names it, in every language.
    return column.isEmpty() ? reason : reason.prefixed({column, column});
}

// Reads one record into a row; the record and its columns live only as long as the reading.
class ChirpRow::Reader
{
public:
    Reader(const CsvRecord &record, const ChirpColumns &columns) : m_record(record), m_columns(columns) {}

    std::variant<ChirpRow, ChirpNote> read();

private:
    /// A tone as read from the columns: empty for off, else "67.0" or "D023N".
    struct Tone
    {
        QString text;
        ChirpNote source;
    };

    ChirpNote note(QLatin1StringView column, const BilingualText &reason = {}) const;
    std::optional<ChirpNote> readDuplex();
    std::optional<ChirpNote> readTones();
    std::optional<ChirpNote> readCrossTones(Tone &tx, Tone &rx);
    std::variant<Tone, ChirpNote> ctcss(QLatin1StringView column);
    std::variant<Tone, ChirpNote> dcs(QLatin1StringView column, int side);
    std::optional<ChirpNote> checkTone(Tone &tone);
    std::optional<ChirpNote> readChoices();

    const CsvRecord &m_record;
    const ChirpColumns &m_columns;
    ChirpRow m_row;
};

std::variant<int, ChirpNote> ChirpRow::location(const CsvRecord &record, const ChirpColumns &columns)
{
    const CsvField field = columns.field(record, kLocation);
    bool ok = false;
    const int location = field.text.trimmed().toInt(&ok);
    if (!ok)
        return ChirpNote{
            field, kLocation,
            BilingualText{u"'%1' 不是位置编号"_s, u"'%1' is not a location number"_s}.arg(field.text)};
    return location;
}

std::variant<ChirpRow, ChirpNote> ChirpRow::read(const CsvRecord &record, const ChirpColumns &columns)
{
    return Reader(record, columns).read();
}

ChirpRow ChirpRow::fromChannel(const ChannelValues &values, const ChirpNote &rx, const ChirpNote &tx)
{
    ChirpRow row;
    row.m_values = values;
    row.m_rx = rx;
    row.m_tx = tx;
    return row;
}

std::variant<ChannelValues, ChirpNote> ChirpRow::inBand(int band, QList<ChirpNote> &warnings) const
{
    ChannelValues values = m_values;
    for (const auto &[source, text] :
         {std::pair{&m_rx, &values.rxFrequency}, std::pair{&m_tx, &values.txFrequency}}) {
        // A transmit frequency that is the receive one is checked once; a channel without one
        // keeps none.
        if (text == &values.txFrequency && m_values.txFrequency == m_values.rxFrequency) {
            *text = values.rxFrequency;
            break;
        }
        if (text == &values.txFrequency && text->isEmpty())
            break;
        const CheckedValue frequency = ValueChecks::typedFrequency(*text, band);
        if (frequency.refused())
            return ChirpNote{source->field, source->column, frequency.fault};
        if (!frequency.warning.isEmpty())
            warnings.append({source->field, source->column, frequency.warning});
        *text = frequency.text;
    }
    return values;
}

std::variant<ChirpRow, ChirpNote> ChirpRow::Reader::read()
{
    m_row.m_rx = note(kFrequency);
    m_row.m_values.rxFrequency = m_row.m_rx.field.text.trimmed();
    m_row.m_tx = m_row.m_rx;
    if (auto fault = readDuplex())
        return *fault;
    if (auto fault = readTones())
        return *fault;
    if (auto fault = readChoices())
        return *fault;
    return m_row;
}

ChirpNote ChirpRow::Reader::note(QLatin1StringView column, const BilingualText &reason) const
{
    return {m_columns.field(m_record, column), column, reason};
}

// The transmit frequency, from Duplex and Offset; "off" is the radio's transmit forbid.
std::optional<ChirpNote> ChirpRow::Reader::readDuplex()
{
    const ChirpNote duplex = note(kDuplex);
    const ChirpNote offset = note(kOffset);
    m_row.m_values.txFrequency = m_row.m_values.rxFrequency;
    if (duplex.field.text.trimmed().isEmpty())
        return std::nullopt;
    if (is(duplex.field, "off"_L1)) {
        m_row.m_values.forbid = true;
        return std::nullopt;
    }
    m_row.m_tx = offset;
    if (is(duplex.field, "split"_L1)) {
        m_row.m_values.txFrequency = offset.field.text.trimmed();
        return std::nullopt;
    }
    if (!is(duplex.field, "+"_L1) && !is(duplex.field, "-"_L1))
        return note(kDuplex, BilingualText{u"'%1' 不是 \"\"、+、-、split、off 之一"_s,
                                           u"'%1' is none of \"\", +, -, split, off"_s}
                                 .arg(duplex.field.text));
    const std::optional<double> shift = ParseDecimal(offset.field.text);
    if (!shift)
        return note(kOffset, BilingualText{u"'%1' 不是以 MHz 计的数"_s, u"'%1' is not a number of MHz"_s}.arg(
                                 offset.field.text));
    const std::optional<double> mhz = ParseDecimal(m_row.m_values.rxFrequency);
    if (!mhz)
        return note(kFrequency,
                    BilingualText{u"频率 '%1' 不是数字"_s, u"frequency '%1' is not a number"_s}.arg(
                        m_row.m_values.rxFrequency));
    m_row.m_values.txFrequency = FormatFrequency(is(duplex.field, "+"_L1) ? *mhz + *shift : *mhz - *shift);
    return std::nullopt;
}

std::optional<ChirpNote> ChirpRow::Reader::readTones()
{
    const ChirpNote mode = note(kTone);
    Tone tx{{}, mode};
    Tone rx{{}, mode};
    std::variant<Tone, ChirpNote> txTone = tx;
    std::variant<Tone, ChirpNote> rxTone = rx;
    if (mode.field.text.trimmed().isEmpty())
        return std::nullopt;
    if (is(mode.field, "Tone"_L1)) {
        txTone = ctcss(kRToneFreq);
    } else if (is(mode.field, "TSQL"_L1)) {
        txTone = rxTone = ctcss(kCToneFreq);
    } else if (is(mode.field, "DTCS"_L1)) {
        txTone = dcs(kDtcsCode, 0);
        rxTone = dcs(kDtcsCode, 1);
    } else if (is(mode.field, "Cross"_L1)) {
        if (auto fault = readCrossTones(tx, rx))
            return fault;
        txTone = tx;
        rxTone = rx;
    } else {
        return note(kTone, BilingualText{u"'%1' 不是 \"\"、Tone、TSQL、DTCS、Cross 之一"_s,
                                         u"'%1' is none of \"\", Tone, TSQL, DTCS, Cross"_s}
                               .arg(mode.field.text));
    }
    for (auto *tone : {&txTone, &rxTone}) {
        if (const auto *fault = std::get_if<ChirpNote>(tone))
            return *fault;
        if (auto fault = checkTone(std::get<Tone>(*tone)))
            return fault;
    }
    m_row.m_values.txTone = std::get<Tone>(txTone).text;
    m_row.m_values.rxTone = std::get<Tone>(rxTone).text;
    return std::nullopt;
}

// Cross: the transmit side takes rToneFreq or DtcsCode, the receive side cToneFreq or RxDtcsCode.
std::optional<ChirpNote> ChirpRow::Reader::readCrossTones(Tone &tx, Tone &rx)
{
    const ChirpNote crossMode = note(kCrossMode);
    const QString text = crossMode.field.text.trimmed();
    const auto known =
        std::find_if(std::begin(kCrossModes), std::end(kCrossModes), [&text](QLatin1StringView mode) {
            return text.compare(mode, Qt::CaseInsensitive) == 0;
        });
    if (known == std::end(kCrossModes)) {
        QStringList modes;
        for (QLatin1StringView mode : kCrossModes)
            modes << mode;
        return note(kCrossMode, BilingualText{u"'%1' 不是 %2 之一"_s, u"'%1' is none of %2"_s}.arg(
                                    text, modes.join(u", "_s)));
    }
    const auto side = [this](const QString &name, QLatin1StringView ctcssColumn, QLatin1StringView dcsColumn,
                             int polarity, Tone &tone) -> std::optional<ChirpNote> {
        std::variant<Tone, ChirpNote> read = tone;
        if (name.compare("Tone"_L1, Qt::CaseInsensitive) == 0)
            read = ctcss(ctcssColumn);
        else if (name.compare("DTCS"_L1, Qt::CaseInsensitive) == 0)
            read = dcs(dcsColumn, polarity);
        if (const auto *fault = std::get_if<ChirpNote>(&read))
            return *fault;
        tone = std::get<Tone>(read);
        return std::nullopt;
    };
    if (auto fault = side(text.section(u"->"_s, 0, 0), kRToneFreq, kDtcsCode, 0, tx))
        return fault;
    return side(text.section(u"->"_s, 1, 1), kCToneFreq, kRxDtcsCode, 1, rx);
}

std::variant<ChirpRow::Reader::Tone, ChirpNote> ChirpRow::Reader::ctcss(QLatin1StringView column)
{
    const ChirpNote source = note(column);
    const QString text = source.field.text.trimmed();
    if (!ParseDecimal(text))
        return note(column,
                    BilingualText{u"'%1' 不是亚音频频率"_s, u"'%1' is not a tone frequency"_s}.arg(text));
    return Tone{text, source};
}

// A DCS code with the polarity of side 0 (transmit) or 1 (receive); CHIRP's R is inverted.
std::variant<ChirpRow::Reader::Tone, ChirpNote> ChirpRow::Reader::dcs(QLatin1StringView column, int side)
{
    const ChirpNote source = note(column);
    const QString code = source.field.text.trimmed();
    if (!isDcsCode(code))
        return note(column, BilingualText{u"'%1' 不是 DCS 码"_s, u"'%1' is not a DCS code"_s}.arg(code));
    const ChirpNote polarity = note(kDtcsPolarity);
    const QString letters = polarity.field.text.trimmed().toUpper();
    if (!isPolarity(letters))
        return note(
            kDtcsPolarity,
            BilingualText{u"'%1' 不是 NN、NR、RN、RR 之一"_s, u"'%1' is none of NN, NR, RN, RR"_s}.arg(
                polarity.field.text));
    return Tone{u'D' + code + (letters[side] == u'R' ? u'I' : u'N'), source};
}

// A tone outside the tone list is taken with a warning; one the radio cannot store skips the row.
std::optional<ChirpNote> ChirpRow::Reader::checkTone(Tone &tone)
{
    if (tone.text.isEmpty())
        return std::nullopt;
    const CheckedValue checked = ValueChecks::typedTone(tone.text);
    if (checked.refused())
        return ChirpNote{tone.source.field, tone.source.column, checked.fault};
    if (!checked.warning.isEmpty())
        m_row.m_warnings.append({tone.source.field, tone.source.column, checked.warning});
    tone.text = checked.text;
    return std::nullopt;
}

std::optional<ChirpNote> ChirpRow::Reader::readChoices()
{
    const ChirpNote mode = note(kMode);
    if (!is(mode.field, "FM"_L1) && !is(mode.field, "NFM"_L1))
        return note(
            kMode,
            BilingualText{
                u"%1 无法写入本对讲机，它只有 FM（宽带）和 NFM（窄带）"_s,
                u"%1 cannot be programmed into this radio, which has FM (wide) and NFM (narrow) only"_s}
                .arg(mode.field.text.trimmed()));
    m_row.m_values.wide = is(mode.field, "FM"_L1);
    const ChirpNote skip = note(kSkip);
    if (!skip.field.text.trimmed().isEmpty() && !is(skip.field, "S"_L1) && !is(skip.field, "P"_L1))
        m_row.m_warnings.append(
            note(kSkip, BilingualText{u"'%1' 不是 \"\"、S、P 之一；该信道加入扫描"_s,
                                      u"'%1' is none of \"\", S, P; the channel is added to the scan"_s}
                            .arg(skip.field.text)));
    m_row.m_values.scanAdd = !is(skip.field, "S"_L1);
    BilingualText warning;
    m_row.m_values.highPower = ChirpPower::isHigh(note(kPower).field.text, warning);
    if (!warning.isEmpty())
        m_row.m_warnings.append(note(kPower, warning));
    return std::nullopt;
}

} // namespace vm280
