#pragma once

#include <QByteArray>
#include <QString>

namespace vm280 {

/// Number of entries of the band selector.
inline constexpr int kBandCount = 7;

/// The band selector's entry text ("400-480MHz"); the same in every language.
QString BandText(int index);

/// Two hex digits of the band code the image carries at offsets 429 and 828 ("33" for
/// 400-480MHz); "FF" for an index outside the list.
QByteArray BandCode(int index);

/// The selector index whose band code is code, or -1 when code is none of the seven.
int BandOfCode(QByteArrayView code);

/// The selector index whose entry text is text, or -1.
int BandOfText(QStringView text);

} // namespace vm280
