#include "cliutil.h"
#include "commands.h"

#include "interchange/channeltemplates.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

const QString kUsage = u"new [--template NAME] -o PLAN.DAT"_s;

// How many rows of the template the radio could take: more than the plan took when the list is
// longer than the radio's 16 channels.
int rowsTheRadioTakes(const ImportChoice &choice)
{
    return RowsInBand(choice.list(), QList<bool>(choice.list().size(), true), choice.band(),
                      {Placement::FileOrder, 1});
}

// The template's ticked rows in plan's channels, its band the plan's; the notes on stderr.
std::optional<Failure> applyTemplate(const QString &name, CodePlan &plan)
{
    const auto found = FindTemplate(name);
    if (!found)
        return Failure{UsageError, u"there is no template '%1'; vm280-cli templates lists them"_s.arg(name)};
    const auto opened = OpenTemplate(found->path, plan, cliTexts());
    if (const auto *error = std::get_if<ImportError>(&opened))
        return Failure{error->kind == ImportError::BadInput ? BadInput : FileFailure,
                       error->message(found->path)};
    const ImportChoice &choice = std::get<ImportChoice>(opened);
    if (choice.problem())
        return Failure{BadInput,
                       found->path + u": no row of the template can be programmed into the radio"_s};
    for (int row = 0; row < choice.list().size(); ++row) {
        for (const ChirpNote &warning : choice.landing(row).warnings)
            printError(u"%1:%2:%3: warning: %4"_s.arg(found->path)
                           .arg(warning.field.line)
                           .arg(warning.field.column)
                           .arg(warning.text().english));
    }
    if (const int rows = rowsTheRadioTakes(choice); rows > choice.placedCount())
        printError(u"%1 holds %2 channels; the plan takes the first %3 of them"_s.arg(found->name)
                       .arg(rows)
                       .arg(choice.placedCount()));
    plan.band = choice.band();
    choice.apply(plan.channels, cliTexts());
    return std::nullopt;
}

} // namespace

int runNew(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption output({u"o"_s, u"output"_s}, u"The plan file to write."_s, u"PLAN.DAT"_s);
    const QCommandLineOption fromTemplate(
        u"template"_s, u"Fill the channels from the ready-made plan NAME (vm280-cli templates lists them)."_s,
        u"NAME"_s);
    parser.addOptions({output, fromTemplate});
    if (const auto exit = parseArguments(parser, arguments, 0, kUsage))
        return *exit;
    if (!parser.isSet(output)) {
        printError(u"usage: vm280-cli "_s + kUsage);
        return UsageError;
    }
    CodePlan plan;
    if (parser.isSet(fromTemplate)) {
        if (const auto failure = applyTemplate(parser.value(fromTemplate), plan))
            return report(*failure);
    }
    if (const auto failure = savePlan(parser.value(output), plan))
        return report(*failure);
    return Success;
}

} // namespace vm280::cli
