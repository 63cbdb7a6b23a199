#include "cliutil.h"
#include "commands.h"
#include "planreport.h"

#include "editor/localtext.h"
#include "editor/stringjtof.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <array>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

struct LanguageCode
{
    QLatin1StringView code;
    Language language;
};

constexpr std::array kLanguageCodes{
    LanguageCode{"zh"_L1, Language::SimplifiedChinese},
    LanguageCode{"zh-Hant"_L1, Language::TraditionalChinese},
    LanguageCode{"en"_L1, Language::English},
};

std::optional<Language> languageOf(const QString &code)
{
    for (const LanguageCode &entry : kLanguageCodes) {
        if (code == entry.code)
            return entry.language;
    }
    return std::nullopt;
}

} // namespace

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
    const std::optional<Language> language = languageOf(parser.value(lang));
    if (!language) {
        printError(u"unknown language '%1'; usage: vm280-cli %2"_s.arg(parser.value(lang), usage));
        return UsageError;
    }
    if (const auto problem = TraditionalChineseProblem();
        problem && *language == Language::TraditionalChinese)
        printError(u"Traditional Chinese is unavailable, showing Simplified Chinese: %1"_s.arg(*problem));
    // The channel cells are decoded in the language they are shown in.
    const auto loaded = loadPlan(parser.positionalArguments().first(), LocalChoiceTexts(*language));
    if (const auto *failure = std::get_if<Failure>(&loaded))
        return report(*failure);
    QTextStream(stdout) << PlanReport::text(std::get<CodePlan>(loaded), *language);
    return Success;
}

} // namespace vm280::cli
