#include "batchreport.h"

#include "image/hex.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString linkText(LinkText text, const WordChooser &words)
{
    return words(LinkTextChinese(text), LinkTextEnglish(text));
}

// The radio stopped answering: its line then says what the radio was left with and where its
// memory was saved.
bool communicationFailed(const BatchWriter::RadioResult &result)
{
    return !result.succeeded() && result.outcome != LinkOutcome::Refused && !result.steps.backupError &&
           !result.steps.firstDifference;
}

} // namespace

QString BatchFailureText(const BatchWriter::RadioResult &result, const WordChooser &words)
{
    const WriteSequence::Result &steps = result.steps;
    if (steps.backupError)
        return linkText(LinkText::BackupFailed, words) + u' ' + QDir::toNativeSeparators(steps.backupPath) +
               u": "_s + steps.backupError->detail;
    if (steps.firstDifference)
        return linkText(LinkText::VerifyMismatch, words) +
               words(u"第一处不同：地址 0x%1。", u" First difference at address 0x%1.")
                   .arg(QString::fromLatin1(ToHex4(quint32(*steps.firstDifference))));
    if (result.outcome == LinkOutcome::Refused)
        return words(u"频段不符，未写频", u"the radio is for another band; nothing was written");
    const QString space = words(u"", u" ");
    QString text = linkText(result.reason.value_or(LinkText::CommunicationError), words) + space;
    if (result.cause)
        text += LinkCauseText(*result.cause, words) + space;
    return text + WriteLeftoverText(steps, words);
}

QString BatchResultText(const BatchWriter::RadioResult &result, const WordChooser &words)
{
    const QString seconds = QString::number(std::chrono::duration<double>(result.elapsed).count(), 'f', 2);
    QString text = words(u"第 %1 台：", u"Radio %1: ").arg(result.number);
    if (!result.succeeded())
        text +=
            words(u"失败（%1 秒）：", u"failed after %1 s: ").arg(seconds) + BatchFailureText(result, words);
    else if (result.verified)
        text += words(u"写频成功，已校验（%1 秒）", u"written and verified in %1 s").arg(seconds);
    else
        text += words(u"写频成功（%1 秒）", u"written in %1 s").arg(seconds);
    // The failure of a radio that stopped answering names the backup itself.
    if (result.steps.backupSaved() && !communicationFailed(result))
        text += words(u"；备份已保存到 ", u"; backup saved to ") +
                QDir::toNativeSeparators(result.steps.backupPath);
    return text;
}

QString BatchEndText(BatchWriter::Ending ending, const WordChooser &words)
{
    if (ending == BatchWriter::Ending::PortLost)
        return words(u"批量写频已结束：通信端口已断开（连线或串口适配器被拔出？）。",
                     u"The batch is over: the port went away (cable or adapter unplugged?).");
    return words(u"批量写频已结束。", u"The batch is over.");
}

QString BatchTallyText(const BatchWriter::Tally &tally, const WordChooser &words)
{
    return words(u"已写 %1，已校验 %2，失败 %3", u"written %1, verified %2, failed %3")
        .arg(tally.written)
        .arg(tally.verified)
        .arg(tally.failed);
}

} // namespace vm280
