#pragma once

#include "editor/settingcatalog.h"
#include "image/language.h"

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

/// The entries of a settings list in language.
QStringList LocalEntries(Language language, SettingId id);

/// Gives combo its entries: a list that is still empty is filled; a filled one has its entries
/// replaced by position, keeping its length and its selection.
void SetEntries(QComboBox *combo, const QStringList &entries);

/// The entry of a list of count entries that a stored decimal text stands for, when the store
/// holds entry + offset; -1 (no entry) when the number lies outside the list.
int StoredEntryIndex(const QString &stored, int count, int offset = 0);

} // namespace vm280
