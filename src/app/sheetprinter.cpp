#include "sheetprinter.h"

#include "sheet/channelsheet.h"
#include "ui/screenfit.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

using namespace Qt::StringLiterals;

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
        FitOnScreen(&dialog);
        if (dialog.exec() == QDialog::Accepted)
            ChannelSheet::print(document, printer);
        return;
    }
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter *target) { ChannelSheet::print(document, *target); });
    PreparePreview(preview);
    preview.exec();
}

void PreparePreview(QPrintPreviewDialog &preview)
{
    // The whole page would be too small to read: the sheet is read across.
    if (auto *fitWidth = preview.findChild<QAction *>(u"fitWidthAction"_s))
        fitWidth->trigger();
    // A page read at its size, where the screen is large enough.
    const QRect page = ChannelSheet::pageLayout().fullRectPixels(preview.logicalDpiX());
    preview.resize(SizeOnScreen(&preview, page.size() + preview.minimumSizeHint()));
}

void SetSheetPrinter(SheetPrinter printer)
{
    replacement() = std::move(printer);
}

} // namespace vm280
