#pragma once

#include "image/language.h"

namespace vm280 {

/// The language the windows and message boxes are shown in, program-wide. The main window
/// changes it at start-up and from its Language menu.
Language LanguageMode();
void SetLanguageMode(Language language);

} // namespace vm280
