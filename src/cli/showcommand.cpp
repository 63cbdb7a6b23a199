#include "cliutil.h"
#include "commands.h"

#include "editor/localtext.h"
#include "planreport/planreport.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace vm280::cli {

int runShow(const QStringList &arguments)
{
    const QString usage = u"show PLAN.DAT [--lang zh|zh-Hant|en]"_s;
    QCommandLineParser parser;
    parser.addPositionalArgument(u"PLAN.DAT"_s, u"The plan to show."_s);
    const QCommandLineOption lang(
        u"lang"_s, u"The language of captions and values: zh (default), zh-Hant (Traditional) or en."_s,
        u"zh|zh-Hant|en"_s, u"zh"_s);
    parser.addOption(lang);
    if (const auto exit = parseArguments(parser, arguments, 1, usage))
        return *exit;
    const auto language = languageOption(parser.value(lang), usage);
    if (const auto *failure = std::get_if<Failure>(&language))
        return report(*failure);
    const Language chosen = std::get<Language>(language);
    // The channel cells are decoded in the language they are shown in.
    const auto loaded = loadPlan(parser.positionalArguments().first(), LocalChoiceTexts(chosen));
    if (const auto *failure = std::get_if<Failure>(&loaded))
        return report(*failure);
    QTextStream(stdout) << PlanReport::text(std::get<CodePlan>(loaded), chosen);
    return Success;
}

} // namespace vm280::cli
