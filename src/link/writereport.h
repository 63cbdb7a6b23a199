#pragma once

#include "writesequence.h"

#include <QString>
#include <QStringView>
#include <QTime>
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

/// The step a write sequence is in, for beside the progress bar: "第 2/3 步：写频", "Step 2 of 3:
/// write".
QString WriteStageText(const WriteSequence::Stage &stage, const WordChooser &words);

/// How the last read or write ended, as the window's status bar keeps it.
struct LinkResult
{
    LinkOutcome outcome = LinkOutcome::Failed;
    LinkText text = LinkText::CommunicationError; ///< the last text it showed
    QTime time;                                   ///< when it ended
    QString backupPath;                           ///< the backup it saved; empty for none
};

/// The result with its time and the backup saved: "写频成功，已校验！ 14:32  备份：PATH".
QString LinkResultText(const LinkResult &result, const WordChooser &words);

} // namespace vm280
