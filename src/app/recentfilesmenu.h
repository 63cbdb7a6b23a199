#pragma once

#include "recentfiles.h"

#include <QMenu>

namespace vm280 {

/// File > Recent files: one item per plan of the recent list, numbered 1 to 8 as accelerators;
/// greyed while the list is empty.
class RecentFilesMenu : public QMenu
{
    Q_OBJECT

public:
    explicit RecentFilesMenu(QWidget *parent = nullptr);

    /// Lists the recent files again, without those that no longer exist.
    void refresh();
    /// Puts path at the top of the list; the items show it at the next refresh.
    void add(const QString &path);

signals:
    /// The user chose the item of path.
    void chosen(const QString &path);

private:
    RecentFiles m_files;
};

} // namespace vm280
