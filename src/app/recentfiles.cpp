#include "recentfiles.h"

#include "ui/inisettings.h"

#include <QFileInfo>
#include <QSettings>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

const QString kGroup = u"RecentFiles"_s;
const QString kKey = u"path"_s;

// Absolute paths, each once, at most the limit: a hand-edited file may hold blanks, relative
// paths or the same file twice.
QStringList normalised(const QStringList &list)
{
    QStringList result;
    for (const QString &path : list) {
        if (result.size() == RecentFiles::kLimit)
            break;
        if (path.isEmpty())
            continue;
        const QString entry = QFileInfo(path).absoluteFilePath();
        if (!result.contains(entry))
            result << entry;
    }
    return result;
}

} // namespace

RecentFiles::RecentFiles() : RecentFiles(ToolSettingsPath()) {}

RecentFiles::RecentFiles(const QString &settingsPath) : m_settingsPath(settingsPath) {}

QStringList RecentFiles::files()
{
    const QStringList stored = load();
    const QStringList existing = pruned(stored);
    if (existing != stored)
        save(existing);
    return existing;
}

void RecentFiles::add(const QString &path)
{
    // Read again first: another window of the tool may have added to the list meanwhile.
    save(added(load(), path));
}

QStringList RecentFiles::added(const QStringList &list, const QString &path)
{
    if (path.isEmpty())
        return normalised(list);
    return normalised(QStringList{path} + list);
}

QStringList RecentFiles::pruned(const QStringList &list)
{
    QStringList result;
    for (const QString &path : list) {
        if (QFileInfo(path).isFile())
            result << path;
    }
    return result;
}

QStringList RecentFiles::load() const
{
    const auto settings = OpenIniSettings(m_settingsPath);
    if (!settings)
        return {};
    QStringList list;
    // A hand-edited size may say anything: no more entries than the list holds are read.
    const int size = std::clamp(settings->beginReadArray(kGroup), 0, int(kLimit));
    for (int i = 0; i < size; ++i) {
        settings->setArrayIndex(i);
        list << settings->value(kKey).toString();
    }
    settings->endArray();
    return normalised(list);
}

// A list that cannot be stored is not worth a message: the plan itself was opened or saved.
void RecentFiles::save(const QStringList &list) const
{
    const auto settings = OpenIniSettings(m_settingsPath);
    if (!settings)
        return;
    settings->remove(kGroup);
    settings->beginWriteArray(kGroup, int(list.size()));
    for (int i = 0; i < list.size(); ++i) {
        settings->setArrayIndex(i);
        settings->setValue(kKey, list[i]);
    }
    settings->endArray();
}

} // namespace vm280
