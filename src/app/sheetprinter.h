#pragma once

#include <functional>

class QPrintPreviewDialog;
class QTextDocument;
class QWidget;

namespace vm280 {

/// How the channel sheet is to be printed.
enum class PrintChoice { Print, Preview };

/// Shows the print dialog (and prints the document when it is accepted) or the print preview.
void PrintSheet(QWidget *parent, QTextDocument &document, PrintChoice choice);

/// Readies a print preview to be shown: the page as wide as the dialog, the dialog within the
/// screen.
void PreparePreview(QPrintPreviewDialog &preview);

using SheetPrinter = std::function<void(QTextDocument &, PrintChoice)>;
/// Takes the document instead of showing the print dialogs (tests); an empty function restores
/// them.
void SetSheetPrinter(SheetPrinter printer);

} // namespace vm280
