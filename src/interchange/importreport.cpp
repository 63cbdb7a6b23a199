#include "importreport.h"

#include "image/bands.h"

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString counted(int count, const QString &one, const QString &many)
{
    return u"%1 %2"_s.arg(count).arg(count == 1 ? one : many);
}

// A Chinese count needs no plural: "16 个信道".
BilingualText counted(int count, const QString &chinese, const QString &one, const QString &many)
{
    return {u"%1 %2"_s.arg(count).arg(chinese), counted(count, one, many)};
}

} // namespace

void ImportReport::add(ImportNote::Kind kind, int line, int column, const BilingualText &text)
{
    if (kind == ImportNote::Skipped)
        ++skipped;
    if (notes.size() < kMaxNotes)
        notes.append({kind, line, column, text});
    else
        ++omittedNotes;
}

QString ImportReport::summary(Language language) const
{
    const BilingualText channels = counted(imported, u"个信道"_s, u"channel"_s, u"channels"_s);
    const BilingualText rows = counted(skipped, u"行"_s, u"row"_s, u"rows"_s);
    return LocalText(language, u"已导入 %1，跳过 %2"_s.arg(channels.chinese, rows.chinese),
                     u"imported %1, skipped %2"_s.arg(channels.english, rows.english));
}

QStringList ImportReport::lines(const QString &fileName, Language language) const
{
    QStringList lines;
    const QString skippedWord = LocalText(language, u"跳过", u"skipped");
    const QString warningWord = LocalText(language, u"警告", u"warning");
    for (const ImportNote &note : notes) {
        const QString &kind = note.kind == ImportNote::Skipped ? skippedWord : warningWord;
        // A quoted CSV field may hold line breaks; each note stays one line.
        const QString text = note.text.in(language).replace(u'\n', u"\\n"_s).replace(u'\r', u"\\r"_s);
        lines << u"%1:%2:%3: %4: %5"_s.arg(fileName).arg(note.line).arg(note.column).arg(kind, text);
    }
    if (omittedNotes > 0)
        lines << LocalText(language, u"%1: 另有 %2 条未列出"_s.arg(fileName).arg(omittedNotes),
                           u"%1: %2 more %3 not shown"_s.arg(fileName)
                               .arg(omittedNotes)
                               .arg(omittedNotes == 1 ? u"note"_s : u"notes"_s));
    if (bandRows >= 0) {
        const BilingualText rows =
            counted(bandRows, u"行可导入"_s, u"importable row"_s, u"importable rows"_s);
        lines << BilingualText{u"选定频段 %1：其中有 %2"_s.arg(BandText(band), rows.chinese),
                               u"band %1 chosen: it holds %2"_s.arg(BandText(band), rows.english)}
                     .in(language);
    }
    if (format == InterchangeFormat::ChirpCsv && finished)
        lines << summary(language);
    return lines;
}

} // namespace vm280
