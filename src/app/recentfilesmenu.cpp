#include "recentfilesmenu.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString itemText(int number, const QString &path)
{
    // A "&" in a folder name would otherwise underline the letter after it.
    QString shown = QDir::toNativeSeparators(path);
    return u"&%1 %2"_s.arg(number).arg(shown.replace(u'&', u"&&"_s));
}

} // namespace

RecentFilesMenu::RecentFilesMenu(QWidget *parent) : QMenu(parent)
{
    refresh();
}

void RecentFilesMenu::refresh()
{
    clear();
    const QStringList files = m_files.files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction *item = addAction(itemText(i + 1, path));
        connect(item, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menuAction()->setEnabled(!files.isEmpty());
}

void RecentFilesMenu::add(const QString &path)
{
    // The items stay as they are: this may run while one of them is being handled.
    m_files.add(path);
    menuAction()->setEnabled(true);
}

} // namespace vm280
