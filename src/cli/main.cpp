#include "cliutil.h"
#include "commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <array>
#include <memory>

using namespace Qt::StringLiterals;
using namespace vm280::cli;

namespace {

struct Command
{
    const char *name;
    int (*run)(const QStringList &arguments);
    const char *usage;
    const char *summary;
};

constexpr std::array kCommands{
    Command{"new", runNew, "new [--template NAME] -o PLAN.DAT",
            "write a plan in the start-up state, or from a ready-made plan"},
    Command{"templates", runTemplates, "templates", "list the ready-made channel plans"},
    Command{"convert", runConvert, "convert IN.DAT OUT.DAT", "open IN and save it as OUT"},
    Command{"show", runShow, "show PLAN.DAT [--lang zh|zh-Hant|en]", "print the channels and settings"},
    Command{"diff", runDiff, "diff A.DAT B.DAT|--port DEVICE [--lang zh|zh-Hant|en]",
            "list the differences; exit 1 when there are any"},
    Command{"export", runExport, "export PLAN.DAT --format json|csv|html|pdf [-o FILE]",
            "the plan as JSON, the channels as CSV, the channel sheet"},
    Command{"import", runImport, "import FILE.json|FILE.csv -o PLAN.DAT [OPTIONS]",
            "build a plan from JSON or CSV"},
    Command{"ports", runPorts, "ports", "list COM1 to COM20 and whether each opens"},
    Command{"find", runFind, "find", "look for the radio on every port; print the port it is on"},
    Command{"read", runRead, "read --port DEVICE -o PLAN.DAT", "read the radio into a plan file"},
    Command{"write", runWrite, "write --port DEVICE PLAN.DAT [--backup FILE] [--verify] [--repeat]",
            "write a plan file into the radio, or radio after radio"},
};

void printUsage(QTextStream &out)
{
    out << "Usage: vm280-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const Command &command : kCommands) {
        out << "  " << QString::fromLatin1(command.usage).leftJustified(58) << command.summary << '\n';
    }
    out << "\nOptions:\n"
        << "  " << u"-h, --help"_s.leftJustified(58) << "show this list\n"
        << "  " << u"--version"_s.leftJustified(58) << "show the version\n"
        << "\nvm280-cli COMMAND --help shows a command's options.\n";
}

// Whether the arguments ask for the channel sheet as PDF: laying it out needs fonts, so only
// that command runs as a program of the offscreen platform (no display is needed).
bool wantsPdf(int argc, char *argv[])
{
    if (argc < 2 || qstrcmp(argv[1], "export") != 0)
        return false;
    for (int i = 2; i < argc; ++i) {
        const bool separate = qstrcmp(argv[i - 1], "--format") == 0 && qstrcmp(argv[i], "pdf") == 0;
        if (separate || qstrcmp(argv[i], "--format=pdf") == 0)
            return true;
    }
    return false;
}

std::unique_ptr<QCoreApplication> application(int &argc, char *argv[])
{
    if (!wantsPdf(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const auto app = application(argc, argv);
    QCoreApplication::setApplicationName(u"vm280-cli"_s);
    QCoreApplication::setApplicationVersion(QString::fromUtf8(VM280_VERSION));

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == "--help"_L1 || arguments.first() == "-h"_L1) {
        QTextStream out(arguments.isEmpty() ? stderr : stdout);
        printUsage(out);
        return arguments.isEmpty() ? UsageError : Success;
    }
    if (arguments.first() == "--version"_L1) {
        QTextStream(stdout) << QCoreApplication::applicationName() << ' '
                            << QCoreApplication::applicationVersion() << '\n';
        return Success;
    }
    for (const Command &command : kCommands) {
        if (arguments.first() == QLatin1StringView(command.name)) {
            arguments.first() = u"vm280-cli "_s + arguments.first();
            return command.run(arguments);
        }
    }
    printError(u"unknown command '%1'; vm280-cli --help lists the commands"_s.arg(arguments.first()));
    return UsageError;
}
