#pragma once

#include "inputerror.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <variant>

namespace vm280::cli {

/// One field of a CSV record and where it starts.
struct CsvField
{
    QString text;
    int line = 1;
    int column = 1;
};

using CsvRecord = QList<CsvField>;

/// Splits CSV text (RFC 4180: fields separated by commas, records by CR LF or LF, fields in
/// double quotes may hold commas, line breaks and doubled quotes) into records. Blank lines are
/// skipped.
class CsvReader
{
public:
    static std::variant<QList<CsvRecord>, InputError> read(QStringView text);

private:
    explicit CsvReader(QStringView text) : m_text(text) {}

    std::variant<CsvField, InputError> readField();
    std::variant<CsvField, InputError> readQuoted(CsvField field);
    bool atRecordEnd() const;
    void skipRecordEnd();
    void advance();

    QStringView m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_column = 1;
};

} // namespace vm280::cli
