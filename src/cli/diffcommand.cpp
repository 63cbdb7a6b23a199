#include "clilink.h"
#include "cliutil.h"
#include "commands.h"

#include "editor/localtext.h"
#include "editor/plandifferences.h"
#include "image/codec.h"
#include "planreport/texttable.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

constexpr int kPlansDiffer = 1;

// The radio's memory as a plan in the words of texts: the link reads in the command line's
// words, so the image is decoded again in the words the plans are compared in.
std::variant<CodePlan, Failure> readRadio(const QString &device, const ChoiceTexts &texts)
{
    CodePlan read;
    CliLink link(read, LinkOptions());
    if (auto failure = link.openPort(device))
        return *failure;
    if (auto failure = link.read())
        return *failure;
    CodePlan plan;
    DecodeImage(plan, EncodeImage(read, cliTexts()), texts);
    return plan;
}

QString shown(const QString &value)
{
    return value.isEmpty() ? u"(empty)"_s : value;
}

int printDifferences(const CodePlan &a, const CodePlan &b, Language language)
{
    const QList<PlanDifference> differences = PlanDifferences(a, b, language);
    TextTable text;
    for (const PlanDifference &difference : differences)
        text.addRow({difference.caption, shown(difference.valueA), shown(difference.valueB)});
    QTextStream(stdout) << text.toString();
    return differences.isEmpty() ? Success : kPlansDiffer;
}

} // namespace

int runDiff(const QStringList &arguments)
{
    const QString usage = u"diff A.DAT B.DAT|--port DEVICE [--lang zh|zh-Hant|en]"_s;
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Lists every channel cell and setting in which two plans differ."_s);
    parser.addPositionalArgument(u"A.DAT"_s, u"The plan to compare."_s);
    parser.addPositionalArgument(u"B.DAT"_s, u"The plan to compare it with, unless --port is given."_s);
    const QCommandLineOption port(u"port"_s, u"Compare with the memory of the radio on DEVICE."_s,
                                  u"DEVICE"_s);
    const QCommandLineOption lang(
        u"lang"_s, u"The language of captions and values: zh (default), zh-Hant (Traditional) or en."_s,
        u"zh|zh-Hant|en"_s, u"zh"_s);
    parser.addOptions({port, lang});
    // A first pass tells how many plan files to expect; the second reports any errors.
    parser.parse(arguments);
    const bool fromRadio = parser.isSet(port);
    // Exit 1 means the plans differ, so a usage error is reported as bad input.
    if (const auto exit = parseArguments(parser, arguments, fromRadio ? 1 : 2, usage))
        return *exit == UsageError ? BadInput : *exit;
    const auto language = languageOption(parser.value(lang), usage);
    if (const auto *failure = std::get_if<Failure>(&language))
        return report({BadInput, failure->message});
    const Language chosen = std::get<Language>(language);
    const QStringList paths = parser.positionalArguments();
    const auto a = loadPlan(paths[0], LocalChoiceTexts(chosen));
    if (const auto *failure = std::get_if<Failure>(&a))
        return report(*failure);
    const auto b = fromRadio ? readRadio(parser.value(port), LocalChoiceTexts(chosen))
                             : loadPlan(paths[1], LocalChoiceTexts(chosen));
    if (const auto *failure = std::get_if<Failure>(&b))
        return report(*failure);
    return printDifferences(std::get<CodePlan>(a), std::get<CodePlan>(b), chosen);
}

} // namespace vm280::cli
