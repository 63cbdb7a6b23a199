#pragma once

#include "image/channeltable.h"

#include <QTableView>

#include <array>

class QComboBox;
class QLineEdit;

namespace vm280 {

class ChannelTableModel;
struct BandLimits;

/// The channel grid `Grid1` with its in-place editors: `Text1` for the frequencies, `Combo8`
/// (the tone list) for the tones and `Combo5_5` to `Combo5_8` for the power, forbid, bandwidth
/// and scan-add choices. A click or Enter opens the editor of the cell; the editor commits
/// through the model when it loses the focus or an entry is picked. A click on a channel number
/// selects its row, and Shift or Ctrl with a click extends the selection by rows; those clicks
/// open no editor.
class ChannelGrid : public QTableView
{
    Q_OBJECT

public:
    ChannelGrid(ChannelTableModel *model, const BandLimits *limits, QWidget *parent = nullptr);

    QLineEdit *frequencyEditor();
    QComboBox *toneEditor();
    /// The choice editor of column 5 to 8.
    QComboBox *choiceEditor(int column);
    /// Makes the in-place editors, unless they are made already.
    void createEditors();
    /// The editor open over a cell, or nullptr.
    QWidget *openEditor() const { return m_openEditor; }

    /// Sizes the columns to their contents' widths (kColumnTwips, or the header where it is
    /// wider) and the rows to one line. The grid asks for the room to show all 16 channels at
    /// once; given less it scrolls, given more its last column takes the width.
    void applyLayout();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    /// Ends the edit open on a cell, committing it as the focus leaving it would. False when the
    /// commit was refused (a frequency outside the band: the user was told, the cell kept its
    /// text); the command that asked then stops.
    bool endPendingEdit();
    /// The channels (1 to 16, in order) of the rows selected, else the channel of the current
    /// cell; none without a current cell.
    QList<int> selectedChannels() const;

    int EditRow = 0;
    int EditCol = 0;
    bool EditArmed = false;

signals:
    /// A typed frequency lies outside the band; the cell kept its text.
    void frequencyOutOfBand();
    /// An editor committed into the table (the cell may have kept its text).
    void edited();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stretchLastColumn();
    void selectRows(const QModelIndex &index, Qt::KeyboardModifiers modifiers);
    void dispatch();
    void placeOver(QWidget *editor, const QModelIndex &index, bool keepHeight);
    void openFrequencyEditor(const QModelIndex &index);
    void openToneEditor(const QModelIndex &index);
    void openChoiceEditor(const QModelIndex &index);
    void show(QWidget *editor);
    bool endEdit(QWidget *editor, bool commit);
    bool commitFrequency();
    void commitTone();
    void pickTone(int index);
    void pickChoice(int index);
    bool forwardToToneText(QKeyEvent *key);

    ChannelTableModel *m_model;
    const BandLimits *m_limits;
    QLineEdit *m_text1 = nullptr;
    QComboBox *m_combo8 = nullptr;
    QList<QComboBox *> m_combo5;
    QWidget *m_openEditor = nullptr;
    std::array<int, ChannelTable::kColumns> m_columnWidths{};
};

} // namespace vm280
