#include "coreapplication.h"

#include "editor/localtext.h"
#include "editor/stringjtof.h"
#include "editor/traditionalconfig.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "image/settingcatalog.h"
#include "link/linktext.h"

#include <QCoreApplication>
#include <QDir>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

const auto *const kApplication = testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

constexpr Language kZh = Language::SimplifiedChinese;
constexpr Language kEn = Language::English;
constexpr Language kZhHant = Language::TraditionalChinese;

QStringList choiceWords(const ChoiceTexts &texts)
{
    QStringList words{texts.toneOff};
    for (const auto *pair : {&texts.power, &texts.forbid, &texts.bandwidth, &texts.scanAdd})
        words << (*pair)[0] << (*pair)[1];
    return words;
}

// Every Simplified Chinese text the core holds: setting captions and lists, table headers, the
// link's messages and the channel table's words.
QStringList coreSimplifiedTexts()
{
    QStringList texts;
    for (SettingGroup group :
         {SettingGroup::Model, SettingGroup::FunctionSet, SettingGroup::OptionalFunctions, SettingGroup::Dtmf,
          SettingGroup::Keys, SettingGroup::Debug}) {
        texts << SettingCatalog::groupCaption(group, kZh);
        for (SettingId id : SettingCatalog::settings(group))
            texts << SettingCatalog::caption(id, kZh) << SettingCatalog::entries(id, kZh);
    }
    texts << SettingCatalog::channelHeaders(kZh) << SettingCatalog::testFrequencyHeaders(kZh)
          << SettingCatalog::testFrequencyCaption() << SettingCatalog::autoDialHeaders()
          << SettingCatalog::embeddedCaption(kZh);
    for (LinkText text : {LinkText::PortNotOpen, LinkText::Communicating, LinkText::BandQuestion,
                          LinkText::WriteDone, LinkText::ReadDone, LinkText::CommunicationError})
        texts << LinkTextChinese(text);
    return texts << choiceWords(ChoiceTexts::simplifiedChinese());
}

QByteArray richImage()
{
    const auto image = ReadCodePlanFile(QString::fromUtf8(VM280_TEST_DATA "/rich.DAT"));
    return std::holds_alternative<QByteArray>(image) ? std::get<QByteArray>(image) : QByteArray();
}

} // namespace

TEST(StringJtoF, shouldFindTheCharacterTableBesideTheBuiltProgram)
{
    EXPECT_EQ(TraditionalChineseProblem(), std::nullopt) << TraditionalChineseProblem()->toStdString();
}

TEST(StringJtoF, shouldLookBesideTheProgramThenInTheInstallPrefix)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QStringList candidates = TraditionalConfigCandidates();
    ASSERT_GE(candidates.size(), 2);
    EXPECT_EQ(candidates[0], programDir.filePath(u"s2t-characters.json"_s));
    EXPECT_EQ(candidates[1],
              QDir::cleanPath(programDir.filePath(u"../share/vm280/opencc/s2t-characters.json"_s)));
}

TEST(StringJtoF, shouldGiveTheTraditionalCharacters)
{
    const struct
    {
        const char *simplified;
        const char *traditional;
    } cases[] = {
        {"VM-280 对讲机编程软件", "VM-280 對講機編程軟件"},
        {"频段", "頻段"},
        {"繁体中文版 V1.0", "繁體中文版 V1.0"},
        {"宽\\窄带", "寬\\窄帶"},
        {"通信出错，请检查对讲机型号！", "通信出錯，請檢查對講機型號！"},
        // Character by character, never by phrase: a phrase table would give 頭髮.
        {"头发", "頭發"},
        {"OK", "OK"},
        {"136-174MHz", "136-174MHz"},
        {"", ""},
        {"對講機", "對講機"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.simplified);
        EXPECT_EQ(StringJtoF(QString::fromUtf8(c.simplified)), QString::fromUtf8(c.traditional));
    }
}

TEST(StringJtoF, shouldKeepTheLengthAndChangeNothingTheSecondTime)
{
    // 苎 → 苧 is followed on to 薴, since 苧 is itself converted to 薴.
    for (const QString &text : {u"苎麻"_s, u"苧"_s, u"干后发"_s}) {
        SCOPED_TRACE(text.toStdString());
        const QString once = StringJtoF(text);
        EXPECT_EQ(once.size(), text.size());
        EXPECT_EQ(StringJtoF(once), once);
    }
}

TEST(StringJtoF, shouldLeaveWhatIsNoCharacterAlone)
{
    const QString loneHalf = u"频"_s + QChar(0xD800) + u"段"_s + QChar(0xDC00);
    EXPECT_EQ(StringJtoF(loneHalf), u"頻"_s + QChar(0xD800) + u"段"_s + QChar(0xDC00));
    const QString withNul = u"频"_s + QChar(0) + u"段"_s;
    EXPECT_EQ(StringJtoF(withNul), u"頻"_s + QChar(0) + u"段"_s);
    EXPECT_EQ(StringJtoF(u"𠀀 é ÿ ① ，"_s), u"𠀀 é ÿ ① ，"_s);
}

TEST(StringJtoF, shouldConvertEveryCoreTextKeepingItsLength)
{
    const QStringList texts = coreSimplifiedTexts();
    ASSERT_GT(texts.size(), 200);
    int changed = 0;
    for (const QString &text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QString converted = StringJtoF(text);
        ASSERT_EQ(converted.size(), text.size()) << converted.toStdString();
        EXPECT_EQ(StringJtoF(converted), converted);
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].script() != QChar::Script_Han) {
                EXPECT_EQ(converted[i], text[i]) << "position " << i;
            }
        }
        changed += converted != text;
    }
    EXPECT_GT(changed, 60) << "most of the tool's Chinese texts have Simplified characters";
}

TEST(LocalText, shouldShowTheConvertedSimplifiedTextInTraditionalChinese)
{
    EXPECT_EQ(LocalText(kZh, u"频段", u"Channel"), u"频段"_s);
    EXPECT_EQ(LocalText(kEn, u"频段", u"Channel"), u"Channel"_s);
    EXPECT_EQ(LocalText(kZhHant, u"频段", u"Channel"), u"頻段"_s);
    EXPECT_EQ(LocalText(Language(7), u"频段", u"Channel"), u"Channel"_s);
}

TEST(LocalChoiceTexts, shouldGiveTheConvertedSimplifiedWordsInTraditionalChinese)
{
    const ChoiceTexts &texts = LocalChoiceTexts(kZhHant);
    EXPECT_EQ(choiceWords(texts), (QStringList{u"關閉"_s, u"低"_s, u"高"_s, u"關閉"_s, u"載波"_s, u"窄帶"_s,
                                               u"寬帶"_s, u"無"_s, u"有"_s}));
    EXPECT_EQ(&LocalChoiceTexts(kZh), &ChoiceTexts::simplifiedChinese());
    EXPECT_EQ(&LocalChoiceTexts(kEn), &ChoiceTexts::english());
    EXPECT_EQ(&LocalChoiceTexts(Language(7)), &ChoiceTexts::english());
}

TEST(LocalChoiceTexts, shouldReadAndWriteTheSameBytesInEveryLanguage)
{
    const QByteArray image = richImage();
    ASSERT_FALSE(image.isEmpty());
    QList<QByteArray> encoded;
    for (Language language : {kZh, kEn, kZhHant}) {
        CodePlan plan;
        EXPECT_TRUE(DecodeImage(plan, image, LocalChoiceTexts(language)));
        encoded << EncodeImage(plan, LocalChoiceTexts(language));
    }
    EXPECT_EQ(encoded[2], encoded[0]);
    EXPECT_EQ(encoded[2], encoded[1]);
    CodePlan traditional;
    ASSERT_TRUE(DecodeImage(traditional, image, LocalChoiceTexts(kZhHant)));
    EXPECT_EQ(traditional.channels.cell(3, ChannelTable::ForbidColumn), u"載波"_s);
    EXPECT_EQ(traditional.channels.cell(1, ChannelTable::BandwidthColumn), u"寬帶"_s);
    EXPECT_EQ(traditional.channels.cell(1, ChannelTable::RxToneColumn), u"關閉"_s);
}
