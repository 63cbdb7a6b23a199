#pragma once

#include "image/codeplan.h"
#include "image/language.h"
#include "sheetjob.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <memory>

class QPageLayout;
class QPagedPaintDevice;
class QTextDocument;

namespace vm280 {

/// The printable channel sheet of a plan: the band, the 16 channels, the function settings, the
/// optional functions and the keys, with the file name and date at the foot, in one language; the
/// customer or job and a note, when given, stand under the title.
class ChannelSheet
{
public:
    /// The sheet's HTML. The channel cells are shown as they are, so the plan should have been
    /// decoded with the choice words of language.
    static QString html(const CodePlan &plan, Language language, const QString &fileName, QDate date,
                        const SheetJob &job = {});
    /// The HTML laid out for printing (needs a QGuiApplication).
    static std::unique_ptr<QTextDocument> document(const QString &html);
    /// The page the sheet is laid out for: A4 portrait, 12 mm margins.
    static QPageLayout pageLayout();
    /// Prints the document on device in the device's page layout.
    static void print(QTextDocument &document, QPagedPaintDevice &device);
    /// The document as the bytes of a PDF file.
    static QByteArray pdf(QTextDocument &document, const QString &title);
};

} // namespace vm280
