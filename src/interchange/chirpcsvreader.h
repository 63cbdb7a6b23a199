#pragma once

#include "chirpcolumns.h"
#include "chirprow.h"
#include "csvreader.h"
#include "importoptions.h"
#include "importreport.h"
#include "inputerror.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <array>
#include <functional>
#include <optional>
#include <variant>

namespace vm280 {

/// Reads the rows of a CHIRP generic CSV file into a plan's channel table; see ChirpCsv::read.
class ChirpCsvReader
{
public:
    ChirpCsvReader(const CodePlan &base, const ImportOptions &options, const ChoiceTexts &texts,
                   ImportReport &report);

    std::variant<CodePlan, InputError> read(QStringView csv);

private:
    /// Runs take on every data row, after the header; a malformed text or a false from take
    /// ends the walk with the error.
    std::optional<InputError> forEachRow(QStringView csv, const std::function<bool(const CsvRecord &)> &take);
    std::optional<InputError> chooseBand(QStringView csv);
    bool importRow(const CsvRecord &record);
    /// The row's location when the import takes it, or why not.
    std::variant<int, ChirpNote> takenLocation(const CsvRecord &record) const;
    /// The channel the row goes to, or why it gets none.
    std::variant<int, ChirpNote> place(int location, const CsvField &field) const;
    bool skip(const ChirpNote &note);
    bool warn(const ChirpNote &note);

    ChirpColumns m_columns;
    std::array<int, 16> m_channelLines{}; ///< the line each channel was given on, 0 for none
    CodePlan m_plan;
    const ImportOptions &m_options;
    const ChoiceTexts &m_texts;
    ImportReport &m_report;
    InputError m_error;
};

} // namespace vm280
