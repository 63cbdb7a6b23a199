#include "hex.h"

namespace vm280 {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

QByteArray hexPadded(quint32 value, int width)
{
    QByteArray text = QByteArray::number(value, 16).toUpper();
    if (text.size() < width)
        text.prepend(QByteArray(width - text.size(), '0'));
    return text;
}

} // namespace

QByteArray ToHex2(quint32 value)
{
    return hexPadded(value, 2);
}

QByteArray ToHex4(quint32 value)
{
    return hexPadded(value, 4);
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
