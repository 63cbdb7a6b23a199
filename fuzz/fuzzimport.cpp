// libFuzzer target: arbitrary bytes as a JSON plan and as a CHIRP CSV file, with and without
// --strict. Import must refuse or accept without fault; an accepted plan must encode to a
// whole image and come back through its own JSON export with the same image.

#include "image/codec.h"
#include "interchange/planinterchange.h"

#include <cstdlib>

using namespace vm280;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkAccepted(const ImportResult &result)
{
    check(result.report.imported <= ChannelTable::kRows);
    const auto *plan = std::get_if<CodePlan>(&result.plan);
    if (!plan)
        return;
    const ChoiceTexts &texts = ChoiceTexts::simplifiedChinese();
    const QByteArray image = EncodeImage(*plan, texts);
    check(image.size() == 2 * kImageBytes);
    const QByteArray json = ExportPlan(*plan, InterchangeFormat::Json, texts);
    const ImportResult again = ImportPlan(json, InterchangeFormat::Json, CodePlan(), {}, texts);
    check(std::holds_alternative<CodePlan>(again.plan));
    check(EncodeImage(std::get<CodePlan>(again.plan), texts) == image);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const ChoiceTexts &texts = ChoiceTexts::simplifiedChinese();
    ImportOptions options;
    for (bool strict : {false, true}) {
        options.strict = strict;
        checkAccepted(ImportPlan(bytes, InterchangeFormat::Json, CodePlan(), options, texts));
    }
    options.band.kind = BandChoice::Automatic;
    options.locations = LocationList{{{1, 100}}};
    checkAccepted(ImportPlan(bytes, InterchangeFormat::ChirpCsv, CodePlan(), options, texts));
    options = {};
    checkAccepted(ImportPlan(bytes, InterchangeFormat::ChirpCsv, CodePlan(), options, texts));
    return 0;
}
