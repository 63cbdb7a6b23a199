#include "testfrequencygrid.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace vm280 {

namespace {

// Ends an edit by handing the typed text to the grid's owner instead of writing it into the cell.
class EnteredTextDelegate : public QStyledItemDelegate
{
public:
    explicit EnteredTextDelegate(TestFrequencyGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        if (const auto *line = qobject_cast<QLineEdit *>(editor))
            emit m_grid->cellEntered(index.row(), index.column(), line->text());
    }

private:
    TestFrequencyGrid *m_grid;
};

} // namespace

TestFrequencyGrid::TestFrequencyGrid(int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent)
{
    setItemDelegate(new EnteredTextDelegate(this));
}

void TestFrequencyGrid::keyboardSearch(const QString &) {}

void TestFrequencyGrid::keyPressEvent(QKeyEvent *event)
{
    // Enter opens the current cell; on a cell that cannot be edited it does nothing, and never
    // reaches the dialog's default button. While a cell is edited the editor's own Enter ends it.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        edit(currentIndex(), EditKeyPressed, nullptr);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace vm280
