#include "bandselection.h"

#include "image/bands.h"

namespace vm280 {

bool BandSelection::selectionChanged(int index)
{
    m_limits = BandLimitsOf(BandText(index));
    return index != m_bandIndex;
}

void BandSelection::confirm(int index)
{
    m_limits = BandLimitsOf(BandText(index));
    m_bandIndex = index;
}

void BandSelection::selectWithoutPrompt(int index)
{
    m_bandIndex = index;
    m_limits = BandLimitsOf(BandText(index));
}

} // namespace vm280
