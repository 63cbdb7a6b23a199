#pragma once

#include <QString>
#include <QStringList>

namespace vm280 {

/// Entries of the tone list: the off word, 50 CTCSS tones, 105 DCS codes normal, 105 inverted.
inline constexpr int kToneListSize = 261;

/// The tone list with offWord as entry 0: "67.0" ... "254.1", "D023N" ... "D754N",
/// "D023I" ... "D754I".
QStringList ToneList(const QString &offWord);

/// The index of text in the tone list (offWord counts as entry 0), or -1 when it is not listed.
int ToneListIndex(QStringView text, const QString &offWord);

/// What the tone cell becomes when a tone is typed or picked.
struct ToneEntry
{
    enum Outcome {
        Set,    ///< the cell becomes text
        Revert, ///< a CTCSS value out of range: the cell shows the tone at its list index again
        Keep,   ///< not a tone: the cell keeps its text
    };
    Outcome outcome;
    QString text;
};

/// Normalises a typed or picked tone. listIndex is the list entry the text matches, or -1 when
/// it was typed and matches none. CTCSS values 67.0 to 254.1 Hz are written with one decimal
/// ("100" gives "100.0"); DCS codes "D", up to three digits, "N" or "I" get three digits
/// ("D23N" gives "D023N"), values above 777 become 777.
ToneEntry NormaliseTone(QStringView text, int listIndex);

} // namespace vm280
