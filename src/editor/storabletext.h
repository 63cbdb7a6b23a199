#pragma once

#include <QString>

namespace vm280 {

/// The radio keeps an embedded information line in 32 bytes.
inline constexpr int kEmbeddedTextLength = 32;

/// The text with every character dropped that the radio's text fields cannot keep, so what is
/// shown is what the radio stores: only U+0000 to U+00FE have a byte of their own, since the
/// byte 0xFF ends a field and U+00FF would vanish on the way back.
QString StorableText(const QString &text);

} // namespace vm280
