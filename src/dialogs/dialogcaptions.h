#pragma once

#include "image/language.h"
#include "image/settingcatalog.h"

#include <QStringList>
#include <QStringView>

class QComboBox;
class QWidget;
class QObject;

namespace vm280 {

/// The caption of one control of a dialog in its two stored languages.
struct ControlCaption
{
    const char16_t *objectName;
    const char16_t *chinese;
    const char16_t *english;
};

/// Sets the text of each named child of dialog (a label, button, check box, frame) to its
/// caption in language.
void ApplyControlCaptions(QWidget *dialog, std::initializer_list<ControlCaption> captions, Language language);

/// A control of a dialog captioned with a setting's caption.
struct SettingCaption
{
    const char16_t *objectName;
    SettingId setting;
};

/// Sets the text of each named child of dialog to its setting's caption in language.
void ApplySettingCaptions(QWidget *dialog, std::initializer_list<SettingCaption> captions, Language language);

/// A setting's caption in language.
QString LocalCaption(Language language, SettingId id);
/// A group's caption in language: the title of the dialog that shows the group.
QString LocalGroupCaption(Language language, SettingGroup group);
/// The entries of a settings list in language.
QStringList LocalEntries(Language language, SettingId id);
/// The texts of a list held in both stored languages, in language.
QStringList LocalTexts(Language language, const QStringList &chinese, const QStringList &english);

/// Gives combo its entries: a list that is still empty is filled; a filled one has its entries
/// replaced by position, keeping its length and its selection.
void SetEntries(QComboBox *combo, const QStringList &entries);

} // namespace vm280
