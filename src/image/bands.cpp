#include "bands.h"

#include <array>

namespace vm280 {

namespace {

struct BandEntry
{
    const char16_t *text;
    const char *code;
};

constexpr std::array<BandEntry, kBandCount> kBands{{
    {u"400-480MHz", "33"},
    {u"450-490MHz", "21"},
    {u"400-430MHz", "43"},
    {u"370-390MHz", "63"},
    {u"350-370MHz", "53"},
    {u"136-174MHz", "01"},
    {u"600-720MHz", "73"},
}};

bool inRange(int index)
{
    return index >= 0 && index < kBandCount;
}

} // namespace

QString BandText(int index)
{
    return inRange(index) ? QString::fromUtf16(kBands[index].text) : QString();
}

QByteArray BandCode(int index)
{
    return inRange(index) ? QByteArray(kBands[index].code) : QByteArrayLiteral("FF");
}

int BandOfCode(QByteArrayView code)
{
    for (int i = 0; i < kBandCount; ++i) {
        if (code == kBands[i].code)
            return i;
    }
    return -1;
}

int BandOfText(QStringView text)
{
    for (int i = 0; i < kBandCount; ++i) {
        if (text == QStringView(kBands[i].text))
            return i;
    }
    return -1;
}

} // namespace vm280
