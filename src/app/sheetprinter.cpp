#include "sheetprinter.h"

#include "sheet/channelsheet.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace vm280 {

namespace {

SheetPrinter &replacement()
{
    static SheetPrinter printer;
    return printer;
}

} // namespace

void PrintSheet(QWidget *parent, QTextDocument &document, PrintChoice choice)
{
    if (replacement()) {
        replacement()(document, choice);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ChannelSheet::pageLayout());
    if (choice == PrintChoice::Print) {
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() == QDialog::Accepted)
            ChannelSheet::print(document, printer);
        return;
    }
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter *target) { ChannelSheet::print(document, *target); });
    preview.exec();
}

void SetSheetPrinter(SheetPrinter printer)
{
    replacement() = std::move(printer);
}

} // namespace vm280
