#pragma once

#include <QLabel>

namespace vm280 {

/// A one-line label that never widens its window: a text longer than the room it is given loses
/// its middle to "…", so the start (what happened) and the end (a file's name) stay readable;
/// the whole text is its tool tip.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setText(const QString &text);
    /// The text as it is drawn at the label's width now.
    QString shownText() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vm280
