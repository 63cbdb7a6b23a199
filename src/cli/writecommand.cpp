#include "clilink.h"
#include "cliutil.h"
#include "commands.h"

#include <QCommandLineParser>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace vm280::cli {

int runWrite(const QStringList &arguments)
{
    const QString usage =
        u"write --port DEVICE PLAN.DAT [--service] [--yes] [--backup FILE.DAT] [--verify]"_s;
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Writes a plan file into the radio."_s);
    parser.addPositionalArgument(u"PLAN.DAT"_s, u"The plan to write."_s);
    const QCommandLineOption port(u"port"_s, u"The radio's serial device, or COM1 to COM20."_s, u"DEVICE"_s);
    const QCommandLineOption service(u"service"_s,
                                     u"Service mode: also write the power trims (block 0x0180)."_s);
    const QCommandLineOption yes(
        {u"y"_s, u"yes"_s}, u"Answer Yes to the band question, asked when the plan is for another band "
                            u"than the radio's (400-480MHz unless --backup has read the radio); without it "
                            u"a terminal is asked and a script gets No."_s);
    const QCommandLineOption backup(
        u"backup"_s,
        u"First read the radio and save what it held as FILE.DAT (a folder gets a file "
        u"named by date, time and band); nothing is written unless it was saved."_s,
        u"FILE.DAT"_s);
    const QCommandLineOption verify(u"verify"_s,
                                    u"Afterwards read the radio back and compare every block written; "
                                    u"exit 5 naming the first differing address."_s);
    parser.addOptions({port, service, yes, backup, verify});
    if (const auto exit = parseArguments(parser, arguments, 1, usage))
        return *exit;
    if (!parser.isSet(port)) {
        printError(u"usage: vm280-cli "_s + usage);
        return UsageError;
    }
    auto loaded = loadPlan(parser.positionalArguments().first());
    if (const auto *failure = std::get_if<Failure>(&loaded))
        return report(*failure);
    const QString planPath = parser.positionalArguments().first();
    if (parser.isSet(backup) && QFileInfo(parser.value(backup)) == QFileInfo(planPath)) {
        printError(u"the backup would overwrite the plan being written; give another file"_s);
        return UsageError;
    }
    CliLink link(std::get<CodePlan>(loaded), LinkOptions{parser.isSet(service), parser.isSet(yes),
                                                         parser.value(backup), parser.isSet(verify)});
    if (auto failure = link.openPort(parser.value(port)))
        return report(*failure);
    if (auto failure = link.write())
        return report(*failure);
    return Success;
}

} // namespace vm280::cli
