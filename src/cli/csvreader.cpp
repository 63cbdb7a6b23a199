#include "csvreader.h"

using namespace Qt::StringLiterals;

namespace vm280::cli {

std::variant<QList<CsvRecord>, InputError> CsvReader::read(QStringView text)
{
    CsvReader reader(text);
    QList<CsvRecord> records;
    while (reader.m_pos < text.size()) {
        CsvRecord record;
        do {
            if (!record.isEmpty())
                reader.advance(); // the comma
            auto field = reader.readField();
            if (auto *error = std::get_if<InputError>(&field))
                return *error;
            record << std::get<CsvField>(std::move(field));
        } while (!reader.atRecordEnd());
        reader.skipRecordEnd();
        const bool blank = record.size() == 1 && record.first().text.trimmed().isEmpty();
        if (!blank)
            records << record;
    }
    return records;
}

std::variant<CsvField, InputError> CsvReader::readField()
{
    CsvField field{{}, m_line, m_column};
    if (m_pos < m_text.size() && m_text[m_pos] == u'"')
        return readQuoted(field);
    // A quote inside an unquoted field is taken as it stands, as most spreadsheets write it.
    while (!atRecordEnd() && m_text[m_pos] != u',') {
        field.text += m_text[m_pos];
        advance();
    }
    return field;
}

std::variant<CsvField, InputError> CsvReader::readQuoted(CsvField field)
{
    advance(); // the opening quote
    for (;;) {
        if (m_pos >= m_text.size())
            return InputError{field.line, field.column, u"the quoted field has no closing quote"_s};
        const QChar c = m_text[m_pos];
        advance();
        if (c != u'"') {
            field.text += c;
        } else if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
            field.text += c;
            advance();
        } else {
            break;
        }
    }
    if (!atRecordEnd() && m_text[m_pos] != u',')
        return InputError{m_line, m_column,
                          u"a comma or the end of the line expected after the closing quote"_s};
    return field;
}

bool CsvReader::atRecordEnd() const
{
    return m_pos >= m_text.size() || m_text[m_pos] == u'\n' || m_text[m_pos] == u'\r';
}

void CsvReader::skipRecordEnd()
{
    if (m_pos < m_text.size() && m_text[m_pos] == u'\r')
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
        ++m_pos;
    ++m_line;
    m_column = 1;
}

void CsvReader::advance()
{
    if (m_text[m_pos] == u'\n') {
        ++m_line;
        m_column = 1;
    } else if (!m_text[m_pos].isLowSurrogate()) {
        ++m_column;
    }
    ++m_pos;
}

} // namespace vm280::cli
