#include "jsonpositions.h"

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

} // namespace

InputError JsonPositions::errorAt(const QString &pointer, const QString &reason) const
{
    return errorAtOffset(m_text, offsetOf(pointer.split(u'/').mid(1)), reason);
}

InputError JsonPositions::errorAtOffset(QByteArrayView text, qsizetype offset, const QString &reason)
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
