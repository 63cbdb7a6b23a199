#include "serial/batchreport.h"
#include "image/codeplanfile.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace std::chrono_literals;

namespace {

QString chineseWords(QStringView chinese, QStringView)
{
    return chinese.toString();
}

BatchWriter::RadioResult radio(LinkOutcome outcome, bool verified = false)
{
    BatchWriter::RadioResult result;
    result.number = 7;
    result.outcome = outcome;
    result.verified = verified;
    result.elapsed = 2041ms;
    return result;
}

} // namespace

TEST(BatchReport, shouldWordEveryEndOfARadioInEnglishAndChinese)
{
    BatchWriter::RadioResult mismatch = radio(LinkOutcome::Failed);
    mismatch.reason = LinkText::VerifyMismatch;
    mismatch.steps.firstDifference = 0x0200;
    BatchWriter::RadioResult backupLost = radio(LinkOutcome::Failed);
    backupLost.reason = LinkText::BackupFailed;
    backupLost.steps.backupPath = u"old/a.DAT"_s;
    backupLost.steps.backupError = FileError{FileError::Io, u"disk full"_s};
    BatchWriter::RadioResult silent = radio(LinkOutcome::Failed);
    silent.reason = LinkText::CommunicationError;
    BatchWriter::RadioResult cutOff = radio(LinkOutcome::Failed);
    cutOff.reason = LinkText::CommunicationError;
    cutOff.steps.radioMemory = WriteSequence::RadioMemory::MaybePartlyWritten;
    cutOff.steps.backupPath = u"old/b.DAT"_s;
    cutOff.cause = LinkCauseOf(LinkCause::StoppedAnswering);
    BatchWriter::RadioResult unverified = radio(LinkOutcome::Failed);
    unverified.reason = LinkText::CommunicationError;
    unverified.steps.radioMemory = WriteSequence::RadioMemory::Written;
    BatchWriter::RadioResult silentBackedUp = silent;
    silentBackedUp.steps.backupPath = u"old/b.DAT"_s;
    BatchWriter::RadioResult refused = radio(LinkOutcome::Refused);
    refused.reason = LinkText::BandQuestion;
    BatchWriter::RadioResult backedUp = radio(LinkOutcome::Success, true);
    backedUp.steps.backupPath = u"old/b.DAT"_s;
    const QString oldA = QDir::toNativeSeparators(u"old/a.DAT"_s);
    const QString oldB = QDir::toNativeSeparators(u"old/b.DAT"_s);

    const struct
    {
        const char *name;
        BatchWriter::RadioResult result;
        QString english;
        QString chinese;
    } cases[] = {
        {"written", radio(LinkOutcome::Success), "Radio 7: written in 2.04 s",
         "第 7 台：写频成功（2.04 秒）"},
        {"verified", radio(LinkOutcome::Success, true), "Radio 7: written and verified in 2.04 s",
         "第 7 台：写频成功，已校验（2.04 秒）"},
        {"backed up", backedUp, "Radio 7: written and verified in 2.04 s; backup saved to " + oldB,
         "第 7 台：写频成功，已校验（2.04 秒）；备份已保存到 " + oldB},
        {"mismatch", mismatch,
         "Radio 7: failed after 2.04 s: Write verify failed, the radio holds other data than was written! "
         "First difference at address 0x0200.",
         "第 7 台：失败（2.04 秒）：写频校验出错，对讲机中的数据与写入的不符！第一处不同：地址 0x0200。"},
        {"backup lost", backupLost,
         "Radio 7: failed after 2.04 s: Backup could not be saved, nothing was written! " + oldA +
             ": disk full",
         "第 7 台：失败（2.04 秒）：备份未能保存，未写频！ " + oldA + ": disk full"},
        {"silent", silent,
         "Radio 7: failed after 2.04 s: Communication error, please check the intercom model, fault, "
         "attachment "
         "and computer serial choice! Nothing was written to the radio.",
         "第 7 台：失败（2.04 "
         "秒）：通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！对讲机未被写入。"},
        {"silent after the backup", silentBackedUp,
         "Radio 7: failed after 2.04 s: Communication error, please check the intercom model, fault, "
         "attachment "
         "and computer serial choice! Nothing was written to the radio. Its memory before the write was "
         "saved "
         "to " +
             oldB + ".",
         "第 7 台：失败（2.04 "
         "秒）：通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！对讲机未被写入。"
         "写频前对讲机中的数据已保存到 " +
             oldB + "。"},
        {"cut off in the write", cutOff,
         "Radio 7: failed after 2.04 s: Communication error, please check the intercom model, fault, "
         "attachment "
         "and computer serial choice! The radio stopped answering partway through. The radio may be partly "
         "written. Its memory before the write was saved to " +
             oldB + ".",
         "第 7 台：失败（2.04 秒）：通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"
         "对讲机中途停止了应答。对讲机可能只写入了一部分。写频前对讲机中的数据已保存到 " +
             oldB + "。"},
        {"cut off in the read-back", unverified,
         "Radio 7: failed after 2.04 s: Communication error, please check the intercom model, fault, "
         "attachment "
         "and computer serial choice! The radio was written, but could not be read back to verify it.",
         "第 7 台：失败（2.04 秒）：通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"
         "对讲机已写入，但未能回读校验。"},
        {"refused", refused,
         "Radio 7: failed after 2.04 s: the radio is for another band; nothing was written",
         "第 7 台：失败（2.04 秒）：频段不符，未写频"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BatchResultText(c.result, EnglishWords), c.english);
        EXPECT_EQ(BatchResultText(c.result, chineseWords), c.chinese);
    }
}

TEST(BatchReport, shouldWordTheTally)
{
    const BatchWriter::Tally tally{3, 2, 1};
    EXPECT_EQ(BatchTallyText(tally, EnglishWords), u"written 3, verified 2, failed 1"_s);
    EXPECT_EQ(BatchTallyText(tally, chineseWords), u"已写 3，已校验 2，失败 1"_s);
}

TEST(BatchReport, shouldNameThePortGoingAwayAsTheReasonTheBatchEnded)
{
    const struct
    {
        BatchWriter::Ending ending;
        QString english;
        QString chinese;
    } cases[] = {
        {BatchWriter::Ending::CountReached, "The batch is over.", "批量写频已结束。"},
        {BatchWriter::Ending::Stopped, "The batch is over.", "批量写频已结束。"},
        {BatchWriter::Ending::PortLost,
         "The batch is over: the port went away (cable or adapter unplugged?).",
         "批量写频已结束：通信端口已断开（连线或串口适配器被拔出？）。"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.ending));
        EXPECT_EQ(BatchEndText(c.ending, EnglishWords), c.english);
        EXPECT_EQ(BatchEndText(c.ending, chineseWords), c.chinese);
    }
}

TEST(WriteReport, shouldSayWhatAWriteLeftInTheRadioWhenItStoppedAnswering)
{
    using RadioMemory = WriteSequence::RadioMemory;
    const QString backup = QDir::toNativeSeparators(u"old/b.DAT"_s);
    const struct
    {
        const char *name;
        RadioMemory memory;
        QString backupPath;
        QString english;
        QString chinese;
    } cases[] = {
        {"nothing written",
         RadioMemory::Unchanged,
         {},
         "Nothing was written to the radio.",
         "对讲机未被写入。"},
        {"nothing written after the backup", RadioMemory::Unchanged, "old/b.DAT",
         "Nothing was written to the radio. Its memory before the write was saved to " + backup + ".",
         "对讲机未被写入。写频前对讲机中的数据已保存到 " + backup + "。"},
        {"cut off in the write", RadioMemory::MaybePartlyWritten, "old/b.DAT",
         "The radio may be partly written. Its memory before the write was saved to " + backup + ".",
         "对讲机可能只写入了一部分。写频前对讲机中的数据已保存到 " + backup + "。"},
        {"cut off in the write without a backup",
         RadioMemory::MaybePartlyWritten,
         {},
         "The radio may be partly written.",
         "对讲机可能只写入了一部分。"},
        {"cut off in the read-back",
         RadioMemory::Written,
         {},
         "The radio was written, but could not be read back to verify it.",
         "对讲机已写入，但未能回读校验。"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WriteSequence::Result result;
        result.radioMemory = c.memory;
        result.backupPath = c.backupPath;
        EXPECT_EQ(WriteLeftoverText(result, EnglishWords), c.english);
        EXPECT_EQ(WriteLeftoverText(result, chineseWords), c.chinese);
    }
}
