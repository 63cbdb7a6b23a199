#include "planjsonreader.h"

#include "planjson.h"
#include "planjsonkeys.h"

#include "valuechecks.h"

#include "editor/storabletext.h"
#include "image/bands.h"

#include <QJsonDocument>
#include <functional>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

using namespace PlanJsonKeys;

// Ranges of the integer settings, as the radio's decoder accepts them from an image.
struct Range
{
    int min;
    int max;
};

// Time-out -1 is a list without a selection, which an image byte 0 gives.
constexpr Range kSelectorRanges[] = {{0, 2}, {-1, 39}, {0, 10}, {0, 9}, {0, 1}, {0, 1}};
// DtmfSettings entry 2 (milliseconds) is checked on its own; the group call code is read as
// any digit character.
constexpr Range kDtmfRanges[] = {{0, 3}, {0, 3}, {0, 1000}, {0, 3}, {0, 16}, {0, 1}, {0, 9}, {0, 15}};

// OptionTexts entries that hold a list index or check value, with their range.
std::optional<Range> optionRange(int entry)
{
    switch (entry) {
    case 3:
    case 10:
        return Range{0, 2};
    case 5:
    case 8:
    case 9:
    case 22:
    case 23:
        return Range{0, 1};
    case 6:
        return Range{0, 10};
    case 7:
        return Range{0, 5};
    case 11:
        return Range{1, 16};
    case 12:
    case 13:
        return Range{0, 91};
    case 14:
        return Range{0, 3};
    default:
        return std::nullopt;
    }
}

// Widths of the OptionTexts entries stored as text fields: ID code, TX start and end codes.
int optionWidth(int entry)
{
    return entry == 15 ? 10 : 16;
}

constexpr QLatin1StringView kRootKeys[] = {
    kFormat, kVersion, kBand,          kChannels,     kSelectors,        kOptionTexts,     kDtmfSettings,
    kKeyPf1, kKeyPf2,  kPowerTrimHigh, kPowerTrimLow, kAutoDialMemories, kTestFrequencies, kEmbeddedTexts,
};

QString bandList()
{
    QStringList bands;
    for (int i = 0; i < kBandCount; ++i)
        bands << BandText(i);
    return bands.join(u", "_s);
}

// A plan holds a few hundred values, while a parsed document takes many times its text in
// memory: a text of far more values is refused before it is parsed. The offset where the
// values pass the limit, or -1.
qsizetype beyondValueLimit(QByteArrayView json)
{
    constexpr qsizetype kMaxValues = 10000;
    qsizetype count = 1;
    bool inString = false;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            i += c == '\\' ? 1 : 0;
            inString = c != '"';
        } else if (c == '"') {
            inString = true;
        } else if ((c == ',' || c == '[' || c == '{') && ++count > kMaxValues) {
            return i;
        }
    }
    return -1;
}

} // namespace

PlanJsonReader::PlanJsonReader(QByteArrayView json, const CodePlan &base, const ChoiceTexts &texts,
                               bool strict, ImportReport &report)
    : m_json(json), m_plan(base), m_texts(texts), m_strict(strict), m_report(report)
{}

std::variant<CodePlan, InputError> PlanJsonReader::read()
{
    if (const qsizetype offset = beyondValueLimit(m_json); offset >= 0)
        return JsonPositions::errorAtOffset(m_json, offset,
                                            u"more than 10000 values, far more than any plan holds"_s);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(m_json.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return JsonPositions::errorAtOffset(m_json, parseError.offset,
                                            u"malformed JSON: %1"_s.arg(parseError.errorString()));
    m_check.emplace(m_json, m_strict, m_report);
    if (!document.isObject())
        m_check->fail({}, u"a plan is a JSON object"_s);
    else if (readRoot(document.object()))
        return m_plan;
    return m_check->error();
}

bool PlanJsonReader::readRoot(const QJsonObject &root)
{
    if (!m_check->object(root, {}, QList<QLatin1StringView>(std::begin(kRootKeys), std::end(kRootKeys))) ||
        !readHeader(root))
        return false;
    // The band first: the channels are checked against it.
    if (root.contains(kBand) && !readBand(root[kBand]))
        return false;
    if (root.contains(kChannels) && !readChannels(root[kChannels]))
        return false;
    if (root.contains(kSelectors) && !readSelectors(root[kSelectors]))
        return false;
    if (root.contains(kOptionTexts) && !readOptionTexts(root[kOptionTexts]))
        return false;
    if (root.contains(kDtmfSettings) && !readDtmfSettings(root[kDtmfSettings]))
        return false;
    if (!readScalars(root))
        return false;
    if (root.contains(kAutoDialMemories) &&
        !readTexts(root[kAutoDialMemories], u"/"_s + kAutoDialMemories, m_plan.AutoDialMemories.data(), 8, 16,
                   &JsonChecker::byteText))
        return false;
    if (root.contains(kTestFrequencies) && !readTestFrequencies(root[kTestFrequencies]))
        return false;
    // The embedded lines take what the window's editor takes.
    return !root.contains(kEmbeddedTexts) ||
           readTexts(root[kEmbeddedTexts], u"/"_s + kEmbeddedTexts, m_plan.EmbeddedTexts.data(), 2,
                     kEmbeddedTextLength, &JsonChecker::storableText);
}

bool PlanJsonReader::readHeader(const QJsonObject &root)
{
    if (root[kFormat] != QJsonValue(PlanJson::kFormatName))
        return m_check->fail(u"/"_s + kFormat,
                             u"not a %1 document (\"format\": \"%1\" expected)"_s.arg(PlanJson::kFormatName));
    if (!root.contains(kVersion))
        return m_check->fail({}, u"\"version\" is missing"_s);
    if (root[kVersion] != QJsonValue(PlanJson::kVersion))
        return m_check->fail(u"/"_s + kVersion, u"only version %1 is known"_s.arg(PlanJson::kVersion));
    return true;
}

bool PlanJsonReader::readBand(const QJsonValue &value)
{
    const QString pointer = u"/"_s + kBand;
    const auto text = m_check->string(value, pointer);
    if (!text)
        return false;
    const int band = BandOfText(*text);
    if (band < 0)
        return m_check->fail(pointer, u"'%1' is none of the bands %2"_s.arg(*text, bandList()));
    m_plan.band = band;
    return true;
}

bool PlanJsonReader::readChannels(const QJsonValue &value)
{
    const QString pointer = u"/"_s + kChannels;
    if (!value.isArray())
        return m_check->fail(pointer, u"an array of channels expected"_s);
    ChannelValues::clearAll(m_plan.channels);
    std::array<bool, 16> seen{};
    const QJsonArray channels = value.toArray();
    for (qsizetype i = 0; i < channels.size(); ++i) {
        if (!readChannel(channels[i], pointer + u'/' + QString::number(i), seen))
            return false;
    }
    m_check->setSubject({}, {});
    return true;
}

bool PlanJsonReader::readChannel(const QJsonValue &value, const QString &pointer, std::array<bool, 16> &seen)
{
    m_check->setSubject(pointer.mid(1), pointer);
    const auto channel = m_check->object(
        value, pointer,
        {kChannel, kRxFrequency, kRxTone, kTxFrequency, kTxTone, kPower, kForbid, kBandwidth, kScanAdd});
    if (!channel)
        return false;
    if (!channel->contains(kChannel))
        return m_check->fail(pointer, u"\"channel\" (the channel number) is missing"_s);
    const auto row =
        m_check->integer((*channel)[kChannel], pointer + u'/' + kChannel, 1, ChannelTable::kRows);
    if (!row)
        return false;
    const QString subject = u"channel %1"_s.arg(*row);
    if (seen[*row - 1]) {
        m_check->setSubject(subject, pointer + u'/' + kChannel);
        return m_check->fail(pointer + u'/' + kChannel, u"the channel is given twice"_s);
    }
    m_check->setSubject(subject, pointer);
    seen[*row - 1] = true;

    ChannelValues values;
    if (!readChannelValues(*channel, pointer, values) || !checkChannelValues(pointer, values))
        return false;
    values.write(m_plan.channels, int(*row), m_texts);
    ++m_report.imported;
    return true;
}

// Reads everything of a channel but the number; absent members take a new channel's defaults,
// the transmit frequency that of the receive frequency.
bool PlanJsonReader::readChannelValues(const QJsonObject &channel, const QString &pointer,
                                       ChannelValues &values)
{
    const auto frequency = [&](QLatin1StringView key) -> std::optional<QString> {
        const QJsonValue value = channel[key];
        if (value.isDouble())
            return QString::number(value.toDouble(), 'f', 6);
        return m_check->string(value, pointer + u'/' + key);
    };
    const auto tone = [&](QLatin1StringView key) -> std::optional<QString> {
        if (!channel.contains(key))
            return QString();
        const auto text = m_check->string(channel[key], pointer + u'/' + key);
        return text && text->compare(kToneOff, Qt::CaseInsensitive) == 0 ? QString() : text;
    };
    if (!channel.contains(kRxFrequency))
        return m_check->fail(pointer, u"\"rxFrequency\" is missing"_s);
    const auto rx = frequency(kRxFrequency);
    const auto tx = channel.contains(kTxFrequency) ? frequency(kTxFrequency) : rx;
    const auto rxTone = tone(kRxTone);
    const auto txTone = tone(kTxTone);
    const auto power = m_check->word(channel, kPower, pointer, kPowerWords, true);
    const auto forbid = m_check->word(channel, kForbid, pointer, kForbidWords, false);
    const auto bandwidth = m_check->word(channel, kBandwidth, pointer, kBandwidthWords, true);
    const QString scanPointer = pointer + u'/' + kScanAdd;
    if (channel.contains(kScanAdd) && !channel[kScanAdd].isBool())
        return m_check->fail(scanPointer, u"true or false expected"_s);
    if (!rx || !tx || !rxTone || !txTone || !power || !forbid || !bandwidth)
        return false;
    values = {*rx, *tx, *rxTone, *txTone, *power, *forbid, *bandwidth, channel[kScanAdd].toBool(true)};
    return true;
}

// Takes every frequency and tone the image can hold, as it stands; what the editor would not
// have let a user type is a warning.
bool PlanJsonReader::checkChannelValues(const QString &pointer, ChannelValues &values)
{
    if (values.rxFrequency.trimmed().isEmpty())
        return m_check->fail(pointer + u'/' + kRxFrequency, u"no receive frequency"_s);
    struct Value
    {
        QLatin1StringView key;
        QString &text;
        bool frequency;
    };
    const Value checked[] = {{kRxFrequency, values.rxFrequency, true},
                             {kTxFrequency, values.txFrequency, true},
                             {kRxTone, values.rxTone, false},
                             {kTxTone, values.txTone, false}};
    const QString rx = values.rxFrequency;
    for (const Value &value : checked) {
        // A transmit frequency that is the receive one is checked once.
        if (&value.text == &values.txFrequency && value.text == rx) {
            value.text = values.rxFrequency;
            continue;
        }
        if (value.text.trimmed().isEmpty()) {
            value.text.clear();
            continue;
        }
        const CheckedValue result = value.frequency ? ValueChecks::storedFrequency(value.text, m_plan.band)
                                                    : ValueChecks::storedTone(value.text);
        if (!take(pointer + u'/' + value.key, result))
            return false;
        value.text = result.text;
    }
    return true;
}

bool PlanJsonReader::take(const QString &pointer, const CheckedValue &value)
{
    if (value.refused())
        return m_check->fail(pointer, value.fault);
    return value.warning.isEmpty() || m_check->warn(pointer, value.warning);
}

bool PlanJsonReader::readSelectors(const QJsonValue &value)
{
    const QString pointer = u"/"_s + kSelectors;
    const auto selectors = m_check->object(
        value, pointer, QList<QLatin1StringView>(std::begin(kSelectorNames), std::end(kSelectorNames)));
    if (!selectors)
        return false;
    for (size_t i = 0; i < std::size(kSelectorNames); ++i) {
        if (!selectors->contains(kSelectorNames[i]))
            continue;
        const auto index =
            m_check->integer((*selectors)[kSelectorNames[i]], pointer + u'/' + kSelectorNames[i],
                             kSelectorRanges[i].min, kSelectorRanges[i].max);
        if (!index)
            return false;
        m_plan.selectors.*kSelectorMembers[i] = int(*index);
    }
    return true;
}

bool PlanJsonReader::readOptionTexts(const QJsonValue &value)
{
    const QString pointer = u"/"_s + kOptionTexts;
    const auto entries = m_check->array(value, pointer, int(m_plan.OptionTexts.size()));
    if (!entries)
        return false;
    for (int entry = 0; entry < entries->size(); ++entry) {
        if (!readOptionText(entry, (*entries)[entry], pointer + u'/' + QString::number(entry)))
            return false;
    }
    return true;
}

bool PlanJsonReader::readOptionText(int entry, const QJsonValue &value, const QString &pointer)
{
    if (entry >= 15 && entry <= 17) {
        const auto text = m_check->byteText(value, pointer, optionWidth(entry));
        if (text)
            m_plan.OptionTexts[entry] = *text;
        return text.has_value();
    }
    const auto text = m_check->string(value, pointer);
    if (!text)
        return false;
    // The two scan delays are typed numbers, empty counting as 0; stored as 16-bit values.
    const bool delay = entry == 18 || entry == 19;
    const std::optional<Range> range = delay ? Range{-32768, 300} : optionRange(entry);
    if (range && !(delay && text->isEmpty())) {
        bool ok = false;
        const int number = text->toInt(&ok);
        if (!ok || number < range->min || number > range->max)
            return m_check->fail(
                pointer,
                u"'%1' is not a whole number from %2 to %3"_s.arg(*text).arg(range->min).arg(range->max));
    }
    m_plan.OptionTexts[entry] = *text;
    return true;
}

bool PlanJsonReader::readDtmfSettings(const QJsonValue &value)
{
    const QString pointer = u"/"_s + kDtmfSettings;
    const auto entries = m_check->array(value, pointer, int(m_plan.DtmfSettings.size()));
    if (!entries)
        return false;
    for (int entry = 0; entry < entries->size(); ++entry) {
        const QString entryPointer = pointer + u'/' + QString::number(entry);
        const auto number =
            m_check->integer((*entries)[entry], entryPointer, kDtmfRanges[entry].min, kDtmfRanges[entry].max);
        if (!number)
            return false;
        // The first digit delay is kept in milliseconds and stored in tens of them, 100 to 1000 ms;
        // 0 is the start-up value that no image carries.
        if (entry == 2 && *number != 0 && (*number < 100 || *number % 10 != 0))
            return m_check->fail(entryPointer,
                                 u"%1 ms is not 0 or 100 to 1000 ms in steps of 10 ms"_s.arg(*number));
        m_plan.DtmfSettings[entry] = qint16(*number);
    }
    return true;
}

bool PlanJsonReader::readScalars(const QJsonObject &root)
{
    struct Scalar
    {
        QLatin1StringView key;
        qint16 *target;
        int max;
    };
    // Twelve key functions; a power trim is one byte.
    const Scalar scalars[] = {{kKeyPf1, &m_plan.KeyPf1, 11},
                              {kKeyPf2, &m_plan.KeyPf2, 11},
                              {kPowerTrimHigh, &m_plan.PowerTrimHigh, 255},
                              {kPowerTrimLow, &m_plan.PowerTrimLow, 255}};
    for (const auto &[key, target, max] : scalars) {
        if (!root.contains(key))
            continue;
        const auto number = m_check->integer(root[key], u"/"_s + key, 0, max);
        if (!number)
            return false;
        *target = qint16(*number);
    }
    return true;
}

bool PlanJsonReader::readTexts(const QJsonValue &value, const QString &pointer, QString *target, int count,
                               int width, TextCheck check)
{
    const auto entries = m_check->array(value, pointer, count);
    if (!entries)
        return false;
    for (int i = 0; i < count; ++i) {
        const auto text =
            std::invoke(check, *m_check, (*entries)[i], pointer + u'/' + QString::number(i), width);
        if (!text)
            return false;
        target[i] = *text;
    }
    return true;
}

bool PlanJsonReader::readTestFrequencies(const QJsonValue &value)
{
    const QString pointer = u"/"_s + kTestFrequencies;
    const auto entries = m_check->array(value, pointer, 16);
    if (!entries)
        return false;
    for (int c = 0; c < 16; ++c) {
        const QString entryPointer = pointer + u'/' + QString::number(c);
        const auto pair = m_check->object((*entries)[c], entryPointer, {kRx, kTx});
        if (!pair ||
            !readTestFrequency((*pair)[kRx], entryPointer + u'/' + kRx, m_plan.TestFrequencies[0][c]) ||
            !readTestFrequency((*pair)[kTx], entryPointer + u'/' + kTx, m_plan.TestFrequencies[1][c]))
            return false;
    }
    return true;
}

// Test frequencies are not tied to a band; they only need the form of the image's frequency
// fields.
bool PlanJsonReader::readTestFrequency(const QJsonValue &value, const QString &pointer, QString &target)
{
    if (value.isUndefined()) {
        target.clear();
        return true;
    }
    const auto text = m_check->string(value, pointer);
    if (!text)
        return false;
    if (text->trimmed().isEmpty()) {
        target.clear();
        return true;
    }
    const CheckedValue frequency = ValueChecks::storedFrequency(*text, -1);
    if (!take(pointer, frequency))
        return false;
    target = frequency.text;
    return true;
}

} // namespace vm280
