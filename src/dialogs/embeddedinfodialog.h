#pragma once

#include "image/codeplan.h"
#include "image/language.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vm280 {

class StorableTextValidator;

/// The embedded information dialog `Form7`: the two text lines the radio keeps. Each line
/// holds what the radio can store: at most 32 characters, each with a single-byte form.
class EmbeddedInfoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit EmbeddedInfoDialog(QWidget *parent = nullptr);

    void showPlan(const CodePlan &plan);
    /// Copies the two lines into EmbeddedTexts.
    void applyTo(CodePlan &plan) const;
    void applyCaptions(Language language);

private slots:
    void onCharactersDropped();

private:
    void createWidgets();
    void initConnections();

    QLineEdit *m_line1 = nullptr;
    QLineEdit *m_line2 = nullptr;
    StorableTextValidator *m_validator = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace vm280
