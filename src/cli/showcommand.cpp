#include "cliutil.h"
#include "commands.h"
#include "planreport.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace vm280::cli {

int runShow(const QStringList &arguments)
{
    const QString usage = u"show PLAN.DAT [--lang zh|en]"_s;
    QCommandLineParser parser;
    parser.addPositionalArgument(u"PLAN.DAT"_s, u"The plan to show."_s);
    const QCommandLineOption lang(u"lang"_s, u"The language of captions and values: zh (default) or en."_s,
                                  u"zh|en"_s, u"zh"_s);
    parser.addOption(lang);
    if (const auto exit = parseArguments(parser, arguments, 1, usage))
        return *exit;
    const QString code = parser.value(lang);
    if (code != "zh"_L1 && code != "en"_L1) {
        printError(u"unknown language '%1'; usage: vm280-cli %2"_s.arg(code, usage));
        return UsageError;
    }
    const Language language = code == "en"_L1 ? Language::English : Language::SimplifiedChinese;
    // The channel cells are decoded in the language they are shown in.
    const auto loaded = loadPlan(parser.positionalArguments().first(), ChoiceTexts::forLanguage(language));
    if (const auto *failure = std::get_if<Failure>(&loaded))
        return report(*failure);
    QTextStream(stdout) << PlanReport::text(std::get<CodePlan>(loaded), language);
    return Success;
}

} // namespace vm280::cli
