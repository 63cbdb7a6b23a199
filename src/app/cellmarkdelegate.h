#pragma once

#include <QStyledItemDelegate>

namespace vm280 {

/// Paints the channel cells the model marks, so they stand out in any style: cells differing
/// from a compared plan bold on a light orange ground, frequencies outside the band shown in red
/// on a light red ground, with a tool tip naming the band.
class CellMarkDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace vm280
