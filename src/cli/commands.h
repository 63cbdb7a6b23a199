#pragma once

#include <QStringList>

namespace vm280::cli {

// Each command takes its arguments with the command name first and returns the exit code.
int runNew(const QStringList &arguments);
int runConvert(const QStringList &arguments);
int runShow(const QStringList &arguments);
int runDiff(const QStringList &arguments);
int runExport(const QStringList &arguments);
int runImport(const QStringList &arguments);
int runPorts(const QStringList &arguments);
int runTemplates(const QStringList &arguments);
int runFind(const QStringList &arguments);
int runRead(const QStringList &arguments);
int runWrite(const QStringList &arguments);

} // namespace vm280::cli
