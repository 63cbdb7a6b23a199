#include "batchwrite.h"
#include "clilink.h"
#include "cliutil.h"
#include "commands.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSet>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

// The reason the options do not go together, if they do not.
std::optional<QString> conflict(const QCommandLineParser &parser, const QStringList &ports, bool repeat)
{
    if (QSet<QString>(ports.begin(), ports.end()).size() != ports.size())
        return u"a port is given twice"_s;
    if (!repeat && ports.size() > 1)
        return u"several ports run a batch each: give --repeat"_s;
    if (!repeat && parser.isSet(u"count"_s))
        return u"--count belongs to --repeat"_s;
    if (repeat && parser.isSet(u"backup"_s))
        return u"a batch saves each radio's memory with --backup-dir DIR, not in one --backup file"_s;
    if (!repeat && parser.isSet(u"log"_s))
        return u"--log belongs to --repeat"_s;
    if (parser.isSet(u"backup"_s) && parser.isSet(u"backup-dir"_s))
        return u"give either --backup or --backup-dir"_s;
    return std::nullopt;
}

} // namespace

int runWrite(const QStringList &arguments)
{
    const QString usage =
        u"write --port DEVICE PLAN.DAT [--service] [--yes] [--backup FILE.DAT | --backup-dir DIR] "
        u"[--verify] [--repeat [--count N] [--log FILE.csv]]"_s;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Writes a plan file into the radio, or into radio after radio with --repeat."_s);
    parser.addPositionalArgument(u"PLAN.DAT"_s, u"The plan to write."_s);
    const QCommandLineOption port(
        u"port"_s,
        u"The radio's serial device, or COM1 to COM20; with --repeat it may be given "
        u"several times, and each cable runs its own batch at the same time."_s,
        u"DEVICE"_s);
    const QCommandLineOption service(u"service"_s,
                                     u"Service mode: also write the power trims (block 0x0180)."_s);
    const QCommandLineOption yes(
        {u"y"_s, u"yes"_s}, u"Answer Yes to the band question, asked when the plan is for another band "
                            u"than the radio's (400-480MHz unless --backup has read the radio); without it "
                            u"a terminal is asked (once per cable in a batch) and a script gets No."_s);
    const QCommandLineOption backup(
        u"backup"_s,
        u"First read the radio and save what it held as FILE.DAT (a folder gets a file "
        u"named by date, time and band); nothing is written unless it was saved."_s,
        u"FILE.DAT"_s);
    const QCommandLineOption backupDir(u"backup-dir"_s,
                                       u"First read each radio and save what it held in DIR (created if "
                                       u"missing), in a file named by date, time and band."_s,
                                       u"DIR"_s);
    const QCommandLineOption verify(u"verify"_s,
                                    u"Afterwards read the radio back and compare every block written; "
                                    u"exit 5 naming the first differing address."_s);
    const QCommandLineOption repeat(
        u"repeat"_s, u"Program radio after radio: after each one wait until it is unplugged and the next "
                     u"one answers; Ctrl+C stops once the radio being written is done. Exit 4 when any "
                     u"radio failed."_s);
    const QCommandLineOption count(u"count"_s, u"With --repeat: stop after N radios on each cable."_s,
                                   u"N"_s);
    const QCommandLineOption log(
        u"log"_s,
        u"With --repeat: keep the batch's records in FILE.csv, a row per radio (port, "
        u"number, start and end time, result, verified, backup file, reason), "
        u"written anew after each radio."_s,
        u"FILE.csv"_s);
    parser.addOptions({port, service, yes, backup, backupDir, verify, repeat, count, log});
    if (const auto exit = parseArguments(parser, arguments, 1, usage))
        return *exit;
    const QStringList ports = parser.values(port);
    if (ports.isEmpty()) {
        printError(u"usage: vm280-cli "_s + usage);
        return UsageError;
    }
    if (const auto problem = conflict(parser, ports, parser.isSet(repeat))) {
        printError(*problem + u"; usage: vm280-cli "_s + usage);
        return UsageError;
    }
    bool countOk = true;
    const int radios = parser.isSet(count) ? parser.value(count).toInt(&countOk) : 0;
    if (!countOk || radios < 0 || (parser.isSet(count) && radios == 0)) {
        printError(u"--count takes a number of radios, 1 or more"_s);
        return UsageError;
    }
    const QString planPath = parser.positionalArguments().first();
    auto loaded = loadPlan(planPath);
    if (const auto *failure = std::get_if<Failure>(&loaded))
        return report(*failure);
    if (parser.isSet(backup) && QFileInfo(parser.value(backup)) == QFileInfo(planPath)) {
        printError(u"the backup would overwrite the plan being written; give another file"_s);
        return UsageError;
    }
    if (parser.isSet(log) && QFileInfo(parser.value(log)) == QFileInfo(planPath)) {
        printError(u"the log would overwrite the plan being written; give another file"_s);
        return UsageError;
    }
    CodePlan &plan = std::get<CodePlan>(loaded);
    const LinkOptions options{parser.isSet(service), parser.isSet(yes),
                              parser.isSet(backup) ? parser.value(backup) : parser.value(backupDir),
                              parser.isSet(verify)};
    if (parser.isSet(repeat))
        return RunBatchWrite(plan, ports,
                             BatchRequest{options, parser.value(backupDir), radios, parser.value(log)});
    if (parser.isSet(backupDir) && !QDir().mkpath(parser.value(backupDir)))
        return report({FileFailure, parser.value(backupDir) + u": the backup folder cannot be created"_s});
    CliLink link(plan, options);
    if (auto failure = link.openPort(ports.first()))
        return report(*failure);
    if (auto failure = link.write())
        return report(*failure);
    return Success;
}

} // namespace vm280::cli
