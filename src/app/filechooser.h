#pragma once

#include "image/fileaccess.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace vm280 {

/// The file dialogs of the File commands, replaceable for tests.
enum class FileChoice { Open, Save };

/// What a file dialog is asked for: a file to open or to save, with its filters
/// ("CHIRP CSV (*.csv)"), the first one selected, starting in the folder of proposed (an open
/// dialog) or at proposed itself (a save dialog); empty for the dialog's own choice.
struct FileRequest
{
    FileChoice choice = FileChoice::Open;
    QStringList filters;
    QString proposed;
};

/// The dialog's answer: the path, empty when the dialog was cancelled, and the index of the
/// filter it was chosen with.
struct ChosenFile
{
    QString path;
    int filter = 0;
};

ChosenFile ChooseFile(QWidget *parent, const FileRequest &request);

/// The chosen code plan path, or empty when the dialog was cancelled. The open dialog also offers
/// every file, whatever its name; a name typed in the save dialog without an extension gets
/// ".DAT".
QString ChooseCodePlanFile(QWidget *parent, FileChoice choice, const QString &proposed = QString());

/// True when no file is at path, or the user agreed to replace it.
bool MayReplaceFile(const QString &path);

/// "PATH: REASON", the reason in the window's language where it is the tool's own.
QString FileProblemText(const FileProblem &problem);

/// "Cannot open the file PATH: REASON" (Open) or "Cannot save the file PATH: REASON" (Save).
QString FileFailureText(FileChoice choice, const FileProblem &problem);

/// Asks for a CSV file and writes bytes into it whole, adding ".csv" to a name without it and
/// asking before replacing a file; a failure is told. False when cancelled or not written.
bool SaveCsvFile(QWidget *parent, QByteArrayView bytes);

using FileChooser = std::function<ChosenFile(const FileRequest &)>;
/// Answers the file dialogs instead of showing them (tests); an empty function restores them.
void SetFileChooser(FileChooser chooser);

} // namespace vm280
