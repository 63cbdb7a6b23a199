#pragma once

#include "image/codeplan.h"
#include "image/language.h"

#include <QList>
#include <QString>

namespace vm280 {

/// One value two plans hold differently, as the tool shows it.
struct PlanDifference
{
    QString caption; ///< "Channel 03 RX frequency", or the setting's group and caption
    QString valueA;
    QString valueB;
    int row = 0;    ///< the channel table row (1 to 16) of a channel cell; 0 for a setting
    int column = 0; ///< the channel table column of a channel cell

    bool operator==(const PlanDifference &) const = default;
};

/// Every channel cell and every setting in which a and b differ, in the order the tool shows
/// them, compared by the texts shown in language. The channel cells are compared as they are, so
/// both plans should have been decoded with the choice words of language.
QList<PlanDifference> PlanDifferences(const CodePlan &a, const CodePlan &b, Language language);

} // namespace vm280
