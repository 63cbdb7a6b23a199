#include "clilink.h"
#include "cliutil.h"
#include "commands.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace vm280::cli {

int runWrite(const QStringList &arguments)
{
    const QString usage = u"write --port DEVICE PLAN.DAT [--service] [--yes]"_s;
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Writes a plan file into the radio."_s);
    parser.addPositionalArgument(u"PLAN.DAT"_s, u"The plan to write."_s);
    const QCommandLineOption port(u"port"_s, u"The radio's serial device, or COM1 to COM20."_s, u"DEVICE"_s);
    const QCommandLineOption service(u"service"_s,
                                     u"Service mode: also write the power trims (block 0x0180)."_s);
    const QCommandLineOption yes({u"y"_s, u"yes"_s},
                                 u"Answer Yes to the band question, asked when the plan is for another band "
                                 u"than 400-480MHz; without it a terminal is asked and a script gets No."_s);
    parser.addOptions({port, service, yes});
    if (const auto exit = parseArguments(parser, arguments, 1, usage))
        return *exit;
    if (!parser.isSet(port)) {
        printError(u"usage: vm280-cli "_s + usage);
        return UsageError;
    }
    auto loaded = loadPlan(parser.positionalArguments().first());
    if (const auto *failure = std::get_if<Failure>(&loaded))
        return report(*failure);
    CliLink link(std::get<CodePlan>(loaded), LinkOptions{parser.isSet(service), parser.isSet(yes)});
    if (auto failure = link.openPort(parser.value(port)))
        return report(*failure);
    if (auto failure = link.write())
        return report(*failure);
    return Success;
}

} // namespace vm280::cli
