#include "batchlog.h"

#include "batchreport.h"

#include <QDir>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

QString row(const QStringList &fields)
{
    QStringList cells;
    for (const QString &text : fields)
        cells << field(text);
    return cells.join(u',') + u"\r\n"_s;
}

QString timeText(const QDateTime &time)
{
    return time.toString(u"yyyy-MM-dd HH:mm:ss"_s);
}

} // namespace

QString BatchLogCsv(const QList<BatchWriter::RadioResult> &results, const WordChooser &words)
{
    QString text = row({words(u"端口", u"Port"), words(u"编号", u"Radio"), words(u"开始时间", u"Start"),
                        words(u"结束时间", u"End"), words(u"结果", u"Result"), words(u"已校验", u"Verified"),
                        words(u"备份文件", u"Backup file"), words(u"原因", u"Reason")});
    for (const BatchWriter::RadioResult &result : results) {
        const QString backup =
            result.steps.backupSaved() ? QDir::toNativeSeparators(result.steps.backupPath) : QString();
        text += row({result.port, QString::number(result.number), timeText(result.started),
                     timeText(result.ended),
                     result.succeeded() ? words(u"成功", u"written") : words(u"失败", u"failed"),
                     result.verified ? words(u"是", u"yes") : words(u"否", u"no"), backup,
                     result.succeeded() ? QString() : BatchFailureText(result, words)});
    }
    return text;
}

QByteArray BatchLogFile(const QList<BatchWriter::RadioResult> &results, const WordChooser &words)
{
    return "\xEF\xBB\xBF" + BatchLogCsv(results, words).toUtf8();
}

} // namespace vm280
