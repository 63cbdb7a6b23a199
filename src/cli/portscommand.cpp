#include "cliutil.h"
#include "commands.h"

#include "serial/portprobe.h"
#include "serial/portselection.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

// One slot's line: its name, its device and whether it opens.
QString slotLine(int number, const SlotProbe &probe)
{
    QString state = u"usable"_s;
    if (probe.devicePath.isEmpty())
        state = u"no port"_s;
    else if (probe.problem)
        state = u"cannot be opened: "_s + PortProblemText(*probe.problem, EnglishWords);
    const QString device = probe.devicePath.isEmpty() ? u"-"_s : probe.devicePath;
    return u"%1  %2  %3"_s.arg(PortSlots::portName(number).leftJustified(5), device.leftJustified(20), state);
}

} // namespace

int runPorts(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (const auto exit = parseArguments(parser, arguments, 0, u"ports"_s))
        return *exit;
    const QList<SlotProbe> probes = ProbePortSlots(PortSlots::detect());
    QTextStream out(stdout);
    for (qsizetype i = 0; i < probes.size(); ++i)
        out << slotLine(int(i) + 1, probes[i]) << '\n';
    const PortSelection selection = SelectPort(0, UsableSlots(probes));
    if (selection.openedPort == 0)
        out << "No usable port.\n";
    else
        out << "The tool opens " << PortSlots::portName(selection.openedPort)
            << " unless another usable port is remembered.\n";
    return Success;
}

} // namespace vm280::cli
