#include "chirpcsv.h"
#include "cliutil.h"
#include "commands.h"
#include "planjson.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

std::variant<QByteArray, Failure> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{FileFailure, path + u": "_s + file.errorString()};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure{FileFailure, path + u": "_s + file.errorString()};
    return bytes;
}

std::variant<CodePlan, InputError> readCsv(const QByteArray &bytes, const CodePlan &base)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return InputError{1, 1, u"the file is not UTF-8 text"_s};
    return ChirpCsv::read(text, base, cliTexts());
}

// The file's plan on top of base, or why there is none.
std::variant<CodePlan, Failure> importFile(const QString &path, const QString &suffix, const CodePlan &base)
{
    const auto bytes = readFile(path);
    if (const auto *failure = std::get_if<Failure>(&bytes))
        return *failure;
    const QByteArray &content = std::get<QByteArray>(bytes);
    auto imported = suffix == "json"_L1 ? PlanJson::read(content, base, cliTexts()) : readCsv(content, base);
    if (const auto *error = std::get_if<InputError>(&imported)) {
        // A quoted CSV field may hold line breaks; the message stays one line.
        const QString reason = QString(error->reason).replace(u'\n', u"\\n"_s).replace(u'\r', u"\\r"_s);
        return Failure{BadInput, u"%1:%2:%3: %4"_s.arg(path).arg(error->line).arg(error->column).arg(reason)};
    }
    return std::get<CodePlan>(std::move(imported));
}

} // namespace

int runImport(const QStringList &arguments)
{
    const QString usage = u"import FILE.json|FILE.csv -o PLAN.DAT [--base PLAN.DAT]"_s;
    QCommandLineParser parser;
    parser.addPositionalArgument(u"FILE"_s, u"A plan as JSON, or channels as CSV in CHIRP's layout."_s);
    const QCommandLineOption output({u"o"_s, u"output"_s}, u"The plan file to write."_s, u"PLAN.DAT"_s);
    const QCommandLineOption base(
        u"base"_s, u"The plan whose settings are kept (the start-up state without it)."_s, u"PLAN.DAT"_s);
    parser.addOptions({output, base});
    if (const auto exit = parseArguments(parser, arguments, 1, usage))
        return *exit;
    const QString path = parser.positionalArguments().first();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!parser.isSet(output) || (suffix != "json"_L1 && suffix != "csv"_L1)) {
        printError(u"a .json or .csv file and -o PLAN.DAT expected; usage: vm280-cli "_s + usage);
        return UsageError;
    }
    const auto basePlan = parser.isSet(base) ? loadPlan(parser.value(base)) : CodePlan();
    if (const auto *failure = std::get_if<Failure>(&basePlan))
        return report(*failure);
    const auto imported = importFile(path, suffix, std::get<CodePlan>(basePlan));
    if (const auto *failure = std::get_if<Failure>(&imported))
        return report(*failure);
    if (const auto failure = savePlan(parser.value(output), std::get<CodePlan>(imported)))
        return report(*failure);
    return Success;
}

} // namespace vm280::cli
