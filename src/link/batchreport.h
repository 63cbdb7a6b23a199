#pragma once

#include "batchwriter.h"

#include <QString>
#include <QStringView>
#include <functional>

namespace vm280 {

/// Picks the text to show from the Simplified Chinese and the English words: the window converts
/// to Traditional Chinese as well, the command line always takes the English.
using WordChooser = std::function<QString(QStringView chinese, QStringView english)>;

/// The English words, for the command line.
QString EnglishWords(QStringView chinese, QStringView english);

/// One radio's line: "Radio 1: written and verified in 2.04 s", or the reason it failed (the
/// backup's file error, the first address read back otherwise), and where its backup went.
QString BatchResultText(const BatchWriter::RadioResult &result, const WordChooser &words);

/// "written 3, verified 3, failed 1".
QString BatchTallyText(const BatchWriter::Tally &tally, const WordChooser &words);

} // namespace vm280
