#include "writereport.h"

#include <QDir>

using namespace Qt::StringLiterals;

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

QString WriteStageText(const WriteSequence::Stage &stage, const WordChooser &words)
{
    QString step;
    switch (stage.step) {
    case WriteSequence::Step::Backup:
        step = words(u"备份", u"backup");
        break;
    case WriteSequence::Step::Write:
        step = words(u"写频", u"write");
        break;
    case WriteSequence::Step::Verify:
        step = words(u"校验", u"verify");
        break;
    case WriteSequence::Step::Idle:
        return {};
    }
    return words(u"第 %1/%2 步：%3", u"Step %1 of %2: %3").arg(stage.number).arg(stage.count).arg(step);
}

QString LinkResultText(const LinkResult &result, const WordChooser &words)
{
    // After No to the band question the status label still asks it; the status bar says what
    // came of it.
    QString text = result.outcome == LinkOutcome::Refused
                       ? words(u"频段不符，未写频", u"Band discrepancy, nothing was written")
                       : words(LinkTextChinese(result.text), LinkTextEnglish(result.text));
    text += u' ' + result.time.toString(u"HH:mm"_s);
    if (!result.backupPath.isEmpty())
        text += u"  "_s + words(u"备份：%1", u"Backup: %1").arg(QDir::toNativeSeparators(result.backupPath));
    return text;
}

} // namespace vm280
