#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace vm280 {

// The memory image is handled as text of upper-case hex digits, two per byte. These are the
// conversions every codec routine and the link use on that text.

/// Upper-case hex text of value, at least two digits ("05", "9E"); 0x100 and above give more.
QByteArray ToHex2(quint32 value);
/// Upper-case hex text of value, at least four digits ("01F0").
QByteArray ToHex4(quint32 value);
/// Bit characters to upper-case hex, padded with leading "0" to a multiple of four; any
/// character other than '1' counts as 0 ("11111000" gives "F8", "101" gives "5").
QByteArray BitsToHex(QByteArrayView bits);

/// True when text consists only of the digits 0-9 and A-F (upper case).
bool IsUpperHex(QByteArrayView text);

} // namespace vm280
