#include "codeplan.h"

namespace vm280 {

CodePlan::CodePlan()
{
    OptionTexts.fill(QStringLiteral("1"));
    OptionTexts[OptionSlot::Priority] = QStringLiteral("0");
    OptionTexts[OptionSlot::IdCode].clear();
    OptionTexts[OptionSlot::TxEndCode] = QStringLiteral("2");
    OptionTexts[OptionSlot::ScanReceiveDelay].clear();
    OptionTexts[OptionSlot::ScanLaunchDelay].clear();
    for (int g = 0; g < 8; ++g)
        AutoDialMemories[g] = QString::number(g + 1);
}

} // namespace vm280
