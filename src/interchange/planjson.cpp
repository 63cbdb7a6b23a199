#include "planjson.h"

#include "channelvalues.h"
#include "planjsonkeys.h"
#include "planjsonreader.h"

#include "image/bands.h"
#include "image/settingcatalog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vm280 {

namespace {

using namespace PlanJsonKeys;

QString toneWord(const QString &tone)
{
    return tone.isEmpty() ? QString(kToneOff) : tone;
}

QJsonObject channelObject(int row, const ChannelValues &values)
{
    return {
        {kChannel, row},
        {kRxFrequency, values.rxFrequency},
        {kRxTone, toneWord(values.rxTone)},
        {kTxFrequency, values.txFrequency},
        {kTxTone, toneWord(values.txTone)},
        {kPower, kPowerWords[values.highPower]},
        {kForbid, kForbidWords[values.forbid]},
        {kBandwidth, kBandwidthWords[values.wide]},
        {kScanAdd, values.scanAdd},
    };
}

QJsonArray channelArray(const ChannelTable &table, const ChoiceTexts &texts)
{
    QJsonArray channels;
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (!table.isEmpty(row))
            channels.append(channelObject(row, ChannelValues::read(table, row, texts)));
    }
    return channels;
}

template <typename Container> QJsonArray arrayOf(const Container &values)
{
    QJsonArray array;
    for (const auto &value : values)
        array.append(value);
    return array;
}

QJsonObject selectorObject(const CodePlan &plan)
{
    QJsonObject object;
    for (SettingId id : SettingCatalog::settings(SettingGroup::FunctionSet))
        object.insert(SettingCatalog::selectorName(id), int(SettingCatalog::number(plan, id)));
    return object;
}

QJsonArray testFrequencyArray(const CodePlan &plan)
{
    QJsonArray array;
    for (int c = 0; c < 16; ++c)
        array.append(QJsonObject{{kRx, plan.TestFrequencies[0][c]}, {kTx, plan.TestFrequencies[1][c]}});
    return array;
}

} // namespace

QByteArray PlanJson::write(const CodePlan &plan, const ChoiceTexts &texts)
{
    const QJsonObject root{
        {kFormat, kFormatName},
        {PlanJsonKeys::kVersion, PlanJson::kVersion},
        {kBand, BandText(plan.band)},
        {kChannels, channelArray(plan.channels, texts)},
        {kSelectors, selectorObject(plan)},
        {kOptionTexts, arrayOf(plan.OptionTexts)},
        {kDtmfSettings, arrayOf(plan.DtmfSettings)},
        {kKeyPf1, plan.KeyPf1},
        {kKeyPf2, plan.KeyPf2},
        {kPowerTrimHigh, plan.PowerTrimHigh},
        {kPowerTrimLow, plan.PowerTrimLow},
        {kAutoDialMemories, arrayOf(plan.AutoDialMemories)},
        {kTestFrequencies, testFrequencyArray(plan)},
        {kEmbeddedTexts, arrayOf(plan.EmbeddedTexts)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<CodePlan, InputError> PlanJson::read(QByteArrayView json, const CodePlan &base,
                                                  const ChoiceTexts &texts, bool strict, ImportReport &report)
{
    return PlanJsonReader(json, base, texts, strict, report).read();
}

} // namespace vm280
