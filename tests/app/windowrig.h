#pragma once

#include "app/channelgrid.h"
#include "app/filechooser.h"
#include "app/mainwindow.h"
#include "image/codec.h"
#include "image/codeplanfile.h"
#include "ui/msgbox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QQueue>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>

namespace vm280::test {

using namespace Qt::StringLiterals;

/// How long a whole read or write against the simulated radio may take in a test.
constexpr int kOperationMs = 15000;

/// A plan file of the link tests' data.
inline QString linkDataFile(const QString &name)
{
    return QString::fromUtf8(VM280_TEST_DATA "/link/") + name;
}

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

/// Drags urls over the window and drops them as a file manager does; true when it took them.
inline bool drop(QWidget *window, const QList<QUrl> &urls)
{
    if (!window->acceptDrops())
        return false;
    QMimeData data;
    data.setUrls(urls);
    const QPoint centre = window->rect().center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(centre, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(centre, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &dropped);
    // The file is opened once the drop is over.
    QCoreApplication::processEvents();
    return dropped.isAccepted() && dropped.dropAction() == Qt::CopyAction;
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
    /// The window last clicked.
    mutable QPointer<QWidget> keyWindow;

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

    QString parameterPath() const { return dir.filePath(u"parameter"_s); }

    /// Starts the window; false when it did not become active.
    bool start()
    {
        window = std::make_unique<MainWindow>(parameterPath());
        window->show();
        return QTest::qWaitForWindowActive(window.get());
    }

    /// The title the desktop shows: the window's title with the "*" of unsaved changes.
    QString title() const { return window->windowHandle()->title(); }

    ChannelGrid *grid() const { return window->findChild<ChannelGrid *>(u"Grid1"_s); }
    QString cell(int row, int column) const
    {
        return grid()->model()->index(row - 1, column).data().toString();
    }
    void click(int row, int column) const
    {
        // A click outside a drop-down list closes it first.
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        clickWindow();
        const QRect rect = grid()->visualRect(grid()->model()->index(row - 1, column));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    /// A click on a window makes it the active one, as on a desktop (once a window shown
    /// before, a dialog, has taken the activation); keys go there from then on.
    void clickWindow(QWidget *clicked = nullptr) const
    {
        keyWindow = clicked != nullptr ? clicked->window() : window.get();
        QCoreApplication::processEvents();
        if (keyWindow->isActiveWindow())
            return;
        keyWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(keyWindow));
    }
    /// The offscreen platform activates a drop-down list when it opens and leaves no window
    /// active once it has closed; a desktop gives the window its activation back.
    void giveBackActivation() const
    {
        QCoreApplication::processEvents();
        const QWidget *active = QApplication::activeWindow();
        if (QApplication::activePopupWidget() != nullptr || (active != nullptr && active->isVisible()))
            return;
        QWidget *target = keyWindow != nullptr ? keyWindow.data() : window.get();
        target->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(target));
    }
    /// Types keys as the keyboard sends them: to the drop-down list open, else to the focus of
    /// the active window.
    void typeKeys(const QString &text) const
    {
        for (const QChar character : text) {
            giveBackActivation();
            QTest::keyClick(static_cast<QWidget *>(nullptr), character.toLatin1());
        }
    }
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const
    {
        giveBackActivation();
        QTest::keyClick(static_cast<QWidget *>(nullptr), key, modifiers);
    }
    /// Types text into the editor open on the grid, as a person does, and presses Enter. The
    /// editor opens with its text selected, so typing replaces it; nothing typed erases it.
    void type(const QString &text) const
    {
        QVERIFY(grid()->openEditor() != nullptr);
        if (text.isEmpty())
            pressKey(Qt::Key_Backspace);
        typeKeys(text);
        pressKey(Qt::Key_Return);
    }
    void enterFrequency(int row, int column, const QString &text) const
    {
        click(row, column);
        type(text);
    }
    /// Opens a menu of the menu bar with the mouse.
    void openMenu(const QString &menuName) const
    {
        clickWindow();
        QMenuBar *bar = window->menuBar();
        auto *menu = child<QMenu>(menuName);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
    }
    /// Clicks an item of an open menu: a command runs, a submenu opens.
    static void clickMenuItem(QMenu *menu, QAction *item)
    {
        QVERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        if (QMenu *submenu = item->menu())
            QTRY_VERIFY(submenu->isVisible());
    }
    /// Chooses a menu item with the mouse: the menu's title in the menu bar, then the item.
    void chooseMenuItem(const QString &menuName, const QString &itemName) const
    {
        openMenu(menuName);
        clickMenuItem(child<QMenu>(menuName), child<QAction>(itemName));
    }
    /// Picks entry index of a drop-down list: a click opens the list, the arrow keys move to
    /// the entry and Enter picks it. (A click on the entry right after the click that opened the
    /// list would count as that click's release, which the list ignores.)
    void pick(QComboBox *list, int index) const
    {
        clickWindow(list);
        QTest::mouseClick(list, Qt::LeftButton);
        QTRY_VERIFY(list->view()->isVisible());
        pressKey(Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            pressKey(Qt::Key_Down);
        pressKey(Qt::Key_Return);
    }
    QStringList prompts() const
    {
        QStringList texts;
        for (const MsgboxRequest &request : messages)
            texts << request.prompt;
        return texts;
    }
    template <typename T> T *child(const QString &name) const { return window->findChild<T *>(name); }
};

} // namespace vm280::test
