#include "choicetexts.h"

using namespace Qt::StringLiterals;

namespace vm280 {

const std::array<QString, 2> &ChoiceTexts::forColumn(int column) const
{
    switch (column) {
    case 5:
        return power;
    case 6:
        return forbid;
    case 7:
        return bandwidth;
    default:
        return scanAdd;
    }
}

const ChoiceTexts &ChoiceTexts::simplifiedChinese()
{
    static const ChoiceTexts texts{
        u"关闭"_s, {u"低"_s, u"高"_s}, {u"关闭"_s, u"载波"_s}, {u"窄带"_s, u"宽带"_s}, {u"无"_s, u"有"_s},
    };
    return texts;
}

const ChoiceTexts &ChoiceTexts::english()
{
    // The radio's English texts, spelling included.
    static const ChoiceTexts texts{
        u"Off"_s,
        {u"Low"_s, u"Hight"_s},
        {u"Off"_s, u"Carrow"_s},
        {u"Narrow"_s, u"Wide"_s},
        {u"No"_s, u"Have"_s},
    };
    return texts;
}

} // namespace vm280
