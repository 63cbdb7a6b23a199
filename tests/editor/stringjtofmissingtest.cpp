#include "coreapplication.h"
#include "scopedenvironment.h"

#include "editor/localtext.h"
#include "editor/stringjtof.h"

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

// This program only ever sees a missing configuration: VM280_OPENCC_CONFIG names a file that
// does not exist, and it is set before the character table is first opened.

namespace {

const auto *const kApplication = testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

class MissingCharacterTable : public testing::Test
{
protected:
    ScopedEnvironment m_config{"VM280_OPENCC_CONFIG", "/nonexistent/vm280/s2t-characters.json"};
};

} // namespace

TEST_F(MissingCharacterTable, shouldSayWhyTraditionalChineseIsUnavailable)
{
    const std::optional<QString> problem = TraditionalChineseProblem();
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->contains(u"/nonexistent/vm280/s2t-characters.json"_s)) << problem->toStdString();
    EXPECT_EQ(TraditionalChineseProblem(), problem);
}

TEST_F(MissingCharacterTable, shouldKeepTheSimplifiedTextNeverSpaces)
{
    EXPECT_EQ(StringJtoF(u"VM-280 对讲机编程软件"), u"VM-280 对讲机编程软件"_s);
    EXPECT_EQ(StringJtoF(u"OK"), u"OK"_s);
    EXPECT_EQ(StringJtoF(u""), QString());
    EXPECT_EQ(LocalText(Language::TraditionalChinese, u"频段", u"Channel"), u"频段"_s);
}

TEST_F(MissingCharacterTable, shouldKeepTheSimplifiedChannelWords)
{
    const ChoiceTexts &traditional = LocalChoiceTexts(Language::TraditionalChinese);
    const ChoiceTexts &simplified = ChoiceTexts::simplifiedChinese();
    EXPECT_EQ(traditional.forbid, simplified.forbid);
    EXPECT_EQ(traditional.bandwidth, simplified.bandwidth);
    EXPECT_EQ(traditional.toneOff, simplified.toneOff);
}
