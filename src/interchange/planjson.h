#pragma once

#include "importreport.h"
#include "inputerror.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <variant>

namespace vm280 {

/// A plan as JSON: the band, the programmed channels and every setting store, in values that
/// mean the same in every language. A channel missing from "channels" is empty.
class PlanJson
{
public:
    static constexpr QLatin1StringView kFormatName{"vm280-plan"};
    static constexpr int kVersion = 1;

    /// The plan as an indented JSON document; channel cells are read with the words of texts.
    static QByteArray write(const CodePlan &plan, const ChoiceTexts &texts);

    /// The plan a JSON document describes, on top of base: every key present replaces that part
    /// of base ("channels" the whole channel table), absent keys keep it. Channel cells are
    /// written in the words of texts. Every value the memory image can hold is taken as it
    /// stands; what the editor would not let a user type (a tone outside the list, a frequency
    /// outside the document's band or off the raster, raw memory digits) is a warning in
    /// report, and refused when strict. A refused document gives the position and reason of its
    /// first fault.
    static std::variant<CodePlan, InputError> read(QByteArrayView json, const CodePlan &base,
                                                   const ChoiceTexts &texts, bool strict,
                                                   ImportReport &report);
};

} // namespace vm280
