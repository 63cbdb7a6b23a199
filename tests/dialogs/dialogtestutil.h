#pragma once

#include "image/codec.h"
#include "ui/msgbox.h"

#include <QDialog>
#include <QList>
#include <QSignalSpy>
#include <QTest>

namespace vm280::test {

/// Answers every message box with OK and keeps what was asked, for as long as it lives.
class MsgboxRecorder
{
public:
    MsgboxRecorder()
    {
        SetMsgboxResponder([this](const MsgboxRequest &request) {
            requests << request;
            return int(MsgboxOk);
        });
    }
    ~MsgboxRecorder() { SetMsgboxResponder({}); }
    MsgboxRecorder(const MsgboxRecorder &) = delete;
    MsgboxRecorder &operator=(const MsgboxRecorder &) = delete;

    QList<MsgboxRequest> requests;
};

/// The plan as a radio read of plan's image leaves the tool: a fresh start-up plan with the
/// image decoded into it.
inline CodePlan ReadBack(const CodePlan &plan)
{
    const ChoiceTexts &texts = ChoiceTexts::simplifiedChinese();
    CodePlan read;
    if (!DecodeImage(read, EncodeImage(plan, texts), texts))
        qFatal("the encoder's image does not decode");
    return read;
}

/// A named child that must exist.
template <typename T> T *Child(QObject *parent, const char *name)
{
    T *child = parent->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

/// The window's part of a dialog's data flow: OK hands the controls back into the plan.
template <typename Dialog> void ConnectApply(Dialog &dialog, CodePlan &plan)
{
    QObject::connect(&dialog, &QDialog::accepted, &dialog, [&dialog, &plan] { dialog.applyTo(plan); });
}

/// Shows the dialog as the window does, and waits until it is on screen.
inline bool ShowDialog(QDialog &dialog)
{
    dialog.show();
    return QTest::qWaitForWindowExposed(&dialog);
}

} // namespace vm280::test
