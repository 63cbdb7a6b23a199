#include "cliutil.h"
#include "commands.h"

#include "editor/localtext.h"
#include "interchange/planinterchange.h"
#include "sheet/channelsheet.h"

#include <QCommandLineParser>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

std::optional<Failure> writeFile(const QString &path, const QByteArray &bytes)
{
    if (const auto problem = WriteWholeFile(path, bytes))
        return fileFailure(*problem);
    return std::nullopt;
}

std::optional<Failure> writeStandardOutput(const QByteArray &bytes)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
        return Failure{FileFailure, u"standard output: "_s + out.errorString()};
    return std::nullopt;
}

std::optional<Failure> writeSheet(const QString &planPath, const QString &kind, const QString &code,
                                  const QString &output, const SheetJob &job, const QString &usage)
{
    const auto language = languageOption(code, usage);
    if (const auto *failure = std::get_if<Failure>(&language))
        return *failure;
    const Language chosen = std::get<Language>(language);
    const auto loaded = loadPlan(planPath, LocalChoiceTexts(chosen));
    if (const auto *failure = std::get_if<Failure>(&loaded))
        return *failure;
    const QString html = ChannelSheet::html(std::get<CodePlan>(loaded), chosen,
                                            QFileInfo(planPath).fileName(), QDate::currentDate(), job);
    if (kind == "html"_L1)
        return output.isEmpty() ? writeStandardOutput(html.toUtf8()) : writeFile(output, html.toUtf8());
    if (output.isEmpty())
        return Failure{UsageError, u"--format pdf needs -o FILE; usage: vm280-cli "_s + usage};
    return writeFile(output, ChannelSheet::pdf(*ChannelSheet::document(html), output));
}

} // namespace

int runExport(const QStringList &arguments)
{
    const QString usage = u"export PLAN.DAT --format json|csv|html|pdf [-o FILE] [--lang zh|zh-Hant|en] "
                          u"[--job TEXT] [--note TEXT]"_s;
    QCommandLineParser parser;
    parser.addPositionalArgument(u"PLAN.DAT"_s, u"The plan to export."_s);
    const QCommandLineOption format(
        u"format"_s,
        u"json (the whole plan), csv (the channels, CHIRP's layout), or the channel sheet as html or pdf."_s,
        u"json|csv|html|pdf"_s);
    const QCommandLineOption output({u"o"_s, u"output"_s},
                                    u"The file to write; standard output without it."_s, u"FILE"_s);
    const QCommandLineOption lang(
        u"lang"_s, u"The language of the channel sheet: zh (default), zh-Hant (Traditional) or en."_s,
        u"zh|zh-Hant|en"_s, u"zh"_s);
    const QCommandLineOption job(u"job"_s, u"html and pdf: the customer or job, printed under the title."_s,
                                 u"TEXT"_s);
    const QCommandLineOption note(
        u"note"_s, u"html and pdf: a note printed under the title (\\n in TEXT breaks the line)."_s,
        u"TEXT"_s);
    parser.addOptions({format, output, lang, job, note});
    if (const auto exit = parseArguments(parser, arguments, 1, usage))
        return *exit;
    const QString kind = parser.value(format);
    if (kind == "html"_L1 || kind == "pdf"_L1) {
        const SheetJob sheetJob{parser.value(job), parser.value(note).replace(u"\\n"_s, u"\n"_s)};
        const auto failure = writeSheet(parser.positionalArguments().first(), kind, parser.value(lang),
                                        parser.value(output), sheetJob, usage);
        return failure ? report(*failure) : Success;
    }
    if (parser.isSet(job) || parser.isSet(note)) {
        printError(u"--job and --note belong to the channel sheet (--format html or pdf)"_s);
        return UsageError;
    }
    if (kind != "json"_L1 && kind != "csv"_L1) {
        printError(u"--format json, csv, html or pdf expected; usage: vm280-cli "_s + usage);
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
