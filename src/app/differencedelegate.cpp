#include "differencedelegate.h"

#include "editor/channeltablemodel.h"

namespace vm280 {

void DifferenceDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(ChannelTableModel::DifferenceRole).toBool())
        return;
    option->backgroundBrush = QColor(255, 214, 153);
    option->font.setBold(true);
}

} // namespace vm280
