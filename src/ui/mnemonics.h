#pragma once

#include <QString>
#include <initializer_list>

class QWidget;

namespace vm280 {

/// A control reached with Alt and a key: a label with the control it names (its buddy), or a
/// check box or button on its own (no buddy).
struct Mnemonic
{
    const char16_t *control;
    const char16_t *buddy; ///< nullptr for a check box or button
    char16_t key;
};

/// The caption with its key marked for Alt: at the key's letter where the caption holds it
/// ("S&quelch Grade:"), else in brackets after it, as Chinese captions are marked ("静噪等级(&Q)").
/// A caption marked already comes back as it is.
QString WithMnemonic(const QString &caption, QChar key);

/// Marks the key in the text each named control of window holds now (its caption in the current
/// language, so run it after the captions) and gives each label its buddy.
void ApplyMnemonics(QWidget *window, std::initializer_list<Mnemonic> mnemonics);

} // namespace vm280
