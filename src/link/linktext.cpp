#include "linktext.h"

#include <array>

namespace vm280 {

namespace {

struct LinkTextEntry
{
    LinkText text;
    const char16_t *chinese;
    const char16_t *english; ///< worded as the tool always has
    int style;               ///< the message-box style; 0 for a text of the status label only
};

// One row per LinkText, in the enum's order.
constexpr std::array kLinkTexts{
    LinkTextEntry{LinkText::PortNotOpen, u"通信端口未打开，请先选择菜单“通信端口”打开其串口！",
                  u"Communication port not open, please first selection menu 'communication port' to open "
                  u"its serial ports!",
                  64},
    LinkTextEntry{LinkText::Communicating, u"正在通信,请稍后……", u"Is communication, please later……", 0},
    LinkTextEntry{LinkText::BandQuestion, u"频段不符，是否继续？",
                  u"Frequency band with discrepancies, do you wish to continue?", 68},
    LinkTextEntry{LinkText::WriteDone, u"写频成功！", u"Write frequency success!", 0},
    LinkTextEntry{LinkText::ReadDone, u"读频成功！", u"Read frequency success!", 0},
    LinkTextEntry{LinkText::CommunicationError, u"通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！",
                  u"Communication error, please check the intercom model, fault, attachment and computer "
                  u"serial choice!",
                  16},
    LinkTextEntry{LinkText::WriteVerified, u"写频成功，已校验！", u"Write frequency success, verified!", 0},
    LinkTextEntry{LinkText::VerifyMismatch, u"写频校验出错，对讲机中的数据与写入的不符！",
                  u"Write verify failed, the radio holds other data than was written!", 16},
    LinkTextEntry{LinkText::BackupFailed, u"备份未能保存，未写频！",
                  u"Backup could not be saved, nothing was written!", 16},
    LinkTextEntry{LinkText::RadioIdentified, u"找到对讲机 VM-280！", u"A VM-280 answered!", 0},
};

constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < kLinkTexts.size(); ++i) {
        if (std::size_t(kLinkTexts[i].text) != i)
            return false;
    }
    return std::size_t(LinkText::RadioIdentified) + 1 == kLinkTexts.size();
}
static_assert(inEnumOrder(), "kLinkTexts holds one row per LinkText, in the enum's order");

const LinkTextEntry &entry(LinkText text)
{
    return kLinkTexts[std::size_t(text)];
}

} // namespace

QString LinkTextChinese(LinkText text)
{
    return QString::fromUtf16(entry(text).chinese);
}

QString LinkTextEnglish(LinkText text)
{
    return QString::fromUtf16(entry(text).english);
}

int LinkTextStyle(LinkText text)
{
    return entry(text).style;
}

} // namespace vm280
