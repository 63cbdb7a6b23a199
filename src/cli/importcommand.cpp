#include "cliutil.h"
#include "commands.h"

#include "image/channeltable.h"
#include "interchange/planinterchange.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

const QString kUsage =
    u"import FILE.json|FILE.csv -o PLAN.DAT [--base PLAN.DAT] [--strict] [--band N|TEXT|auto] "
    u"[--locations A-B,C-D] [--to N] [--keep]"_s;

int usageError(const QString &message)
{
    printError(message + u"; usage: vm280-cli "_s + kUsage);
    return UsageError;
}

// The channel --to names, from 1 to 16.
std::optional<int> channelNumber(const QString &text)
{
    bool ok = false;
    const int channel = text.trimmed().toInt(&ok);
    if (!ok || channel < 1 || channel > ChannelTable::kRows)
        return std::nullopt;
    return channel;
}

// The CSV options of the command line, or the exit code of a usage error.
std::variant<ImportOptions, int> importOptions(const QCommandLineParser &parser, InterchangeFormat format)
{
    ImportOptions options;
    options.strict = parser.isSet(u"strict"_s);
    options.keep = parser.isSet(u"keep"_s);
    const bool csvOnly = parser.isSet(u"band"_s) || parser.isSet(u"locations"_s) || parser.isSet(u"to"_s) ||
                         parser.isSet(u"keep"_s);
    if (csvOnly && format != InterchangeFormat::ChirpCsv)
        return usageError(
            u"--band, --locations, --to and --keep are for CSV files; a JSON plan has its own"_s);
    if (parser.isSet(u"band"_s)) {
        const auto band = BandChoice::parse(parser.value(u"band"_s));
        if (!band)
            return usageError(u"--band takes 0 to 6, a band such as 136-174MHz, or auto"_s);
        options.band = *band;
    }
    if (parser.isSet(u"locations"_s)) {
        options.locations = LocationList::parse(parser.value(u"locations"_s));
        if (!options.locations)
            return usageError(u"--locations takes ranges such as 71-88 or 1-8,71-78"_s);
    }
    if (parser.isSet(u"to"_s)) {
        options.firstChannel = channelNumber(parser.value(u"to"_s));
        if (!options.firstChannel)
            return usageError(u"--to takes a channel from 1 to 16"_s);
    }
    return options;
}

void printReport(const QString &path, const ImportReport &report)
{
    for (const QString &line : report.lines(path))
        printError(line);
}

} // namespace

int runImport(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(u"FILE"_s, u"A plan as JSON, or channels as CSV in CHIRP's layout."_s);
    const QCommandLineOption output({u"o"_s, u"output"_s}, u"The plan file to write."_s, u"PLAN.DAT"_s);
    const QCommandLineOption base(
        u"base"_s, u"The plan whose settings are kept (the start-up state without it)."_s, u"PLAN.DAT"_s);
    const QCommandLineOption strict(u"strict"_s,
                                    u"Refuse the file at the first row skipped or value warned about."_s);
    const QCommandLineOption band(
        u"band"_s,
        u"CSV: the band the rows are checked against: 0-6, its text, or auto (the band "
        u"holding the most rows). Default: the base plan's band."_s,
        u"N|TEXT|auto"_s);
    const QCommandLineOption locations(
        u"locations"_s,
        u"CSV: take only the rows whose Location lies in the ranges (1-8,71-78), in file order from "
        u"channel 1 (or --to N)."_s,
        u"A-B,C-D"_s);
    const QCommandLineOption to(
        u"to"_s, u"CSV: place the rows in file order from channel N on, whatever their Location."_s, u"N"_s);
    const QCommandLineOption keep(
        u"keep"_s, u"CSV: keep the base plan's channels no row lands on (else they are emptied)."_s);
    parser.addOptions({output, base, strict, band, locations, to, keep});
    if (const auto exit = parseArguments(parser, arguments, 1, kUsage))
        return *exit;
    const QString path = parser.positionalArguments().first();
    const auto format = InterchangeFormatOf(path);
    if (!parser.isSet(output) || !format)
        return usageError(u"a .json or .csv file and -o PLAN.DAT expected"_s);
    const auto options = importOptions(parser, *format);
    if (const int *exit = std::get_if<int>(&options))
        return *exit;
    const auto basePlan = parser.isSet(base) ? loadPlan(parser.value(base)) : CodePlan();
    if (const auto *failure = std::get_if<Failure>(&basePlan))
        return report(*failure);
    const ImportResult imported =
        ImportPlanFile(path, std::get<CodePlan>(basePlan), std::get<ImportOptions>(options), cliTexts());
    printReport(path, imported.report);
    if (const auto *error = std::get_if<ImportError>(&imported.plan))
        return report({error->kind == ImportError::BadInput ? BadInput : FileFailure, error->message(path)});
    if (const auto failure = savePlan(parser.value(output), std::get<CodePlan>(imported.plan)))
        return report(*failure);
    return Success;
}

} // namespace vm280::cli
