#pragma once

#include <QList>

namespace vm280::test {

/// The radio addresses a write sends, in order: 0x0010 to 0x0170, 0x0180 only in service mode,
/// 0x01B0, then 0x0200 to 0x0350.
inline QList<int> expectedWriteBlocks(bool serviceMode)
{
    QList<int> blocks;
    for (int a = 0x0010; a <= 0x0170; a += 0x10)
        blocks << a;
    if (serviceMode)
        blocks << 0x0180;
    blocks << 0x01B0;
    for (int a = 0x0200; a <= 0x0350; a += 0x10)
        blocks << a;
    return blocks;
}

} // namespace vm280::test
