#include "bandselector.h"

#include "image/bands.h"

using namespace Qt::StringLiterals;

namespace vm280 {

BandSelector::BandSelector(QWidget *parent) : QComboBox(parent)
{
    setObjectName(u"Combo1"_s);
    for (int band = 0; band < kBandCount; ++band)
        addItem(BandText(band));
}

void BandSelector::showPopup()
{
    emit droppedDown(currentIndex());
    QComboBox::showPopup();
}

} // namespace vm280
