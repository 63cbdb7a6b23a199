#include "cliutil.h"

#include "editor/stringjtof.h"
#include "image/codec.h"
#include "planreport/printable.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <array>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace vm280::cli {

bool isTerminal(FILE *stream)
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) == 1;
#endif
}

void printError(const QString &message)
{
    QTextStream(stderr) << "vm280-cli: " << Printable(message) << Qt::endl;
}

int report(const Failure &failure)
{
    printError(failure.message);
    return failure.code;
}

std::optional<int> parseArguments(QCommandLineParser &parser, const QStringList &arguments,
                                  int positionalCount, const QString &usage)
{
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Shows this help."_s);
    parser.addOption(help);
    if (!parser.parse(arguments)) {
        printError(parser.errorText());
        return UsageError;
    }
    if (parser.isSet(help)) {
        QTextStream(stdout) << "Usage: vm280-cli " << usage << "\n\n" << parser.helpText().section(u'\n', 2);
        return Success;
    }
    if (parser.positionalArguments().size() != positionalCount) {
        printError(u"usage: vm280-cli "_s + usage);
        return UsageError;
    }
    return std::nullopt;
}

namespace {

struct LanguageCode
{
    QLatin1StringView code;
    Language language;
};

constexpr std::array kLanguageCodes{
    LanguageCode{"zh"_L1, Language::SimplifiedChinese},
    LanguageCode{"zh-Hant"_L1, Language::TraditionalChinese},
    LanguageCode{"en"_L1, Language::English},
};

std::optional<Language> languageOf(const QString &code)
{
    for (const LanguageCode &entry : kLanguageCodes) {
        if (code == entry.code)
            return entry.language;
    }
    return std::nullopt;
}

} // namespace

std::variant<Language, Failure> languageOption(const QString &code, const QString &usage)
{
    const std::optional<Language> language = languageOf(code);
    if (!language)
        return Failure{UsageError, u"unknown language '%1'; usage: vm280-cli %2"_s.arg(code, usage)};
    if (const auto problem = TraditionalChineseProblem();
        problem && *language == Language::TraditionalChinese)
        printError(u"Traditional Chinese is unavailable, showing Simplified Chinese: %1"_s.arg(*problem));
    return *language;
}

const ChoiceTexts &cliTexts()
{
    return ChoiceTexts::simplifiedChinese();
}

Failure fileFailure(const FileProblem &problem)
{
    return {FileFailure, problem.message()};
}

Failure fileFailure(const QString &path, const FileError &error)
{
    if (error.kind == FileError::WrongType)
        return {BadInput, path + u": Document type not to open."_s};
    return fileFailure(error.problem(path));
}

std::variant<CodePlan, Failure> loadPlan(const QString &path, const ChoiceTexts &texts)
{
    const auto read = ReadCodePlanFile(path);
    if (const auto *error = std::get_if<FileError>(&read))
        return fileFailure(path, *error);
    CodePlan plan;
    DecodeImage(plan, std::get<QByteArray>(read), texts);
    return plan;
}

std::optional<Failure> savePlan(const QString &path, const CodePlan &plan, const ChoiceTexts &texts)
{
    if (const auto error = WriteCodePlanFile(path, EncodeImage(plan, texts)))
        return fileFailure(path, *error);
    return std::nullopt;
}

} // namespace vm280::cli
