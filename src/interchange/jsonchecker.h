#pragma once

#include "importreport.h"
#include "inputerror.h"
#include "jsonpositions.h"

#include <QByteArrayView>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QList>
#include <optional>

namespace vm280 {

/// Checks the values of one JSON text and keeps the first fault, placed where the value stands
/// and named by its JSON pointer ("OptionTexts/11") or by the subject being read ("channel 3
/// rxTone"). Warnings are placed and named the same way and go to report, or are faults when
/// strict.
class JsonChecker
{
public:
    /// json must be a text that QJsonDocument accepted.
    JsonChecker(QByteArrayView json, bool strict, ImportReport &report)
        : m_positions(json), m_strict(strict), m_report(report)
    {}

    /// Names the faults at pointer and below by subject (and the member's name below pointer);
    /// an empty subject names them by their pointer again.
    void setSubject(const BilingualText &subject, const QString &pointer);

    // Each check returns nothing and records the fault when value does not pass.
    std::optional<QJsonArray> array(const QJsonValue &value, const QString &pointer, int size);
    /// An object whose members are all among keys.
    std::optional<QJsonObject> object(const QJsonValue &value, const QString &pointer,
                                      const QList<QLatin1StringView> &keys);
    std::optional<qint64> integer(const QJsonValue &value, const QString &pointer, qint64 min, qint64 max);
    std::optional<QString> string(const QJsonValue &value, const QString &pointer);
    /// A string for a text field of width bytes, one byte per character.
    std::optional<QString> byteText(const QJsonValue &value, const QString &pointer, int width);
    /// A string for a text field of width bytes that the byte 0xFF ends: only the characters the
    /// radio keeps (IsStorableCharacter).
    std::optional<QString> storableText(const QJsonValue &value, const QString &pointer, int width);
    /// A string for an auto-dial memory of width bytes: what storableText takes but ':'
    /// (IsStorableDialCharacter).
    std::optional<QString> dialText(const QJsonValue &value, const QString &pointer, int width);
    /// Which of the two words member key of object is; absent when it is missing.
    std::optional<bool> word(const QJsonObject &object, QLatin1StringView key, const QString &pointer,
                             const QLatin1StringView (&words)[2], bool absent);

    /// Records a fault (unless one is recorded already) and returns false.
    bool fail(const QString &pointer, const BilingualText &reason);
    /// Adds a warning to the report and returns true; when strict, fails instead.
    bool warn(const QString &pointer, const BilingualText &reason);
    const InputError &error() const { return m_error; }

private:
    std::optional<QString> fieldText(const QJsonValue &value, const QString &pointer, int width,
                                     bool (*keeps)(QChar), const BilingualText &characters);
    BilingualText subjectOf(const QString &pointer, const BilingualText &reason) const;

    JsonPositions m_positions;
    bool m_strict;
    ImportReport &m_report;
    InputError m_error;
    BilingualText m_subject;
    QString m_subjectPointer;
};

} // namespace vm280
