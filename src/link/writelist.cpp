#include "writelist.h"

namespace vm280 {

namespace {

constexpr int kServiceBlock = 0x0180;
constexpr int kFactoryStart = 0x0190;
constexpr int kFactoryResume = 0x01B0;
constexpr int kFillStart = 0x01C0;
constexpr int kFillResume = 0x0200;

} // namespace

int NextWriteBlock(int address, bool serviceMode)
{
    if (address == kServiceBlock && !serviceMode)
        address = kFactoryStart;
    if (address == kFactoryStart)
        address = kFactoryResume;
    if (address == kFillStart)
        address = kFillResume;
    return address;
}

QList<int> WriteBlocks(bool serviceMode)
{
    QList<int> blocks;
    for (int address = NextWriteBlock(kFirstBlock, serviceMode); address < kWriteEnd;
         address = NextWriteBlock(address + kWriteBlockBytes, serviceMode))
        blocks << address;
    return blocks;
}

} // namespace vm280
