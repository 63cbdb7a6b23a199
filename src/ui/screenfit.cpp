#include "screenfit.h"

#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace vm280 {

namespace {

// The frame the window manager puts around a window: as around a window of the program shown
// already, else as much as a title bar and a border.
QMargins frameAround(const QWidget *window)
{
    QList<QWidget *> shown = QApplication::topLevelWidgets();
    shown.prepend(const_cast<QWidget *>(window));
    for (const QWidget *other : std::as_const(shown)) {
        if (other->isVisible() && other->windowHandle() != nullptr &&
            !other->windowHandle()->frameMargins().isNull())
            return other->windowHandle()->frameMargins();
    }
    const QStyle *style = window->style();
    const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, window);
    const int titleBar = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return {border, border + titleBar, border, border};
}

} // namespace

QSize SizeOnScreen(const QWidget *window, QSize preferred)
{
    const QMargins frame = frameAround(window);
    const QSize room = window->screen()->availableGeometry().size() -
                       QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    return preferred.boundedTo(room).expandedTo(window->minimumSizeHint());
}

void FitOnScreen(QWidget *window)
{
    const QSize preferred = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    window->resize(SizeOnScreen(window, preferred));
}

void SizeListsToTexts(QWidget *widget)
{
    for (QComboBox *list : widget->findChildren<QComboBox *>())
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

} // namespace vm280
