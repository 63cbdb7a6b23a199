#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace vm280 {

/// The small form `FormSheetJob` asked before the channel sheet is printed or previewed: the
/// customer or job (`TextJob`) and a note (`TextNote`), both optional, printed at the sheet's
/// head. OK (`CommandOK`) goes on with the print, Cancel (`CommandCancel`) prints nothing.
class SheetJobDialog : public QDialog
{
    Q_OBJECT

public:
    SheetJobDialog(const QString &name, const QString &note, QWidget *parent = nullptr);

    QString name() const;
    QString note() const;

private:
    QLabel *m_intro = nullptr;
    QLineEdit *m_name = nullptr;
    QPlainTextEdit *m_note = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace vm280
