#pragma once

#include <QString>
#include <array>

namespace vm280 {

/// The words of the channel table's lists in one language. Channel cells hold these texts, so
/// the codec compares and writes them in whatever language the table is shown in. The
/// Traditional Chinese words are converted from the Simplified ones (LocalChoiceTexts, editor).
struct ChoiceTexts
{
    QString toneOff;                  ///< entry 0 of the tone list
    std::array<QString, 2> power;     ///< low, high
    std::array<QString, 2> forbid;    ///< off, carrier
    std::array<QString, 2> bandwidth; ///< narrow, wide
    std::array<QString, 2> scanAdd;   ///< not added, added

    /// The list texts for column 5 to 8 of the channel table.
    const std::array<QString, 2> &forColumn(int column) const;

    static const ChoiceTexts &simplifiedChinese();
    static const ChoiceTexts &english();
};

} // namespace vm280
