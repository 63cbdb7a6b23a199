#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace vm280 {

/// What the File commands need of the window that shows the plan.
struct PlanDocument
{
    std::function<QByteArray()> encode;                ///< the image of the plan shown
    std::function<void(const QByteArray &)> decode;    ///< shows an opened image
    std::function<void()> clearChannels;               ///< New: empties the channels
    std::function<void(const QString &)> savedAs;      ///< the plan was written to this file
};

/// New, Open and Save of code plan files, with their questions and messages.
class CodePlanCommands : public QObject
{
    Q_OBJECT

public:
    CodePlanCommands(QWidget *window, const PlanDocument &document, QObject *parent = nullptr);

    void newPlan();
    /// Opens the file chosen in the open dialog.
    void openPlan();
    /// Opens path; false when it could not be opened (the user was told why).
    bool openFile(const QString &path);
    void savePlan();
    /// The image in the plan file at path; nothing when it could not be read (the user was told
    /// why).
    std::optional<QByteArray> readFile(const QString &path);

signals:
    /// A plan was opened from or saved to path (absolute).
    void fileUsed(const QString &path);

private:
    QString chooseSaveTarget();

    QWidget *m_window;
    PlanDocument m_document;
};

} // namespace vm280
