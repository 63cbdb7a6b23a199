#pragma once

#include "channelvalues.h"
#include "importreport.h"
#include "inputerror.h"
#include "jsonchecker.h"
#include "valuechecks.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"
#include "image/settingcatalog.h"

#include <QByteArrayView>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <optional>
#include <variant>

namespace vm280 {

/// Reads one JSON plan document onto a base plan; see PlanJson::read. Every value is checked
/// against what a memory image can carry, so a document written by PlanJson::write of a plan
/// opened from a file is always taken back, and gives the same image.
class PlanJsonReader
{
public:
    PlanJsonReader(QByteArrayView json, const CodePlan &base, const ChoiceTexts &texts, bool strict,
                   ImportReport &report);

    std::variant<CodePlan, InputError> read();

private:
    bool readRoot(const QJsonObject &root);
    bool readHeader(const QJsonObject &root);
    bool readBand(const QJsonValue &value);
    bool readChannels(const QJsonValue &value);
    bool readChannel(const QJsonValue &value, const QString &pointer, std::array<bool, 16> &seen);
    bool readChannelValues(const QJsonObject &channel, const QString &pointer, ChannelValues &values);
    bool checkChannelValues(const QString &pointer, ChannelValues &values);
    /// Records the fault or the warning of value at pointer; false when it is refused.
    bool take(const QString &pointer, const CheckedValue &value);
    bool readNumber(SettingId id, const QJsonValue &value, const QString &pointer);
    bool readSelectors(const QJsonValue &value);
    bool readOptionTexts(const QJsonValue &value);
    bool readOptionText(int slot, const QJsonValue &value, const QString &pointer);
    std::optional<QString> optionText(SettingId id, const QJsonValue &value, const QString &pointer);
    bool readDtmfSettings(const QJsonValue &value);
    bool readScalars(const QJsonObject &root);
    using TextCheck = std::optional<QString> (JsonChecker::*)(const QJsonValue &, const QString &, int);
    bool readTexts(const QJsonValue &value, const QString &pointer, QString *target, int count, int width,
                   TextCheck check);
    bool readTestFrequencies(const QJsonValue &value);
    bool readTestFrequency(const QJsonValue &value, const QString &pointer, QString &target);

    QByteArrayView m_json;
    std::optional<JsonChecker> m_check; ///< once the text has parsed
    CodePlan m_plan;
    const ChoiceTexts &m_texts;
    bool m_strict;
    ImportReport &m_report;
};

} // namespace vm280
