#include "dialogcaptions.h"

#include "editor/localtext.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace vm280 {

namespace {

void setCaption(QWidget *dialog, const char16_t *objectName, const QString &text)
{
    const QString name = QString::fromUtf16(objectName);
    if (auto *label = dialog->findChild<QLabel *>(name))
        label->setText(text);
    else if (auto *button = dialog->findChild<QAbstractButton *>(name))
        button->setText(text);
    else if (auto *frame = dialog->findChild<QGroupBox *>(name))
        frame->setTitle(text);
}

} // namespace

void ApplyControlCaptions(QWidget *dialog, std::initializer_list<ControlCaption> captions, Language language)
{
    for (const ControlCaption &caption : captions)
        setCaption(dialog, caption.objectName, LocalText(language, caption.chinese, caption.english));
}

void ApplySettingCaptions(QWidget *dialog, std::initializer_list<SettingCaption> captions, Language language)
{
    for (const SettingCaption &caption : captions)
        setCaption(dialog, caption.objectName, LocalCaption(language, caption.setting));
}

// The catalogue holds each text in both stored languages; LocalText picks per language.
QString LocalCaption(Language language, SettingId id)
{
    return LocalText(language, SettingCatalog::caption(id, Language::SimplifiedChinese),
                     SettingCatalog::caption(id, Language::English));
}

QString LocalGroupCaption(Language language, SettingGroup group)
{
    return LocalText(language, SettingCatalog::groupCaption(group, Language::SimplifiedChinese),
                     SettingCatalog::groupCaption(group, Language::English));
}

QStringList LocalEntries(Language language, SettingId id)
{
    return LocalTexts(language, SettingCatalog::entries(id, Language::SimplifiedChinese),
                      SettingCatalog::entries(id, Language::English));
}

QStringList LocalTexts(Language language, const QStringList &chinese, const QStringList &english)
{
    QStringList texts;
    for (qsizetype i = 0; i < chinese.size(); ++i)
        texts << LocalText(language, chinese[i], english.value(i));
    return texts;
}

void SetEntries(QComboBox *combo, const QStringList &entries)
{
    if (combo->count() == 0) {
        combo->addItems(entries);
        return;
    }
    for (int i = 0; i < std::min<int>(combo->count(), int(entries.size())); ++i)
        combo->setItemText(i, entries[i]);
}

} // namespace vm280
