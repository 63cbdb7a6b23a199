#include "dialogcaptions.h"

#include "editor/localtext.h"
#include "image/numeric.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace vm280 {

void ApplyControlCaptions(QWidget *dialog, std::initializer_list<ControlCaption> captions, Language language)
{
    for (const ControlCaption &caption : captions) {
        const QString name = QString::fromUtf16(caption.objectName);
        const QString text = LocalText(language, caption.chinese, caption.english);
        if (auto *label = dialog->findChild<QLabel *>(name))
            label->setText(text);
        else if (auto *button = dialog->findChild<QAbstractButton *>(name))
            button->setText(text);
        else if (auto *frame = dialog->findChild<QGroupBox *>(name))
            frame->setTitle(text);
    }
}

QStringList LocalEntries(Language language, SettingId id)
{
    // The catalogue holds each list in both stored languages; LocalText picks per language.
    const QStringList chinese = SettingCatalog::entries(id, Language::SimplifiedChinese);
    const QStringList english = SettingCatalog::entries(id, Language::English);
    QStringList entries;
    for (qsizetype i = 0; i < chinese.size(); ++i)
        entries << LocalText(language, chinese[i], english.value(i));
    return entries;
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

int StoredEntryIndex(const QString &stored, int count, int offset)
{
    const qint64 index = RoundHalfEven(LeadingNumber(stored)) - offset;
    return index >= 0 && index < count ? int(index) : -1;
}

} // namespace vm280
