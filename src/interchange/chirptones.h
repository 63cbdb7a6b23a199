#pragma once

#include <QString>

namespace vm280 {

/// The tone columns of a row of CHIRP's generic CSV layout. Unused columns keep CHIRP's own
/// defaults, as CHIRP writes them.
struct ChirpTones
{
    QString tone;                                ///< "", "Tone", "TSQL", "DTCS" or "Cross"
    QString rToneFreq = QStringLiteral("88.5");  ///< transmit CTCSS (Tone, Cross)
    QString cToneFreq = QStringLiteral("88.5");  ///< receive CTCSS (Cross), both (TSQL)
    QString dtcsCode = QStringLiteral("023");    ///< both (DTCS), transmit (Cross)
    QString dtcsPolarity = QStringLiteral("NN"); ///< transmit then receive; R is inverted
    QString rxDtcsCode = QStringLiteral("023");  ///< receive DCS (Cross)
    QString crossMode = QStringLiteral("Tone->Tone");

    /// The columns for a channel's tones, each empty (off) or a tone list text ("67.0",
    /// "D023N", "D023I"). The simplest mode that says it wins: equal CTCSS tones are TSQL, one
    /// DCS code both ways DTCS, a transmit tone alone Tone; every other pair is Cross.
    static ChirpTones fromTones(const QString &rxTone, const QString &txTone);
};

} // namespace vm280
