#pragma once

#include "chirprow.h"
#include "csvreader.h"
#include "inputerror.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QList>
#include <QStringList>
#include <QStringView>
#include <variant>

namespace vm280 {

/// One row of a channel list to import, as the file says it, before a band is chosen.
struct ListRow
{
    CsvField location;                         ///< the Location cell, where notes on the row point
    std::variant<int, ChirpNote> number;       ///< the Location as a number, or why it is none
    std::variant<ChirpRow, ChirpNote> channel; ///< the row read, or why the radio takes it in no band
    QStringList shown;                         ///< the cells of ChannelList::Column, as the file says them
};

/// The rows of a file to import: every data row of a CHIRP CSV file, or every programmed channel
/// of a plan with its channel number as the Location. The import chooser shows them, and the
/// placement rules decide where each row taken goes.
class ChannelList
{
public:
    /// More rows than any radio's channel list holds: a longer file is refused before its rows
    /// fill the memory.
    static constexpr int kMaxRows = 10000;

    /// The cells a row shows, in CHIRP's words.
    enum Column {
        LocationColumn,
        NameColumn,
        FrequencyColumn,
        DuplexColumn,
        OffsetColumn,
        PowerColumn,
        ModeColumn,
        CommentColumn,
        kColumns
    };

    /// The data rows of a CHIRP CSV file (a byte order mark skipped), read by column name; a
    /// file without the needed columns, malformed or longer than kMaxRows is refused.
    static std::variant<ChannelList, InputError> fromCsv(QStringView csv);
    /// The programmed channels of plan (cells in the words of texts), each as the plan holds it,
    /// shown as CHIRP's CSV layout shows it.
    static ChannelList fromPlan(const CodePlan &plan, const ChoiceTexts &texts);

    int size() const { return int(m_rows.size()); }
    const ListRow &row(int index) const { return m_rows[index]; }

    /// The channel row index makes in band, or why none: the row's reading notes and the snaps
    /// of its frequencies add to warnings.
    std::variant<ChannelValues, ChirpNote> inBand(int index, int band, QList<ChirpNote> &warnings) const;

private:
    QList<ListRow> m_rows;
};

} // namespace vm280
