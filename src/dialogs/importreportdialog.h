#pragma once

#include "image/language.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vm280 {

/// The report of an import, `frmImportReport`: a heading over the report's lines in a read-only
/// text area, so a list of seventy skipped rows scrolls instead of filling the screen.
class ImportReportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ImportReportDialog(QWidget *parent = nullptr);

    /// Fills the dialog in language; the caller shows it.
    void setReport(Language language, const QString &heading, const QStringList &lines);
    QString heading() const;
    QStringList lines() const;

private:
    void createWidgets();

    QLabel *m_heading = nullptr;
    QPlainTextEdit *m_lines = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace vm280
