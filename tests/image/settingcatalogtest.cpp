#include "imagetestutil.h"

#include "image/codec.h"
#include "image/settingcatalog.h"

#include <gtest/gtest.h>
#include <set>

using namespace vm280;
using namespace vm280::test;

namespace {

constexpr Language kZh = Language::SimplifiedChinese;
constexpr Language kEn = Language::English;

QList<SettingId> allSettings()
{
    QList<SettingId> all;
    for (SettingGroup group :
         {SettingGroup::Model, SettingGroup::FunctionSet, SettingGroup::OptionalFunctions, SettingGroup::Dtmf,
          SettingGroup::Keys, SettingGroup::Debug})
        all += SettingCatalog::settings(group);
    return all;
}

} // namespace

TEST(SettingCatalog, shouldListEverySettingOnceInOneGroup)
{
    const QList<SettingId> all = allSettings();
    ASSERT_EQ(all.size(), int(SettingId::PowerTrimLow) + 1);
    for (int i = 0; i < all.size(); ++i)
        EXPECT_EQ(int(all[i]), i) << "settings are listed in the order the tool shows them";
}

TEST(SettingCatalog, shouldCaptionSettingsAsTheToolDoes)
{
    struct Row
    {
        SettingId id;
        const char *zh;
        const char *en;
    } rows[] = {
        {SettingId::Band, "机型选择", "Model"},
        {SettingId::VoicePrompt, "语言通知", "Language:"},
        {SettingId::TimeOutWarn, "发射超时预警", "Time-out Warn:"},
        {SettingId::VoxGain, "VOX增益电平", "VOX GBIN"},
        {SettingId::ReceivedBannedVox, "接收时禁止VOX", "Received banned VOX"},
        {SettingId::ScanLaunchDelay, "扫描发射恢复延时时间(秒)", "Scan launch delay time(S)"},
        {SettingId::IdCode, "ID码", "ID码"},
        {SettingId::TxEndCode, "发射结束(16位)", "发射结束(16位)"},
        {SettingId::FirstDigitDelay, "首位数码延迟", "首位数码延迟"},
        {SettingId::StarHashTone, "*和#音", "*和#音"},
        {SettingId::KeyPf2, "PF2", "PF2"},
        {SettingId::PowerTrimHigh, "发射功率-高", "TX-Hight Power"},
        {SettingId::PowerTrimLow, "发射功率-低", "TX-Low Power"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.en);
        EXPECT_EQ(SettingCatalog::caption(row.id, kZh), QString::fromUtf8(row.zh));
        EXPECT_EQ(SettingCatalog::caption(row.id, kEn), QString::fromUtf8(row.en));
        // Traditional Chinese is shown as the conversion of the Simplified text.
        EXPECT_EQ(SettingCatalog::caption(row.id, Language::TraditionalChinese), QString::fromUtf8(row.zh));
    }
}

TEST(SettingCatalog, shouldHoldTheListEntriesInBothLanguages)
{
    struct Row
    {
        SettingId id;
        int count;
        int index;
        const char *zh;
        const char *en;
    } rows[] = {
        {SettingId::Band, 7, 5, "136-174MHz", "136-174MHz"},
        {SettingId::VoicePrompt, 3, 2, "英文", "Englist"},
        {SettingId::TimeOut, 40, 0, "15 秒", "15 S"},
        {SettingId::TimeOut, 40, 39, "600 秒", "600 S"},
        {SettingId::TimeOutWarn, 11, 10, "10 秒", "10 S"},
        {SettingId::SquelchGrade, 10, 9, "9 级", "9 Group"},
        {SettingId::Beep, 2, 1, "使能", "On"},
        {SettingId::PttId, 3, 0, "发射开始", "Launch Start"},
        {SettingId::VoxGain, 11, 0, "关闭", "Off"},
        {SettingId::VoxGain, 11, 10, "10", "10"},
        {SettingId::VoxDelay, 6, 3, "1.5S", "1.5S"},
        {SettingId::Priority, 3, 1, "固定", "Fixed"},
        {SettingId::PreferredChannel, 16, 4, "05", "05"},
        {SettingId::RetraceTimeA, 92, 0, "空", "Empty"},
        {SettingId::RetraceTimeA, 92, 1, "0.50 S", "0.50 S"},
        {SettingId::RetraceTimeB, 92, 91, "5.00 S", "5.00 S"},
        {SettingId::ReturnChannel, 4, 3, "优先+当前", "priority+Current"},
        {SettingId::DtmfRate, 4, 3, "15位", "15位"},
        {SettingId::FirstDigitTime, 4, 0, "OFF", "OFF"},
        {SettingId::FirstDigitDelay, 19, 18, "1000MS", "1000MS"},
        {SettingId::DKey, 17, 16, "16秒", "16秒"},
        {SettingId::GroupCallCode, 7, 6, "D", "D"},
        {SettingId::AutoResetTimer, 16, 0, "关闭", "关闭"},
        {SettingId::KeyPf1, 12, 3, "按键锁定及备份", "Key lock & backup"},
        {SettingId::KeyPf1, 12, 10, "瞬时取消静噪", "Instant cancel static noise"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.en);
        const QStringList zh = SettingCatalog::entries(row.id, kZh);
        const QStringList en = SettingCatalog::entries(row.id, kEn);
        ASSERT_EQ(zh.size(), row.count);
        ASSERT_EQ(en.size(), row.count);
        EXPECT_EQ(zh[row.index], QString::fromUtf8(row.zh));
        EXPECT_EQ(en[row.index], QString::fromUtf8(row.en));
    }
}

TEST(SettingCatalog, shouldHaveNoListForFreeValues)
{
    for (SettingId id : {SettingId::IdCode, SettingId::ScanReceiveDelay, SettingId::PowerTrimLow,
                         SettingId::CancelOperation}) {
        EXPECT_TRUE(SettingCatalog::entries(id, kEn).isEmpty());
        EXPECT_EQ(SettingCatalog::listIndex(CodePlan(), id).has_value(), id == SettingId::CancelOperation);
    }
}

TEST(SettingCatalog, shouldShowTheStartUpValues)
{
    const CodePlan plan;
    struct Row
    {
        SettingId id;
        const char *zh;
        const char *en;
    } rows[] = {
        {SettingId::Band, "400-480MHz", "400-480MHz"},
        {SettingId::VoicePrompt, "中文", "Chinese"},
        {SettingId::TimeOut, "30 秒", "30 S"},
        {SettingId::SquelchGrade, "5 级", "5 Group"},
        {SettingId::PttId, "发射结束", "Launch End"},
        {SettingId::CancelOperation, "[x]", "[x]"},
        {SettingId::PreferredChannel, "01", "01"},
        {SettingId::RetraceTimeA, "0.50 S", "0.50 S"},
        {SettingId::TxStartCode, "1", "1"},
        {SettingId::ScanReceiveDelay, "", ""},
        {SettingId::FirstDigitTime, "100MS", "100MS"},
        {SettingId::KeyPf1, "瞬时取消静噪", "Instant cancel static noise"},
        {SettingId::KeyPf2, "自动拨号", "Automatic dial-up"},
        {SettingId::PowerTrimHigh, "208", "208"},
        {SettingId::PowerTrimLow, "92", "92"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.en);
        EXPECT_EQ(SettingCatalog::valueText(plan, row.id, kZh), QString::fromUtf8(row.zh));
        EXPECT_EQ(SettingCatalog::valueText(plan, row.id, kEn), QString::fromUtf8(row.en));
    }
}

TEST(SettingCatalog, shouldShowTheFirstDigitDelayFromMilliseconds)
{
    CodePlan plan;
    struct Row
    {
        qint16 milliseconds;
        int index;
        const char *text;
    } rows[] = {{100, 0, "100MS"},  {250, 3, "250MS"}, {1000, 18, "1000MS"},
                {110, -1, "(110)"}, {0, -1, "(0)"},    {1050, 19, "(1050)"}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.milliseconds);
        plan.DtmfSettings[2] = row.milliseconds;
        EXPECT_EQ(SettingCatalog::listIndex(plan, SettingId::FirstDigitDelay), row.index);
        EXPECT_EQ(SettingCatalog::valueText(plan, SettingId::FirstDigitDelay, kEn),
                  QString::fromUtf8(row.text));
    }
}

TEST(SettingCatalog, shouldConvertTheFirstDigitDelayBetweenListEntryAndMilliseconds)
{
    EXPECT_EQ(FirstDigitDelayIndex(100), 0);
    EXPECT_EQ(FirstDigitDelayIndex(250), 3);
    EXPECT_EQ(FirstDigitDelayIndex(1000), 18);
    EXPECT_EQ(FirstDigitDelayIndex(130), -1);
    EXPECT_EQ(FirstDigitDelayIndex(0), -1);
    EXPECT_EQ(FirstDigitDelayIndex(1050), 19); // beyond the list: the caller sees it has no entry
    for (int index = 0; index <= 18; ++index)
        EXPECT_EQ(FirstDigitDelayIndex(FirstDigitDelayMilliseconds(index)), index);
}

TEST(SettingCatalog, shouldShowValuesOutsideTheListAsTheStoredNumber)
{
    CodePlan plan;
    plan.DtmfSettings[6] = 7; // the decoder takes any digit for the group call code
    plan.selectors.Combo3 = -1;
    plan.KeyPf2 = 12;
    plan.OptionTexts[OptionSlot::PreferredChannel] = "0";
    plan.OptionTexts[OptionSlot::CancelOperation] = "2";
    plan.OptionTexts[OptionSlot::VoxGain] = "abc"; // counts as 0
    plan.band = 9;
    EXPECT_EQ(SettingCatalog::valueText(plan, SettingId::GroupCallCode, kZh), "(7)");
    EXPECT_EQ(SettingCatalog::valueText(plan, SettingId::TimeOut, kEn), "(-1)");
    EXPECT_EQ(SettingCatalog::valueText(plan, SettingId::KeyPf2, kEn), "(12)");
    EXPECT_EQ(SettingCatalog::valueText(plan, SettingId::PreferredChannel, kEn), "(0)");
    EXPECT_EQ(SettingCatalog::listIndex(plan, SettingId::PreferredChannel), -1);
    EXPECT_EQ(SettingCatalog::valueText(plan, SettingId::CancelOperation, kEn), "(2)");
    EXPECT_EQ(SettingCatalog::valueText(plan, SettingId::VoxGain, kEn), "Off");
    EXPECT_EQ(SettingCatalog::valueText(plan, SettingId::Band, kEn), "(9)");
}

TEST(SettingCatalog, shouldReadOptionIndexesRoundedAsTheDialogDoes)
{
    CodePlan plan;
    plan.OptionTexts[OptionSlot::ReturnChannel] = "2.5"; // halves go to the even neighbour
    plan.OptionTexts[OptionSlot::RetraceTimeB] = "91";
    EXPECT_EQ(SettingCatalog::listIndex(plan, SettingId::ReturnChannel), 2);
    EXPECT_EQ(SettingCatalog::valueText(plan, SettingId::ReturnChannel, kEn), "priority");
    EXPECT_EQ(SettingCatalog::valueText(plan, SettingId::RetraceTimeB, kZh), "5.00 S");
}

TEST(SettingCatalog, shouldCaptionTheTables)
{
    EXPECT_EQ(SettingCatalog::channelHeaders(kZh).join(u','),
              "信道,接收频率,亚音频,发射频率,亚音频,功率,禁发,宽\\窄带,扫描添加");
    EXPECT_EQ(SettingCatalog::channelHeaders(kEn).join(u','),
              "Channel,RX frequency,QT/DQT,TX frequency,QT/DQT,Power,Forbid,Band,Scan");
    EXPECT_EQ(SettingCatalog::testFrequencyHeaders(kEn).join(u','), "Channel,RX Frequency,TX Frequency");
    EXPECT_EQ(SettingCatalog::testFrequencyHeaders(kZh).join(u','), "频道,接收频率,发射频率");
    EXPECT_EQ(SettingCatalog::groupCaption(SettingGroup::FunctionSet, kEn), "Function Set");
    EXPECT_EQ(SettingCatalog::groupCaption(SettingGroup::OptionalFunctions, kZh), "可选功能");
    EXPECT_EQ(SettingCatalog::embeddedCaption(kEn), "Embedded Information");
}

namespace {

const ChoiceTexts &zh()
{
    return ChoiceTexts::simplifiedChinese();
}

// A plan as opened from an image: the start-up plan, through the image once.
CodePlan openedPlan()
{
    CodePlan plan;
    EXPECT_TRUE(DecodeImage(plan, EncodeImage(CodePlan(), zh()), zh()));
    return plan;
}

// The first offset outside a setting's place where two images differ, or -1.
int differenceOutside(const SettingPlace &place, QByteArrayView a, QByteArrayView b)
{
    const auto inside = [&place](int offset) {
        return (offset >= place.offset && offset < place.offset + place.width) ||
               (place.copy >= 0 && offset >= place.copy && offset < place.copy + place.width);
    };
    for (int offset = 0; offset < kImageBytes; ++offset) {
        if (!inside(offset) && a.sliced(2 * offset, 2) != b.sliced(2 * offset, 2))
            return offset;
    }
    return -1;
}

// The numbers of a range to write: every one, but of a range wider than a byte only those that
// give each of its bytes every value it takes, and the numbers by both ends (all 33069 numbers of
// a 16-bit range would take the test half a minute).
QList<qint64> numbersOf(const SettingRange &range)
{
    QList<qint64> numbers;
    const bool wide = (range.max - range.min) / range.step > 0xFF;
    for (qint64 value = range.min; value <= range.max; value += range.step) {
        if (!wide || value < range.min + 0x100 || value > range.max - 0x100 ||
            (value - range.min) % 0x100 == 0)
            numbers << value;
    }
    return numbers;
}

// Texts of a field's width that hold every character code once: U+0000 to U+00FF.
QStringList everyCharacter(int width)
{
    QStringList texts;
    for (int first = 0; first <= 0xFF; first += width) {
        QString text;
        for (int c = first; c < first + width; ++c)
            text += QChar(c & 0xFF);
        texts << text;
    }
    return texts;
}

} // namespace

// Every entry of the table against the codec: each number of a setting's range, and each
// character of a text field, written into a plan and read back from its image lands in the
// setting's store, and changes no other byte of the image and no other store of the plan.
TEST(SettingCatalog, shouldRoundTripEverySettingThroughItsOwnPlaceInTheImage)
{
    const CodePlan opened = openedPlan();
    const QByteArray openedImage = EncodeImage(opened, zh());
    const auto check = [&](SettingId id, const CodePlan &plan, const CodePlan &expected) {
        const QByteArray image = EncodeImage(plan, zh());
        ASSERT_EQ(differenceOutside(SettingCatalog::place(id), image, openedImage), -1)
            << "a byte outside the setting's place changed";
        CodePlan back = opened;
        ASSERT_TRUE(DecodeImage(back, image, zh()));
        ASSERT_EQ(back, expected);
    };
    for (SettingId id : SettingCatalog::all()) {
        SCOPED_TRACE(SettingCatalog::caption(id, Language::English).toStdString());
        const SettingPlace place = SettingCatalog::place(id);
        if (place.holdsText()) {
            ASSERT_EQ(SettingCatalog::kindOf(id), SettingKind::Text);
            for (const QString &text : everyCharacter(place.width)) {
                SCOPED_TRACE(text.toStdString());
                CodePlan plan = opened;
                SettingCatalog::setText(plan, id, text);
                CodePlan expected = opened;
                // A field that reads 0xFF as nothing loses U+00FF.
                const bool keepsFF = place.encoding == SettingEncoding::FixedText;
                SettingCatalog::setText(expected, id, keepsFF ? text : QString(text).remove(QChar(0xFF)));
                check(id, plan, expected);
            }
            continue;
        }
        const SettingRange range = SettingCatalog::range(id);
        ASSERT_LE(range.min, range.max);
        for (qint64 value : numbersOf(range)) {
            SCOPED_TRACE(value);
            CodePlan plan = opened;
            SettingCatalog::setNumber(plan, id, value);
            check(id, plan, plan);
        }
    }
}

TEST(SettingCatalog, shouldPlaceNoTwoSettingsOnOneByte)
{
    std::set<int> taken;
    for (SettingId id : SettingCatalog::all()) {
        SCOPED_TRACE(SettingCatalog::caption(id, Language::English).toStdString());
        const SettingPlace place = SettingCatalog::place(id);
        for (int first : {place.offset, place.copy}) {
            for (int offset = first; first >= 0 && offset < first + place.width; ++offset)
                EXPECT_TRUE(taken.insert(offset).second) << "offset " << offset;
        }
    }
}
