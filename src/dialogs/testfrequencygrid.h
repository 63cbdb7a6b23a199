#pragma once

#include <QTableWidget>

namespace vm280 {

/// The test frequency dialog's grid `mfgrid1`. Enter or a double click opens the current cell's
/// editor, as in the channel grid. Typing never searches for a cell, so keys typed on a cell
/// that cannot be opened go nowhere instead of opening another one. The text typed into a cell
/// is handed out, not written: the dialog decides what the cell becomes.
class TestFrequencyGrid : public QTableWidget
{
    Q_OBJECT

public:
    TestFrequencyGrid(int rows, int columns, QWidget *parent = nullptr);

    void keyboardSearch(const QString &search) override;

signals:
    /// An edit of the cell at row and column ended with text; the cell still shows what it did.
    void cellEntered(int row, int column, const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace vm280
