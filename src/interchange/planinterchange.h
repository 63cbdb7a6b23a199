#pragma once

#include "importoptions.h"
#include "importreport.h"
#include "inputerror.h"
#include "interchangeformat.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"
#include "image/fileaccess.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <variant>

namespace vm280 {

// Plans in and out of the tool: the JSON plan (the whole plan, losslessly) and CHIRP's CSV
// (the channels). The command line and the window both import and export through these.

/// Larger than any channel list by far; a bigger file is refused before it is parsed.
inline constexpr qint64 kMaxImportBytes = 16 * 1024 * 1024;

/// Why an import gave no plan.
struct ImportError
{
    enum Kind {
        FileFailure,    ///< the file could not be read
        NotRegularFile, ///< a folder, a pipe or a device: refused before it is opened
        BadInput,       ///< the content was refused
    };
    Kind kind = BadInput;
    int line = 0; ///< from 1; 0 when the reason is about the file as a whole
    int column = 0;
    BilingualText reason; ///< a file's failure in the system's own words, in both

    /// The content refused as error says.
    static ImportError badInput(const InputError &error);
    /// "in.csv:3:4: reason", or "in.csv: reason" for the file as a whole, in language; one line.
    QString message(const QString &fileName, Language language = Language::English) const;
    /// The problem with the file at path, when the file could not be read.
    FileProblem problem(const QString &path) const;
};

/// The plan an import built, or why it built none; and, either way, what it did with the file.
struct ImportResult
{
    std::variant<CodePlan, ImportError> plan;
    ImportReport report;
};

/// The content of the file at path, read only when it is at most kMaxImportBytes long.
std::variant<QByteArray, ImportError> ReadImportFile(const QString &path);

/// The text of a CSV file's bytes, which must be UTF-8.
std::variant<QString, InputError> CsvText(QByteArrayView bytes);

/// The plan that bytes (the content of a file in format) make on top of base, with every cell
/// in the words of texts. JSON replaces the parts of base it holds; CSV replaces the channel
/// table and keeps every setting of base.
ImportResult ImportPlan(QByteArrayView bytes, InterchangeFormat format, const CodePlan &base,
                        const ImportOptions &options, const ChoiceTexts &texts);

/// ReadImportFile and ImportPlan, in the format the file's name says.
ImportResult ImportPlanFile(const QString &path, const CodePlan &base, const ImportOptions &options,
                            const ChoiceTexts &texts);

/// The plan as a file in format, its channel cells read with the words of texts.
QByteArray ExportPlan(const CodePlan &plan, InterchangeFormat format, const ChoiceTexts &texts);

} // namespace vm280
