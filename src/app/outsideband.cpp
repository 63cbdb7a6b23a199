#include "outsideband.h"

#include "editor/channeledits.h"
#include "image/bands.h"
#include "image/codeplan.h"
#include "ui/languagemode.h"
#include "ui/msgbox.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace vm280 {

bool MaySendChannelsOutsideBand(const CodePlan &plan)
{
    const QString band = BandText(plan.band);
    const QList<int> channels = ChannelsOutsideBand(plan.channels, BandLimitsOf(band));
    if (channels.isEmpty())
        return true;
    QStringList numbers;
    for (int channel : channels)
        numbers << u"%1"_s.arg(channel, 2, 10, QLatin1Char('0'));
    const QString question =
        ShownText(u"信道 %1 的频率不在频段 %2 内。仍然继续吗？",
                  u"The frequencies of channels %1 lie outside the band %2. Go on anyway?")
            .arg(numbers.join(u", "_s), band);
    return ShowMsgbox(question, MsgboxOkCancel + MsgboxExclamation, ShownText(u"注意！", u"Attention!")) ==
           MsgboxOk;
}

} // namespace vm280
