#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace vm280 {

/// Message box button identifiers, which are also what ShowMsgbox returns.
enum MsgboxButton {
    MsgboxOk = 1,
    MsgboxCancel = 2,
    MsgboxAbort = 3,
    MsgboxRetry = 4,
    MsgboxIgnore = 5,
    MsgboxYes = 6,
    MsgboxNo = 7,
};

/// Style values, combined by adding: the button set, the icon, the default button, modality.
enum MsgboxStyle {
    MsgboxOkOnly = 0,
    MsgboxOkCancel = 1,
    MsgboxAbortRetryIgnore = 2,
    MsgboxYesNoCancel = 3,
    MsgboxYesNo = 4,
    MsgboxRetryCancel = 5,
    MsgboxStop = 16,
    MsgboxQuestion = 32,
    MsgboxExclamation = 48,
    MsgboxInformation = 64,
    MsgboxDefaultButton2 = 256,
    MsgboxDefaultButton3 = 512,
    MsgboxSystemModal = 4096,
};

/// A message box as it is about to be shown: what the caller asked for, decoded.
struct MsgboxRequest
{
    enum Icon { NoIcon, Stop, Question, Exclamation, Information };

    QString prompt;
    QString informativeText; ///< more on the prompt, shown under it; empty for none
    int style = 0;
    QString title;           ///< never empty: an empty title became the application title
    QList<int> buttons;      ///< identifiers, in the order the box shows them
    QList<QString> captions; ///< the caption of each button in the current language
    int defaultButton = 0;   ///< identifier of the default button
    Icon icon = NoIcon;
    bool systemModal = false;
};

/// Decodes a style value into the box to show for the current language mode. captions, when not
/// empty, name the buttons in their order instead of the standard captions (Save, Discard and
/// Cancel on the Yes, No and Cancel buttons); a missing caption keeps the standard one.
MsgboxRequest DecodeMsgbox(const QString &prompt, int style, const QString &title,
                           const QStringList &captions = {}, const QString &informativeText = {});

/// The caption of a button in the current language mode.
QString MsgboxButtonCaption(int identifier);

/// Shows the message modally over the owner (SetMsgboxOwner) and returns the identifier of the
/// button pressed. Events keep being delivered while the box is open. informativeText, when not
/// empty, says more under the prompt.
int ShowMsgbox(const QString &prompt, int style, const QString &title = QString(),
               const QStringList &captions = {}, const QString &informativeText = {});

/// How many message boxes are open now, one over the other: the next box opens at this level.
int MsgboxLevel();
/// Closes the box opened at level and every box opened over it, for a question that no longer
/// needs an answer. Each of their ShowMsgbox returns what Esc gives (0 for a box without Cancel
/// and with more than one button), whatever is answered.
void CloseMsgboxes(int level);
/// The boxes open now and not closed, the first opened first.
QList<MsgboxRequest> OpenMsgboxes();

/// The window message boxes are shown over.
void SetMsgboxOwner(QWidget *owner);

/// Answers message boxes instead of showing them (tests); an empty function restores the box.
using MsgboxResponder = std::function<int(const MsgboxRequest &)>;
void SetMsgboxResponder(MsgboxResponder responder);

} // namespace vm280
