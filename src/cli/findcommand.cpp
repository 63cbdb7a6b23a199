#include "cliutil.h"
#include "commands.h"

#include "planreport/printable.h"
#include "serial/radiofinder.h"

#include <QCommandLineParser>
#include <QEventLoop>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

// One port's line: its slot, its device and what answered there.
QString findingLine(const PortFinding &finding)
{
    return u"%1  %2  %3"_s.arg(PortSlots::portName(finding.portNumber).leftJustified(5),
                               finding.devicePath.leftJustified(20), PortFindingText(finding, EnglishWords));
}

} // namespace

int runFind(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Looks for the radio on every serial port (COM1 to COM20): prints one line per port, and the "
        u"device where a VM-280 answered last. Exit 4 when no VM-280 answered."_s);
    if (const auto exit = parseArguments(parser, arguments, 0, u"find"_s))
        return *exit;
    RadioFinder finder;
    QEventLoop loop;
    QObject::connect(&finder, &RadioFinder::portProbed, &loop, [](const PortFinding &finding) {
        QTextStream(stdout) << Printable(findingLine(finding)) << Qt::endl;
    });
    QObject::connect(&finder, &RadioFinder::finished, &loop, &QEventLoop::quit);
    finder.start(PortSlots::detect());
    loop.exec();
    const std::optional<PortFinding> found = finder.found();
    if (!found) {
        printError(finder.findings().isEmpty() ? u"No serial port to look on; vm280-cli ports lists them"_s
                                               : u"No VM-280 answered on any port."_s);
        return LinkFailure;
    }
    // Last, on a line of its own, for scripts: vm280-cli read --port "$(vm280-cli find | tail -1)".
    QTextStream(stdout) << Printable(found->devicePath) << Qt::endl;
    return Success;
}

} // namespace vm280::cli
