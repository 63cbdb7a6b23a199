#include "codec.h"

#include "bands.h"
#include "hex.h"
#include "settingcatalog.h"
#include "tones.h"

#include <QList>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

using Column = ChannelTable::Column;

constexpr QByteArrayView kNoFrequency = "FFFFFFFF";
constexpr QByteArrayView kNoTone = "FFFF";
constexpr QByteArrayView kHeadTag = "54525A3238";      // "TRZ28"
constexpr QByteArrayView kModelTag = "54525A50323830"; // "TRZP280"
constexpr QByteArrayView kSerial = "3538323134373339"; // "58214739"
// The identification block: the model string, and 16 bytes further on the number.
constexpr int kIdentificationOffset = 816;
constexpr int kSerialOffset = 832;

// Text fields hold one byte per character: the characters U+0000 to U+00FF map to the byte of
// the same value (Latin-1), so every byte a radio holds reads back and writes back unchanged.
// A character beyond U+00FF has no single-byte form and is written as '?', so a field never
// grows past its width.
uchar textByte(char32_t c)
{
    return c <= 0xFF ? uchar(c) : uchar('?');
}

// Writes the image byte after byte from offset 0, or from where at() moves it.
class ImageWriter
{
public:
    // Every byte starts unprogrammed.
    ImageWriter() : m_hex(2 * kImageBytes, 'F') {}

    ImageWriter &at(int offset)
    {
        m_next = offset;
        return *this;
    }

    // A value that does not fit one byte (a list without a selection gives -1) is written as
    // the unprogrammed 0xFF, which the decoder rejects, so the radio's setting stays as it was.
    void byte(qint64 value) { hex(ToHex2(value >= 0 && value <= 0xFF ? quint32(value) : 0xFF)); }
    void fill(int count) { m_next += count; }

    void hex(QByteArrayView digits)
    {
        m_hex.replace(2 * m_next, digits.size(), digits);
        m_next += int(digits.size() / 2);
    }

    void word(qint64 value)
    {
        const quint32 v = value >= -0x8000 && value <= 0xFFFF ? quint32(value) & 0xFFFF : 0xFFFF;
        const QByteArray digits = ToHex4(v);
        hex(digits.sliced(2, 2) + digits.sliced(0, 2));
    }

    void text(const QString &text, int width)
    {
        const QList<uint> chars = text.toUcs4();
        for (int k = 0; k < width; ++k)
            byte(k < chars.size() ? textByte(chars[k]) : 0xFF);
    }

    // Auto-dial digits: "0" is stored as 0x3A, the other characters as their code.
    void dialDigits(const QString &text)
    {
        const QList<uint> chars = text.toUcs4();
        for (int k = 0; k < 16; ++k) {
            if (k >= chars.size())
                byte(0xFF);
            else
                byte(chars[k] == '0' ? 0x3A : textByte(chars[k]));
        }
    }

    // "436.12500" is stored as the BCD bytes 00 25 61 43. A text not of that nine-character
    // shape has no storage form and is written as no frequency.
    void frequency(const QString &text)
    {
        if (!HasFrequencyForm(text)) {
            hex(kNoFrequency);
            return;
        }
        const QByteArray t = text.toLatin1();
        hex(t.mid(7, 2) + t.mid(5, 2) + t.mid(2, 1) + t.mid(4, 1) + t.mid(0, 2));
    }

    void copy(int from, int to, int count)
    {
        m_hex.replace(2 * to, 2 * count, m_hex.sliced(2 * from, 2 * count));
    }

    QByteArray result() const { return m_hex; }

private:
    QByteArray m_hex;
    int m_next = 0;
};

class ImageReader
{
public:
    explicit ImageReader(QByteArrayView hex) : m_hex(hex) {}

    QByteArrayView digits(int offset, int count) const { return m_hex.sliced(2 * offset, 2 * count); }
    uint byte(int offset) const { return digits(offset, 1).toByteArray().toUInt(nullptr, 16); }
    int word(int offset) const { return qint16(byte(offset) | byte(offset + 1) << 8); }
    bool bit(int offset, int bit) const { return byte(offset) >> bit & 1; }

    // BCD digits are copied as they stand, so a byte holding A-F shows those letters.
    QString frequency(int offset) const
    {
        if (digits(offset, 4) == kNoFrequency)
            return {};
        const QByteArrayView b2 = digits(offset + 2, 1);
        QByteArray text = digits(offset + 3, 1).toByteArray();
        text += b2[0];
        text += '.';
        text += b2[1];
        text += digits(offset + 1, 1);
        text += digits(offset, 1);
        return QString::fromLatin1(text);
    }

    // skipUnprogrammed: 0xFF bytes add nothing (the characters after them close up).
    QString text(int offset, int width, bool skipUnprogrammed) const
    {
        QString text;
        for (int k = 0; k < width; ++k) {
            const uint v = byte(offset + k);
            if (!(skipUnprogrammed && v == 0xFF))
                text += QChar(v);
        }
        return text;
    }

    QString dialDigits(int offset) const
    {
        QString text;
        for (int k = 0; k < 16; ++k) {
            const uint v = byte(offset + k);
            if (v == 0x3A)
                text += u'0';
            else if (v != 0xFF)
                text += QChar(v);
        }
        return text;
    }

    // The code as four digits, high byte first.
    QByteArray toneCode(int offset) const
    {
        return digits(offset + 1, 1).toByteArray().append(digits(offset, 1));
    }

private:
    QByteArrayView m_hex;
};

void setChoice(ChannelTable &table, int row, int column, bool second, const ChoiceTexts &texts)
{
    table.cell(row, column) = texts.forColumn(column)[second ? 1 : 0];
    table.ChoiceIndex[row - 1][column - 2] = second ? 1 : 0;
}

void decodeTone(ChannelTable &table, int row, int column, const QByteArray &code, const ChoiceTexts &texts)
{
    if (code != kNoTone) {
        table.cell(row, column) = ToneText(code);
    } else if (table.cell(row, column - 1).isEmpty()) {
        table.cell(row, column).clear();
    } else {
        table.cell(row, column) = texts.toneOff;
        table.ChoiceIndex[row - 1][column - 2] = 0;
    }
}

void decodeChannels(ChannelTable &table, const ImageReader &image, const ChoiceTexts &texts)
{
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        const int b = (row - 1) * 16;
        if (image.digits(b, 4) == kNoFrequency) {
            for (int column = 1; column < ChannelTable::kColumns; ++column)
                table.cell(row, column).clear();
            continue;
        }
        table.cell(row, Column::RxFrequencyColumn) = image.frequency(b);
        table.cell(row, Column::TxFrequencyColumn) = image.frequency(b + 4);
        decodeTone(table, row, Column::RxToneColumn, image.toneCode(b + 8), texts);
        decodeTone(table, row, Column::TxToneColumn, image.toneCode(b + 10), texts);
        setChoice(table, row, Column::ForbidColumn, image.bit(b + 12, 3), texts);
        setChoice(table, row, Column::BandwidthColumn, image.bit(b + 13, 4), texts);
        setChoice(table, row, Column::PowerColumn, image.bit(b + 13, 5), texts);
    }
}

void decodeScanAdd(ChannelTable &table, const ImageReader &image, const ChoiceTexts &texts)
{
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (table.isEmpty(row)) {
            table.cell(row, Column::ScanAddColumn).clear();
            continue;
        }
        const int offset = row <= 8 ? 366 : 367;
        setChoice(table, row, Column::ScanAddColumn, image.bit(offset, (row - 1) % 8), texts);
    }
}

// The number a setting's bytes hold, or nothing when they hold none.
std::optional<qint64> storedNumber(const ImageReader &image, SettingId id)
{
    const SettingPlace place = SettingCatalog::place(id);
    const uint v = image.byte(place.offset);
    switch (place.encoding) {
    case SettingEncoding::Index:
        return v;
    case SettingEncoding::IndexPlusOne:
        return qint64(v) - 1;
    case SettingEncoding::Steps:
        return v * SettingCatalog::range(id).step;
    case SettingEncoding::ZeroAsBlank:
        // Read back as written: a saved retrace time "Empty" would otherwise come back as
        // whatever the setting held before.
        return v == 0xFF ? 0 : v;
    case SettingEncoding::LowBit:
        return v & 1;
    case SettingEncoding::DigitCharacter:
        if (v == 0x00 || v == 0xFF)
            return 0;
        if (v >= '0' && v <= '9')
            return v - '0';
        return std::nullopt;
    case SettingEncoding::Word:
        return image.word(place.offset);
    case SettingEncoding::BandCode:
        if (const int band = BandOfCode(image.digits(place.offset, 1)); band >= 0)
            return band;
        return std::nullopt;
    case SettingEncoding::FixedText:
    case SettingEncoding::Text:
        break;
    }
    return std::nullopt;
}

// A number the setting cannot take leaves it as it was; a text field is always read.
void decodeSetting(CodePlan &plan, const ImageReader &image, SettingId id)
{
    const SettingPlace place = SettingCatalog::place(id);
    if (place.holdsText()) {
        SettingCatalog::setText(
            plan, id, image.text(place.offset, place.width, place.encoding == SettingEncoding::Text));
        return;
    }
    if (const std::optional<qint64> v = storedNumber(image, id); v && SettingCatalog::holds(id, *v))
        SettingCatalog::setNumber(plan, id, *v);
}

void decodeMemories(CodePlan &plan, const ImageReader &image)
{
    for (int g = 0; g < 8; ++g)
        plan.AutoDialMemories[g] = image.dialDigits(496 + 16 * g);
    for (int c = 0; c < 16; ++c) {
        plan.TestFrequencies[0][c] = image.frequency(624 + 8 * c);
        plan.TestFrequencies[1][c] = image.frequency(628 + 8 * c);
    }
    plan.EmbeddedTexts[0] = image.text(752, 32, true);
    plan.EmbeddedTexts[1] = image.text(784, 32, true);
}

void encodeTone(ImageWriter &out, const QString &cell, const ChoiceTexts &texts)
{
    if (cell.isEmpty() || cell == texts.toneOff)
        out.hex(kNoTone);
    else
        out.hex(ToneCode(cell));
}

// Choice cells count as entry 1 unless they hold entry 0: an empty cell of an empty channel
// is thereby carrier, high power and wide, the radio's own unprogrammed pattern.
bool isSecond(const QString &cell, const std::array<QString, 2> &list)
{
    return cell != list[0];
}

void encodeChannels(ImageWriter &out, const ChannelTable &table, const ChoiceTexts &texts)
{
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        out.frequency(table.cell(row, Column::RxFrequencyColumn));
        out.frequency(table.cell(row, Column::TxFrequencyColumn));
        encodeTone(out, table.cell(row, Column::RxToneColumn), texts);
        encodeTone(out, table.cell(row, Column::TxToneColumn), texts);
        const bool forbid = isSecond(table.cell(row, Column::ForbidColumn), texts.forbid);
        // Bit 3 forbids transmitting; bits 7-4 are always set.
        out.byte(forbid ? 0xF8 : 0xF0);
        const bool wide = isSecond(table.cell(row, Column::BandwidthColumn), texts.bandwidth);
        const bool high = isSecond(table.cell(row, Column::PowerColumn), texts.power);
        out.hex(BitsToHex(QByteArray("11") + (high ? '1' : '0') + (wide ? '1' : '0') + "0000"));
        // Bits 7-2 set, bits 1-0 clear: what the radio keeps here for every channel.
        out.byte(0xFC);
        out.fill(1);
    }
}

QByteArray scanAddByte(const ChannelTable &table, int firstRow, const ChoiceTexts &texts)
{
    QByteArray bits;
    for (int row = firstRow + 7; row >= firstRow; --row) {
        const QString &cell = table.cell(row, Column::ScanAddColumn);
        bits += cell.isEmpty() || cell == texts.scanAdd[0] ? '0' : '1';
    }
    return BitsToHex(bits);
}

// Offsets 256-495 but the settings, which are placed where the setting catalogue says: the
// scan-add bits and the tag block among unprogrammed bytes.
void encodeSettingsArea(ImageWriter &out, const ChannelTable &table, const ChoiceTexts &texts)
{
    out.at(291).byte(0x00);
    out.at(366).hex(scanAddByte(table, 1, texts));
    out.hex(scanAddByte(table, 9, texts));
    out.at(424).hex(kHeadTag);
    out.at(430).byte(0xF8);
}

void encodeSetting(ImageWriter &out, const CodePlan &plan, SettingId id)
{
    const SettingPlace place = SettingCatalog::place(id);
    const qint64 value = SettingCatalog::number(plan, id);
    out.at(place.offset);
    switch (place.encoding) {
    case SettingEncoding::Index:
        out.byte(value);
        break;
    case SettingEncoding::IndexPlusOne:
        out.byte(value + 1);
        break;
    case SettingEncoding::Steps:
        out.byte(value / SettingCatalog::range(id).step);
        break;
    case SettingEncoding::ZeroAsBlank:
        out.byte(value == 0 ? 0xFF : value);
        break;
    case SettingEncoding::LowBit:
        out.byte(SettingCatalog::text(plan, id).endsWith(u'1') ? 0xFF : 0xFE);
        break;
    case SettingEncoding::DigitCharacter:
        // The first character of the number's text: '-' for a negative one.
        out.byte(value == 0 ? 0 : QString::number(value).at(0).unicode());
        break;
    case SettingEncoding::Word:
        out.word(value);
        break;
    case SettingEncoding::FixedText:
    case SettingEncoding::Text:
        out.text(SettingCatalog::text(plan, id), place.width);
        break;
    case SettingEncoding::BandCode:
        out.hex(BandCode(int(value)));
        break;
    }
    if (place.copy >= 0)
        out.copy(place.offset, place.copy, place.width);
}

void encodeMemories(ImageWriter &out, const CodePlan &plan)
{
    out.at(496);
    for (const QString &memory : plan.AutoDialMemories)
        out.dialDigits(memory);
    for (int c = 0; c < 16; ++c) {
        out.frequency(plan.TestFrequencies[0][c]);
        out.frequency(plan.TestFrequencies[1][c]);
    }
    out.text(plan.EmbeddedTexts[0], 32);
    out.text(plan.EmbeddedTexts[1], 32);
}

// Offsets 816-847: the model, the band code's copy (placed with the band) and a serial.
void encodeIdentification(ImageWriter &out)
{
    out.hex(kModelTag);
    out.fill(9);
    out.hex(kSerial);
    out.hex("8888888888888888");
}

} // namespace

bool DecodeImage(CodePlan &plan, QByteArrayView image, const ChoiceTexts &texts)
{
    if (image.size() < 2 * kDecodedBytes || !IsUpperHex(image.first(2 * kDecodedBytes)))
        return false;
    const ImageReader reader(image);
    decodeChannels(plan.channels, reader, texts);
    for (SettingId id : SettingCatalog::all())
        decodeSetting(plan, reader, id);
    decodeScanAdd(plan.channels, reader, texts);
    decodeMemories(plan, reader);
    return true;
}

QString ImageIdentification(QByteArrayView image)
{
    if (image.size() < 2 * kImageBytes || !IsUpperHex(image.first(2 * kImageBytes)))
        return QString();
    const ImageReader reader(image);
    // The model string and the number lie where encodeIdentification puts them.
    // A field counts only when every byte of it is printable: anything else is no text.
    const auto printable = [&reader](int offset, int count) {
        QString text;
        for (int o = offset; o < offset + count; ++o) {
            const uint byte = reader.byte(o);
            if (byte < 0x20 || byte >= 0x7F)
                return QString();
            text += QChar(byte);
        }
        return text.trimmed();
    };
    const QString model = printable(kIdentificationOffset, int(kModelTag.size() / 2));
    const QString number = printable(kSerialOffset, int(kSerial.size() / 2));
    QStringList parts{model, number};
    parts.removeAll(QString());
    return parts.join(u' ');
}

bool HasFrequencyForm(QStringView text)
{
    if (text.size() != 9 || text[3] != u'.')
        return false;
    const QByteArray t = text.toLatin1();
    return IsUpperHex(t.left(3)) && IsUpperHex(t.mid(4));
}

QByteArray EncodeImage(const CodePlan &plan, const ChoiceTexts &texts)
{
    ImageWriter out;
    encodeChannels(out, plan.channels, texts);
    encodeSettingsArea(out, plan.channels, texts);
    encodeMemories(out, plan);
    encodeIdentification(out);
    for (SettingId id : SettingCatalog::all())
        encodeSetting(out, plan, id);
    return out.result();
}

} // namespace vm280
