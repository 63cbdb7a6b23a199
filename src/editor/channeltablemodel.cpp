#include "channeltablemodel.h"

#include "channeledits.h"

#include "image/bands.h"

namespace vm280 {

ChannelTableModel::ChannelTableModel(ChannelTable &table, const ChoiceTexts &texts, QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_texts(&texts), m_bandText(BandText(0)),
      m_bandLimits(BandLimitsOf(m_bandText))
{
    m_headers.resize(ChannelTable::kColumns);
}

int ChannelTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ChannelTable::kRows;
}

int ChannelTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ChannelTable::kColumns;
}

QVariant ChannelTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_table.cell(index.row() + 1, index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case DifferenceRole:
        return isMarked(index.row() + 1, index.column());
    case OutsideBandRole:
        if ((index.column() == ChannelTable::RxFrequencyColumn ||
             index.column() == ChannelTable::TxFrequencyColumn) &&
            IsOutsideBand(m_table.cell(index.row() + 1, index.column()), m_bandLimits))
            return m_bandText;
        return {};
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_headers[section];
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

bool ChannelTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                                      int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_headers.size())
        return false;
    m_headers[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex &index) const
{
    // Cells are edited by the grid's own in-place editors, never by the view's.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ChannelTableModel::setHeaders(const QStringList &headers)
{
    for (int column = 0; column < ChannelTable::kColumns; ++column)
        m_headers[column] = headers.value(column);
    emit headerDataChanged(Qt::Horizontal, 0, ChannelTable::kColumns - 1);
}

void ChannelTableModel::setShownBand(int index)
{
    m_bandText = BandText(index);
    m_bandLimits = BandLimitsOf(m_bandText);
    allChanged();
}

FrequencyEntry::Outcome ChannelTableModel::commitFrequency(int row, int column, const QString &typed,
                                                           const BandLimits &limits)
{
    const FrequencyEntry::Outcome outcome = CommitFrequency(m_table, row, column, typed, limits, *m_texts);
    rowChanged(row);
    return outcome;
}

void ChannelTableModel::commitTone(int row, int column, const QString &text, int listIndex)
{
    CommitTone(m_table, row, column, text, listIndex, *m_texts);
    rowChanged(row);
}

void ChannelTableModel::pickEntry(int row, int column, int index)
{
    PickEntry(m_table, row, column, index, *m_texts);
    rowChanged(row);
}

int ChannelTableModel::choiceIndex(int row, int column) const
{
    return m_table.ChoiceIndex[row - 1][column - ChannelTable::RxToneColumn];
}

void ChannelTableModel::clearGrid()
{
    ClearGrid(m_table);
    tableReplaced();
}

void ChannelTableModel::clearGrid1()
{
    ClearGrid1(m_table);
    tableReplaced();
}

void ChannelTableModel::clearChannels(const QList<int> &rows)
{
    for (int row : rows) {
        if (row < 1 || row > ChannelTable::kRows)
            continue;
        ClearNO(m_table, row);
        rowChanged(row);
    }
}

void ChannelTableModel::setGrid1Text()
{
    SetGrid1Text(m_table, *m_texts);
    // The same values in other words: the marks still hold.
    allChanged();
}

void ChannelTableModel::tableReplaced()
{
    clearMarks();
    allChanged();
}

void ChannelTableModel::markCells(const QList<std::pair<int, int>> &cells)
{
    clearMarks();
    for (const auto &[row, column] : cells)
        m_marked[row - 1][column] = true;
    allChanged();
}

void ChannelTableModel::rowChanged(int row)
{
    // An edit ends the comparison: the marks no longer tell what differs.
    if (m_marked != decltype(m_marked){}) {
        clearMarks();
        allChanged();
        return;
    }
    emit dataChanged(index(row - 1, 0), index(row - 1, ChannelTable::kColumns - 1));
}

void ChannelTableModel::allChanged()
{
    emit dataChanged(index(0, 0), index(ChannelTable::kRows - 1, ChannelTable::kColumns - 1));
}

void ChannelTableModel::clearMarks()
{
    m_marked = {};
}

} // namespace vm280
