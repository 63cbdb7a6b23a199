#pragma once

#include <QObject>
#include <QString>

class QKeyEvent;

namespace vm280 {

/// The characters an in-place editor of the channel grid takes. Keys that type no character
/// (arrows, Delete, shortcuts with Ctrl) are left alone.
class CellKeyFilter : public QObject
{
    Q_OBJECT

public:
    /// allowed: the characters that may be typed besides the digits; upperCased: the letters
    /// that are typed as their upper-case form.
    CellKeyFilter(const QString &allowed, const QString &upperCased, QObject *parent);

signals:
    /// Enter was pressed: the edit ends.
    void enterPressed();
    /// Escape was pressed: the edit is abandoned.
    void escapePressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool filterKey(QObject *watched, QKeyEvent *event);

    QString m_allowed;
    QString m_upperCased;
};

} // namespace vm280
