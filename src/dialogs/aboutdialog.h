#pragma once

#include "image/language.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace vm280 {

/// The about box `frmAbout`: title, version, issue date and the maker's line, which opens the
/// maker's web page.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    void applyCaptions(Language language);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createWidgets();

    QLabel *m_description = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace vm280
