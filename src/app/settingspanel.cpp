#include "settingspanel.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace vm280 {

SettingsPanel::SettingsPanel(QWidget *content, QWidget *parent) : QScrollArea(parent)
{
    setObjectName(u"settingsPanel"_s);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    setWidget(content);
    // The frames' lists take the focus, never the panel itself; a list the focus comes to by
    // Tab or by its Alt key is scrolled into view.
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, &SettingsPanel::showFocused);
    // Lists that grow with the texts of another language widen the panel, and so does the
    // scroll bar when it appears.
    content->installEventFilter(this);
    verticalScrollBar()->installEventFilter(this);
}

QSize SettingsPanel::sizeHint() const
{
    return {minimumSizeHint().width(), widget()->sizeHint().height() + 2 * frameWidth()};
}

QSize SettingsPanel::minimumSizeHint() const
{
    // Never narrower than the frames: a short window makes the panel scroll, never cuts the lists.
    int width = widget()->sizeHint().width() + 2 * frameWidth();
    if (verticalScrollBar()->isVisible())
        width += verticalScrollBar()->sizeHint().width();
    return {width, QScrollArea::minimumSizeHint().height()};
}

void SettingsPanel::showFocused(QWidget *, QWidget *now)
{
    if (now != nullptr && widget()->isAncestorOf(now))
        ensureWidgetVisible(now);
}

bool SettingsPanel::eventFilter(QObject *watched, QEvent *event)
{
    const bool resized = watched == widget() && event->type() == QEvent::LayoutRequest;
    const bool scrollBarShown =
        watched == verticalScrollBar() && (event->type() == QEvent::Show || event->type() == QEvent::Hide);
    if (resized || scrollBarShown)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

} // namespace vm280
