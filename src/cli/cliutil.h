#pragma once

#include "image/choicetexts.h"
#include "image/codeplan.h"
#include "image/codeplanfile.h"
#include "image/language.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <variant>

class QCommandLineParser;

namespace vm280::cli {

enum ExitCode {
    Success = 0,
    UsageError = 1,
    BadInput = 2,
    FileFailure = 3,
    LinkFailure = 4,
    VerifyFailure = 5,
};

/// True when the stream (stdin, stdout or stderr) is a terminal rather than a file or a pipe.
bool isTerminal(FILE *stream);

/// One line on stderr: "vm280-cli: message", with whatever a terminal would not show as itself
/// escaped (Printable).
void printError(const QString &message);

/// A failure on its way to the user: the line to print and the exit code.
struct Failure
{
    ExitCode code;
    QString message;
};

/// Prints the failure and returns its exit code.
int report(const Failure &failure);

/// Parses arguments (the command name first) with parser; on a usage error or --help prints
/// what is needed and returns the exit code to end with.
std::optional<int> parseArguments(QCommandLineParser &parser, const QStringList &arguments,
                                  int positionalCount, const QString &usage);

/// The language a --lang value names (zh, zh-Hant or en), or the usage failure; warns on stderr
/// when Traditional Chinese is asked for but cannot be produced.
std::variant<Language, Failure> languageOption(const QString &code, const QString &usage);

/// The channel words the command line works in (the tool's own start-up language).
const ChoiceTexts &cliTexts();

/// A code plan file opened into the tool's start-up state, as opening it in the tool would.
std::variant<CodePlan, Failure> loadPlan(const QString &path, const ChoiceTexts &texts = cliTexts());

/// Encodes and saves the plan; the file is written whole or not at all.
std::optional<Failure> savePlan(const QString &path, const CodePlan &plan,
                                const ChoiceTexts &texts = cliTexts());

/// The message for a failure to read or write a file: "PATH: reason", exit code 3.
Failure fileFailure(const FileProblem &problem);
/// The same for a code plan file; a file that is no code plan is bad input.
Failure fileFailure(const QString &path, const FileError &error);

} // namespace vm280::cli
