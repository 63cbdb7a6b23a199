#pragma once

#include "image/language.h"

#include <QString>

namespace vm280 {

/// Sets the language mode for this start from the one-shot value "Languages" that installers and
/// dealers' scripts leave in the per-user store keyName ("VM-280"): "english" English,
/// "chinesetrad" Traditional Chinese, any other text Simplified Chinese, and the value is then
/// deleted. An empty or missing value (or one that is no text) leaves it to fallback, the mode
/// of the parameter file, and stays as it is. The tool never writes the value, and a missing
/// store is not created. The store is HKEY_CURRENT_USER\<keyName> in the Windows registry, the
/// file <keyName>.ini in the user's configuration folder elsewhere (~/.config/VM-280.ini).
void LoadLanguageSetting(const QString &keyName, Language fallback);

} // namespace vm280
