#pragma once

#include "clilink.h"

#include "image/codeplan.h"

#include <QStringList>

namespace vm280::cli {

/// What a batch on the command line is asked to do beyond the write itself.
struct BatchRequest
{
    LinkOptions link;     ///< service mode, --yes and verify; the backup comes from backupFolder
    QString backupFolder; ///< each radio's memory is first saved in this folder; none when empty
    int count = 0;        ///< radios per cable; 0 until Ctrl+C
    QString logPath;      ///< the CSV log of every radio's result; none when empty
};

/// Programs radio after radio with the plan on each of the ports at once, printing a numbered
/// line per radio and the tally per cable and in total, and keeping the log up to date after
/// each radio; returns the exit code.
int RunBatchWrite(CodePlan &plan, const QStringList &ports, const BatchRequest &request);

} // namespace vm280::cli
