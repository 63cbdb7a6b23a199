#pragma once

#include "image/channeltable.h"
#include "image/choicetexts.h"
#include "interchange/importchoice.h"

#include <QAbstractTableModel>

namespace vm280 {

/// The rows of the import chooser's table: every row of the file with its tick, where it lands
/// (and which programmed channel it replaces), the file's cells, and why a row the band cannot
/// hold, or a ticked row without a channel, is left out (also the tool tip of the whole row). The choice is
/// the one store; a tick changed in the table changes it.
class ImportChoiceModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        LocationColumn, ///< the Location, with the row's tick
        ChannelColumn,  ///< the channel a ticked row lands on
        FrequencyColumn,
        NameColumn,
        DuplexColumn,
        RxToneColumn,
        TxToneColumn,
        PowerColumn,
        ModeColumn,
        CommentColumn,
        NoteColumn, ///< why the row takes no channel, or what is taken otherwise than it stands
        kColumns
    };

    /// channels are the plan's before the import: the channels a row replaces; texts the words
    /// tones are shown in.
    ImportChoiceModel(ImportChoice &choice, const ChannelTable &channels, const ChoiceTexts &texts,
                      QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    /// Ticks or unticks rows at once.
    void setTicked(const QList<int> &rows, bool ticked);
    /// The choice changed as a whole (band, placement, ticks).
    void choiceChanged();

signals:
    /// A tick changed in the table.
    void ticksChanged();

private:
    QString channelText(int row) const;
    QString duplexText(int row) const;
    QString noteText(int row) const;
    QString toneText(int row, bool receive) const;
    bool isGreyed(int row) const;

    ImportChoice &m_choice;
    const ChannelTable &m_channels;
    const ChoiceTexts &m_texts;
};

} // namespace vm280
