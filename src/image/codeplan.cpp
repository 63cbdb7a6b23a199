#include "codeplan.h"

namespace vm280 {

CodePlan::CodePlan()
{
    for (int i = 0; i <= 14; ++i)
        OptionTexts[i] = QStringLiteral("1");
    OptionTexts[10] = QStringLiteral("0");
    OptionTexts[16] = QStringLiteral("1");
    OptionTexts[17] = QStringLiteral("2");
    for (int i = 20; i <= 23; ++i)
        OptionTexts[i] = QStringLiteral("1");
    for (int g = 0; g < 8; ++g)
        AutoDialMemories[g] = QString::number(g + 1);
}

} // namespace vm280
