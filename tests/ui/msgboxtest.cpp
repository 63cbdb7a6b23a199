#include "ui/apptitle.h"
#include "ui/languagemode.h"
#include "ui/msgbox.h"

#include <gtest/gtest.h>

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
        const MsgboxRequest request = DecodeMsgbox(QStringLiteral("text"), c.style, QStringLiteral("title"));
        EXPECT_EQ(request.buttons, c.buttons);
        EXPECT_EQ(request.defaultButton, c.defaultButton);
        EXPECT_EQ(request.icon, c.icon);
        EXPECT_EQ(request.systemModal, c.systemModal);
        EXPECT_EQ(request.title, QStringLiteral("title"));
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
        {Language::SimplifiedChinese, {u"确定"_qs, u"取消"_qs}, {u"放弃"_qs, u"重试"_qs, u"忽略"_qs}, {u"是"_qs, u"否"_qs}},
        {Language::English, {u"OK"_qs, u"Cancel"_qs}, {u"Abort"_qs, u"Retry"_qs, u"Ignore"_qs}, {u"Yes"_qs, u"No"_qs}},
        {Language::TraditionalChinese, {u"確定"_qs, u"取消"_qs}, {u"放棄"_qs, u"重試"_qs, u"忽略"_qs}, {u"是"_qs, u"否"_qs}},
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
    EXPECT_EQ(DecodeMsgbox(QStringLiteral("text"), 0, QString()).title, ApplicationTitle());
}

TEST(Msgbox, shouldReturnTheResponderAnswer)
{
    MsgboxRequest seen;
    SetMsgboxResponder([&seen](const MsgboxRequest &request) {
        seen = request;
        return int(MsgboxNo);
    });
    const LanguageScope scope(Language::English);
    EXPECT_EQ(ShowMsgbox(QStringLiteral("Sure?"), 36), MsgboxNo);
    EXPECT_EQ(seen.prompt, QStringLiteral("Sure?"));
    EXPECT_EQ(seen.captions, (QStringList{u"Yes"_qs, u"No"_qs}));
    EXPECT_TRUE(seen.informativeText.isEmpty());
    ShowMsgbox(QStringLiteral("Failed."), 16, {}, {}, QStringLiteral("Nothing was written."));
    EXPECT_EQ(seen.prompt, QStringLiteral("Failed."));
    EXPECT_EQ(seen.informativeText, QStringLiteral("Nothing was written."));
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
            if (request.prompt == u"question"_qs) {
                EXPECT_EQ(OpenMsgboxes().size(), 1);
                // Whatever made the question moot says so in a box of its own.
                CloseMsgboxes(level);
                ShowMsgbox(u"ended"_qs, MsgboxStop);
                return int(MsgboxNo);
            }
            for (const MsgboxRequest &open : OpenMsgboxes())
                openWhenEnded << open.prompt;
            return int(MsgboxOk);
        });
        EXPECT_EQ(ShowMsgbox(u"question"_qs, c.style), c.answer);
        EXPECT_EQ(openWhenEnded, QStringList{u"ended"_qs});
        EXPECT_TRUE(OpenMsgboxes().isEmpty());
        EXPECT_EQ(MsgboxLevel(), level);
        SetMsgboxResponder({});
    }
}

TEST(Msgbox, shouldNameTheButtonsByTheCaptionsGivenAndKeepTheirAnswers)
{
    const LanguageScope scope(Language::English);
    const MsgboxRequest request =
        DecodeMsgbox(QStringLiteral("Save changes?"), 3, {}, {u"Save"_qs, QString(), u"Cancel"_qs, u"extra"_qs});
    EXPECT_EQ(request.buttons, (QList<int>{MsgboxYes, MsgboxNo, MsgboxCancel}));
    EXPECT_EQ(request.captions, (QStringList{u"Save"_qs, u"No"_qs, u"Cancel"_qs}));
    EXPECT_EQ(request.defaultButton, MsgboxYes);
}
