#include "tones.h"

#include "hex.h"
#include "numeric.h"

#include <algorithm>

namespace vm280 {

namespace {

constexpr quint32 kDcsNormal = 0x2800;
constexpr quint32 kDcsInverted = 0xA800;
// CTCSS codes are stored in at most three hex digits (up to 409.5 Hz); larger values would
// collide with the DCS marker bits.
constexpr qint64 kMaxCtcssCode = 0xFFF;

int digitAt(QStringView text, qsizetype index)
{
    if (index >= text.size())
        return 0;
    const QChar c = text[index];
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
}

QByteArray storageOrder(quint32 code)
{
    const QByteArray hex = ToHex4(code & 0xFFFF);
    return hex.sliced(2, 2) + hex.sliced(0, 2);
}

// Each of the three code characters is taken as one octal digit; a character that is not a
// digit counts 0, and the sum keeps only 9 bits (D089N is stored as 0o111).
QByteArray dcsCode(QStringView text, quint32 polarity)
{
    const int v = 64 * digitAt(text, 1) + 8 * digitAt(text, 2) + digitAt(text, 3);
    return storageOrder(polarity + quint32(v % 512));
}

// True for up to three digits, a full stop and one digit: the forms the decoder shows.
bool isTenthsForm(QStringView text)
{
    const qsizetype point = text.size() - 2;
    if (point < 0 || point > 3 || text[point] != u'.')
        return false;
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    return std::all_of(text.begin(), text.begin() + point, isDigit) && isDigit(text.back());
}

// ".d" to "ddd.d" are read as tenths by dropping the full stop. Other texts (which the tone
// editor never produces) take the leading digits plus the last character, like those forms.
qint64 ctcssTenths(QStringView text)
{
    if (isTenthsForm(text))
        return text.toString().remove(u'.').toLongLong();
    const qsizetype n = text.size() == 4 ? 2 : 3;
    const QString digits = text.left(n).toString() + text.right(1).toString();
    return RoundHalfEven(LeadingNumber(digits));
}

} // namespace

QByteArray ToneCode(QStringView text)
{
    if (text.startsWith(u'D') && text.endsWith(u'N'))
        return dcsCode(text, kDcsNormal);
    if (text.startsWith(u'D') && text.endsWith(u'I'))
        return dcsCode(text, kDcsInverted);
    const qint64 tenths = ctcssTenths(text);
    // A value with no storage form is written as "no tone" rather than widening the field.
    if (tenths < 0 || tenths > kMaxCtcssCode)
        return QByteArrayLiteral("FFFF");
    return storageOrder(quint32(tenths));
}

QString ToneText(QByteArrayView code)
{
    const quint32 value = code.toByteArray().toUInt(nullptr, 16);
    const char kind = code.isEmpty() ? '0' : code[0];
    if (kind == '2' || kind == 'A') {
        // Only the last three octal digits count; a code without bit 11 shows fewer digits.
        const QString octal = QString::number(value & 0xFFF, 8).right(3);
        return u'D' + octal + (kind == '2' ? u'N' : u'I');
    }
    // Everything else is shown as tenths of a hertz, codes at 0x8000 and above included: the
    // encoder never writes those, and a plain number shows the user what the radio holds.
    const QString decimal = QString::number(value);
    return decimal.chopped(1) + u'.' + decimal.right(1);
}

} // namespace vm280
