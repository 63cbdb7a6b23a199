#pragma once

#include "importoptions.h"
#include "importreport.h"
#include "inputerror.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QStringView>
#include <variant>

namespace vm280 {

/// The channel table in CHIRP's generic CSV layout, one row per programmed channel.
class ChirpCsv
{
public:
    /// The header row, column names in CHIRP's order.
    static constexpr QLatin1StringView kHeader{
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE"};

    /// The programmed channels as CSV text (UTF-8, CR LF line ends); cells are read with the
    /// words of texts. Power is written in watts (ChirpPower), as CHIRP reads it. A tab
    /// separator gives the text spreadsheets paste as cells.
    static QByteArray write(const CodePlan &plan, const ChoiceTexts &texts, QChar separator = u',');

    /// base with the rows of csv in its channel table, read by column name and placed by
    /// Location (or, with options.locations or options.firstChannel, in file order); the other
    /// channels are emptied unless options.keep. Rows are checked by the channel editor's rules
    /// for the band of options.band and written in the words of texts; a row the radio cannot
    /// take is skipped and noted in report, unless options.strict, which refuses the file there.
    /// A file without one importable row is refused as well.
    static std::variant<CodePlan, InputError> read(QStringView csv, const CodePlan &base,
                                                   const ImportOptions &options, const ChoiceTexts &texts,
                                                   ImportReport &report);
};

} // namespace vm280
