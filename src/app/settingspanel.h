#pragma once

#include <QScrollArea>

namespace vm280 {

/// The column beside the channel grid that holds the band and function-settings frames: as wide
/// as they are whatever the window's width, and scrolled vertically when the window is too short
/// to show them whole (a small screen, or a large scale), so none of them is ever out of reach.
class SettingsPanel : public QScrollArea
{
    Q_OBJECT

public:
    explicit SettingsPanel(QWidget *content, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void showFocused(QWidget *old, QWidget *now);
};

} // namespace vm280
