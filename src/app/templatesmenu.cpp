#include "templatesmenu.h"

#include "ui/languagemode.h"
#include "ui/msgbox.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace vm280 {

TemplatesMenu::TemplatesMenu(QWidget *parent) : QMenu(parent)
{
    refresh();
}

void TemplatesMenu::refresh()
{
    clear();
    const QList<ChannelTemplate> templates = FindTemplates();
    for (const ChannelTemplate &found : templates) {
        // A "&" in a name would otherwise underline the letter after it.
        QAction *item = addAction(QString(found.name).replace(u'&', u"&&"_s));
        connect(item, &QAction::triggered, this, [this, found] { emit chosen(found); });
    }
    if (templates.isEmpty())
        addAction(ShownText(u"（没有模板）", u"(no templates)"))->setEnabled(false);
    addSeparator();
    QAction *folder = addAction(ShownText(u"打开我的模板文件夹…", u"Open my templates folder…"));
    folder->setObjectName(u"mnuTemplateFolder"_s);
    connect(folder, &QAction::triggered, this, &TemplatesMenu::openUserFolder);
}

// The user's own templates go here; the folder is made when it is first asked for.
void TemplatesMenu::openUserFolder()
{
    const QString folder = UserTemplateFolder();
    if (!QDir().mkpath(folder)) {
        ShowMsgbox(ShownText(u"无法创建文件夹 %1", u"Cannot create the folder %1")
                       .arg(QDir::toNativeSeparators(folder)),
                   MsgboxOkOnly + MsgboxStop);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace vm280
