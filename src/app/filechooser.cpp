#include "filechooser.h"

#include "apptitle.h"

#include <QFileDialog>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

FileChooser g_chooser;

} // namespace

QString ChooseCodePlanFile(QWidget *parent, FileChoice choice)
{
    if (g_chooser)
        return g_chooser(choice);
    // One filter named after the product. The tool asks its own overwrite question.
    const QString filter = ApplicationTitle() + u"(*.DAT)"_s;
    if (choice == FileChoice::Open)
        return QFileDialog::getOpenFileName(parent, QString(), QString(), filter, nullptr, QFileDialog::ReadOnly);
    return QFileDialog::getSaveFileName(parent, QString(), QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void SetFileChooser(FileChooser chooser)
{
    g_chooser = std::move(chooser);
}

} // namespace vm280
