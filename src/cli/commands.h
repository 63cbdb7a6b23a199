#pragma once

#include <QStringList>

namespace vm280::cli {

// Each command takes its arguments with the command name first and returns the exit code.
int runNew(const QStringList &arguments);
int runConvert(const QStringList &arguments);

} // namespace vm280::cli
