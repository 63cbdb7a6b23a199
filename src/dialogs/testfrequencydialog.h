#pragma once

#include "image/codeplan.h"
#include "image/language.h"

#include <QDialog>

class QPushButton;

namespace vm280 {

class TestFrequencyGrid;

/// The test frequency dialog `Form4`: receive and transmit frequencies of the sixteen test
/// channels, each snapped down to the channel raster when its edit ends. A cell shows what the
/// image stores: what it cannot store is refused and the cell keeps its text.
class TestFrequencyDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TestFrequencyDialog(QWidget *parent = nullptr);
    ~TestFrequencyDialog() override;

    void showPlan(const CodePlan &plan);
    /// Copies the grid into TestFrequencies.
    void applyTo(CodePlan &plan) const;
    void applyCaptions(Language language);

private slots:
    void onCellEntered(int row, int column, const QString &text);
    void refuseFrequency();

private:
    void createWidgets();
    void initConnections();
    void setTransmitEditable(int row);

    TestFrequencyGrid *m_grid = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace vm280
