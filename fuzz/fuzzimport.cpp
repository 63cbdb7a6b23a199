// libFuzzer target: arbitrary bytes as a JSON plan and as a CHIRP CSV file. Import must refuse
// or accept without fault; an accepted plan must encode to a whole image and come back through
// its own JSON export unchanged.

#include "cli/chirpcsv.h"
#include "cli/planjson.h"
#include "image/codec.h"

#include <cstdlib>

using namespace vm280;
using namespace vm280::cli;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkAccepted(const std::variant<CodePlan, InputError> &result)
{
    const auto *plan = std::get_if<CodePlan>(&result);
    if (!plan)
        return;
    const ChoiceTexts &texts = ChoiceTexts::simplifiedChinese();
    const QByteArray image = EncodeImage(*plan, texts);
    check(image.size() == 2 * kImageBytes);
    const auto again = PlanJson::read(PlanJson::write(*plan, texts), CodePlan(), texts);
    check(std::holds_alternative<CodePlan>(again));
    check(EncodeImage(std::get<CodePlan>(again), texts) == image);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const ChoiceTexts &texts = ChoiceTexts::simplifiedChinese();
    checkAccepted(PlanJson::read(bytes, CodePlan(), texts));
    checkAccepted(ChirpCsv::read(QString::fromUtf8(bytes), CodePlan(), texts));
    return 0;
}
