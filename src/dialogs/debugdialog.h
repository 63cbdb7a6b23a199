#pragma once

#include "image/codeplan.h"
#include "image/language.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;

namespace vm280 {

/// The debug dialog `Form2`: the two transmit power trims, shown always and moved only in
/// service mode.
class DebugDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DebugDialog(QWidget *parent = nullptr);

    /// Shows PowerTrimHigh and PowerTrimLow on the sliders and their value labels.
    void showPlan(const CodePlan &plan);
    /// Copies the slider positions into the trims, whether or not the sliders are enabled.
    void applyTo(CodePlan &plan) const;
    void applyCaptions(Language language);
    /// The sliders move only in service mode; they start disabled.
    void setServiceMode(bool on);

private slots:
    void onHighMoved(int value);
    void onLowMoved(int value);

private:
    void createWidgets();
    void initConnections();
    QWidget *trimFrame(const QString &frame, QSlider *slider, QLabel *value, const QString &lowEnd,
                       const QString &highEnd);

    QSlider *m_high = nullptr;
    QSlider *m_low = nullptr;
    QLabel *m_highValue = nullptr;
    QLabel *m_lowValue = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace vm280
