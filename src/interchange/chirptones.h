#pragma once

#include <QString>

namespace vm280 {

using namespace Qt::StringLiterals;

/// The tone columns of a row of CHIRP's generic CSV layout. Unused columns keep CHIRP's own
/// defaults, as CHIRP writes them.
struct ChirpTones
{
    QString tone;                   ///< "", "Tone", "TSQL", "DTCS" or "Cross"
    QString rToneFreq = u"88.5"_s;  ///< transmit CTCSS (Tone, Cross)
    QString cToneFreq = u"88.5"_s;  ///< receive CTCSS (Cross), both (TSQL)
    QString dtcsCode = u"023"_s;    ///< both (DTCS), transmit (Cross)
    QString dtcsPolarity = u"NN"_s; ///< transmit then receive; R is inverted
    QString rxDtcsCode = u"023"_s;  ///< receive DCS (Cross)
    QString crossMode = u"Tone->Tone"_s;

    /// The columns for a channel's tones, each empty (off) or a tone list text ("67.0",
    /// "D023N", "D023I"). The simplest mode that says it wins: equal CTCSS tones are TSQL, one
    /// DCS code both ways DTCS, a transmit tone alone Tone; every other pair is Cross.
    static ChirpTones fromTones(const QString &rxTone, const QString &txTone);
};

} // namespace vm280
