#include "chirpcsv.h"

#include "channelvalues.h"
#include "chirpcsvreader.h"
#include "chirppower.h"
#include "chirptones.h"

#include "image/numeric.h"

#include <QStringList>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr qint64 kUnitsPerMHz = 100000; // frequencies are whole tens of hertz
// CHIRP's own convention: transmit frequencies further than this from the receive frequency
// are a split, nearer ones an offset.
constexpr qint64 kSplitUnits = 70 * kUnitsPerMHz;

std::optional<qint64> units(const QString &frequency)
{
    const std::optional<double> mhz = ParseDecimal(frequency);
    if (!mhz)
        return std::nullopt;
    return std::llround(*mhz * kUnitsPerMHz);
}

// MHz with six decimals, as CHIRP writes them.
QString megahertz(qint64 units)
{
    return u"%1.%2"_s.arg(units / kUnitsPerMHz).arg(units % kUnitsPerMHz * 10, 6, 10, QLatin1Char('0'));
}

QString megahertz(const QString &frequency)
{
    const auto value = units(frequency);
    return value ? megahertz(*value) : frequency;
}

// Duplex and Offset of a channel.
std::pair<QString, QString> duplexOf(const ChannelValues &values)
{
    const QString none = megahertz(0);
    const auto rx = units(values.rxFrequency);
    const auto tx = units(values.txFrequency);
    // A channel without a transmit frequency cannot transmit either.
    if (values.forbid || values.txFrequency.isEmpty())
        return {u"off"_s, none};
    if (!rx || !tx || std::abs(*tx - *rx) > kSplitUnits)
        return {u"split"_s, megahertz(values.txFrequency)};
    if (*tx == *rx)
        return {QString(), none};
    return {*tx > *rx ? u"+"_s : u"-"_s, megahertz(std::abs(*tx - *rx))};
}

// The raster the receive frequency lies on: 5 kHz or 6.25 kHz.
QString tuningStep(const QString &frequency)
{
    const auto value = units(frequency);
    return value && *value % 500 != 0 ? u"6.25"_s : u"5.00"_s;
}

QString rowOf(int location, const ChannelValues &values, QChar separator)
{
    const auto [duplex, offset] = duplexOf(values);
    const ChirpTones tones = ChirpTones::fromTones(values.rxTone, values.txTone);
    const QStringList fields{
        QString::number(location),
        QString(),
        megahertz(values.rxFrequency),
        duplex,
        offset,
        tones.tone,
        tones.rToneFreq,
        tones.cToneFreq,
        tones.dtcsCode,
        tones.dtcsPolarity,
        tones.rxDtcsCode,
        tones.crossMode,
        values.wide ? u"FM"_s : u"NFM"_s,
        tuningStep(values.rxFrequency),
        values.scanAdd ? QString() : u"S"_s,
        ChirpPower::text(values.highPower),
        QString(),
        QString(),
        QString(),
        QString(),
        QString(),
    };
    // Numbers, tone texts and fixed words: no field ever needs quotes.
    return fields.join(separator);
}

} // namespace

QByteArray ChirpCsv::write(const CodePlan &plan, const ChoiceTexts &texts, QChar separator)
{
    QString csv = QString(kHeader).replace(u',', separator) + u"\r\n"_s;
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (!plan.channels.isEmpty(row))
            csv += rowOf(row, ChannelValues::read(plan.channels, row, texts), separator) + u"\r\n"_s;
    }
    return csv.toUtf8();
}

std::variant<CodePlan, InputError> ChirpCsv::read(QStringView csv, const CodePlan &base,
                                                  const ImportOptions &options, const ChoiceTexts &texts,
                                                  ImportReport &report)
{
    return ChirpCsvReader(base, options, texts, report).read(csv);
}

} // namespace vm280
