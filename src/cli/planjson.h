#pragma once

#include "inputerror.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <variant>

namespace vm280::cli {

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
    /// of base ("channels" the whole channel table), absent keys keep it. Channels are checked
    /// by the channel editor's rules for the document's band and written in the words of texts.
    /// A refused document gives the position and reason of its first fault.
    static std::variant<CodePlan, InputError> read(QByteArrayView json, const CodePlan &base,
                                                   const ChoiceTexts &texts);
};

} // namespace vm280::cli
