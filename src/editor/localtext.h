#pragma once

#include "image/language.h"

#include <QString>
#include <QStringView>

namespace vm280 {

/// The text to show in language: the Simplified Chinese text, its Traditional conversion, or
/// the English text. Every text the tool shows is chosen this way.
QString LocalText(Language language, QStringView chinese, QStringView english);

} // namespace vm280
