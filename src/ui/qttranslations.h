#pragma once

#include "image/language.h"

namespace vm280 {

/// Lets Qt's own texts (the file and print dialogs, the standard buttons, the context menus of
/// text fields) speak language: Qt's Simplified Chinese (zh_CN) or Traditional Chinese (zh_TW)
/// translations from Qt's translations folder (Debian: qt6-translations-l10n), or Qt's built-in
/// English. Without the translations installed Qt's texts stay English.
void UseQtTranslations(Language language);

} // namespace vm280
