#include "portprobe.h"

namespace vm280 {

QList<SlotProbe> ProbePortSlots(const PortSlots &ports)
{
    QList<SlotProbe> probes;
    for (int number = 1; number <= kPortSlotCount; ++number) {
        const QString devicePath = ports.devicePath(number);
        probes.append({devicePath, devicePath.isEmpty() ? std::nullopt : ProbePort(devicePath)});
    }
    return probes;
}

QList<bool> UsableSlots(const QList<SlotProbe> &probes)
{
    QList<bool> usable;
    for (const SlotProbe &probe : probes)
        usable << probe.usable();
    return usable;
}

} // namespace vm280
