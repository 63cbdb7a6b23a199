#pragma once

#include "batchwriter.h"

#include "link/writereport.h"

#include <QString>

namespace vm280 {

/// One radio's line: "Radio 1: written and verified in 2.04 s", or the reason it failed (the
/// backup's file error, the first address read back otherwise), and where its backup went.
QString BatchResultText(const BatchWriter::RadioResult &result, const WordChooser &words);

/// Why the radio of result failed: the backup's file error, the first address read back, the
/// band refused, or the communication error with its cause and what the radio was left with.
QString BatchFailureText(const BatchWriter::RadioResult &result, const WordChooser &words);

/// "The batch is over.", with the reason when it was not the dealer's doing: the port went away.
QString BatchEndText(BatchWriter::Ending ending, const WordChooser &words);

/// "written 3, verified 3, failed 1".
QString BatchTallyText(const BatchWriter::Tally &tally, const WordChooser &words);

} // namespace vm280
