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

// The number a setting has in a fresh plan. It is taken besides the numbers an image gives, so
// that a plan written at start-up reads back: no image gives a first digit delay of 0 ms.
qint64 startUpNumber(SettingId id)
{
    return SettingCatalog::number(CodePlan(), id);
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
                                            {u"多于 10000 个值，远超任何写频方案"_s,
                                             u"more than 10000 values, far more than any plan holds"_s});
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(m_json.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return JsonPositions::errorAtOffset(
            m_json, parseError.offset,
            BilingualText{u"JSON 格式错误：%1"_s, u"malformed JSON: %1"_s}.arg(parseError.errorString()));
    if (const auto duplicate = JsonPositions(m_json).firstDuplicateMember())
        return *duplicate;
    m_check.emplace(m_json, m_strict, m_report);
    if (!document.isObject())
        m_check->fail({}, {u"写频方案应为 JSON 对象"_s, u"a plan is a JSON object"_s});
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
                   &JsonChecker::dialText))
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
                             BilingualText{u"不是 %1 文档（应为 \"format\": \"%1\"）"_s,
                                           u"not a %1 document (\"format\": \"%1\" expected)"_s}
                                 .arg(PlanJson::kFormatName));
    if (!root.contains(kVersion))
        return m_check->fail({}, {u"缺少 \"version\""_s, u"\"version\" is missing"_s});
    if (root[kVersion] != QJsonValue(PlanJson::kVersion))
        return m_check->fail(
            u"/"_s + kVersion,
            BilingualText{u"只认识版本 %1"_s, u"only version %1 is known"_s}.arg(PlanJson::kVersion));
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
        return m_check->fail(pointer,
                             BilingualText{u"'%1' 不是频段 %2 之一"_s, u"'%1' is none of the bands %2"_s}.arg(
                                 *text, bandList()));
    m_plan.band = band;
    return true;
}

bool PlanJsonReader::readChannels(const QJsonValue &value)
{
    const QString pointer = u"/"_s + kChannels;
    if (!value.isArray())
        return m_check->fail(pointer, {u"应为信道的数组"_s, u"an array of channels expected"_s});
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
    m_check->setSubject({pointer.mid(1), pointer.mid(1)}, pointer);
    const auto channel = m_check->object(
        value, pointer,
        {kChannel, kRxFrequency, kRxTone, kTxFrequency, kTxTone, kPower, kForbid, kBandwidth, kScanAdd});
    if (!channel)
        return false;
    if (!channel->contains(kChannel))
        return m_check->fail(
            pointer, {u"缺少 \"channel\"（信道号）"_s, u"\"channel\" (the channel number) is missing"_s});
    const auto row =
        m_check->integer((*channel)[kChannel], pointer + u'/' + kChannel, 1, ChannelTable::kRows);
    if (!row)
        return false;
    const BilingualText subject = BilingualText{u"信道 %1"_s, u"channel %1"_s}.arg(*row);
    if (seen[*row - 1]) {
        m_check->setSubject(subject, pointer + u'/' + kChannel);
        return m_check->fail(pointer + u'/' + kChannel,
                             {u"该信道重复给出"_s, u"the channel is given twice"_s});
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
        return m_check->fail(pointer, {u"缺少 \"rxFrequency\""_s, u"\"rxFrequency\" is missing"_s});
    const auto rx = frequency(kRxFrequency);
    const auto tx = channel.contains(kTxFrequency) ? frequency(kTxFrequency) : rx;
    const auto rxTone = tone(kRxTone);
    const auto txTone = tone(kTxTone);
    const auto power = m_check->word(channel, kPower, pointer, kPowerWords, true);
    const auto forbid = m_check->word(channel, kForbid, pointer, kForbidWords, false);
    const auto bandwidth = m_check->word(channel, kBandwidth, pointer, kBandwidthWords, true);
    const QString scanPointer = pointer + u'/' + kScanAdd;
    if (channel.contains(kScanAdd) && !channel[kScanAdd].isBool())
        return m_check->fail(scanPointer, {u"应为 true 或 false"_s, u"true or false expected"_s});
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
        return m_check->fail(pointer + u'/' + kRxFrequency, {u"没有接收频率"_s, u"no receive frequency"_s});
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

// A whole number for setting id: one an image can give it, or its start-up number.
bool PlanJsonReader::readNumber(SettingId id, const QJsonValue &value, const QString &pointer)
{
    const SettingRange range = SettingCatalog::range(id);
    const qint64 startUp = startUpNumber(id);
    const auto number =
        m_check->integer(value, pointer, std::min(range.min, startUp), std::max(range.max, startUp));
    if (!number)
        return false;
    // Only the first digit delay, kept in milliseconds and stored in tens of them, has numbers
    // between its bounds that no image gives.
    if (*number != startUp && !SettingCatalog::holds(id, *number)) {
        const auto text = [](qint64 n) { return QString::number(n); };
        return m_check->fail(
            pointer,
            BilingualText{u"%1 ms 既不是 %2，也不是 %3 到 %4 ms 之间以 %5 ms 为步长的值"_s,
                          u"%1 ms is not %2 or %3 to %4 ms in steps of %5 ms"_s}
                .arg(text(*number), text(startUp), text(range.min), text(range.max), text(range.step)));
    }
    SettingCatalog::setNumber(m_plan, id, *number);
    return true;
}

bool PlanJsonReader::readSelectors(const QJsonValue &value)
{
    const QString pointer = u"/"_s + kSelectors;
    const QList<SettingId> settings = SettingCatalog::settings(SettingGroup::FunctionSet);
    QList<QLatin1StringView> names;
    for (SettingId id : settings)
        names << SettingCatalog::selectorName(id);
    const auto selectors = m_check->object(value, pointer, names);
    if (!selectors)
        return false;
    for (SettingId id : settings) {
        const QLatin1StringView name = SettingCatalog::selectorName(id);
        if (selectors->contains(name) && !readNumber(id, (*selectors)[name], pointer + u'/' + name))
            return false;
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

// A slot that holds no setting takes any text.
bool PlanJsonReader::readOptionText(int slot, const QJsonValue &value, const QString &pointer)
{
    const std::optional<SettingId> id = SettingCatalog::optionSetting(slot);
    const auto text = id ? optionText(*id, value, pointer) : m_check->string(value, pointer);
    if (text)
        m_plan.OptionTexts[slot] = *text;
    return text.has_value();
}

// The text field's characters, or a whole number an image can give the setting as decimal text;
// a typed number (a scan delay) may also be empty, which counts as 0.
std::optional<QString> PlanJsonReader::optionText(SettingId id, const QJsonValue &value,
                                                  const QString &pointer)
{
    const SettingPlace place = SettingCatalog::place(id);
    // A field padded with 0xFF that reads 0xFF back as nothing cannot keep U+00FF.
    if (place.encoding == SettingEncoding::Text)
        return m_check->storableText(value, pointer, place.width);
    if (place.holdsText())
        return m_check->byteText(value, pointer, place.width);
    const auto text = m_check->string(value, pointer);
    if (!text || (SettingCatalog::kindOf(id) == SettingKind::Text && text->isEmpty()))
        return text;
    bool ok = false;
    const int number = text->toInt(&ok);
    if (ok && SettingCatalog::holds(id, number))
        return text;
    const SettingRange range = SettingCatalog::range(id);
    m_check->fail(
        pointer,
        BilingualText{u"'%1' 不是 %2 到 %3 的整数"_s, u"'%1' is not a whole number from %2 to %3"_s}.arg(
            *text, QString::number(range.min), QString::number(range.max)));
    return std::nullopt;
}

bool PlanJsonReader::readDtmfSettings(const QJsonValue &value)
{
    const QString pointer = u"/"_s + kDtmfSettings;
    const auto entries = m_check->array(value, pointer, int(m_plan.DtmfSettings.size()));
    if (!entries)
        return false;
    for (int entry = 0; entry < entries->size(); ++entry) {
        if (!readNumber(SettingCatalog::dtmfSetting(entry), (*entries)[entry],
                        pointer + u'/' + QString::number(entry)))
            return false;
    }
    return true;
}

bool PlanJsonReader::readScalars(const QJsonObject &root)
{
    const std::pair<QLatin1StringView, SettingId> scalars[] = {{kKeyPf1, SettingId::KeyPf1},
                                                               {kKeyPf2, SettingId::KeyPf2},
                                                               {kPowerTrimHigh, SettingId::PowerTrimHigh},
                                                               {kPowerTrimLow, SettingId::PowerTrimLow}};
    for (const auto &[key, id] : scalars) {
        if (root.contains(key) && !readNumber(id, root[key], u"/"_s + key))
            return false;
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
