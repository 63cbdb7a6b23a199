#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vm280 {

/// The file dialogs of the File commands, replaceable for tests.
enum class FileChoice { Open, Save };

/// The chosen path, or empty when the dialog was cancelled.
QString ChooseCodePlanFile(QWidget *parent, FileChoice choice);

using FileChooser = std::function<QString(FileChoice)>;
/// Answers the file dialogs instead of showing them (tests); an empty function restores them.
void SetFileChooser(FileChooser chooser);

} // namespace vm280
