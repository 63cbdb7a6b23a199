#pragma once

#include "importreport.h"
#include "inputerror.h"

#include "image/channeltable.h"
#include "image/choicetexts.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace vm280 {

// Channels copied out of the grid and pasted into it as text: the rows of CHIRP's CSV layout,
// tab-separated as spreadsheets copy and paste cells.

/// What a paste did.
struct PasteReport
{
    int pasted = 0;            ///< channels filled
    QList<ImportNote> refused; ///< the rows not pasted, in text order, each with its reason
    int rowsBelowTable = 0;    ///< rows left over below channel 16
    /// The text could not be read as rows at all; nothing was pasted.
    std::optional<InputError> error;
};

/// The programmed channels among rows (1 to 16), tab-separated with CHIRP's header row.
QString CopyChannels(const ChannelTable &table, const QList<int> &rows, const ChoiceTexts &texts);

/// Pastes text into channels firstRow and below, one text row to a channel in order. The text is
/// tab-separated (a spreadsheet's cells) or CSV, with CHIRP's header row or, without one, in
/// CHIRP's column order; Location is not used. Every row goes through the rules of typing for
/// band (limits, raster, tones) and is written in the words of texts; a row that cannot be
/// pasted is reported and uses up no channel, the next row taking its place.
PasteReport PasteChannels(QStringView text, ChannelTable &table, int firstRow, int band,
                          const ChoiceTexts &texts);

/// True for text that is one column of values, one a line (a column copied from a spreadsheet):
/// no line holds a tab or a comma, and the first is no CHIRP header.
bool IsColumnText(QStringView text);

/// Pastes a column of values into column (1 or 3 a frequency, 2 or 4 a tone) of channels
/// firstRow and below, one value to a channel, as typing each into its cell would (band limits
/// and raster for band, the tone rules; the off word or "off" turns a tone off). A receive
/// frequency creates an empty channel; the other columns pass over empty channels, which have
/// no such cell. A value that cannot be taken is reported with its line and reason and uses up
/// no channel. Blank lines are skipped.
PasteReport PasteColumn(QStringView text, ChannelTable &table, int firstRow, int column, int band,
                        const ChoiceTexts &texts);

} // namespace vm280
