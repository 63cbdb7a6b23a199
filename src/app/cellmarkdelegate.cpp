#include "cellmarkdelegate.h"

#include "editor/channeltablemodel.h"
#include "ui/languagemode.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace vm280 {

void CellMarkDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(ChannelTableModel::OutsideBandRole).isValid()) {
        option->backgroundBrush = QColor(255, 200, 200);
        option->palette.setColor(QPalette::Text, QColor(176, 0, 0));
    }
    if (index.data(ChannelTableModel::DifferenceRole).toBool()) {
        option->backgroundBrush = QColor(255, 214, 153);
        option->font.setBold(true);
    }
}

bool CellMarkDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                 const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const QVariant band = index.data(ChannelTableModel::OutsideBandRole);
    if (event->type() != QEvent::ToolTip || !band.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QToolTip::showText(event->globalPos(),
                       ShownText(u"此频率不在所选频段 %1 内", u"This frequency lies outside the band %1")
                           .arg(band.toString()),
                       view->viewport(), option.rect);
    return true;
}

} // namespace vm280
