#pragma once

#include "image/choicetexts.h"
#include "image/language.h"

#include <QString>
#include <QStringView>

namespace vm280 {

/// The text to show in language: the Simplified Chinese text, its Traditional conversion, or
/// the English text. Every text the tool shows is chosen this way.
QString LocalText(Language language, QStringView chinese, QStringView english);

/// The channel table's list words in language; for Traditional Chinese the conversion of the
/// Simplified words ("載波", "寬帶"), so the codec reads and writes the same bytes in every mode.
const ChoiceTexts &LocalChoiceTexts(Language language);

} // namespace vm280
