#include "serial/batchlog.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;

namespace {

QString chineseWords(QStringView chinese, QStringView)
{
    return chinese.toString();
}

BatchWriter::RadioResult radio(int number, LinkOutcome outcome, bool verified)
{
    BatchWriter::RadioResult result;
    result.number = number;
    result.port = u"/dev/ttyUSB0"_s;
    result.outcome = outcome;
    result.verified = verified;
    result.started = QDateTime(QDate(2026, 12, 8), QTime(14, 30, number));
    result.ended = result.started.addSecs(3);
    return result;
}

} // namespace

TEST(BatchLog, shouldWriteAHeaderAndARowPerRadio)
{
    BatchWriter::RadioResult backedUp = radio(1, LinkOutcome::Success, true);
    backedUp.steps.backupPath = u"backups/2026-12-08_143001_400-480MHz.DAT"_s;
    BatchWriter::RadioResult silent = radio(2, LinkOutcome::Failed, false);
    silent.reason = LinkText::CommunicationError;
    silent.cause = LinkCauseOf(LinkCause::NoAnswer);
    BatchWriter::RadioResult refused = radio(3, LinkOutcome::Refused, false);
    refused.reason = LinkText::BandQuestion;
    // A backup whose name holds a comma and a quote is quoted, the quote doubled.
    BatchWriter::RadioResult mismatch = radio(4, LinkOutcome::Failed, false);
    mismatch.reason = LinkText::VerifyMismatch;
    mismatch.steps.firstDifference = 0x0200;
    mismatch.steps.backupPath = u"job, \"A\".DAT"_s;
    const QString backup = QDir::toNativeSeparators(backedUp.steps.backupPath);

    const QStringList rows =
        BatchLogCsv({backedUp, silent, refused, mismatch}, EnglishWords).split(u"\r\n"_s);
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], u"Port,Radio,Start,End,Result,Verified,Backup file,Reason"_s);
    EXPECT_EQ(rows[1],
              u"/dev/ttyUSB0,1,2026-12-08 14:30:01,2026-12-08 14:30:04,written,yes,"_s + backup + u',');
    // The reason, as the batch's line gives it, holds commas.
    EXPECT_EQ(rows[2],
              u"/dev/ttyUSB0,2,2026-12-08 14:30:02,2026-12-08 14:30:05,failed,no,,\"Communication error, "
              u"please check the intercom model, fault, attachment and computer serial choice! "
              u"No answer from the radio. Nothing was written to the radio.\""_s);
    EXPECT_EQ(rows[3], u"/dev/ttyUSB0,3,2026-12-08 14:30:03,2026-12-08 14:30:06,failed,no,,"
                       u"the radio is for another band; nothing was written"_s);
    EXPECT_EQ(rows[4],
              u"/dev/ttyUSB0,4,2026-12-08 14:30:04,2026-12-08 14:30:07,failed,no,\"job, \"\"A\"\".DAT\","
              u"\"Write verify failed, the radio holds other data than was written! "
              u"First difference at address 0x0200.\""_s);
    EXPECT_EQ(rows[5], QString());
}

TEST(BatchLog, shouldWordTheLogInChineseAndMarkTheFileAsUtf8)
{
    const QList<BatchWriter::RadioResult> results{radio(1, LinkOutcome::Success, false)};
    EXPECT_EQ(BatchLogCsv(results, chineseWords),
              u"端口,编号,开始时间,结束时间,结果,已校验,备份文件,原因\r\n"
              u"/dev/ttyUSB0,1,2026-12-08 14:30:01,2026-12-08 14:30:04,成功,否,,\r\n"_s);
    const QByteArray file = BatchLogFile(results, chineseWords);
    EXPECT_TRUE(file.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(QString::fromUtf8(file.mid(3)), BatchLogCsv(results, chineseWords));
}

TEST(BatchLog, shouldWriteOnlyTheHeaderForABatchWithoutRadios)
{
    EXPECT_EQ(BatchLogCsv({}, EnglishWords),
              u"Port,Radio,Start,End,Result,Verified,Backup file,Reason\r\n"_s);
}
