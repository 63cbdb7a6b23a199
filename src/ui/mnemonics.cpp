#include "mnemonics.h"

#include <QAbstractButton>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace vm280 {

QString WithMnemonic(const QString &caption, QChar key)
{
    if (caption.contains(u'&'))
        return caption;
    const qsizetype at = caption.indexOf(key, 0, Qt::CaseInsensitive);
    if (at >= 0)
        return caption.left(at) + u'&' + caption.mid(at);
    return caption + u"(&"_s + key.toUpper() + u')';
}

void ApplyMnemonics(QWidget *window, std::initializer_list<Mnemonic> mnemonics)
{
    for (const Mnemonic &mnemonic : mnemonics) {
        const QString name = QString::fromUtf16(mnemonic.control);
        if (auto *label = window->findChild<QLabel *>(name)) {
            label->setText(WithMnemonic(label->text(), mnemonic.key));
            label->setBuddy(window->findChild<QWidget *>(QString::fromUtf16(mnemonic.buddy)));
        } else if (auto *button = window->findChild<QAbstractButton *>(name)) {
            button->setText(WithMnemonic(button->text(), mnemonic.key));
        }
    }
}

} // namespace vm280
