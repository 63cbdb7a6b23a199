#pragma once

#include "inputerror.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QStringView>
#include <variant>

namespace vm280::cli {

/// The channel table in CHIRP's generic CSV layout, one row per programmed channel.
class ChirpCsv
{
public:
    /// The header row, column names in CHIRP's order.
    static constexpr QLatin1StringView kHeader{
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE"};

    /// The programmed channels as CSV text (UTF-8, CR LF line ends); cells are read with the
    /// words of texts.
    static QByteArray write(const CodePlan &plan, const ChoiceTexts &texts);

    /// base with its channel table replaced by the rows of csv, read by column name. Every row is
    /// checked by the channel editor's rules for base's band and written in the words of texts.
    static std::variant<CodePlan, InputError> read(QStringView csv, const CodePlan &base,
                                                   const ChoiceTexts &texts);
};

} // namespace vm280::cli
