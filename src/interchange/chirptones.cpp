#include "chirptones.h"

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

enum class Kind { Off, Ctcss, Dcs };

Kind kindOf(const QString &tone)
{
    if (tone.isEmpty())
        return Kind::Off;
    return tone.startsWith(u'D') ? Kind::Dcs : Kind::Ctcss;
}

// "D023N" is the code 023 with polarity N; an inverted code ("D023I") is R in CHIRP's words.
QString dcsCode(const QString &tone)
{
    return tone.mid(1, tone.size() - 2);
}
QChar polarity(const QString &tone)
{
    return tone.endsWith(u'I') ? u'R' : u'N';
}

// The side's name in a cross mode: "Tone", "DTCS" or nothing for off.
QString crossSide(Kind kind)
{
    switch (kind) {
    case Kind::Ctcss:
        return u"Tone"_s;
    case Kind::Dcs:
        return u"DTCS"_s;
    case Kind::Off:
        break;
    }
    return {};
}

} // namespace

ChirpTones ChirpTones::fromTones(const QString &rxTone, const QString &txTone)
{
    ChirpTones tones;
    const Kind tx = kindOf(txTone);
    const Kind rx = kindOf(rxTone);
    if (tx == Kind::Off && rx == Kind::Off)
        return tones;
    if (tx == Kind::Ctcss && rx == Kind::Off) {
        tones.tone = u"Tone"_s;
        tones.rToneFreq = txTone;
    } else if (tx == Kind::Ctcss && rxTone == txTone) {
        tones.tone = u"TSQL"_s;
        tones.cToneFreq = txTone;
    } else if (tx == Kind::Dcs && rx == Kind::Dcs && dcsCode(rxTone) == dcsCode(txTone)) {
        tones.tone = u"DTCS"_s;
        tones.dtcsCode = dcsCode(txTone);
        tones.dtcsPolarity = QString(polarity(txTone)) + polarity(rxTone);
    } else {
        tones.tone = u"Cross"_s;
        tones.crossMode = crossSide(tx) + u"->"_s + crossSide(rx);
        if (tx == Kind::Ctcss)
            tones.rToneFreq = txTone;
        if (rx == Kind::Ctcss)
            tones.cToneFreq = rxTone;
        if (tx == Kind::Dcs) {
            tones.dtcsCode = dcsCode(txTone);
            tones.dtcsPolarity[0] = polarity(txTone);
        }
        if (rx == Kind::Dcs) {
            tones.rxDtcsCode = dcsCode(rxTone);
            tones.dtcsPolarity[1] = polarity(rxTone);
        }
    }
    return tones;
}

} // namespace vm280
