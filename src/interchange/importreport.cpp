#include "importreport.h"

#include "image/bands.h"

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString counted(int count, const QString &one, const QString &many)
{
    return u"%1 %2"_s.arg(count).arg(count == 1 ? one : many);
}

} // namespace

void ImportReport::add(ImportNote::Kind kind, int line, int column, const QString &text)
{
    if (kind == ImportNote::Skipped)
        ++skipped;
    if (notes.size() < kMaxNotes)
        notes.append({kind, line, column, text});
    else
        ++omittedNotes;
}

QString ImportReport::summary() const
{
    return u"imported %1, skipped %2"_s.arg(counted(imported, u"channel"_s, u"channels"_s),
                                            counted(skipped, u"row"_s, u"rows"_s));
}

QStringList ImportReport::lines(const QString &fileName) const
{
    QStringList lines;
    for (const ImportNote &note : notes) {
        const QString kind = note.kind == ImportNote::Skipped ? u"skipped"_s : u"warning"_s;
        // A quoted CSV field may hold line breaks; each note stays one line.
        const QString text = QString(note.text).replace(u'\n', u"\\n"_s).replace(u'\r', u"\\r"_s);
        lines << u"%1:%2:%3: %4: %5"_s.arg(fileName).arg(note.line).arg(note.column).arg(kind, text);
    }
    if (omittedNotes > 0)
        lines << u"%1: %2 more %3 not shown"_s.arg(fileName)
                     .arg(omittedNotes)
                     .arg(omittedNotes == 1 ? u"note"_s : u"notes"_s);
    if (bandRows >= 0)
        lines << u"band %1 chosen: it holds %2"_s.arg(
            BandText(band), counted(bandRows, u"importable row"_s, u"importable rows"_s));
    if (format == InterchangeFormat::ChirpCsv && finished)
        lines << summary();
    return lines;
}

} // namespace vm280
