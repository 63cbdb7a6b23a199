#include "link/linktext.h"

#include <gtest/gtest.h>

using namespace vm280;

TEST(LinkText, shouldGiveEachTextInBothLanguagesWithItsStyle)
{
    const struct
    {
        LinkText text;
        const char *chinese;
        const char *english;
        int style;
    } cases[] = {
        {LinkText::PortNotOpen, "通信端口未打开，请先选择菜单“通信端口”打开其串口！",
         "Communication port not open, please first selection menu 'communication port' to open its serial "
         "ports!",
         64},
        {LinkText::Communicating, "正在通信,请稍后……", "Is communication, please later……", 0},
        {LinkText::BandQuestion, "频段不符，是否继续？",
         "Frequency band with discrepancies, do you wish to continue?", 68},
        {LinkText::WriteDone, "写频成功！", "Write frequency success!", 0},
        {LinkText::ReadDone, "读频成功！", "Read frequency success!", 0},
        {LinkText::CommunicationError, "通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！",
         "Communication error, please check the intercom model, fault, attachment and computer serial "
         "choice!",
         16},
        {LinkText::WriteVerified, "写频成功，已校验！", "Write frequency success, verified!", 0},
        {LinkText::VerifyMismatch, "写频校验出错，对讲机中的数据与写入的不符！",
         "Write verify failed, the radio holds other data than was written!", 16},
        {LinkText::BackupFailed, "备份未能保存，未写频！", "Backup could not be saved, nothing was written!",
         16},
        {LinkText::RadioIdentified, "找到对讲机 VM-280！", "A VM-280 answered!", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.english);
        EXPECT_EQ(LinkTextChinese(c.text), QString::fromUtf8(c.chinese));
        EXPECT_EQ(LinkTextEnglish(c.text), QString::fromUtf8(c.english));
        EXPECT_EQ(LinkTextStyle(c.text), c.style);
    }
}
