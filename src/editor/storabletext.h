#pragma once

#include <QString>

namespace vm280 {

/// The radio keeps an embedded information line in 32 bytes.
inline constexpr int kEmbeddedTextLength = 32;

/// Whether the radio's text fields keep c: only U+0000 to U+00FE have a byte of their own, since
/// the byte 0xFF ends a field and U+00FF would vanish on the way back.
bool IsStorableCharacter(QChar c);

/// Whether an auto-dial memory keeps c: a storable character other than ':', whose byte 0x3A is
/// how the dial field writes the digit 0, so a ':' would come back as "0".
bool IsStorableDialCharacter(QChar c);

/// The text with every character dropped that the radio's text fields cannot keep, so what is
/// shown is what the radio stores.
QString StorableText(const QString &text);

} // namespace vm280
