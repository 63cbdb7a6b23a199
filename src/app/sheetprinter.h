#pragma once

#include <functional>

class QTextDocument;
class QWidget;

namespace vm280 {

/// How the channel sheet is to be printed.
enum class PrintChoice { Print, Preview };

/// Shows the print dialog (and prints the document when it is accepted) or the print preview.
void PrintSheet(QWidget *parent, QTextDocument &document, PrintChoice choice);

using SheetPrinter = std::function<void(QTextDocument &, PrintChoice)>;
/// Takes the document instead of showing the print dialogs (tests); an empty function restores
/// them.
void SetSheetPrinter(SheetPrinter printer);

} // namespace vm280
