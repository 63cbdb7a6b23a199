#pragma once

#include "image/codeplan.h"
#include "image/language.h"

#include <QString>

namespace vm280::cli {

/// A plan as readable text in one language: the band, the channel table and every setting with
/// the captions and list texts the tool shows. Traditional Chinese is the Simplified report,
/// converted.
class PlanReport
{
public:
    /// The channel cells are shown as they are, so the plan should have been decoded with the
    /// choice words of language.
    static QString text(const CodePlan &plan, Language language);
};

} // namespace vm280::cli
