#include "plandifferences.h"

#include "stringjtof.h"

#include "image/settingcatalog.h"

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString twoDigits(int number)
{
    return u"%1"_s.arg(number, 2, 10, QLatin1Char('0'));
}

class DifferenceList
{
public:
    void add(const QString &caption, const QString &a, const QString &b, int row = 0, int column = 0)
    {
        if (a != b)
            m_list.append({caption, a, b, row, column});
    }
    QList<PlanDifference> take() { return std::move(m_list); }

private:
    QList<PlanDifference> m_list;
};

// The two tone columns share a header, so a tone cell is named after its frequency as well.
QString cellCaption(const QStringList &headers, int row, int column)
{
    QString caption = headers[0] + u' ' + twoDigits(row) + u' ' + headers[column];
    if (column == ChannelTable::RxToneColumn || column == ChannelTable::TxToneColumn)
        caption += u" ("_s + headers[column - 1] + u')';
    return caption;
}

void addChannels(DifferenceList &list, const ChannelTable &a, const ChannelTable &b, Language language)
{
    const QStringList headers = SettingCatalog::channelHeaders(language);
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        for (int column = 1; column < ChannelTable::kColumns; ++column)
            list.add(cellCaption(headers, row, column), a.cell(row, column), b.cell(row, column), row,
                     column);
    }
}

void addGroup(DifferenceList &list, const CodePlan &a, const CodePlan &b, SettingGroup group,
              Language language)
{
    for (SettingId id : SettingCatalog::settings(group)) {
        // The band's caption is its group's.
        QString caption = SettingCatalog::caption(id, language);
        if (group != SettingGroup::Model)
            caption = SettingCatalog::groupCaption(group, language) + u" / "_s + caption;
        list.add(caption, SettingCatalog::valueText(a, id, language),
                 SettingCatalog::valueText(b, id, language));
    }
}

void addAutoDial(DifferenceList &list, const CodePlan &a, const CodePlan &b, Language language)
{
    const QString caption = SettingCatalog::groupCaption(SettingGroup::Dtmf, language) + u" / "_s +
                            SettingCatalog::autoDialHeaders()[1] + u' ';
    for (int g = 0; g < int(a.AutoDialMemories.size()); ++g)
        list.add(caption + QString::number(g + 1), a.AutoDialMemories[g], b.AutoDialMemories[g]);
}

void addEmbedded(DifferenceList &list, const CodePlan &a, const CodePlan &b, Language language)
{
    for (int line = 0; line < int(a.EmbeddedTexts.size()); ++line)
        list.add(SettingCatalog::embeddedCaption(language) + u' ' + QString::number(line + 1),
                 a.EmbeddedTexts[line], b.EmbeddedTexts[line]);
}

void addTestFrequencies(DifferenceList &list, const CodePlan &a, const CodePlan &b, Language language)
{
    const QStringList headers = SettingCatalog::testFrequencyHeaders(language);
    for (int c = 0; c < 16; ++c) {
        for (int side = 0; side < 2; ++side) {
            list.add(SettingCatalog::testFrequencyCaption() + u' ' + twoDigits(c + 1) + u' ' +
                         headers[side + 1],
                     a.TestFrequencies[side][c], b.TestFrequencies[side][c]);
        }
    }
}

QList<PlanDifference> converted(QList<PlanDifference> list)
{
    for (PlanDifference &difference : list) {
        difference.caption = StringJtoF(difference.caption);
        difference.valueA = StringJtoF(difference.valueA);
        difference.valueB = StringJtoF(difference.valueB);
    }
    return list;
}

} // namespace

QList<PlanDifference> PlanDifferences(const CodePlan &a, const CodePlan &b, Language language)
{
    // As everywhere in the tool: Traditional Chinese is the Simplified texts, converted.
    if (language == Language::TraditionalChinese)
        return converted(PlanDifferences(a, b, Language::SimplifiedChinese));
    DifferenceList list;
    addGroup(list, a, b, SettingGroup::Model, language);
    addChannels(list, a.channels, b.channels, language);
    addGroup(list, a, b, SettingGroup::FunctionSet, language);
    addGroup(list, a, b, SettingGroup::OptionalFunctions, language);
    addGroup(list, a, b, SettingGroup::Dtmf, language);
    addAutoDial(list, a, b, language);
    addGroup(list, a, b, SettingGroup::Keys, language);
    addEmbedded(list, a, b, language);
    addTestFrequencies(list, a, b, language);
    addGroup(list, a, b, SettingGroup::Debug, language);
    return list.take();
}

} // namespace vm280
