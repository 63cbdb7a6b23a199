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
    /// Converts the Simplified captions shown to Traditional Chinese and names the Traditional
    /// version. A program started in Traditional Chinese shows the product's longer title
    /// ("VM-280 對講機編程軟件") until a language is next chosen.
    void convertToTraditional(bool atStartUp);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createWidgets();

    QLabel *m_description = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace vm280
