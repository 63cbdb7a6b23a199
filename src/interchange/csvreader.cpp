#include "csvreader.h"

using namespace Qt::StringLiterals;

namespace vm280 {

bool CsvReader::next(CsvRecord &record)
{
    while (!m_error && m_pos < m_text.size()) {
        record.clear();
        do {
            if (!record.isEmpty())
                advance(); // the separator
            if (record.size() == kMaxFields)
                return fail(
                    m_line, m_column,
                    BilingualText{u"一条记录超过 %1 个字段"_s, u"more than %1 fields in one record"_s}.arg(
                        kMaxFields));
            record.append(CsvField{{}, m_line, m_column});
            if (!readField(record.last()))
                return false;
        } while (!atRecordEnd());
        skipRecordEnd();
        const bool blank = record.size() == 1 && record.first().text.trimmed().isEmpty();
        if (!blank)
            return true;
    }
    return false;
}

bool CsvReader::readField(CsvField &field)
{
    if (m_pos < m_text.size() && m_text[m_pos] == u'"')
        return readQuoted(field);
    // A quote inside an unquoted field is taken as it stands, as most spreadsheets write it.
    const qsizetype start = m_pos;
    while (!atRecordEnd() && m_text[m_pos] != m_separator)
        advance();
    field.text = m_text.sliced(start, m_pos - start).toString();
    return true;
}

bool CsvReader::readQuoted(CsvField &field)
{
    advance(); // the opening quote
    for (;;) {
        if (m_pos >= m_text.size())
            return fail(field.line, field.column,
                        {u"带引号的字段没有结束引号"_s, u"the quoted field has no closing quote"_s});
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
    if (!atRecordEnd() && m_text[m_pos] != m_separator)
        return fail(m_line, m_column,
                    {u"结束引号之后应为%1或行尾"_s.arg(m_separator == u'\t' ? u"制表符"_s : u"逗号"_s),
                     u"a %1 or the end of the line expected after the closing quote"_s.arg(
                         m_separator == u'\t' ? u"tab"_s : u"comma"_s)});
    return true;
}

bool CsvReader::fail(int line, int column, const BilingualText &reason)
{
    m_error = InputError{line, column, reason};
    return false;
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

} // namespace vm280
