#pragma once

#include <QList>

namespace vm280 {

/// A write sends 16-byte blocks from 0x0010 up to 0x035F, but never 0x0190-0x01AF and
/// 0x01C0-0x01FF (they belong to the radio), and the power trims at 0x0180 only in service mode.
inline constexpr int kWriteBlockBytes = 0x10;
/// The first radio address of the memory image, where reads and writes begin.
inline constexpr int kFirstBlock = 0x0010;
/// The address a write ends at: every block below it has been sent.
inline constexpr int kWriteEnd = 0x0360;

/// The first block at or after address (a block boundary) that a write sends.
int NextWriteBlock(int address, bool serviceMode);

/// The radio addresses of every block a write sends, in the order it sends them.
QList<int> WriteBlocks(bool serviceMode);

} // namespace vm280
