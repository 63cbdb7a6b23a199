#include "linktext.h"

using namespace Qt::StringLiterals;

namespace vm280 {

QString LinkTextChinese(LinkText text)
{
    switch (text) {
    case LinkText::PortNotOpen:
        return u"通信端口未打开，请先选择菜单“通信端口”打开其串口！"_s;
    case LinkText::Communicating:
        return u"正在通信,请稍后……"_s;
    case LinkText::BandQuestion:
        return u"频段不符，是否继续？"_s;
    case LinkText::WriteDone:
        return u"写频成功！"_s;
    case LinkText::ReadDone:
        return u"读频成功！"_s;
    case LinkText::CommunicationError:
        return u"通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"_s;
    case LinkText::WriteVerified:
        return u"写频成功，已校验！"_s;
    case LinkText::VerifyMismatch:
        return u"写频校验出错，对讲机中的数据与写入的不符！"_s;
    case LinkText::BackupFailed:
        return u"备份未能保存，未写频！"_s;
    }
    return QString();
}

QString LinkTextEnglish(LinkText text)
{
    switch (text) {
    case LinkText::PortNotOpen:
        return u"Communication port not open, please first selection menu 'communication port' to open its "
               u"serial ports!"_s;
    case LinkText::Communicating:
        return u"Is communication, please later……"_s;
    case LinkText::BandQuestion:
        return u"Frequency band with discrepancies, do you wish to continue?"_s;
    case LinkText::WriteDone:
        return u"Write frequency success!"_s;
    case LinkText::ReadDone:
        return u"Read frequency success!"_s;
    case LinkText::CommunicationError:
        return u"Communication error, please check the intercom model, fault, attachment and computer serial "
               u"choice!"_s;
    case LinkText::WriteVerified:
        return u"Write frequency success, verified!"_s;
    case LinkText::VerifyMismatch:
        return u"Write verify failed, the radio holds other data than was written!"_s;
    case LinkText::BackupFailed:
        return u"Backup could not be saved, nothing was written!"_s;
    }
    return QString();
}

int LinkTextStyle(LinkText text)
{
    switch (text) {
    case LinkText::PortNotOpen:
        return 64;
    case LinkText::BandQuestion:
        return 68;
    case LinkText::CommunicationError:
    case LinkText::VerifyMismatch:
    case LinkText::BackupFailed:
        return 16;
    case LinkText::Communicating:
    case LinkText::WriteDone:
    case LinkText::ReadDone:
    case LinkText::WriteVerified:
        break;
    }
    return 0;
}

} // namespace vm280
