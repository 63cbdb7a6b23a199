#pragma once

#include "app/channelgrid.h"
#include "app/filechooser.h"
#include "app/mainwindow.h"
#include "app/msgbox.h"
#include "image/codec.h"
#include "image/codeplanfile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QQueue>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace vm280::test {

/// The image of a plan, encoded as the window encodes it.
inline QByteArray imageOf(const CodePlan &plan)
{
    return EncodeImage(plan, ChoiceTexts::simplifiedChinese());
}

/// The plan the window shows after opening the code plan file at path (which must be one).
inline CodePlan planOf(const QString &path)
{
    CodePlan plan;
    DecodeImage(plan, std::get<QByteArray>(ReadCodePlanFile(path)), ChoiceTexts::simplifiedChinese());
    return plan;
}

/// A main window on its own parameter file and user settings (the user's own are never
/// touched), with message boxes and file dialogs answered from queues: what was asked is
/// recorded, and an empty queue answers with the box's default button (or cancels the file
/// dialog). A file dialog answers with the next of files and the next of filters (the first
/// filter when none is queued).
struct WindowRig
{
    QTemporaryDir dir;
    QList<MsgboxRequest> messages;
    QQueue<int> answers;
    QQueue<QString> files;
    QQueue<int> filters;
    QList<FileRequest> fileRequests;
    std::unique_ptr<MainWindow> window;

    WindowRig()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        SetMsgboxResponder([this](const MsgboxRequest &request) {
            messages << request;
            return answers.isEmpty() ? request.defaultButton : answers.dequeue();
        });
        SetFileChooser([this](const FileRequest &request) {
            fileRequests << request;
            if (files.isEmpty())
                return ChosenFile{};
            return ChosenFile{files.dequeue(), filters.isEmpty() ? 0 : filters.dequeue()};
        });
    }
    ~WindowRig()
    {
        window.reset();
        SetMsgboxResponder({});
        SetFileChooser({});
    }

    QString parameterPath() const { return dir.filePath(QStringLiteral("parameter")); }

    /// Starts the window; false when it did not become active.
    bool start()
    {
        window = std::make_unique<MainWindow>(parameterPath());
        window->show();
        return QTest::qWaitForWindowActive(window.get());
    }

    ChannelGrid *grid() const { return window->findChild<ChannelGrid *>(QStringLiteral("Grid1")); }
    QString cell(int row, int column) const
    {
        return grid()->model()->index(row - 1, column).data().toString();
    }
    void click(int row, int column) const
    {
        const QRect rect = grid()->visualRect(grid()->model()->index(row - 1, column));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    /// Types into the editor open on the grid and presses Enter.
    void type(const QString &text) const
    {
        QWidget *editor = grid()->openEditor();
        QVERIFY(editor != nullptr);
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            combo->hidePopup();
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->clear();
        else if (auto *combo = qobject_cast<QComboBox *>(editor))
            combo->clearEditText();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    void enterFrequency(int row, int column, const QString &text) const
    {
        click(row, column);
        type(text);
    }
    QStringList prompts() const
    {
        QStringList texts;
        for (const MsgboxRequest &request : messages)
            texts << request.prompt;
        return texts;
    }
    template <typename T>
    T *child(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
};

} // namespace vm280::test
