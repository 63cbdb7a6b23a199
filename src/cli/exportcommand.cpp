#include "cliutil.h"
#include "commands.h"

#include "interchange/planinterchange.h"

#include <QCommandLineParser>
#include <QFile>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

std::optional<Failure> writeFile(const QString &path, const QByteArray &bytes)
{
    if (const auto reason = WriteExportFile(path, bytes))
        return Failure{FileFailure, path + u": "_s + *reason};
    return std::nullopt;
}

std::optional<Failure> writeStandardOutput(const QByteArray &bytes)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
        return Failure{FileFailure, u"standard output: "_s + out.errorString()};
    return std::nullopt;
}

} // namespace

int runExport(const QStringList &arguments)
{
    const QString usage = u"export PLAN.DAT --format json|csv [-o FILE]"_s;
    QCommandLineParser parser;
    parser.addPositionalArgument(u"PLAN.DAT"_s, u"The plan to export."_s);
    const QCommandLineOption format(
        u"format"_s, u"json (the whole plan) or csv (the channels, CHIRP's layout)."_s, u"json|csv"_s);
    const QCommandLineOption output({u"o"_s, u"output"_s},
                                    u"The file to write; standard output without it."_s, u"FILE"_s);
    parser.addOptions({format, output});
    if (const auto exit = parseArguments(parser, arguments, 1, usage))
        return *exit;
    const QString kind = parser.value(format);
    if (kind != "json"_L1 && kind != "csv"_L1) {
        printError(u"--format json or --format csv expected; usage: vm280-cli "_s + usage);
        return UsageError;
    }
    const auto loaded = loadPlan(parser.positionalArguments().first());
    if (const auto *failure = std::get_if<Failure>(&loaded))
        return report(*failure);
    const CodePlan &plan = std::get<CodePlan>(loaded);
    const QByteArray bytes = ExportPlan(
        plan, kind == "json"_L1 ? InterchangeFormat::Json : InterchangeFormat::ChirpCsv, cliTexts());
    const auto failure =
        parser.isSet(output) ? writeFile(parser.value(output), bytes) : writeStandardOutput(bytes);
    return failure ? report(*failure) : Success;
}

} // namespace vm280::cli
