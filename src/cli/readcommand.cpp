#include "clilink.h"
#include "cliutil.h"
#include "commands.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace vm280::cli {

int runRead(const QStringList &arguments)
{
    const QString usage = u"read --port DEVICE -o PLAN.DAT"_s;
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Reads the radio's memory and saves it as a plan file."_s);
    const QCommandLineOption port(u"port"_s, u"The radio's serial device, or COM1 to COM20."_s, u"DEVICE"_s);
    const QCommandLineOption output({u"o"_s, u"output"_s}, u"The plan file to write."_s, u"PLAN.DAT"_s);
    parser.addOptions({port, output});
    if (const auto exit = parseArguments(parser, arguments, 0, usage))
        return *exit;
    if (!parser.isSet(port) || !parser.isSet(output)) {
        printError(u"usage: vm280-cli "_s + usage);
        return UsageError;
    }
    CodePlan plan;
    CliLink link(plan, LinkOptions());
    if (auto failure = link.openPort(parser.value(port)))
        return report(*failure);
    if (auto failure = link.read())
        return report(*failure);
    // Only a complete read reaches the file.
    if (auto failure = savePlan(parser.value(output), plan))
        return report(*failure);
    return Success;
}

} // namespace vm280::cli
