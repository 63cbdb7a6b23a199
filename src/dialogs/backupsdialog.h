#pragma once

#include "link/backupcatalog.h"

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;
class QTableWidget;

namespace vm280 {

/// The window `FormBackups`: the backups folder's plan files (`TableBackups`: date and time, band,
/// the radio's identification, size, file), newest first. A backup chosen can be opened as the
/// plan (`CommandOpen`, or a double click), compared with the plan shown (`CommandCompare`) or
/// written back into the radio (`CommandRestore`, after a question); `CommandRefresh` reads the
/// folder again. The window only asks: its owner opens, compares and writes.
class BackupsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BackupsDialog(const QString &folder, QWidget *parent = nullptr);

    /// Reads the folder again, keeping the backup chosen when it is still there.
    void refresh();
    /// Writes every text again in the language mode.
    void showTexts();
    /// Restore waits while the port is busy (a read, a write, a batch, a search).
    void setRestoreAllowed(bool allowed);
    QTableWidget *table() const { return m_table; }
    /// Wide enough for every column and some ten rows, within the screen.
    QSize sizeHint() const override;

signals:
    void openRequested(const QString &path);
    void compareRequested(const QString &path);
    /// The user agreed to write the backup at path into the radio.
    void restoreRequested(const QString &path);

private slots:
    void openChosen();
    void compareChosen();
    void restoreChosen();
    void showButtons();

private:
    void setupUi();
    void fill();
    /// The backup chosen, when it can be opened as a plan.
    const BackupEntry *chosen() const;

    QString m_folder;
    QList<BackupEntry> m_entries;
    QLabel *m_heading = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_compare = nullptr;
    QPushButton *m_restore = nullptr;
    QPushButton *m_refresh = nullptr;
    QPushButton *m_close = nullptr;
    bool m_restoreAllowed = true;
};

} // namespace vm280
