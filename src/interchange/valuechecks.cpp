#include "valuechecks.h"

#include "editor/frequencyrules.h"
#include "editor/tonerules.h"
#include "image/bands.h"
#include "image/codec.h"
#include "image/hex.h"
#include "image/numeric.h"
#include "image/tones.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

bool isListed(const QString &tone)
{
    return ToneListIndex(tone, QString()) >= 1;
}

// frequency is a decimal text of the stored form; the snap returns its very value when on the raster.
bool isOffRaster(const QString &frequency)
{
    return SnapFrequency(frequency) != frequency.toDouble();
}

// The code (four hex digits, high byte first) that the decoder shows as text, or nothing
// when no code reads as that text. Three DCS digits are the encoder's own codes; one or two
// digits come from codes without bit 11.
std::optional<QByteArray> decodedCode(QStringView text)
{
    bool ok = false;
    quint32 code = 0;
    if (text.size() >= 3 && text.size() <= 5 && text.front() == u'D' &&
        (text.back() == u'N' || text.back() == u'I')) {
        const QStringView digits = text.sliced(1, text.size() - 2);
        code = (text.back() == u'N' ? 0x2000 : 0xA000) | (digits.size() == 3 ? 0x800 : 0) |
               digits.toUInt(&ok, 8);
    } else if (text.size() >= 2 && text[text.size() - 2] == u'.') {
        code = (text.first(text.size() - 2).toString() + text.back()).toUInt(&ok);
    }
    if (!ok || code >= 0xFFFF)
        return std::nullopt;
    const QByteArray hex = ToHex4(code);
    if (ToneText(hex) != text)
        return std::nullopt;
    return hex;
}

// What the tone reads back as once the encoder has stored it.
QString savedAs(const QString &tone)
{
    const QByteArray stored = ToneCode(tone);
    if (stored == "FFFF")
        return u"off"_s;
    return ToneText(stored.sliced(2, 2) + stored.sliced(0, 2));
}

BilingualText unlisted(const QString &tone)
{
    return BilingualText{u"亚音频 %1 不在对讲机的亚音频表中"_s, u"tone %1 is not in the radio's tone list"_s}
        .arg(tone);
}

BilingualText notANumber(const QString &frequency)
{
    return BilingualText{u"频率 '%1' 不是数字"_s, u"frequency '%1' is not a number"_s}.arg(frequency);
}

BilingualText outsideBand(const QString &frequency, int band)
{
    return BilingualText{u"频率 %1 不在频段 %2 内"_s, u"frequency %1 is outside the band %2"_s}.arg(
        frequency, BandText(band));
}

} // namespace

CheckedValue ValueChecks::typedFrequency(QStringView typed, int band)
{
    const QString trimmed = typed.trimmed().toString();
    const FrequencyEntry entry = CheckFrequency(trimmed, BandLimitsOf(BandText(band)));
    switch (entry.outcome) {
    case FrequencyEntry::Empty:
        return {{}, {}, {u"没有频率"_s, u"no frequency"_s}};
    case FrequencyEntry::NotNumeric:
        return {{}, {}, notANumber(trimmed)};
    case FrequencyEntry::OutOfBand:
        return {{}, {}, outsideBand(trimmed, band)};
    case FrequencyEntry::Accepted:
        break;
    }
    if (FormatFrequency(*ParseDecimal(trimmed)) == entry.text)
        return {entry.text, {}, {}};
    return {entry.text,
            BilingualText{u"频率 %1 不在步进上，已向下取到 %2"_s,
                          u"frequency %1 is off the raster, snapped down to %2"_s}
                .arg(trimmed, entry.text),
            {}};
}

CheckedValue ValueChecks::storedFrequency(QStringView text, int band)
{
    const QString trimmed = text.trimmed().toString();
    QString stored = trimmed;
    if (!HasFrequencyForm(stored)) {
        const std::optional<double> mhz = ParseDecimal(trimmed);
        if (!mhz)
            return {{}, {}, notANumber(trimmed)};
        stored = FormatFrequency(*mhz).rightJustified(9, u'0');
        if (!HasFrequencyForm(stored))
            return {{},
                    {},
                    BilingualText{u"频率 %1 不在 0 到 999.99999 MHz 之间，信道存不下"_s,
                                  u"frequency %1 is not from 0 to 999.99999 MHz, all a channel can hold"_s}
                        .arg(trimmed)};
    }
    if (!ParseDecimal(stored))
        return {stored,
                BilingualText{u"'%1' 是存储器的原始数字，不是频率"_s,
                              u"'%1' holds raw memory digits, not a frequency"_s}
                    .arg(stored),
                {}};
    if (band >= 0 && CheckFrequency(stored, BandLimitsOf(BandText(band))).outcome != FrequencyEntry::Accepted)
        return {stored, outsideBand(stored, band), {}};
    if (isOffRaster(stored))
        return {stored,
                BilingualText{u"频率 %1 不在 5 / 6.25 kHz 步进上"_s,
                              u"frequency %1 is off the 5 / 6.25 kHz raster"_s}
                    .arg(stored),
                {}};
    return {stored, {}, {}};
}

CheckedValue ValueChecks::typedTone(QStringView typed)
{
    // The tone editor turns d, n and i into capitals as they are typed.
    const QString text = typed.trimmed().toString().toUpper();
    if (text.isEmpty())
        return {};
    const ToneEntry entry = NormaliseTone(text, -1);
    if (entry.outcome == ToneEntry::Revert && ParseDecimal(text))
        return {
            {},
            {},
            BilingualText{u"亚音频 %1 不在 67.0 到 254.1 Hz 之间"_s, u"tone %1 is outside 67.0 to 254.1 Hz"_s}
                .arg(text)};
    if (entry.outcome != ToneEntry::Set)
        return {{}, {}, BilingualText{u"'%1' 不是亚音频"_s, u"'%1' is not a tone"_s}.arg(text)};
    if (isListed(entry.text))
        return {entry.text, {}, {}};
    if (savedAs(entry.text) != entry.text)
        return {{},
                {},
                BilingualText{u"亚音频 %1 无法存入对讲机"_s, u"tone %1 cannot be stored in the radio"_s}.arg(
                    entry.text)};
    return {entry.text, unlisted(entry.text), {}};
}

CheckedValue ValueChecks::storedTone(QStringView text)
{
    const QString tone = text.toString();
    if (!decodedCode(tone))
        return typedTone(text);
    if (isListed(tone))
        return {tone, {}, {}};
    const QString saved = savedAs(tone);
    if (saved == tone)
        return {tone, unlisted(tone), {}};
    const BilingualText storedAs =
        BilingualText{u"；对讲机存为 %1"_s, u"; the radio gets it as %1"_s}.arg(saved);
    return {tone, {unlisted(tone).chinese + storedAs.chinese, unlisted(tone).english + storedAs.english}, {}};
}

} // namespace vm280
