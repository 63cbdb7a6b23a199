#pragma once

#include "serial/batchwriter.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace vm280 {

/// The panel `FormBatch`: a batch write running on the window's link. It says what the batch
/// waits for or does, keeps the tally and every radio's result, and stops the batch (Stop, or
/// closing the panel). It is not modal: the dealer keeps the window in view. The results, as the
/// batch's CSV log, are copied to the clipboard (`CommandCopyLog`) or saved (`CommandSaveLog`,
/// which asks the owner for the file).
class BatchPanel : public QDialog
{
    Q_OBJECT

public:
    explicit BatchPanel(SerialLink &link, QWidget *parent = nullptr);

    /// Starts the batch; false (the panel is not to be shown) when nothing started.
    bool start(BatchWriter::Options options);
    BatchWriter *batch() const { return m_batch; }
    /// Writes every text again in the language mode.
    void showTexts();
    /// The results so far as the CSV log, in the window's language.
    QString logText() const;

signals:
    /// Save log was pressed: bytes are the log file to save.
    void saveLogRequested(const QByteArray &bytes);

protected:
    /// Closing stops the batch; while a radio is still being written the panel stays open until
    /// that radio is done.
    void reject() override;

private:
    void setupUi();
    void initConnections();
    void showStage();
    void radioDone(const BatchWriter::RadioResult &result);
    void stopOrClose();
    void copyLog();

    BatchWriter *m_batch = nullptr;
    QList<BatchWriter::RadioResult> m_results;
    QLabel *m_stage = nullptr;
    QLabel *m_tally = nullptr;
    QLabel *m_last = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_copyLog = nullptr;
    QPushButton *m_saveLog = nullptr;
    QPushButton *m_stop = nullptr;
    bool m_closeWhenDone = false;
};

} // namespace vm280
