#include "msgbox.h"

#include "apptitle.h"
#include "languagemode.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <array>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QPointer<QWidget> g_owner;
MsgboxResponder g_responder;

struct OpenBox
{
    MsgboxRequest request;
    QPointer<QMessageBox> box; ///< none while a responder answers
    bool closed = false;
};

// The boxes open now, one over the other: each ShowMsgbox adds its own while it waits.
QList<OpenBox *> g_open;

constexpr int kButtonSetMask = 0x0F;
constexpr int kIconMask = 0x70;
constexpr int kDefaultMask = 0x300;
constexpr int kModalityMask = 0x3000;

QList<int> buttonSet(int style)
{
    switch (style & kButtonSetMask) {
    case MsgboxOkCancel:
        return {MsgboxOk, MsgboxCancel};
    case MsgboxAbortRetryIgnore:
        return {MsgboxAbort, MsgboxRetry, MsgboxIgnore};
    case MsgboxYesNoCancel:
        return {MsgboxYes, MsgboxNo, MsgboxCancel};
    case MsgboxYesNo:
        return {MsgboxYes, MsgboxNo};
    case MsgboxRetryCancel:
        return {MsgboxRetry, MsgboxCancel};
    default:
        return {MsgboxOk};
    }
}

MsgboxRequest::Icon iconOf(int style)
{
    switch (style & kIconMask) {
    case MsgboxStop:
        return MsgboxRequest::Stop;
    case MsgboxQuestion:
        return MsgboxRequest::Question;
    case MsgboxExclamation:
        return MsgboxRequest::Exclamation;
    case MsgboxInformation:
        return MsgboxRequest::Information;
    default:
        return MsgboxRequest::NoIcon;
    }
}

QMessageBox::Icon qtIcon(MsgboxRequest::Icon icon)
{
    switch (icon) {
    case MsgboxRequest::Stop:
        return QMessageBox::Critical;
    case MsgboxRequest::Question:
        return QMessageBox::Question;
    case MsgboxRequest::Exclamation:
        return QMessageBox::Warning;
    case MsgboxRequest::Information:
        return QMessageBox::Information;
    case MsgboxRequest::NoIcon:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::ButtonRole roleOf(int identifier)
{
    switch (identifier) {
    case MsgboxOk:
    case MsgboxYes:
    case MsgboxRetry:
        return QMessageBox::AcceptRole;
    case MsgboxNo:
        return QMessageBox::NoRole;
    case MsgboxCancel:
    case MsgboxAbort:
        return QMessageBox::RejectRole;
    default:
        return QMessageBox::ActionRole;
    }
}

// What closing the box without a button (Esc, the close box) counts as: Cancel where the box
// has one, else the only button of a one-button box.
int escapeAnswer(const QList<int> &buttons)
{
    if (buttons.contains(MsgboxCancel))
        return MsgboxCancel;
    return buttons.size() == 1 ? buttons.first() : 0;
}

int showBox(OpenBox &open)
{
    const MsgboxRequest &request = open.request;
    QMessageBox box(qtIcon(request.icon), request.title, request.prompt, QMessageBox::NoButton, g_owner);
    box.setObjectName(u"Msgbox"_s);
    box.setInformativeText(request.informativeText);
    open.box = &box;
    if (request.systemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    QList<QAbstractButton *> buttons;
    for (qsizetype i = 0; i < request.buttons.size(); ++i) {
        QPushButton *button = box.addButton(request.captions[i], roleOf(request.buttons[i]));
        button->setObjectName(u"MsgboxButton%1"_s.arg(request.buttons[i]));
        buttons << button;
        if (request.buttons[i] == request.defaultButton)
            box.setDefaultButton(button);
    }
    const int escape = escapeAnswer(request.buttons);
    if (escape != 0)
        box.setEscapeButton(buttons[request.buttons.indexOf(escape)]);
    box.exec();
    const qsizetype clicked = buttons.indexOf(box.clickedButton());
    return clicked < 0 ? escape : request.buttons[clicked];
}

} // namespace

QString MsgboxButtonCaption(int identifier)
{
    // The Traditional captions are stored texts, not conversions.
    struct Captions
    {
        const char16_t *simplified;
        const char16_t *english;
        const char16_t *traditional;
    };
    static constexpr std::array<Captions, 7> kCaptions{{
        {u"确定", u"OK", u"確定"},
        {u"取消", u"Cancel", u"取消"},
        {u"放弃", u"Abort", u"放棄"},
        {u"重试", u"Retry", u"重試"},
        {u"忽略", u"Ignore", u"忽略"},
        {u"是", u"Yes", u"是"},
        {u"否", u"No", u"否"},
    }};
    if (identifier < 1 || identifier > int(kCaptions.size()))
        return QString();
    const Captions &captions = kCaptions[identifier - 1];
    switch (LanguageMode()) {
    case Language::SimplifiedChinese:
        return QString::fromUtf16(captions.simplified);
    case Language::TraditionalChinese:
        return QString::fromUtf16(captions.traditional);
    case Language::English:
        break;
    }
    return QString::fromUtf16(captions.english);
}

MsgboxRequest DecodeMsgbox(const QString &prompt, int style, const QString &title,
                           const QStringList &captions, const QString &informativeText)
{
    MsgboxRequest request;
    request.prompt = prompt;
    request.informativeText = informativeText;
    request.style = style;
    request.title = title.isEmpty() ? ApplicationTitle() : title;
    request.buttons = buttonSet(style);
    for (qsizetype i = 0; i < request.buttons.size(); ++i)
        request.captions << (captions.value(i).isEmpty() ? MsgboxButtonCaption(request.buttons[i])
                                                         : captions[i]);
    const int defaultIndex = (style & kDefaultMask) >> 8;
    request.defaultButton = request.buttons.value(defaultIndex, request.buttons.first());
    request.icon = iconOf(style);
    request.systemModal = (style & kModalityMask) == MsgboxSystemModal;
    return request;
}

int ShowMsgbox(const QString &prompt, int style, const QString &title, const QStringList &captions,
               const QString &informativeText)
{
    OpenBox open;
    open.request = DecodeMsgbox(prompt, style, title, captions, informativeText);
    g_open.append(&open);
    const int answer = g_responder ? g_responder(open.request) : showBox(open);
    g_open.removeOne(&open);
    // A box the program closed was answered by nobody.
    return open.closed ? escapeAnswer(open.request.buttons) : answer;
}

int MsgboxLevel()
{
    return int(g_open.size());
}

void CloseMsgboxes(int level)
{
    for (qsizetype i = level; i < g_open.size(); ++i) {
        g_open[i]->closed = true;
        if (g_open[i]->box)
            g_open[i]->box->done(0);
    }
}

QList<MsgboxRequest> OpenMsgboxes()
{
    QList<MsgboxRequest> requests;
    for (const OpenBox *open : std::as_const(g_open)) {
        if (!open->closed)
            requests << open->request;
    }
    return requests;
}

void SetMsgboxOwner(QWidget *owner)
{
    g_owner = owner;
}

void SetMsgboxResponder(MsgboxResponder responder)
{
    g_responder = std::move(responder);
}

} // namespace vm280
