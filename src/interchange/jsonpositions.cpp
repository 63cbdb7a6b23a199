#include "jsonpositions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <vector>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr qsizetype kNotFound = -1;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// UTF-8 continuation bytes do not start a character.
bool startsCharacter(char c)
{
    return (uchar(c) & 0xC0) != 0x80;
}

// The name a quoted member name stands for: "\u0062and" is "band" as much as "band" is.
QString memberName(QByteArrayView quoted)
{
    if (!quoted.contains('\\'))
        return QString::fromUtf8(quoted.sliced(1, quoted.size() - 2));
    return QJsonDocument::fromJson('[' + quoted.toByteArray() + ']').array().first().toString();
}

// An object or array open at some point of the text, and the member or element being read in it.
struct OpenValue
{
    bool object;
    QSet<QString> names;
    QString name;
    int index = 0;
};

// The pointer of member name of the innermost open object, as the checker names values:
// "channels/2/power".
QString memberPointer(const std::vector<OpenValue> &open, const QString &name)
{
    QString pointer;
    for (std::size_t i = 0; i + 1 < open.size(); ++i)
        pointer += (open[i].object ? open[i].name : QString::number(open[i].index)) + u'/';
    return pointer + name;
}

} // namespace

InputError JsonPositions::errorAt(const QString &pointer, const BilingualText &reason) const
{
    return errorAtOffset(m_text, offsetOf(pointer.split(u'/').mid(1)), reason);
}

InputError JsonPositions::errorAtOffset(QByteArrayView text, qsizetype offset, const BilingualText &reason)
{
    InputError error{1, 1, reason};
    for (qsizetype i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++error.line;
            error.column = 1;
        } else if (startsCharacter(text[i])) {
            ++error.column;
        }
    }
    return error;
}

// QJsonDocument keeps the last of two members of the same name and says nothing; a plan file
// must mean one thing. Walks the text once; it has parsed, so every token is well formed.
std::optional<InputError> JsonPositions::firstDuplicateMember() const
{
    std::vector<OpenValue> open;
    bool nameNext = false;
    for (qsizetype pos = skipSpace(0); pos < m_text.size(); pos = skipSpace(pos)) {
        const char c = m_text[pos];
        if (c == '"') {
            const qsizetype end = skipString(pos);
            if (nameNext) {
                const QString name = memberName(m_text.sliced(pos, end - pos));
                if (open.back().names.contains(name))
                    return errorAtOffset(
                        m_text, pos,
                        BilingualText{u"%1：成员重复给出"_s, u"%1: the member is given twice"_s}.arg(
                            memberPointer(open, name)));
                open.back().names.insert(name);
                open.back().name = name;
                nameNext = false;
            }
            pos = end;
            continue;
        }
        if (c == '{' || c == '[') {
            open.push_back({c == '{', {}, {}, 0});
            nameNext = c == '{';
        } else if (c == '}' || c == ']') {
            open.pop_back();
            nameNext = false;
        } else if (c == ',' && !open.empty()) {
            nameNext = open.back().object;
            open.back().index += open.back().object ? 0 : 1;
        }
        ++pos;
    }
    return std::nullopt;
}

qsizetype JsonPositions::offsetOf(const QStringList &segments) const
{
    qsizetype pos = skipSpace(0);
    for (const QString &segment : segments) {
        qsizetype next = kNotFound;
        if (pos < m_text.size() && m_text[pos] == '{')
            next = memberValue(pos, segment);
        else if (bool ok = false; pos < m_text.size() && m_text[pos] == '[') {
            const int index = segment.toInt(&ok);
            next = ok ? elementValue(pos, index) : kNotFound;
        }
        if (next == kNotFound)
            break;
        pos = next;
    }
    return pos;
}

// The value of the object at pos whose key is key; the last one, as QJsonDocument keeps it.
// Keys are compared as they stand between the quotes: a key with escapes only loses its exact
// position.
qsizetype JsonPositions::memberValue(qsizetype pos, const QString &key) const
{
    const QByteArray wanted = key.toUtf8();
    qsizetype found = kNotFound;
    pos = skipSpace(pos + 1);
    while (pos < m_text.size() && m_text[pos] != '}') {
        const qsizetype keyEnd = skipString(pos);
        const bool match = m_text.sliced(pos + 1, std::max<qsizetype>(keyEnd - pos - 2, 0)) == wanted;
        const qsizetype value = skipSpace(skipSpace(keyEnd) + 1); // past the colon
        if (match)
            found = value;
        pos = skipSpace(skipValue(value));
        if (pos < m_text.size() && m_text[pos] == ',')
            pos = skipSpace(pos + 1);
    }
    return found;
}

qsizetype JsonPositions::elementValue(qsizetype pos, int index) const
{
    pos = skipSpace(pos + 1);
    for (int i = 0; pos < m_text.size() && m_text[pos] != ']'; ++i) {
        if (i == index)
            return pos;
        pos = skipSpace(skipValue(pos));
        if (pos < m_text.size() && m_text[pos] == ',')
            pos = skipSpace(pos + 1);
    }
    return kNotFound;
}

// Past the value at pos. Nesting is counted rather than followed, so depth costs no stack.
qsizetype JsonPositions::skipValue(qsizetype pos) const
{
    int depth = 0;
    do {
        if (pos >= m_text.size())
            return pos;
        const char c = m_text[pos];
        if (c == '"') {
            pos = skipString(pos);
            continue;
        }
        if (c == '{' || c == '[')
            ++depth;
        else if (c == '}' || c == ']')
            --depth;
        else if (depth == 0 && (isSpace(c) || c == ','))
            return pos;
        ++pos;
    } while (depth > 0 || (pos < m_text.size() && !isSpace(m_text[pos]) && m_text[pos] != ',' &&
                           m_text[pos] != '}' && m_text[pos] != ']'));
    return pos;
}

qsizetype JsonPositions::skipString(qsizetype pos) const
{
    ++pos; // "
    while (pos < m_text.size() && m_text[pos] != '"')
        pos += m_text[pos] == '\\' ? 2 : 1;
    return std::min(pos + 1, m_text.size());
}

qsizetype JsonPositions::skipSpace(qsizetype pos) const
{
    while (pos < m_text.size() && isSpace(m_text[pos]))
        ++pos;
    return pos;
}

} // namespace vm280
