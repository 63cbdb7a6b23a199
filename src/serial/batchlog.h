#pragma once

#include "batchwriter.h"

#include "link/writereport.h"

#include <QList>
#include <QString>

namespace vm280 {

/// The records of a batch as CSV, for the job's papers or a spreadsheet: a header row, then one
/// row per radio with its port, number, start and end time, result, whether it was verified,
/// its backup file and why it failed, in the words of words. Rows end with CR LF; a field holding
/// a comma, a quote or a line break is quoted.
QString BatchLogCsv(const QList<BatchWriter::RadioResult> &results, const WordChooser &words);

/// BatchLogCsv as a file: UTF-8 with a byte order mark, which spreadsheets need to read the
/// Chinese words as such.
QByteArray BatchLogFile(const QList<BatchWriter::RadioResult> &results, const WordChooser &words);

} // namespace vm280
