#pragma once

#include "sheet/sheetjob.h"

#include <QString>

namespace vm280 {

/// The customer or job and the note last printed on the channel sheet of the plan file at path,
/// as remembered in the user's settings (`[SheetJobs]` of vm280/vm280.ini); empty for a plan
/// never printed with them, or without a file.
SheetJob RememberedSheetJob(const QString &planPath);
/// Remembers job for the plan file at path; an empty job forgets it. Nothing for a plan without
/// a file.
void RememberSheetJob(const QString &planPath, const SheetJob &job);

} // namespace vm280
