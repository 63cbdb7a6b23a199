#include "planreport.h"

#include "texttable.h"

#include "editor/stringjtof.h"
#include "image/settingcatalog.h"

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

QString twoDigits(int number)
{
    return u"%1"_s.arg(number, 2, 10, QLatin1Char('0'));
}

QString bandLine(const CodePlan &plan, Language language)
{
    TextTable text;
    text.addRow({SettingCatalog::caption(SettingId::Band, language),
                 SettingCatalog::valueText(plan, SettingId::Band, language)});
    return text.toString();
}

QString channelTable(const ChannelTable &table, Language language)
{
    TextTable text;
    text.addRow(SettingCatalog::channelHeaders(language));
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        QStringList cells{twoDigits(row)};
        for (int column = 1; column < ChannelTable::kColumns; ++column)
            cells << table.cell(row, column);
        text.addRow(cells);
    }
    return text.toString();
}

QString settingGroup(const CodePlan &plan, SettingGroup group, Language language)
{
    TextTable text;
    for (SettingId id : SettingCatalog::settings(group))
        text.addRow({SettingCatalog::caption(id, language), SettingCatalog::valueText(plan, id, language)});
    return SettingCatalog::groupCaption(group, language) + u'\n' + text.toString(2);
}

QString autoDialMemories(const CodePlan &plan)
{
    TextTable text;
    text.addRow(SettingCatalog::autoDialHeaders());
    for (int g = 0; g < int(plan.AutoDialMemories.size()); ++g)
        text.addRow({QString::number(g + 1), plan.AutoDialMemories[g]});
    return text.toString(2);
}

QString embeddedTexts(const CodePlan &plan, Language language)
{
    TextTable text;
    for (int line = 0; line < int(plan.EmbeddedTexts.size()); ++line)
        text.addRow({QString::number(line + 1), plan.EmbeddedTexts[line]});
    return SettingCatalog::embeddedCaption(language) + u'\n' + text.toString(2);
}

QString testFrequencies(const CodePlan &plan, Language language)
{
    TextTable text;
    text.addRow(SettingCatalog::testFrequencyHeaders(language));
    for (int c = 0; c < 16; ++c)
        text.addRow({twoDigits(c + 1), plan.TestFrequencies[0][c], plan.TestFrequencies[1][c]});
    return SettingCatalog::testFrequencyCaption() + u'\n' + text.toString(2);
}

} // namespace

QString PlanReport::text(const CodePlan &plan, Language language)
{
    // As in the windows: the Simplified texts, converted. Converting keeps every text's length, so
    // the columns stay aligned.
    if (language == Language::TraditionalChinese)
        return StringJtoF(text(plan, Language::SimplifiedChinese));
    const QStringList sections{
        bandLine(plan, language),
        channelTable(plan.channels, language),
        settingGroup(plan, SettingGroup::FunctionSet, language),
        settingGroup(plan, SettingGroup::OptionalFunctions, language),
        settingGroup(plan, SettingGroup::Dtmf, language) + autoDialMemories(plan),
        settingGroup(plan, SettingGroup::Keys, language),
        embeddedTexts(plan, language),
        testFrequencies(plan, language),
        settingGroup(plan, SettingGroup::Debug, language),
    };
    return sections.join(u'\n');
}

} // namespace vm280::cli
