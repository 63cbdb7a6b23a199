#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;

namespace vm280 {

/// The dialog `frmSetValue` asks for one value for several channels: a prompt over an editable
/// list (`cboValue`: the tones, or steps in kHz) to pick from or type into, OK and Cancel. Its
/// owner checks and takes the value on OK.
class ValueDialog : public QDialog
{
    Q_OBJECT

public:
    ValueDialog(const QString &title, const QString &prompt, const QStringList &entries, const QString &value,
                QWidget *parent = nullptr);

    /// The value picked or typed.
    QString value() const;

private:
    QComboBox *m_value = nullptr;
};

} // namespace vm280
