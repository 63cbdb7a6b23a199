#include "pseudoterminal.h"
#include "radiofault.h"
#include "radiosimulator.h"

#include "image/codeplanfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <optional>
#include <variant>

using namespace Qt::StringLiterals;
using namespace vm280;

namespace {

enum ExitCode { Success = 0, UsageError = 1, BadPlan = 2, NoTerminal = 3 };

struct Options
{
    SimulatorOptions simulator;
    QString loadPath;
};

int fail(ExitCode code, const QString &message)
{
    QTextStream(stderr) << "vm280-radio: " << message << Qt::endl;
    return code;
}

std::optional<int> readNumber(const QCommandLineParser &parser, const QString &name, int fallback,
                              int least = 0)
{
    if (!parser.isSet(name))
        return fallback;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    return ok && value >= least ? std::optional(value) : std::nullopt;
}

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        u"A simulated VM-280 on a pseudo-terminal. The first line printed is the device to open."_s);
    parser.addHelpOption();
    parser.addOptions({
        {u"load"_s, u"Code plan file to fill the memory from (else all 0xFF)."_s, u"FILE.DAT"_s},
        {u"save"_s,
         u"Code plan file to write the memory to after every write operation; %n in the name becomes "
         u"the radio's number."_s,
         u"FILE.DAT"_s},
        {u"baud"_s, u"Line speed the bytes are paced at; 0 for no pacing (default 9600)."_s, u"N"_s},
        {u"latency"_s, u"Turnaround before each answer, in milliseconds (default 0)."_s, u"MS"_s},
        {u"model"_s,
         u"Identify as this model instead of a VM-280 (1 to 8 characters, e.g. VM380), as a radio of "
         u"another model would."_s,
         u"NAME"_s},
        {u"fault"_s, u"Misbehave: "_s + RadioFaultNames() + u"."_s, u"FAULT"_s},
        {u"fault-radio"_s, u"Only radio K (counted from 1) has the --fault (default: every radio)."_s,
         u"K"_s},
        {u"unplug-after"_s,
         u"Pull the radio off the cable after N complete operations, those that moved blocks."_s, u"N"_s},
        {u"swap-time"_s,
         u"With --unplug-after: milliseconds until the next radio is plugged in (default 2000)."_s, u"MS"_s},
        {u"radios"_s, u"With --unplug-after: the radios in the line-up, then silence (default: no end)."_s,
         u"K"_s},
        {u"once"_s, u"Quit after one operation, once the end byte closed it."_s},
        {{u"v"_s, u"verbose"_s}, u"Log every frame on stderr."_s},
    });
    parser.addPositionalArgument(u"FILE.DAT"_s, u"Same as --load."_s, u"[FILE.DAT]"_s);
}

// The swapping of radios and which of them is faulty; the reason when an option is wrong.
std::optional<QString> readLineUp(const QCommandLineParser &parser, LineUpOptions &lineUp)
{
    const auto unplugAfter = readNumber(parser, u"unplug-after"_s, 0, 1);
    const auto radios = readNumber(parser, u"radios"_s, 0, 1);
    const auto faultRadio = readNumber(parser, u"fault-radio"_s, 0, 1);
    const auto swapTime = readNumber(parser, u"swap-time"_s, int(lineUp.swapTime.count()));
    if (!unplugAfter || !radios || !faultRadio)
        return u"--unplug-after, --radios and --fault-radio take a number of 1 or more"_s;
    if (!swapTime)
        return u"--swap-time takes a number of 0 or more"_s;
    if (*unplugAfter == 0 && (parser.isSet(u"swap-time"_s) || parser.isSet(u"radios"_s)))
        return u"--swap-time and --radios need --unplug-after"_s;
    if (parser.isSet(u"fault-radio"_s) && !parser.isSet(u"fault"_s))
        return u"--fault-radio needs --fault"_s;
    // Without swapping, radio 1 is the only one; with --radios, the last is radio K.
    const int lastRadio = *unplugAfter == 0 ? 1 : *radios;
    if (lastRadio > 0 && *faultRadio > lastRadio)
        return u"--fault-radio %1 names no radio: the last one is radio %2"_s.arg(*faultRadio).arg(lastRadio);
    lineUp.unplugAfter = *unplugAfter;
    lineUp.radios = *radios;
    lineUp.faultRadio = *faultRadio;
    lineUp.swapTime = std::chrono::milliseconds(*swapTime);
    return std::nullopt;
}

std::variant<Options, int> parseOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);

    Options options;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1 || (positional.size() == 1 && parser.isSet(u"load"_s)))
        return fail(UsageError, u"give one code plan file to load"_s);
    options.loadPath = positional.isEmpty() ? parser.value(u"load"_s) : positional.first();
    const auto baud = readNumber(parser, u"baud"_s, options.simulator.baud);
    const auto latency = readNumber(parser, u"latency"_s, 0);
    if (!baud || !latency)
        return fail(UsageError, u"--baud and --latency take a number of 0 or more"_s);
    options.simulator.baud = *baud;
    if (parser.isSet(u"model"_s)) {
        const QString model = parser.value(u"model"_s);
        const bool plain = std::all_of(model.begin(), model.end(),
                                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
        if (model.isEmpty() || model.size() > RadioModel::kIdentificationBytes || !plain)
            return fail(UsageError, u"--model takes a name of 1 to 8 printable ASCII characters"_s);
        options.simulator.model = model.toLatin1();
    }
    options.simulator.latency = std::chrono::milliseconds(*latency);
    const auto fault = parser.isSet(u"fault"_s) ? ParseRadioFault(parser.value(u"fault"_s)) : RadioFault{};
    if (!fault)
        return fail(UsageError,
                    u"unknown fault '%1'; known: %2"_s.arg(parser.value(u"fault"_s), RadioFaultNames()));
    options.simulator.lineUp.fault = *fault;
    options.simulator.lineUp.savePath = parser.value(u"save"_s);
    if (const auto error = readLineUp(parser, options.simulator.lineUp))
        return fail(UsageError, *error);
    options.simulator.once = parser.isSet(u"once"_s);
    if (options.simulator.once && options.simulator.lineUp.unplugAfter > 0)
        return fail(UsageError, u"--once and --unplug-after exclude each other"_s);
    options.simulator.verbose = parser.isSet(u"verbose"_s);
    return options;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"vm280-radio"_s);
    const auto parsed = parseOptions(app);
    if (const int *exitCode = std::get_if<int>(&parsed))
        return *exitCode;
    Options options = std::get<Options>(parsed);

    if (!options.loadPath.isEmpty()) {
        const auto image = ReadCodePlanFile(options.loadPath);
        if (const auto *error = std::get_if<FileError>(&image)) {
            const QString reason =
                error->kind == FileError::WrongType ? u"not a code plan file"_s : error->detail;
            return fail(BadPlan, options.loadPath + u": "_s + reason);
        }
        options.simulator.memory = QByteArray::fromHex(std::get<QByteArray>(image));
    }
    PseudoTerminal terminal;
    if (const auto error = terminal.open())
        return fail(NoTerminal, *error);
    RadioSimulator simulator(terminal, options.simulator);
    QTextStream(stdout) << terminal.devicePath() << Qt::endl;
    return simulator.run();
}
