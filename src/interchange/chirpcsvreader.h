#pragma once

#include "channellist.h"
#include "importoptions.h"
#include "importplacement.h"
#include "importreport.h"
#include "inputerror.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QList>
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

    /// Where the options put the rows: in file order from the first channel given (channel 1
    /// with locations alone), else by Location.
    static Placement placementOf(const ImportOptions &options);

private:
    /// The rows the options take: those whose Location is in the locations given (all without
    /// them), and those without a Location number, which are then noted as such.
    QList<bool> takenRows(const ChannelList &list) const;
    void chooseBand(const ChannelList &list, const QList<bool> &taken, Placement placement);
    /// Notes what became of every row, in file order; false when strict refuses the file.
    bool noteRows(const ChannelList &list, const QList<bool> &taken, const QList<Landing> &landings);
    bool note(ImportNote::Kind kind, const ChirpNote &note);

    CodePlan m_plan;
    const ImportOptions &m_options;
    const ChoiceTexts &m_texts;
    ImportReport &m_report;
    std::optional<InputError> m_error;
};

} // namespace vm280
