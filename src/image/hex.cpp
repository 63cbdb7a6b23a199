#include "hex.h"

namespace vm280 {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";
// Four bit characters per nibble value, the value's entry at 4 * v.
constexpr char kNibbleBits[] = "0000000100100011010001010110011110001001101010111100110111101111";

QByteArray hexPadded(quint32 value, int width)
{
    QByteArray text = QByteArray::number(value, 16).toUpper();
    if (text.size() < width)
        text.prepend(QByteArray(width - text.size(), '0'));
    return text;
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

} // namespace

QByteArray ToHex2(quint32 value) { return hexPadded(value, 2); }

QByteArray ToHex4(quint32 value) { return hexPadded(value, 4); }

QByteArray HexToBits(QByteArrayView hex)
{
    QByteArray bits;
    bits.reserve(hex.size() * 4);
    for (char c : hex)
        bits.append(kNibbleBits + 4 * digitValue(c), 4);
    return bits;
}

QByteArray BitsToHex(QByteArrayView bits)
{
    QByteArray padded(bits.toByteArray());
    if (padded.size() % 4 != 0)
        padded.prepend(QByteArray(4 - padded.size() % 4, '0'));
    QByteArray hex;
    hex.reserve(padded.size() / 4);
    for (qsizetype i = 0; i < padded.size(); i += 4) {
        int v = 0;
        for (int j = 0; j < 4; ++j)
            v = 2 * v + (padded[i + j] == '1' ? 1 : 0);
        hex.append(kDigits[v]);
    }
    return hex;
}

bool IsUpperHex(QByteArrayView text)
{
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

} // namespace vm280
