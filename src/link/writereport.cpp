#include "writereport.h"

#include <QDir>

namespace vm280 {

QString EnglishWords(QStringView, QStringView english)
{
    return english.toString();
}

QString RadioMemoryText(WriteSequence::RadioMemory memory, const WordChooser &words)
{
    switch (memory) {
    case WriteSequence::RadioMemory::Unchanged:
        return words(u"对讲机未被写入。", u"Nothing was written to the radio.");
    case WriteSequence::RadioMemory::MaybePartlyWritten:
        return words(u"对讲机可能只写入了一部分。", u"The radio may be partly written.");
    case WriteSequence::RadioMemory::Written:
        break;
    }
    return words(u"对讲机已写入，但未能回读校验。",
                 u"The radio was written, but could not be read back to verify it.");
}

QString WriteLeftoverText(const WriteSequence::Result &result, const WordChooser &words)
{
    QString text = RadioMemoryText(result.radioMemory, words);
    if (result.backupSaved())
        text += words(u"", u" ") +
                words(u"写频前对讲机中的数据已保存到 %1。", u"Its memory before the write was saved to %1.")
                    .arg(QDir::toNativeSeparators(result.backupPath));
    return text;
}

} // namespace vm280
