#pragma once

#include "frequencyrules.h"

#include "image/channeltable.h"
#include "image/choicetexts.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <array>
#include <utility>

namespace vm280 {

/// The channel grid's view of the plan's channel table. The grid's row 0 is the horizontal
/// header and its rows 1 to 16 are channels 1 to 16, so model row r is channel (and table row)
/// r + 1; model column c is table column c (0 channel number, 1 receive frequency, 2 receive
/// tone, 3 transmit frequency, 4 transmit tone, 5 power, 6 forbid, 7 bandwidth, 8 scan add).
/// The table is the only store; the grid's in-place editors change it through the edits here.
class ChannelTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    /// True for a cell marked as differing from a compared plan; the grid paints it.
    static constexpr int DifferenceRole = Qt::UserRole + 1;
    /// For a frequency cell outside the band shown, that band's text ("136-174MHz"); nothing for
    /// any other cell. The grid marks such cells.
    static constexpr int OutsideBandRole = Qt::UserRole + 2;

    ChannelTableModel(ChannelTable &table, const ChoiceTexts &texts, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    /// The header texts of columns 0 to 8.
    void setHeaders(const QStringList &headers);

    /// The band selector's entry shown (its index); the frequency cells are checked against it.
    void setShownBand(int index);

    /// The words the choice and tone cells are written in.
    const ChoiceTexts &texts() const { return *m_texts; }
    const ChannelTable &table() const { return m_table; }

    FrequencyEntry::Outcome commitFrequency(int row, int column, const QString &typed,
                                            const BandLimits &limits);
    void commitTone(int row, int column, const QString &text, int listIndex);
    void pickEntry(int row, int column, int index);
    /// The list index a choice or tone cell remembers.
    int choiceIndex(int row, int column) const;

    void clearGrid();
    void clearGrid1();
    /// Empties the channels of rows with ClearNO (the Delete command).
    void clearChannels(const QList<int> &rows);
    /// Rewrites the choice cells in the current words (a language switch).
    void setGrid1Text();
    /// The table was replaced as a whole (a decoded image).
    void tableReplaced();

    /// Marks the cells (table row and column) that differ from a compared plan, until the next
    /// edit of the table or markCells again.
    void markCells(const QList<std::pair<int, int>> &cells);
    bool isMarked(int row, int column) const { return m_marked[row - 1][column]; }

private:
    void rowChanged(int row);
    void allChanged();
    void clearMarks();

    ChannelTable &m_table;
    const ChoiceTexts *m_texts;
    QString m_bandText;
    BandLimits m_bandLimits;
    QStringList m_headers;
    std::array<std::array<bool, ChannelTable::kColumns>, ChannelTable::kRows> m_marked{};
};

} // namespace vm280
