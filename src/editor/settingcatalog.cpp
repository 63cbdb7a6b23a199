#include "settingcatalog.h"

#include "image/bands.h"
#include "image/numeric.h"
#include "optionrules.h"

#include <array>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

struct Definition
{
    SettingId id;
    SettingGroup group;
    SettingKind kind;
    const char16_t *simplified;
    const char16_t *english;
    int option = -1; ///< the OptionTexts entry that holds the setting, if one does
};

using enum SettingId;
using Group = SettingGroup;
using Kind = SettingKind;

// The captions of the DTMF frame, of the ID and code labels and of the side keys were never
// translated: they read the same in every language.
constexpr std::array kDefinitions{
    Definition{Band, Group::Model, Kind::List, u"机型选择", u"Model"},
    Definition{VoicePrompt, Group::FunctionSet, Kind::List, u"语言通知", u"Language:"},
    Definition{TimeOut, Group::FunctionSet, Kind::List, u"发射超时", u"Time-out:"},
    Definition{TimeOutWarn, Group::FunctionSet, Kind::List, u"发射超时预警", u"Time-out Warn:"},
    Definition{SquelchGrade, Group::FunctionSet, Kind::List, u"静噪等级", u"Squelch Grade:"},
    Definition{BatterySave, Group::FunctionSet, Kind::List, u"省电", u"Battery Save:"},
    Definition{Beep, Group::FunctionSet, Kind::List, u"提示音", u"Beep:"},
    Definition{PttId, Group::OptionalFunctions, Kind::List, u"PTT ID", u"PTT ID", 3},
    Definition{VoxFunction, Group::OptionalFunctions, Kind::List, u"VOX功能", u"VOX Function", 5},
    Definition{VoxGain, Group::OptionalFunctions, Kind::List, u"VOX增益电平", u"VOX GBIN", 6},
    Definition{VoxDelay, Group::OptionalFunctions, Kind::List, u"VOX延迟时间", u"VOX Delay time", 7},
    Definition{VoxVolume, Group::OptionalFunctions, Kind::List, u"VOX可进行音调", u"VOX volume control", 8},
    Definition{CancelOperation, Group::OptionalFunctions, Kind::Check, u"取消操作", u"Cancel operation", 22},
    Definition{ReceivedBannedVox, Group::OptionalFunctions, Kind::Check, u"接收时禁止VOX",
               u"Received banned VOX", 23},
    Definition{Duplicate, Group::OptionalFunctions, Kind::List, u"复制", u"Duplicate", 9},
    Definition{Priority, Group::OptionalFunctions, Kind::List, u"优先", u"Priority", 10},
    Definition{PreferredChannel, Group::OptionalFunctions, Kind::List, u"优先信道", u"Preferred channel", 11},
    Definition{RetraceTimeA, Group::OptionalFunctions, Kind::List, u"回扫时间A", u"Retrace Time A", 12},
    Definition{RetraceTimeB, Group::OptionalFunctions, Kind::List, u"回扫时间B", u"Retrace Time B", 13},
    Definition{ReturnChannel, Group::OptionalFunctions, Kind::List, u"返回信道", u"Return channel", 14},
    Definition{ScanReceiveDelay, Group::OptionalFunctions, Kind::Text, u"扫描接收恢复延时时间(秒)",
               u"Scan receive delay time(S)", 18},
    Definition{ScanLaunchDelay, Group::OptionalFunctions, Kind::Text, u"扫描发射恢复延时时间(秒)",
               u"Scan launch delay time(S)", 19},
    Definition{IdCode, Group::OptionalFunctions, Kind::Text, u"ID码", u"ID码", 15},
    Definition{TxStartCode, Group::OptionalFunctions, Kind::Text, u"发射开始(16位)", u"发射开始(16位)", 16},
    Definition{TxEndCode, Group::OptionalFunctions, Kind::Text, u"发射结束(16位)", u"发射结束(16位)", 17},
    Definition{DtmfRate, Group::Dtmf, Kind::List, u"DTMF 速率", u"DTMF 速率"},
    Definition{FirstDigitTime, Group::Dtmf, Kind::List, u"首位数码时间", u"首位数码时间"},
    Definition{FirstDigitDelay, Group::Dtmf, Kind::List, u"首位数码延迟", u"首位数码延迟"},
    Definition{StarHashTone, Group::Dtmf, Kind::List, u"*和#音", u"*和#音"},
    Definition{DKey, Group::Dtmf, Kind::List, u"D键设定", u"D键设定"},
    Definition{DtmfSideTone, Group::Dtmf, Kind::List, u"DTMF 侧音", u"DTMF 侧音"},
    Definition{GroupCallCode, Group::Dtmf, Kind::List, u"组呼码", u"组呼码"},
    Definition{AutoResetTimer, Group::Dtmf, Kind::List, u"自动复位定时器", u"自动复位定时器"},
    Definition{KeyPf1, Group::Keys, Kind::List, u"PF1", u"PF1"},
    Definition{KeyPf2, Group::Keys, Kind::List, u"PF2", u"PF2"},
    Definition{PowerTrimHigh, Group::Debug, Kind::Text, u"发射功率-高", u"TX-Hight Power"},
    Definition{PowerTrimLow, Group::Debug, Kind::Text, u"发射功率-低", u"TX-Low Power"},
};

static_assert(
    [] {
        for (size_t i = 0; i < kDefinitions.size(); ++i) {
            if (size_t(kDefinitions[i].id) != i)
                return false;
        }
        return true;
    }(),
    "one definition per setting, in the order of SettingId");

const Definition &definition(SettingId id)
{
    return kDefinitions[size_t(id)];
}

bool isEnglish(Language language)
{
    return language != Language::SimplifiedChinese && language != Language::TraditionalChinese;
}

QString pick(const char16_t *simplified, const char16_t *english, Language language)
{
    return QString::fromUtf16(isEnglish(language) ? english : simplified);
}

QStringList texts(std::initializer_list<const char16_t *> list)
{
    QStringList result;
    for (const char16_t *text : list)
        result << QString::fromUtf16(text);
    return result;
}

QStringList pickList(std::initializer_list<const char16_t *> simplified,
                     std::initializer_list<const char16_t *> english, Language language)
{
    return texts(isEnglish(language) ? english : simplified);
}

// Entries "<first><suffix>" to "<last><suffix>" for every step'th number.
QStringList numbered(int first, int last, const QString &suffix, int step = 1)
{
    QStringList list;
    for (int n = first; n <= last; n += step)
        list << QString::number(n) + suffix;
    return list;
}

QStringList offOn(Language language)
{
    return pickList({u"禁止", u"使能"}, {u"Off", u"On"}, language);
}

QStringList retraceTimes(Language language)
{
    QStringList list{pick(u"空", u"Empty", language)};
    for (int i = 1; i <= 91; ++i)
        list << QString::number(0.5 + (i - 1) * 0.05, 'f', 2) + u" S"_s;
    return list;
}

QStringList keyFunctions(Language language)
{
    return pickList({u"自动拨号", u"OFF", u"按键锁定", u"按键锁定及备份", u"监听", u"监听瞬时", u"扫描",
                     u"扫描+暂时删除", u"照明灯开关", u"取消静噪", u"瞬时取消静噪", u"暂时删除"},
                    {u"Automatic dial-up", u"OFF", u"Keys lock", u"Key lock & backup", u"Surveillance",
                     u"Surveillance instant", u"Scan", u"Scan & Delete temporary", u"Floodlight switch",
                     u"Cancel static noise", u"Instant cancel static noise", u"Delete temporary"},
                    language);
}

QStringList bandEntries()
{
    QStringList list;
    for (int i = 0; i < kBandCount; ++i)
        list << BandText(i);
    return list;
}

QStringList functionSetEntries(SettingId id, Language language)
{
    const QString seconds = pick(u" 秒", u" S", language);
    switch (id) {
    case VoicePrompt:
        return pickList({u"关", u"中文", u"英文"}, {u"Off", u"Chinese", u"Englist"}, language);
    case TimeOut:
        return numbered(15, 600, seconds, 15);
    case TimeOutWarn:
        return QStringList{pick(u"关闭", u"Off", language)} + numbered(1, 10, seconds);
    case SquelchGrade:
        return numbered(0, 9, pick(u" 级", u" Group", language));
    default:
        return offOn(language);
    }
}

QStringList optionEntries(SettingId id, Language language)
{
    switch (id) {
    case PttId:
        return pickList({u"发射开始", u"发射结束", u"两者"}, {u"Launch Start", u"Launch End", u"Both"},
                        language);
    case VoxGain:
        return QStringList{pick(u"关闭", u"Off", language)} + numbered(1, 10, {});
    case VoxDelay:
        return texts({u"0.3S", u"0.5S", u"1S", u"1.5S", u"2S", u"3S"});
    case Priority:
        return pickList({u"无", u"固定", u"选定"}, {u"No", u"Fixed", u"Selected"}, language);
    case PreferredChannel: {
        QStringList list;
        for (int channel = 1; channel <= 16; ++channel)
            list << u"%1"_s.arg(channel, 2, 10, QLatin1Char('0'));
        return list;
    }
    case RetraceTimeA:
    case RetraceTimeB:
        return retraceTimes(language);
    case ReturnChannel:
        return pickList({u"选定", u"选定+当前", u"优先", u"优先+当前"},
                        {u"Selected", u"Selected+Current", u"priority", u"priority+Current"}, language);
    default:
        return offOn(language);
    }
}

QStringList dtmfEntries(SettingId id)
{
    const QStringList digitTimes = texts({u"OFF", u"100MS", u"500MS", u"1000MS"});
    switch (id) {
    case DtmfRate:
        return texts({u"6位", u"8位", u"10位", u"15位"});
    case FirstDigitDelay:
        return numbered(100, 1000, u"MS"_s, 50);
    case DKey:
        return QStringList{u"D码"_s} + numbered(1, 16, u"秒"_s);
    case DtmfSideTone:
        return texts({u"禁止", u"使能"});
    case GroupCallCode:
        return texts({u"关闭", u"*", u"#", u"A", u"B", u"C", u"D"});
    case AutoResetTimer:
        return QStringList{u"关闭"_s} + numbered(1, 15, u"秒"_s);
    default:
        return digitTimes;
    }
}

// The number the plan stores for a List or Check setting.
qint64 storedNumber(const CodePlan &plan, SettingId id)
{
    if (const int entry = definition(id).option; entry >= 0)
        return RoundHalfEven(LeadingNumber(plan.OptionTexts[entry]));
    if (definition(id).group == Group::Dtmf)
        return plan.DtmfSettings[size_t(id) - size_t(DtmfRate)];
    switch (id) {
    case Band:
        return plan.band;
    case VoicePrompt:
        return plan.selectors.Combo2;
    case TimeOut:
        return plan.selectors.Combo3;
    case TimeOutWarn:
        return plan.selectors.Combo4;
    case SquelchGrade:
        return plan.selectors.Combo9;
    case BatterySave:
        return plan.selectors.Combo6;
    case Beep:
        return plan.selectors.Combo7;
    case KeyPf1:
        return plan.KeyPf1;
    default:
        return plan.KeyPf2;
    }
}

// The list index a stored number stands for; -1 when it stands for none.
qint64 indexOfStored(SettingId id, qint64 stored)
{
    switch (id) {
    case PreferredChannel:
        return stored - 1; // the channel number
    case FirstDigitDelay:
        return FirstDigitDelayIndex(int(stored)); // a DtmfSettings entry, kept in milliseconds
    default:
        return stored;
    }
}

QString freeText(const CodePlan &plan, SettingId id)
{
    if (const int entry = definition(id).option; entry >= 0)
        return plan.OptionTexts[entry];
    return QString::number(id == PowerTrimHigh ? plan.PowerTrimHigh : plan.PowerTrimLow);
}

} // namespace

QList<SettingId> SettingCatalog::settings(SettingGroup group)
{
    QList<SettingId> list;
    for (const Definition &d : kDefinitions) {
        if (d.group == group)
            list << d.id;
    }
    return list;
}

SettingGroup SettingCatalog::groupOf(SettingId id)
{
    return definition(id).group;
}

SettingKind SettingCatalog::kindOf(SettingId id)
{
    return definition(id).kind;
}

QString SettingCatalog::caption(SettingId id, Language language)
{
    return pick(definition(id).simplified, definition(id).english, language);
}

QString SettingCatalog::groupCaption(SettingGroup group, Language language)
{
    switch (group) {
    case Group::Model:
        return pick(u"机型选择", u"Model", language);
    case Group::FunctionSet:
        return pick(u"功能设置", u"Function Set", language);
    case Group::OptionalFunctions:
        return pick(u"可选功能", u"Optional Function", language);
    case Group::Dtmf:
        return u"DTMF"_s;
    case Group::Keys:
        return pick(u"键设定", u"Keys Set", language);
    case Group::Debug:
        return u"Debug"_s;
    }
    return {};
}

QStringList SettingCatalog::entries(SettingId id, Language language)
{
    if (kindOf(id) != Kind::List)
        return {};
    switch (groupOf(id)) {
    case Group::Model:
        return bandEntries();
    case Group::FunctionSet:
        return functionSetEntries(id, language);
    case Group::OptionalFunctions:
        return optionEntries(id, language);
    case Group::Dtmf:
        return dtmfEntries(id);
    default:
        return keyFunctions(language);
    }
}

std::optional<int> SettingCatalog::listIndex(const CodePlan &plan, SettingId id)
{
    if (kindOf(id) == Kind::Text)
        return std::nullopt;
    return int(indexOfStored(id, storedNumber(plan, id)));
}

QString SettingCatalog::valueText(const CodePlan &plan, SettingId id, Language language)
{
    if (kindOf(id) == Kind::Text)
        return freeText(plan, id);
    const qint64 stored = storedNumber(plan, id);
    const qint64 index = indexOfStored(id, stored);
    const QStringList list =
        kindOf(id) == Kind::Check ? QStringList{u"[ ]"_s, u"[x]"_s} : entries(id, language);
    if (index >= 0 && index < list.size())
        return list[index];
    return u"(%1)"_s.arg(stored);
}

QStringList SettingCatalog::channelHeaders(Language language)
{
    return pickList(
        {u"信道", u"接收频率", u"亚音频", u"发射频率", u"亚音频", u"功率", u"禁发", u"宽\\窄带", u"扫描添加"},
        {u"Channel", u"RX frequency", u"QT/DQT", u"TX frequency", u"QT/DQT", u"Power", u"Forbid", u"Band",
         u"Scan"},
        language);
}

QStringList SettingCatalog::testFrequencyHeaders(Language language)
{
    return pickList({u"频道", u"接收频率", u"发射频率"}, {u"Channel", u"RX Frequency", u"TX Frequency"},
                    language);
}

QString SettingCatalog::testFrequencyCaption()
{
    return u"测试频率"_s;
}

QStringList SettingCatalog::autoDialHeaders()
{
    return texts({u"编号", u"自动拨号存储器"});
}

QString SettingCatalog::embeddedCaption(Language language)
{
    return pick(u"嵌入信息", u"Embedded Information", language);
}

} // namespace vm280
