#pragma once

#include "channelvalues.h"
#include "csvreader.h"
#include "inputerror.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QHash>
#include <QLatin1StringView>
#include <array>
#include <optional>
#include <variant>

namespace vm280::cli {

/// Reads the rows of a CHIRP generic CSV file into a plan's channel table; see ChirpCsv::read.
class ChirpCsvReader
{
public:
    ChirpCsvReader(const CodePlan &base, const ChoiceTexts &texts);

    std::variant<CodePlan, InputError> read(QStringView csv);

private:
    /// Where a value came from: the field and its column's name.
    struct Source
    {
        CsvField field;
        QLatin1StringView column;
    };
    /// A tone as read from the columns: empty for off, else "67.0" or "D023N".
    struct ToneSource
    {
        QString text;
        Source source;
    };

    bool readHeader(const CsvRecord &header);
    bool readRow(const CsvRecord &record);
    std::optional<int> readLocation(const CsvRecord &record);
    bool readDuplex(const CsvRecord &record, const Source &rx, ChannelValues &values, Source &tx);
    bool readTones(const CsvRecord &record, ToneSource &tx, ToneSource &rx);
    bool readCrossTones(const CsvRecord &record, ToneSource &tx, ToneSource &rx);
    std::optional<ToneSource> ctcss(const CsvRecord &record, QLatin1StringView column);
    std::optional<ToneSource> dcs(const CsvRecord &record, QLatin1StringView column, int side);
    bool readChoices(const CsvRecord &record, ChannelValues &values);

    /// The field of column in record. An empty cell takes CHIRP's default text; so does a
    /// column the file lacks (or a short row), placed at the start of the row.
    CsvField field(const CsvRecord &record, QLatin1StringView column) const;
    bool fail(const Source &source, const QString &reason);

    QHash<QString, int> m_columns;
    std::array<int, 16> m_locationLines{}; ///< the line each channel was given on, 0 for none
    CodePlan m_plan;
    const ChoiceTexts &m_texts;
    InputError m_error;
};

} // namespace vm280::cli
