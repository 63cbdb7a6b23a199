#include "jsonpositions.h"

namespace vm280::cli {

namespace {

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

JsonPositions::JsonPositions(QByteArrayView text) : m_text(text)
{
    skipSpace();
    scanValue(QString());
}

InputError JsonPositions::errorAt(QString pointer, const QString &reason) const
{
    while (!m_offsets.contains(pointer) && !pointer.isEmpty())
        pointer.truncate(pointer.lastIndexOf(u'/'));
    return errorAtOffset(m_text, m_offsets.value(pointer), reason);
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

void JsonPositions::scanValue(const QString &pointer)
{
    m_offsets.insert(pointer, m_pos);
    if (m_pos >= m_text.size())
        return;
    switch (m_text[m_pos]) {
    case '{':
        scanObject(pointer);
        break;
    case '[':
        scanArray(pointer);
        break;
    case '"':
        scanString();
        break;
    default: // a number, true, false or null; at least one character, so every scan advances
        do
            ++m_pos;
        while (m_pos < m_text.size() && !isSpace(m_text[m_pos]) && m_text[m_pos] != ',' &&
               m_text[m_pos] != '}' && m_text[m_pos] != ']');
    }
    skipSpace();
}

void JsonPositions::scanObject(const QString &pointer)
{
    ++m_pos; // {
    skipSpace();
    while (m_pos < m_text.size() && m_text[m_pos] != '}') {
        const QString key = scanString();
        skipSpace();
        ++m_pos; // :
        skipSpace();
        scanValue(pointer + u'/' + key);
        if (m_pos < m_text.size() && m_text[m_pos] == ',') {
            ++m_pos;
            skipSpace();
        }
    }
    ++m_pos; // }
}

void JsonPositions::scanArray(const QString &pointer)
{
    ++m_pos; // [
    skipSpace();
    for (int index = 0; m_pos < m_text.size() && m_text[m_pos] != ']'; ++index) {
        scanValue(pointer + u'/' + QString::number(index));
        if (m_pos < m_text.size() && m_text[m_pos] == ',') {
            ++m_pos;
            skipSpace();
        }
    }
    ++m_pos; // ]
}

// The raw text between the quotes: the keys of a plan carry no escapes, and a key that does
// only loses its exact position.
QString JsonPositions::scanString()
{
    const qsizetype begin = ++m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != '"')
        m_pos += m_text[m_pos] == '\\' ? 2 : 1;
    const QString text = QString::fromUtf8(m_text.sliced(begin, std::min(m_pos, m_text.size()) - begin));
    ++m_pos; // "
    return text;
}

void JsonPositions::skipSpace()
{
    while (m_pos < m_text.size() && isSpace(m_text[m_pos]))
        ++m_pos;
}

} // namespace vm280::cli
