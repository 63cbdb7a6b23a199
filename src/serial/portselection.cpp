#include "portselection.h"

#include "portslots.h"

namespace vm280 {

int RememberedSlot(const PortSlots &ports, int portNumber, const QString &identity)
{
    const int slot = ports.slotOf(identity);
    return slot > 0 ? slot : portNumber;
}

PortSelection SelectPort(int portNumber, const QList<bool> &usable)
{
    const QList<bool> ports = usable.first(std::min<qsizetype>(usable.size(), kPortSlotCount));
    if (portNumber > 0 && ports.value(portNumber - 1))
        return {portNumber, portNumber, true};
    const qsizetype first = ports.indexOf(true);
    if (first < 0)
        return {portNumber, 0, false};
    return {int(first) + 1, int(first) + 1, false};
}

} // namespace vm280
