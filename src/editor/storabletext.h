#pragma once

#include <QString>

namespace vm280 {

/// The radio keeps an embedded information line in 32 bytes.
inline constexpr int kEmbeddedTextLength = 32;

/// The text with every character dropped that has no single-byte form in the radio's text
/// fields (only U+0000 to U+00FF have one), so what is shown is what the radio stores.
QString StorableText(const QString &text);

} // namespace vm280
