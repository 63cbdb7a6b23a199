#include "codeplan.h"

using namespace Qt::StringLiterals;

namespace vm280 {

CodePlan::CodePlan()
{
    OptionTexts.fill(u"1"_s);
    OptionTexts[OptionSlot::Priority] = u"0"_s;
    OptionTexts[OptionSlot::IdCode].clear();
    OptionTexts[OptionSlot::TxEndCode] = u"2"_s;
    OptionTexts[OptionSlot::ScanReceiveDelay].clear();
    OptionTexts[OptionSlot::ScanLaunchDelay].clear();
    for (int g = 0; g < 8; ++g)
        AutoDialMemories[g] = QString::number(g + 1);
}

} // namespace vm280
