#pragma once

#include <QString>
#include <QStringList>

namespace vm280 {

/// The code plans opened or saved last, most recent first, kept in a settings file
/// (`[RecentFiles]` of `vm280/vm280.ini` in the per-user configuration folder) so that the list
/// outlives the program and is shared by every window the user runs.
class RecentFiles
{
public:
    static constexpr qsizetype kLimit = 8;

    /// The list in the user's settings of the tool.
    RecentFiles();
    /// The list in the settings file at settingsPath.
    explicit RecentFiles(const QString &settingsPath);

    /// The stored list without the files that no longer exist; a list that lost some is
    /// stored again.
    QStringList files();
    /// Puts path at the top of the stored list.
    void add(const QString &path);

    QString settingsPath() const { return m_settingsPath; }

    /// list with path at the top: absolute paths, each once, at most kLimit.
    static QStringList added(const QStringList &list, const QString &path);
    /// The entries of list that are files now.
    static QStringList pruned(const QStringList &list);

private:
    QStringList load() const;
    void save(const QStringList &list) const;

    QString m_settingsPath;
};

} // namespace vm280
