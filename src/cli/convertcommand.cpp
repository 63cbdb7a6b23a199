#include "cliutil.h"
#include "commands.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace vm280::cli {

int runConvert(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(u"IN.DAT"_s, u"The plan to open."_s);
    parser.addPositionalArgument(u"OUT.DAT"_s, u"The plan file to write."_s);
    if (const auto exit = parseArguments(parser, arguments, 2, u"convert IN.DAT OUT.DAT"_s))
        return *exit;
    const QStringList paths = parser.positionalArguments();
    const auto loaded = loadPlan(paths[0]);
    if (const auto *failure = std::get_if<Failure>(&loaded))
        return report(*failure);
    if (const auto failure = savePlan(paths[1], std::get<CodePlan>(loaded)))
        return report(*failure);
    return Success;
}

} // namespace vm280::cli
