#pragma once

#include "interchangeformat.h"

#include "editor/localtext.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vm280 {

/// A remark on one row or value of an imported file.
struct ImportNote
{
    enum Kind {
        Skipped, ///< the row was left out
        Warning, ///< the value was taken, but not as the editor would have let a user type it
    };
    Kind kind;
    int line;
    int column;
    BilingualText text;
};

/// What an import did with a file: channels imported, rows skipped and why, warnings, the band.
struct ImportReport
{
    /// Notes kept in full; a file with more only counts the rest, so a huge file of bad rows
    /// cannot fill the memory with reasons.
    static constexpr int kMaxNotes = 1000;

    InterchangeFormat format = InterchangeFormat::Json;
    int imported = 0;        ///< channels filled
    int skipped = 0;         ///< rows left out
    QList<ImportNote> notes; ///< in file order, at most kMaxNotes
    int omittedNotes = 0;
    int band = 0;          ///< the band of the resulting plan
    int bandRows = -1;     ///< with --band auto, the importable rows of the chosen band; else -1
    bool finished = false; ///< every row was seen: the file was not refused half-way

    void add(ImportNote::Kind kind, int line, int column, const BilingualText &text);
    /// "imported 16 channels, skipped 70 rows", in language.
    QString summary(Language language = Language::English) const;
    /// The report one line each, in language (English as the command line prints it): the notes
    /// ("FILE:5:17: skipped: ..."), the band chosen, and for a CSV file read to its end the
    /// summary.
    QStringList lines(const QString &fileName, Language language = Language::English) const;
};

} // namespace vm280
