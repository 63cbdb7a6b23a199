#pragma once

#include "inputerror.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace vm280 {

/// One field of a CSV record and where it starts.
struct CsvField
{
    QString text;
    int line = 1;
    int column = 1;
};

using CsvRecord = QList<CsvField>;

/// Reads CSV text (RFC 4180: fields separated by commas, records by CR LF or LF, fields in
/// double quotes may hold commas, line breaks and doubled quotes) one record at a time, so a
/// long file never lives in memory twice. Blank lines are skipped. Another separator (a tab, as
/// spreadsheets copy cells) reads the same way.
class CsvReader
{
public:
    /// More fields than any channel list has: a record beyond it is refused before it grows.
    static constexpr int kMaxFields = 1000;

    explicit CsvReader(QStringView text, QChar separator = u',') : m_text(text), m_separator(separator) {}

    /// Reads the next record that is not blank into record; false at the end of the text or
    /// when the text is malformed (error() then says where and why).
    bool next(CsvRecord &record);
    const std::optional<InputError> &error() const { return m_error; }

private:
    bool readField(CsvField &field);
    bool readQuoted(CsvField &field);
    bool fail(int line, int column, const BilingualText &reason);
    bool atRecordEnd() const;
    void skipRecordEnd();
    void advance();

    QStringView m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_column = 1;
    std::optional<InputError> m_error;
};

} // namespace vm280
