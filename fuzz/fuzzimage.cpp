// libFuzzer target: arbitrary bytes as a code plan file's content, and as raw image text.
// Opening must refuse or decode without fault, and the codec must reach a fixed point: a plan
// decoded from the encoder's own output encodes to that same output.

#include "image/codec.h"
#include "image/codeplanfile.h"
#include "image/hex.h"

#include <cstdlib>

using namespace vm280;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void roundTrip(const QByteArray &image, const ChoiceTexts &texts)
{
    CodePlan plan;
    if (!DecodeImage(plan, image, texts))
        return;
    const QByteArray first = EncodeImage(plan, texts);
    check(first.size() == 2 * kImageBytes && IsUpperHex(first));
    CodePlan again;
    check(DecodeImage(again, first, texts));
    check(EncodeImage(again, texts) == first);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const auto parsed = ParseCodePlan(bytes);
    if (const auto *image = std::get_if<QByteArray>(&parsed)) {
        roundTrip(*image, ChoiceTexts::simplifiedChinese());
        roundTrip(*image, ChoiceTexts::english());
    }
    CodePlan plan;
    DecodeImage(plan, bytes, ChoiceTexts::english());
    return 0;
}
