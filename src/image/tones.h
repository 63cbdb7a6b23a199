#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vm280 {

// A channel carries its receive and transmit tone as a 16-bit code, little-endian:
//   0xFFFF             no tone
//   0x2800 + c         DCS code c (octal digits in bits 8-0), normal polarity  -> "D023N"
//   0xA800 + c         DCS code c, inverted polarity                           -> "D023I"
//   anything else      CTCSS, a plain count of 0.1 Hz (670 = 67.0 Hz)          -> "67.0"

/// Storage form of a tone cell text that is neither empty nor the off word: four hex digits,
/// low byte first ("67.0" gives "9E02", "D023N" gives "1328").
QByteArray ToneCode(QStringView text);

/// Display text of a tone code given as four hex digits, high byte first; the code is not
/// "FFFF" (that is the off word, which the channel codec chooses).
QString ToneText(QByteArrayView code);

} // namespace vm280
