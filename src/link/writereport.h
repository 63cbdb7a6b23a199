#pragma once

#include "writesequence.h"

#include <QString>
#include <QStringView>
#include <functional>

namespace vm280 {

/// Picks the text to show from the Simplified Chinese and the English words: the window converts
/// to Traditional Chinese as well, the command line always takes the English.
using WordChooser = std::function<QString(QStringView chinese, QStringView english)>;

/// The English words, for the command line.
QString EnglishWords(QStringView chinese, QStringView english);

/// One sentence on what the radio holds after a write sequence that failed: nothing written,
/// maybe part of the plan, or all of it but not read back.
QString RadioMemoryText(WriteSequence::RadioMemory memory, const WordChooser &words);

/// What a write sequence that failed for want of an answer left behind, to follow the
/// communication error: RadioMemoryText, and where the radio's memory was saved before the write
/// when it was.
QString WriteLeftoverText(const WriteSequence::Result &result, const WordChooser &words);

} // namespace vm280
