#include "settingcatalog.h"

#include "bands.h"
#include "numeric.h"

#include <array>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// Where a plan keeps a setting.
struct Store
{
    enum Kind { Band, Selector, Option, Dtmf, Scalar };

    Kind kind;
    int index = 0; ///< the OptionTexts slot or the DtmfSettings entry
    int FunctionSelectors::*selector = nullptr;
    qint16 CodePlan::*scalar = nullptr;
    QLatin1StringView name = {}; ///< a selector's name
};

constexpr Store band()
{
    return {Store::Band};
}

constexpr Store selector(const char *name, int FunctionSelectors::*member)
{
    return {Store::Selector, 0, member, nullptr, QLatin1StringView(name)};
}

constexpr Store option(OptionSlot::Index slot)
{
    return {Store::Option, slot};
}

constexpr Store dtmf(int entry)
{
    return {Store::Dtmf, entry};
}

constexpr Store scalar(qint16 CodePlan::*member)
{
    return {Store::Scalar, 0, nullptr, member};
}

using Entries = QStringList (*)(Language);

struct Definition
{
    SettingId id;
    SettingGroup group;
    SettingKind kind;
    Store store;
    SettingPlace place;
    SettingRange range;
    Entries entries; ///< a List setting's entries
    const char16_t *simplified;
    const char16_t *english;
    /// The English a document for a reader of English gives a caption the windows never
    /// translated ("ID码"); nullptr where english serves.
    const char16_t *readerEnglish = nullptr;
};

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

QString seconds(Language language)
{
    return pick(u" 秒", u" S", language);
}

QStringList bands(Language)
{
    QStringList list;
    for (int i = 0; i < kBandCount; ++i)
        list << BandText(i);
    return list;
}

QStringList voicePrompts(Language language)
{
    return pickList({u"关", u"中文", u"英文"}, {u"Off", u"Chinese", u"Englist"}, language);
}

QStringList timeOuts(Language language)
{
    return numbered(15, 600, seconds(language), 15);
}

QStringList timeOutWarnings(Language language)
{
    return QStringList{pick(u"关闭", u"Off", language)} + numbered(1, 10, seconds(language));
}

QStringList squelchGrades(Language language)
{
    return numbered(0, 9, pick(u" 级", u" Group", language));
}

QStringList offOn(Language language)
{
    return pickList({u"禁止", u"使能"}, {u"Off", u"On"}, language);
}

QStringList pttIds(Language language)
{
    return pickList({u"发射开始", u"发射结束", u"两者"}, {u"Launch Start", u"Launch End", u"Both"}, language);
}

QStringList voxGains(Language language)
{
    return QStringList{pick(u"关闭", u"Off", language)} + numbered(1, 10, {});
}

QStringList voxDelays(Language)
{
    return texts({u"0.3S", u"0.5S", u"1S", u"1.5S", u"2S", u"3S"});
}

QStringList priorities(Language language)
{
    return pickList({u"无", u"固定", u"选定"}, {u"No", u"Fixed", u"Selected"}, language);
}

QStringList channelNumbers(Language)
{
    QStringList list;
    for (int channel = 1; channel <= ChannelTable::kRows; ++channel)
        list << u"%1"_s.arg(channel, 2, 10, QLatin1Char('0'));
    return list;
}

QStringList retraceTimes(Language language)
{
    QStringList list{pick(u"空", u"Empty", language)};
    for (int i = 1; i <= 91; ++i)
        list << QString::number(0.5 + (i - 1) * 0.05, 'f', 2) + u" S"_s;
    return list;
}

QStringList returnChannels(Language language)
{
    return pickList({u"选定", u"选定+当前", u"优先", u"优先+当前"},
                    {u"Selected", u"Selected+Current", u"priority", u"priority+Current"}, language);
}

// The DTMF lists exist in Chinese only.
QStringList dtmfRates(Language)
{
    return texts({u"6位", u"8位", u"10位", u"15位"});
}

QStringList digitTimes(Language)
{
    return texts({u"OFF", u"100MS", u"500MS", u"1000MS"});
}

// Kept in milliseconds, stored in tens of them: the list offers every fifth step.
constexpr SettingRange kFirstDigitDelays{100, 1000, 10};
constexpr int kFirstDigitDelayEntryStep = 50;

QStringList firstDigitDelays(Language)
{
    return numbered(kFirstDigitDelays.min, kFirstDigitDelays.max, u"MS"_s, kFirstDigitDelayEntryStep);
}

QStringList dKeys(Language)
{
    return QStringList{u"D码"_s} + numbered(1, 16, u"秒"_s);
}

QStringList dtmfSideTones(Language)
{
    return offOn(Language::SimplifiedChinese);
}

QStringList groupCallCodes(Language)
{
    return texts({u"关闭", u"*", u"#", u"A", u"B", u"C", u"D"});
}

QStringList autoResetTimers(Language)
{
    return QStringList{u"关闭"_s} + numbered(1, 15, u"秒"_s);
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

using enum SettingId;
using Group = SettingGroup;
using Kind = SettingKind;
using Enc = SettingEncoding;

constexpr SettingPlace at(int offset, SettingEncoding encoding = SettingEncoding::Index, int width = 1,
                          int copy = -1)
{
    return {offset, encoding, width, copy};
}

constexpr SettingRange numbers(qint64 min, qint64 max, qint64 step = 1)
{
    return {min, max, step};
}

constexpr SettingRange kOffOn = numbers(0, 1);
constexpr SettingRange kText = numbers(0, -1);
// A scan delay is signed: an unprogrammed FF FF reads as -1.
constexpr SettingRange kScanDelays = numbers(-0x8000, 300);
constexpr SettingRange kKeyFunctions = numbers(0, 11);
constexpr SettingRange kTrims = numbers(0, 0xFF);

// One row a setting: where the plan keeps it, where and how the image holds it, the numbers the
// image gives it, its list, its caption. The captions of the DTMF frame, of the ID and code
// labels and of the side keys were never translated: they read the same in every language.
constexpr std::array kDefinitions{
    Definition{Band, Group::Model, Kind::List, band(), at(429, Enc::BandCode, 1, 828),
               numbers(0, kBandCount - 1), bands, u"机型选择", u"Model"},
    Definition{VoicePrompt, Group::FunctionSet, Kind::List, selector("Combo2", &FunctionSelectors::Combo2),
               at(287), numbers(0, 2), voicePrompts, u"语言通知", u"Language:"},
    Definition{TimeOut, Group::FunctionSet, Kind::List, selector("Combo3", &FunctionSelectors::Combo3),
               at(288, Enc::IndexPlusOne), numbers(-1, 39), timeOuts, u"发射超时", u"Time-out:"},
    Definition{TimeOutWarn, Group::FunctionSet, Kind::List, selector("Combo4", &FunctionSelectors::Combo4),
               at(289), numbers(0, 10), timeOutWarnings, u"发射超时预警", u"Time-out Warn:"},
    Definition{SquelchGrade, Group::FunctionSet, Kind::List, selector("Combo9", &FunctionSelectors::Combo9),
               at(292), numbers(0, 9), squelchGrades, u"静噪等级", u"Squelch Grade:"},
    Definition{BatterySave, Group::FunctionSet, Kind::List, selector("Combo6", &FunctionSelectors::Combo6),
               at(293), kOffOn, offOn, u"省电", u"Battery Save:"},
    Definition{Beep, Group::FunctionSet, Kind::List, selector("Combo7", &FunctionSelectors::Combo7), at(294),
               kOffOn, offOn, u"提示音", u"Beep:"},
    Definition{PttId, Group::OptionalFunctions, Kind::List, option(OptionSlot::PttId), at(290), numbers(0, 2),
               pttIds, u"PTT ID", u"PTT ID"},
    Definition{VoxFunction, Group::OptionalFunctions, Kind::List, option(OptionSlot::VoxFunction), at(297),
               kOffOn, offOn, u"VOX功能", u"VOX Function"},
    Definition{VoxGain, Group::OptionalFunctions, Kind::List, option(OptionSlot::VoxGain), at(298),
               numbers(0, 10), voxGains, u"VOX增益电平", u"VOX GBIN"},
    Definition{VoxDelay, Group::OptionalFunctions, Kind::List, option(OptionSlot::VoxDelay), at(299),
               numbers(0, 5), voxDelays, u"VOX延迟时间", u"VOX Delay time"},
    Definition{VoxVolume, Group::OptionalFunctions, Kind::List, option(OptionSlot::VoxVolume), at(300),
               kOffOn, offOn, u"VOX可进行音调", u"VOX volume control"},
    Definition{CancelOperation, Group::OptionalFunctions, Kind::Check, option(OptionSlot::CancelOperation),
               at(295), kOffOn, nullptr, u"取消操作", u"Cancel operation"},
    Definition{ReceivedBannedVox, Group::OptionalFunctions, Kind::Check,
               option(OptionSlot::ReceivedBannedVox), at(296), kOffOn, nullptr, u"接收时禁止VOX",
               u"Received banned VOX"},
    Definition{Duplicate, Group::OptionalFunctions, Kind::List, option(OptionSlot::Duplicate),
               at(302, Enc::LowBit), kOffOn, offOn, u"复制", u"Duplicate"},
    Definition{Priority, Group::OptionalFunctions, Kind::List, option(OptionSlot::Priority), at(336),
               numbers(0, 2), priorities, u"优先", u"Priority"},
    Definition{PreferredChannel, Group::OptionalFunctions, Kind::List, option(OptionSlot::PreferredChannel),
               at(337), numbers(1, ChannelTable::kRows), channelNumbers, u"优先信道", u"Preferred channel"},
    Definition{RetraceTimeA, Group::OptionalFunctions, Kind::List, option(OptionSlot::RetraceTimeA),
               at(338, Enc::ZeroAsBlank), numbers(0, 91), retraceTimes, u"回扫时间A", u"Retrace Time A"},
    Definition{RetraceTimeB, Group::OptionalFunctions, Kind::List, option(OptionSlot::RetraceTimeB),
               at(339, Enc::ZeroAsBlank), numbers(0, 91), retraceTimes, u"回扫时间B", u"Retrace Time B"},
    Definition{ReturnChannel, Group::OptionalFunctions, Kind::List, option(OptionSlot::ReturnChannel),
               at(340), numbers(0, 3), returnChannels, u"返回信道", u"Return channel"},
    Definition{ScanReceiveDelay, Group::OptionalFunctions, Kind::Text, option(OptionSlot::ScanReceiveDelay),
               at(341, Enc::Word, 2), kScanDelays, nullptr, u"扫描接收恢复延时时间(秒)",
               u"Scan receive delay time(S)"},
    Definition{ScanLaunchDelay, Group::OptionalFunctions, Kind::Text, option(OptionSlot::ScanLaunchDelay),
               at(343, Enc::Word, 2), kScanDelays, nullptr, u"扫描发射恢复延时时间(秒)",
               u"Scan launch delay time(S)"},
    Definition{IdCode, Group::OptionalFunctions, Kind::Text, option(OptionSlot::IdCode),
               at(272, Enc::FixedText, 10), kText, nullptr, u"ID码", u"ID码", u"ID code"},
    Definition{TxStartCode, Group::OptionalFunctions, Kind::Text, option(OptionSlot::TxStartCode),
               at(304, Enc::Text, 16), kText, nullptr, u"发射开始(16位)", u"发射开始(16位)",
               u"TX start code (16 digits)"},
    Definition{TxEndCode, Group::OptionalFunctions, Kind::Text, option(OptionSlot::TxEndCode),
               at(320, Enc::Text, 16), kText, nullptr, u"发射结束(16位)", u"发射结束(16位)",
               u"TX end code (16 digits)"},
    Definition{DtmfRate, Group::Dtmf, Kind::List, dtmf(0), at(256), numbers(0, 3), dtmfRates, u"DTMF 速率",
               u"DTMF 速率"},
    Definition{FirstDigitTime, Group::Dtmf, Kind::List, dtmf(1), at(257), numbers(0, 3), digitTimes,
               u"首位数码时间", u"首位数码时间"},
    Definition{FirstDigitDelay, Group::Dtmf, Kind::List, dtmf(2), at(258, Enc::Steps), kFirstDigitDelays,
               firstDigitDelays, u"首位数码延迟", u"首位数码延迟"},
    Definition{StarHashTone, Group::Dtmf, Kind::List, dtmf(3), at(259), numbers(0, 3), digitTimes, u"*和#音",
               u"*和#音"},
    Definition{DKey, Group::Dtmf, Kind::List, dtmf(4), at(260), numbers(0, 16), dKeys, u"D键设定",
               u"D键设定"},
    Definition{DtmfSideTone, Group::Dtmf, Kind::List, dtmf(5), at(261), kOffOn, dtmfSideTones, u"DTMF 侧音",
               u"DTMF 侧音"},
    // The radio takes any digit, though the list ends at "D" (6).
    Definition{GroupCallCode, Group::Dtmf, Kind::List, dtmf(6), at(262, Enc::DigitCharacter), numbers(0, 9),
               groupCallCodes, u"组呼码", u"组呼码"},
    Definition{AutoResetTimer, Group::Dtmf, Kind::List, dtmf(7), at(263), numbers(0, 15), autoResetTimers,
               u"自动复位定时器", u"自动复位定时器"},
    Definition{KeyPf1, Group::Keys, Kind::List, scalar(&CodePlan::KeyPf1), at(269), kKeyFunctions,
               keyFunctions, u"PF1", u"PF1"},
    Definition{KeyPf2, Group::Keys, Kind::List, scalar(&CodePlan::KeyPf2), at(270), kKeyFunctions,
               keyFunctions, u"PF2", u"PF2"},
    Definition{PowerTrimHigh, Group::Debug, Kind::Text, scalar(&CodePlan::PowerTrimHigh), at(371), kTrims,
               nullptr, u"发射功率-高", u"TX-Hight Power"},
    Definition{PowerTrimLow, Group::Debug, Kind::Text, scalar(&CodePlan::PowerTrimLow), at(376), kTrims,
               nullptr, u"发射功率-低", u"TX-Low Power"},
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

std::optional<SettingId> find(Store::Kind kind, int index)
{
    for (const Definition &d : kDefinitions) {
        if (d.store.kind == kind && d.store.index == index)
            return d.id;
    }
    return std::nullopt;
}

// The list index a stored number stands for; -1 when it stands for none.
qint64 indexOfStored(SettingId id, qint64 stored)
{
    switch (id) {
    case PreferredChannel:
        return stored - 1; // the channel number
    case FirstDigitDelay:
        return FirstDigitDelayIndex(int(stored));
    default:
        return stored;
    }
}

qint64 storedOfIndex(SettingId id, int index)
{
    switch (id) {
    case PreferredChannel:
        return index + 1;
    case FirstDigitDelay:
        return FirstDigitDelayMilliseconds(index);
    default:
        return index;
    }
}

} // namespace

QList<SettingId> SettingCatalog::all()
{
    QList<SettingId> list;
    for (const Definition &d : kDefinitions)
        list << d.id;
    return list;
}

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

QString SettingCatalog::readerCaption(SettingId id, Language language)
{
    const Definition &d = definition(id);
    return pick(d.simplified, d.readerEnglish != nullptr ? d.readerEnglish : d.english, language);
}

QString SettingCatalog::groupCaption(SettingGroup group, Language language)
{
    switch (group) {
    case Group::Model:
        return caption(Band, language); // the band is all the frame holds
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
    return definition(id).entries(language);
}

SettingPlace SettingCatalog::place(SettingId id)
{
    return definition(id).place;
}

SettingRange SettingCatalog::range(SettingId id)
{
    return definition(id).range;
}

bool SettingCatalog::holds(SettingId id, qint64 value)
{
    const SettingRange r = range(id);
    return value >= r.min && value <= r.max && (value - r.min) % r.step == 0;
}

qint64 SettingCatalog::number(const CodePlan &plan, SettingId id)
{
    const Store &store = definition(id).store;
    switch (store.kind) {
    case Store::Band:
        return plan.band;
    case Store::Selector:
        return plan.selectors.*store.selector;
    case Store::Option:
        return RoundHalfEven(LeadingNumber(plan.OptionTexts[store.index]));
    case Store::Dtmf:
        return plan.DtmfSettings[store.index];
    case Store::Scalar:
        break;
    }
    return plan.*store.scalar;
}

void SettingCatalog::setNumber(CodePlan &plan, SettingId id, qint64 value)
{
    const Store &store = definition(id).store;
    switch (store.kind) {
    case Store::Band:
        plan.band = int(value);
        return;
    case Store::Selector:
        plan.selectors.*store.selector = int(value);
        return;
    case Store::Option:
        plan.OptionTexts[store.index] = QString::number(value);
        return;
    case Store::Dtmf:
        plan.DtmfSettings[store.index] = qint16(value);
        return;
    case Store::Scalar:
        plan.*store.scalar = qint16(value);
        return;
    }
}

QString SettingCatalog::text(const CodePlan &plan, SettingId id)
{
    const Store &store = definition(id).store;
    if (store.kind == Store::Option)
        return plan.OptionTexts[store.index];
    return QString::number(number(plan, id));
}

void SettingCatalog::setText(CodePlan &plan, SettingId id, const QString &text)
{
    const Store &store = definition(id).store;
    Q_ASSERT(store.kind == Store::Option);
    plan.OptionTexts[store.index] = text;
}

std::optional<int> SettingCatalog::listIndex(const CodePlan &plan, SettingId id)
{
    if (kindOf(id) == Kind::Text)
        return std::nullopt;
    return int(indexOfStored(id, number(plan, id)));
}

void SettingCatalog::setListIndex(CodePlan &plan, SettingId id, int index)
{
    setNumber(plan, id, storedOfIndex(id, index));
}

QString SettingCatalog::valueText(const CodePlan &plan, SettingId id, Language language)
{
    if (kindOf(id) == Kind::Text)
        return text(plan, id);
    const qint64 stored = number(plan, id);
    const qint64 index = indexOfStored(id, stored);
    const QStringList list =
        kindOf(id) == Kind::Check ? QStringList{u"[ ]"_s, u"[x]"_s} : entries(id, language);
    if (index >= 0 && index < list.size())
        return list[index];
    return u"(%1)"_s.arg(stored);
}

QLatin1StringView SettingCatalog::selectorName(SettingId id)
{
    return definition(id).store.name;
}

std::optional<SettingId> SettingCatalog::optionSetting(int slot)
{
    return find(Store::Option, slot);
}

SettingId SettingCatalog::dtmfSetting(int entry)
{
    const std::optional<SettingId> id = find(Store::Dtmf, entry);
    Q_ASSERT(id);
    return *id;
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

int FirstDigitDelayIndex(int milliseconds)
{
    const int offset = milliseconds - int(kFirstDigitDelays.min);
    if (offset < 0 || offset % kFirstDigitDelayEntryStep != 0)
        return -1;
    return offset / kFirstDigitDelayEntryStep;
}

int FirstDigitDelayMilliseconds(int index)
{
    return int(kFirstDigitDelays.min) + kFirstDigitDelayEntryStep * index;
}

} // namespace vm280
