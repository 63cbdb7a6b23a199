#include "ui/msgbox.h"
#include "ui/apptitle.h"
#include "ui/languagemode.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;

namespace {

struct LanguageScope
{
    explicit LanguageScope(Language language) { SetLanguageMode(language); }
    ~LanguageScope() { SetLanguageMode(Language::SimplifiedChinese); }
};

} // namespace

TEST(Msgbox, shouldDecodeTheStylesTheToolUses)
{
    const struct
    {
        int style;
        QList<int> buttons;
        int defaultButton;
        MsgboxRequest::Icon icon;
        bool systemModal;
    } cases[] = {
        {0, {MsgboxOk}, MsgboxOk, MsgboxRequest::NoIcon, false},
        {16, {MsgboxOk}, MsgboxOk, MsgboxRequest::Stop, false},
        {36, {MsgboxYes, MsgboxNo}, MsgboxYes, MsgboxRequest::Question, false},
        {64, {MsgboxOk}, MsgboxOk, MsgboxRequest::Information, false},
        {68, {MsgboxYes, MsgboxNo}, MsgboxYes, MsgboxRequest::Information, false},
        {305, {MsgboxOk, MsgboxCancel}, MsgboxCancel, MsgboxRequest::Exclamation, false},
        {4385, {MsgboxOk, MsgboxCancel}, MsgboxCancel, MsgboxRequest::Question, true},
        {2, {MsgboxAbort, MsgboxRetry, MsgboxIgnore}, MsgboxAbort, MsgboxRequest::NoIcon, false},
        {3 + 512, {MsgboxYes, MsgboxNo, MsgboxCancel}, MsgboxCancel, MsgboxRequest::NoIcon, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.style);
        const MsgboxRequest request = DecodeMsgbox(u"text"_s, c.style, u"title"_s);
        EXPECT_EQ(request.buttons, c.buttons);
        EXPECT_EQ(request.defaultButton, c.defaultButton);
        EXPECT_EQ(request.icon, c.icon);
        EXPECT_EQ(request.systemModal, c.systemModal);
        EXPECT_EQ(request.title, u"title"_s);
    }
}

TEST(Msgbox, shouldLabelTheButtonsInTheLanguageMode)
{
    const struct
    {
        Language language;
        QStringList okCancel;
        QStringList abortRetryIgnore;
        QStringList yesNo;
    } cases[] = {
        {Language::SimplifiedChinese,
         {u"确定"_s, u"取消"_s},
         {u"放弃"_s, u"重试"_s, u"忽略"_s},
         {u"是"_s, u"否"_s}},
        {Language::English,
         {u"OK"_s, u"Cancel"_s},
         {u"Abort"_s, u"Retry"_s, u"Ignore"_s},
         {u"Yes"_s, u"No"_s}},
        {Language::TraditionalChinese,
         {u"確定"_s, u"取消"_s},
         {u"放棄"_s, u"重試"_s, u"忽略"_s},
         {u"是"_s, u"否"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.language));
        const LanguageScope scope(c.language);
        EXPECT_EQ(DecodeMsgbox({}, 1, {}).captions, c.okCancel);
        EXPECT_EQ(DecodeMsgbox({}, 2, {}).captions, c.abortRetryIgnore);
        EXPECT_EQ(DecodeMsgbox({}, 4, {}).captions, c.yesNo);
    }
}

TEST(Msgbox, shouldShowTheApplicationTitleForAnEmptyTitle)
{
    EXPECT_EQ(DecodeMsgbox(u"text"_s, 0, QString()).title, ApplicationTitle());
}

TEST(Msgbox, shouldReturnTheResponderAnswer)
{
    MsgboxRequest seen;
    SetMsgboxResponder([&seen](const MsgboxRequest &request) {
        seen = request;
        return int(MsgboxNo);
    });
    const LanguageScope scope(Language::English);
    EXPECT_EQ(ShowMsgbox(u"Sure?"_s, 36), MsgboxNo);
    EXPECT_EQ(seen.prompt, u"Sure?"_s);
    EXPECT_EQ(seen.captions, (QStringList{u"Yes"_s, u"No"_s}));
    EXPECT_TRUE(seen.informativeText.isEmpty());
    ShowMsgbox(u"Failed."_s, 16, {}, {}, u"Nothing was written."_s);
    EXPECT_EQ(seen.prompt, u"Failed."_s);
    EXPECT_EQ(seen.informativeText, u"Nothing was written."_s);
    SetMsgboxResponder({});
}

TEST(Msgbox, shouldCloseABoxThatNoLongerNeedsAnAnswer)
{
    const struct
    {
        int style;
        int answer; ///< what the closed box gives: Esc's answer, never the responder's
    } cases[] = {
        {MsgboxYesNo + MsgboxInformation, 0},
        {MsgboxYesNoCancel, MsgboxCancel},
        {MsgboxOkOnly, MsgboxOk},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.style);
        const int level = MsgboxLevel();
        QStringList openWhenEnded;
        SetMsgboxResponder([&](const MsgboxRequest &request) {
            if (request.prompt == u"question"_s) {
                EXPECT_EQ(OpenMsgboxes().size(), 1);
                // Whatever made the question moot says so in a box of its own.
                CloseMsgboxes(level);
                ShowMsgbox(u"ended"_s, MsgboxStop);
                return int(MsgboxNo);
            }
            for (const MsgboxRequest &open : OpenMsgboxes())
                openWhenEnded << open.prompt;
            return int(MsgboxOk);
        });
        EXPECT_EQ(ShowMsgbox(u"question"_s, c.style), c.answer);
        EXPECT_EQ(openWhenEnded, QStringList{u"ended"_s});
        EXPECT_TRUE(OpenMsgboxes().isEmpty());
        EXPECT_EQ(MsgboxLevel(), level);
        SetMsgboxResponder({});
    }
}

TEST(Msgbox, shouldNameTheButtonsByTheCaptionsGivenAndKeepTheirAnswers)
{
    const LanguageScope scope(Language::English);
    const MsgboxRequest request =
        DecodeMsgbox(u"Save changes?"_s, 3, {}, {u"Save"_s, QString(), u"Cancel"_s, u"extra"_s});
    EXPECT_EQ(request.buttons, (QList<int>{MsgboxYes, MsgboxNo, MsgboxCancel}));
    EXPECT_EQ(request.captions, (QStringList{u"Save"_s, u"No"_s, u"Cancel"_s}));
    EXPECT_EQ(request.defaultButton, MsgboxYes);
}
