#pragma once

#include "image/codeplan.h"
#include "image/language.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace vm280 {

/// The key settings dialog `Form6`: the functions of the side keys PF1 and PF2.
class KeySettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit KeySettingsDialog(QWidget *parent = nullptr);

    /// Shows KeyPf1 and KeyPf2; a value with no entry shows "OFF".
    void showPlan(const CodePlan &plan);
    /// Copies the two lists into KeyPf1 and KeyPf2.
    void applyTo(CodePlan &plan) const;
    void applyCaptions(Language language);

private:
    void createWidgets();
    void initConnections();

    QComboBox *m_pf1 = nullptr;
    QComboBox *m_pf2 = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace vm280
