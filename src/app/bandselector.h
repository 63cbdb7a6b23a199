#pragma once

#include <QComboBox>

namespace vm280 {

/// The band selector `Combo1`: a list of the seven bands that tells when the user opens it,
/// which is when the band the channel list belongs to is taken from it.
class BandSelector : public QComboBox
{
    Q_OBJECT

public:
    explicit BandSelector(QWidget *parent = nullptr);

    void showPopup() override;

signals:
    void droppedDown(int shownIndex);
};

} // namespace vm280
