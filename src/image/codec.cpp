#include "codec.h"

#include "bands.h"
#include "hex.h"
#include "numeric.h"
#include "tones.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

using Column = ChannelTable::Column;

constexpr QByteArrayView kNoFrequency = "FFFFFFFF";
constexpr QByteArrayView kNoTone = "FFFF";
constexpr QByteArrayView kHeadTag = "54525A3238";   // "TRZ28"
constexpr QByteArrayView kModelTag = "54525A50323830"; // "TRZP280"
constexpr QByteArrayView kSerial = "3538323134373339"; // "58214739"

// Text fields hold one byte per character: the characters U+0000 to U+00FF map to the byte of
// the same value (Latin-1), so every byte a radio holds reads back and writes back unchanged.
// A character beyond U+00FF has no single-byte form and is written as '?', so a field never
// grows past its width.
uchar textByte(char32_t c) { return c <= 0xFF ? uchar(c) : uchar('?'); }

class ImageWriter
{
public:
    ImageWriter() { m_hex.reserve(2 * kImageBytes); }

    // A value that does not fit one byte (a list without a selection gives -1) is written as
    // the unprogrammed 0xFF, which the decoder rejects, so the radio's setting stays as it was.
    void byte(qint64 value) { m_hex += ToHex2(value >= 0 && value <= 0xFF ? quint32(value) : 0xFF); }
    void fill(int count) { m_hex += QByteArray(2 * count, 'F'); }
    void hex(QByteArrayView digits) { m_hex += digits; }

    void word(qint64 value)
    {
        const quint32 v = value >= -0x8000 && value <= 0xFFFF ? quint32(value) & 0xFFFF : 0xFFFF;
        const QByteArray digits = ToHex4(v);
        m_hex += digits.sliced(2, 2) + digits.sliced(0, 2);
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

    QByteArray result() const { return m_hex; }

private:
    QByteArray m_hex;
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
    QByteArray toneCode(int offset) const { return digits(offset + 1, 1).toByteArray().append(digits(offset, 1)); }

private:
    QByteArrayView m_hex;
};

// Stores v into target when v < limit, the way every index byte is checked.
template <typename T>
void acceptBelow(T &target, uint v, uint limit)
{
    if (v < limit)
        target = T(v);
}

void acceptOptionBelow(QString &target, uint v, uint limit)
{
    if (v < limit)
        target = QString::number(v);
}

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

void decodeDtmf(CodePlan &plan, const ImageReader &image)
{
    auto &dtmf = plan.DtmfSettings;
    acceptBelow(dtmf[0], image.byte(256), 4);
    acceptBelow(dtmf[1], image.byte(257), 4);
    // The first digit delay is stored in units of 10 ms, 100 to 1000 ms.
    if (const uint v = image.byte(258); v >= 10 && v <= 100)
        dtmf[2] = qint16(10 * v);
    acceptBelow(dtmf[3], image.byte(259), 4);
    acceptBelow(dtmf[4], image.byte(260), 17);
    acceptBelow(dtmf[5], image.byte(261), 2);
    // The group call code is stored as a digit character ('3' for entry 3); 0x00 and 0xFF mean
    // none. Any other byte is out of range.
    if (const uint v = image.byte(262); v == 0x00 || v == 0xFF)
        dtmf[6] = 0;
    else if (v >= '0' && v <= '9')
        dtmf[6] = qint16(v - '0');
    acceptBelow(dtmf[7], image.byte(263), 16);
}

void decodeFunctions(CodePlan &plan, const ImageReader &image)
{
    auto &options = plan.OptionTexts;
    auto &selectors = plan.selectors;
    acceptBelow(plan.KeyPf1, image.byte(269), 12);
    acceptBelow(plan.KeyPf2, image.byte(270), 12);
    options[15] = image.text(272, 10, false);
    acceptBelow(selectors.Combo2, image.byte(287), 3);
    if (const uint v = image.byte(288); v < 41)
        selectors.Combo3 = int(v) - 1;
    acceptBelow(selectors.Combo4, image.byte(289), 11);
    acceptOptionBelow(options[3], image.byte(290), 3);
    acceptBelow(selectors.Combo9, image.byte(292), 10);
    acceptBelow(selectors.Combo6, image.byte(293), 2);
    acceptBelow(selectors.Combo7, image.byte(294), 2);
    acceptOptionBelow(options[22], image.byte(295), 2);
    acceptOptionBelow(options[23], image.byte(296), 2);
    acceptOptionBelow(options[5], image.byte(297), 2);
    acceptOptionBelow(options[6], image.byte(298), 11);
    acceptOptionBelow(options[7], image.byte(299), 6);
    acceptOptionBelow(options[8], image.byte(300), 2);
    options[9] = QString::number(image.byte(302) & 1);
    options[16] = image.text(304, 16, true);
    options[17] = image.text(320, 16, true);
}

void decodeScan(CodePlan &plan, const ImageReader &image)
{
    auto &options = plan.OptionTexts;
    acceptOptionBelow(options[10], image.byte(336), 3);
    if (const uint v = image.byte(337); v >= 1 && v <= 16)
        options[11] = QString::number(v);
    // Retrace time "Empty" is written as 0xFF, so 0xFF reads back as Empty; otherwise a saved
    // Empty would come back as whatever the setting held before.
    for (const auto &[entry, offset] : {std::pair{12, 338}, std::pair{13, 339}}) {
        if (const uint v = image.byte(offset); v == 0xFF)
            options[entry] = u"0"_s;
        else
            acceptOptionBelow(options[entry], v, 92);
    }
    acceptOptionBelow(options[14], image.byte(340), 4);
    // The two delays are signed; an unprogrammed FF FF reads as -1 and is accepted.
    for (const auto &[entry, offset] : {std::pair{18, 341}, std::pair{19, 343}}) {
        if (const int v = image.word(offset); v < 301)
            options[entry] = QString::number(v);
    }
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
bool isSecond(const QString &cell, const std::array<QString, 2> &list) { return cell != list[0]; }

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

// Optional functions are kept as decimal texts; the image holds the number they denote.
qint64 optionValue(const CodePlan &plan, int entry)
{
    return RoundHalfEven(LeadingNumber(plan.OptionTexts[entry]));
}

// Offsets 256-271: DTMF settings and the side keys.
void encodeDtmfAndKeys(ImageWriter &out, const CodePlan &plan)
{
    const auto &dtmf = plan.DtmfSettings;
    out.byte(dtmf[0]);
    out.byte(dtmf[1]);
    out.byte(dtmf[2] / 10);
    out.byte(dtmf[3]);
    out.byte(dtmf[4]);
    out.byte(dtmf[5]);
    // The group call code goes out as the digit character of its entry.
    out.byte(dtmf[6] == 0 ? 0 : QString::number(dtmf[6]).at(0).unicode());
    out.byte(dtmf[7]);
    out.fill(5);
    out.byte(plan.KeyPf1);
    out.byte(plan.KeyPf2);
    out.fill(1);
}

// Offsets 272-335: ID code, function settings, VOX, duplicate, TX start and end codes.
void encodeFunctions(ImageWriter &out, const CodePlan &plan)
{
    const auto &selectors = plan.selectors;
    out.text(plan.OptionTexts[15], 10);
    out.fill(5);
    out.byte(selectors.Combo2);
    out.byte(selectors.Combo3 + 1);
    out.byte(selectors.Combo4);
    out.byte(optionValue(plan, 3));
    out.byte(0);
    out.byte(selectors.Combo9);
    out.byte(selectors.Combo6);
    out.byte(selectors.Combo7);
    for (int entry : {22, 23, 5, 6, 7, 8})
        out.byte(optionValue(plan, entry));
    out.fill(1);
    // Duplicate is bit 0 of an otherwise all-ones byte.
    out.byte(plan.OptionTexts[9].endsWith(u'1') ? 0xFF : 0xFE);
    out.fill(1);
    out.text(plan.OptionTexts[16], 16);
    out.text(plan.OptionTexts[17], 16);
}

// Offsets 336-367: scan settings and the scan-add bits.
void encodeScan(ImageWriter &out, const CodePlan &plan, const ChoiceTexts &texts)
{
    out.byte(optionValue(plan, 10));
    out.byte(optionValue(plan, 11));
    // Retrace time "Empty" (entry 0) is stored as the unprogrammed 0xFF.
    for (int entry : {12, 13})
        out.byte(optionValue(plan, entry) == 0 ? 0xFF : optionValue(plan, entry));
    out.byte(optionValue(plan, 14));
    out.word(optionValue(plan, 18));
    out.word(optionValue(plan, 19));
    out.fill(21);
    out.hex(scanAddByte(plan.channels, 1, texts));
    out.hex(scanAddByte(plan.channels, 9, texts));
}

// Offsets 368-495: power trims, the head tag with the band code, fill.
void encodeTrimsAndTag(ImageWriter &out, const CodePlan &plan)
{
    out.fill(3);
    out.byte(plan.PowerTrimHigh);
    out.fill(4);
    out.byte(plan.PowerTrimLow);
    out.fill(47);
    out.hex(kHeadTag);
    out.hex(BandCode(plan.band));
    out.hex("F8FF");
    out.fill(64);
}

void encodeMemories(ImageWriter &out, const CodePlan &plan)
{
    for (const QString &memory : plan.AutoDialMemories)
        out.dialDigits(memory);
    for (int c = 0; c < 16; ++c) {
        out.frequency(plan.TestFrequencies[0][c]);
        out.frequency(plan.TestFrequencies[1][c]);
    }
    out.text(plan.EmbeddedTexts[0], 32);
    out.text(plan.EmbeddedTexts[1], 32);
}

void encodeIdentification(ImageWriter &out, const CodePlan &plan)
{
    out.hex(kModelTag);
    out.fill(5);
    out.hex(BandCode(plan.band));
    out.fill(3);
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
    decodeDtmf(plan, reader);
    decodeFunctions(plan, reader);
    decodeScan(plan, reader);
    decodeScanAdd(plan.channels, reader, texts);
    plan.PowerTrimHigh = qint16(reader.byte(371));
    plan.PowerTrimLow = qint16(reader.byte(376));
    if (const int band = BandOfCode(reader.digits(429, 1)); band >= 0)
        plan.band = band;
    decodeMemories(plan, reader);
    return true;
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
    encodeDtmfAndKeys(out, plan);
    encodeFunctions(out, plan);
    encodeScan(out, plan, texts);
    encodeTrimsAndTag(out, plan);
    encodeMemories(out, plan);
    encodeIdentification(out, plan);
    return out.result();
}

} // namespace vm280
