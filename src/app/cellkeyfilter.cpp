#include "cellkeyfilter.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace vm280 {

CellKeyFilter::CellKeyFilter(const QString &allowed, const QString &upperCased, QObject *parent)
    : QObject(parent), m_allowed(allowed), m_upperCased(upperCased)
{}

bool CellKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    return filterKey(watched, static_cast<QKeyEvent *>(event));
}

bool CellKeyFilter::filterKey(QObject *watched, QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterPressed();
        return true;
    case Qt::Key_Escape:
        emit escapePressed();
        return true;
    case Qt::Key_Backspace:
        return false;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & Qt::ControlModifier) || !text.at(0).isPrint())
        return false;
    const QChar typed = text.at(0);
    if (m_upperCased.contains(typed)) {
        QKeyEvent upper(QEvent::KeyPress, event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        QString(typed.toUpper()));
        // Passed on below this filter, so it is not filtered twice.
        watched->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, &upper);
        watched->installEventFilter(this);
        return true;
    }
    const bool accepted = (typed >= u'0' && typed <= u'9') || m_allowed.contains(typed);
    return !accepted;
}

} // namespace vm280
