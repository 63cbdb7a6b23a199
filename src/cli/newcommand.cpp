#include "cliutil.h"
#include "commands.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace vm280::cli {

int runNew(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption output({u"o"_s, u"output"_s}, u"The plan file to write."_s, u"PLAN.DAT"_s);
    parser.addOption(output);
    if (const auto exit = parseArguments(parser, arguments, 0, u"new -o PLAN.DAT"_s))
        return *exit;
    if (!parser.isSet(output)) {
        printError(u"usage: vm280-cli new -o PLAN.DAT"_s);
        return UsageError;
    }
    if (const auto failure = savePlan(parser.value(output), CodePlan()))
        return report(*failure);
    return Success;
}

} // namespace vm280::cli
