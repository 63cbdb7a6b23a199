#include "codeplan.h"

using namespace Qt::StringLiterals;

namespace vm280 {

CodePlan::CodePlan()
{
    for (int i = 0; i <= 14; ++i)
        OptionTexts[i] = u"1"_s;
    OptionTexts[10] = u"0"_s;
    OptionTexts[16] = u"1"_s;
    OptionTexts[17] = u"2"_s;
    for (int i = 20; i <= 23; ++i)
        OptionTexts[i] = u"1"_s;
    for (int g = 0; g < 8; ++g)
        AutoDialMemories[g] = QString::number(g + 1);
}

} // namespace vm280
