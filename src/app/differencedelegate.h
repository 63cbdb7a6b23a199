#pragma once

#include <QStyledItemDelegate>

namespace vm280 {

/// Paints the channel cells the model marks as differing from a compared plan: bold on a light
/// orange ground, so they stand out in any style.
class DifferenceDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace vm280
