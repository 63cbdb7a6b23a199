#include "link/writereport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;

namespace {

QString chineseWords(QStringView chinese, QStringView)
{
    return chinese.toString();
}

} // namespace

TEST(WriteReport, shouldNameTheStepOfASequenceInBothLanguages)
{
    using Step = WriteSequence::Step;
    EXPECT_EQ(WriteStageText({Step::Backup, 1, 3}, EnglishWords), "Step 1 of 3: backup");
    EXPECT_EQ(WriteStageText({Step::Write, 2, 3}, chineseWords), "第 2/3 步：写频");
    EXPECT_EQ(WriteStageText({Step::Verify, 2, 2}, EnglishWords), "Step 2 of 2: verify");
    EXPECT_TRUE(WriteStageText({}, EnglishWords).isEmpty());
}

TEST(WriteReport, shouldKeepTheLastResultWithItsTimeAndBackup)
{
    const QString backup = u"/home/d/backups/20261208-143200_400-480MHz.DAT"_s;
    const struct
    {
        LinkResult result;
        const char *english;
        const char *chinese;
    } rows[] = {
        {{LinkOutcome::Success, LinkText::ReadDone, QTime(9, 5), {}},
         "Read frequency success! 09:05",
         "读频成功！ 09:05"},
        {{LinkOutcome::Success, LinkText::WriteVerified, QTime(14, 32), backup},
         "Write frequency success, verified! 14:32  Backup: ",
         "写频成功，已校验！ 14:32  备份："},
        // A failed write still names the backup it saved before.
        {{LinkOutcome::Failed, LinkText::CommunicationError, QTime(23, 59), backup},
         "Communication error, please check the intercom model, fault, attachment and computer serial "
         "choice! 23:59  Backup: ",
         "通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！ 23:59  备份："},
        // After No the label still shows the question; the status bar says what came of it.
        {{LinkOutcome::Refused, LinkText::BandQuestion, QTime(8, 0), {}},
         "Band discrepancy, nothing was written 08:00",
         "频段不符，未写频 08:00"},
    };
    for (const auto &row : rows) {
        const QString path = row.result.backupPath.isEmpty() ? QString() : QDir::toNativeSeparators(backup);
        EXPECT_EQ(LinkResultText(row.result, EnglishWords), QString::fromUtf8(row.english) + path);
        EXPECT_EQ(LinkResultText(row.result, chineseWords), QString::fromUtf8(row.chinese) + path);
    }
}
