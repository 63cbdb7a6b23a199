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
/// pasted leaves its channel as it was and is reported, the others are pasted.
PasteReport PasteChannels(QStringView text, ChannelTable &table, int firstRow, int band,
                          const ChoiceTexts &texts);

} // namespace vm280
