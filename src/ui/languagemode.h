#pragma once

#include "image/language.h"

#include <QString>
#include <QStringView>

namespace vm280 {

/// The language the windows and message boxes are shown in, program-wide. The main window
/// changes it at start-up and from its Language menu.
Language LanguageMode();
void SetLanguageMode(Language language);

/// The text in the language mode: the Simplified Chinese text, its Traditional conversion, or
/// the English text. Every text a window or message box shows is chosen this way.
QString ShownText(QStringView chinese, QStringView english);

} // namespace vm280
