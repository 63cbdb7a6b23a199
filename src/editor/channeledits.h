#pragma once

#include "frequencyrules.h"

#include "image/channeltable.h"
#include "image/choicetexts.h"

#include <QList>
#include <QStringView>

namespace vm280 {

// The edits the channel grid makes to the channel table. Rows are channels 1 to 16, columns
// the table's columns (1 receive frequency ... 8 scan add), as in ChannelTable.

/// Empties one channel: cells 1 to 8 and its list indexes of columns 2 to 10.
void ClearNO(ChannelTable &table, int row);
/// Empties every channel with ClearNO (a band change).
void ClearGrid(ChannelTable &table);
/// Empties cells 1 to 8 of every programmed channel and keeps the list indexes (New).
void ClearGrid1(ChannelTable &table);
/// Rewrites the choice cells of every programmed channel from its list indexes in the words of
/// texts, and the tone cells that are off as the off word of texts (a language switch).
void SetGrid1Text(ChannelTable &table, const ChoiceTexts &texts);

/// Commits a frequency typed into column 1 or 3 of row. An empty receive frequency deletes the
/// channel; a receive frequency entered on a channel without a transmit frequency creates it
/// with its defaults. Returns what became of the text (OutOfBand: the caller tells the user).
FrequencyEntry::Outcome CommitFrequency(ChannelTable &table, int row, int column, QStringView typed,
                                        const BandLimits &limits, const ChoiceTexts &texts);

/// Commits a tone typed or picked in column 2 or 4 of row. listIndex is the tone list entry
/// selected in the editor, -1 when the text was typed and matches none. A CTCSS value out of
/// range reverts the cell to the entry at the cell's list index.
void CommitTone(ChannelTable &table, int row, int column, QStringView text, int listIndex,
                const ChoiceTexts &texts);

/// Picks entry index of the tone list (column 2 or 4) or of a choice list (columns 5 to 8): the
/// cell shows the entry and remembers its index.
void PickEntry(ChannelTable &table, int row, int column, int index, const ChoiceTexts &texts);

/// The text of entry index of the list that edits column (the tone list for 2 and 4, the
/// two-entry choice lists for 5 to 8); empty for an index outside the list.
QString EntryText(int column, int index, const ChoiceTexts &texts);

/// The channels (1 to 16, in order) with a frequency outside the band: a band change the user
/// refused keeps the channels made for the band before.
QList<int> ChannelsOutsideBand(const ChannelTable &table, const BandLimits &limits);

/// The cell an edit opens on when row and column are clicked: on an empty channel only the
/// receive frequency can be edited.
struct EditTarget
{
    int row;
    int column;
};
EditTarget DispatchEdit(const ChannelTable &table, int row, int column);

} // namespace vm280
