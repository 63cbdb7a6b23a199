#include "droppedfile.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace vm280 {

QString DroppedFile(const QMimeData &data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

} // namespace vm280
