#include "jsonchecker.h"

#include "editor/storabletext.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// Text fields hold one byte per character.
bool fitsByte(QChar c)
{
    return c.unicode() <= 0xFF;
}

} // namespace

void JsonChecker::setSubject(const BilingualText &subject, const QString &pointer)
{
    m_subject = subject;
    m_subjectPointer = pointer;
}

std::optional<QJsonArray> JsonChecker::array(const QJsonValue &value, const QString &pointer, int size)
{
    if (!value.isArray() || value.toArray().size() != size) {
        fail(pointer, BilingualText{u"应为 %1 项的数组"_s, u"an array of %1 entries expected"_s}.arg(size));
        return std::nullopt;
    }
    return value.toArray();
}

std::optional<QJsonObject> JsonChecker::object(const QJsonValue &value, const QString &pointer,
                                               const QList<QLatin1StringView> &keys)
{
    if (!value.isObject()) {
        fail(pointer, {u"应为对象"_s, u"an object expected"_s});
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!keys.contains(it.key())) {
            fail(pointer + u'/' + it.key(),
                 BilingualText{u"未知成员 \"%1\""_s, u"unknown member \"%1\""_s}.arg(it.key()));
            return std::nullopt;
        }
    }
    return object;
}

std::optional<qint64> JsonChecker::integer(const QJsonValue &value, const QString &pointer, qint64 min,
                                           qint64 max)
{
    const double number = value.toDouble();
    if (!value.isDouble() || number != std::floor(number) || number < double(min) || number > double(max)) {
        fail(pointer,
             BilingualText{u"应为 %1 到 %2 的整数"_s, u"a whole number from %1 to %2 expected"_s}.arg(
                 QString::number(min), QString::number(max)));
        return std::nullopt;
    }
    return qint64(number);
}

std::optional<QString> JsonChecker::string(const QJsonValue &value, const QString &pointer)
{
    if (!value.isString()) {
        fail(pointer, {u"应为字符串"_s, u"a string expected"_s});
        return std::nullopt;
    }
    return value.toString();
}

std::optional<QString> JsonChecker::byteText(const QJsonValue &value, const QString &pointer, int width)
{
    return fieldText(value, pointer, width, fitsByte, {u"U+0000 到 U+00FF 的"_s, u"from U+0000 to U+00FF"_s});
}

std::optional<QString> JsonChecker::storableText(const QJsonValue &value, const QString &pointer, int width)
{
    return fieldText(value, pointer, width, IsStorableCharacter,
                     {u"U+0000 到 U+00FE 的"_s, u"from U+0000 to U+00FE"_s});
}

std::optional<QString> JsonChecker::dialText(const QJsonValue &value, const QString &pointer, int width)
{
    return fieldText(value, pointer, width, IsStorableDialCharacter,
                     {u"U+0000 到 U+00FE 且不是 ':' 的"_s, u"from U+0000 to U+00FE other than ':'"_s});
}

// A text of at most width characters, each one keeps takes; characters says which they are.
std::optional<QString> JsonChecker::fieldText(const QJsonValue &value, const QString &pointer, int width,
                                              bool (*keeps)(QChar), const BilingualText &characters)
{
    const auto text = string(value, pointer);
    if (!text)
        return std::nullopt;
    if (text->size() > width || !std::all_of(text->cbegin(), text->cend(), keeps)) {
        fail(pointer, {u"应为至多 %1 个%2字符"_s.arg(width).arg(characters.chinese),
                       u"at most %1 characters %2 expected"_s.arg(width).arg(characters.english)});
        return std::nullopt;
    }
    return text;
}

std::optional<bool> JsonChecker::word(const QJsonObject &object, QLatin1StringView key,
                                      const QString &pointer, const QLatin1StringView (&words)[2],
                                      bool absent)
{
    if (!object.contains(key))
        return absent;
    const QString text = object[key].toString();
    for (bool second : {false, true}) {
        if (object[key].isString() && text == words[second])
            return second;
    }
    fail(pointer + u'/' + key,
         BilingualText{u"应为 \"%1\" 或 \"%2\""_s, u"\"%1\" or \"%2\" expected"_s}.arg(words[0], words[1]));
    return std::nullopt;
}

bool JsonChecker::fail(const QString &pointer, const BilingualText &reason)
{
    // Only the first fault counts: later checks of the same value may fail as well.
    if (m_error.reason.isEmpty())
        m_error = m_positions.errorAt(pointer, subjectOf(pointer, reason));
    return false;
}

bool JsonChecker::warn(const QString &pointer, const BilingualText &reason)
{
    if (m_strict)
        return fail(pointer, reason);
    const InputError where = m_positions.errorAt(pointer, subjectOf(pointer, reason));
    m_report.add(ImportNote::Warning, where.line, where.column, where.reason);
    return true;
}

BilingualText JsonChecker::subjectOf(const QString &pointer, const BilingualText &reason) const
{
    BilingualText subject = m_subject.isEmpty() ? BilingualText{pointer.mid(1), pointer.mid(1)} : m_subject;
    if (!m_subject.isEmpty() && pointer.size() > m_subjectPointer.size()) {
        const QString member = u' ' + pointer.mid(pointer.lastIndexOf(u'/') + 1);
        subject = {subject.chinese + member, subject.english + member};
    }
    return subject.isEmpty() ? reason : reason.prefixed(subject);
}

} // namespace vm280
