#pragma once

#include "frequencyrules.h"

namespace vm280 {

/// The band selector's rule: the limits follow the band shown, while the channel list keeps
/// the band it was made under (`BandIndex`) until a change is confirmed, since changing the
/// band empties the list.
class BandSelection
{
public:
    /// The user opened the selector's list: the band shown is the one the list belongs to.
    void dropDown(int shownIndex) { m_bandIndex = shownIndex; }
    /// The selector now shows index. Returns true when the change must be confirmed first
    /// (the list belongs to another band); the limits follow the shown band either way.
    bool selectionChanged(int index);
    /// The change to index was confirmed: the list now belongs to it. The caller empties it.
    void confirm(int index);
    /// A band chosen by the program (from an image): no question, the list stays.
    void selectWithoutPrompt(int index);

    int BandIndex() const { return m_bandIndex; }
    const BandLimits &limits() const { return m_limits; }

    bool operator==(const BandSelection &) const = default;

private:
    int m_bandIndex = 0;
    BandLimits m_limits;
};

} // namespace vm280
