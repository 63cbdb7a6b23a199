#include "stringjtof.h"

#include "traditionalconfig.h"
#include "traditionalconverter.h"

#include <QFileInfo>
#include <memory>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

struct SharedConverter
{
    std::unique_ptr<TraditionalConverter> converter; ///< null when no configuration opened
    std::optional<QString> problem;
};

// The first configuration that opens wins; without one, the first failure is the reason.
SharedConverter openConverter()
{
    const QStringList candidates = TraditionalConfigCandidates();
    std::optional<QString> firstProblem;
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        auto converter = std::make_unique<TraditionalConverter>(path);
        if (!converter->problem())
            return {std::move(converter), std::nullopt};
        if (!firstProblem)
            firstProblem = converter->problem();
    }
    if (!firstProblem)
        firstProblem =
            u"no configuration for the character table (looked for %1)"_s.arg(candidates.join(u", "_s));
    return {nullptr, firstProblem};
}

const SharedConverter &sharedConverter()
{
    static const SharedConverter shared = openConverter();
    return shared;
}

} // namespace

QString StringJtoF(QStringView simplified)
{
    const SharedConverter &shared = sharedConverter();
    return shared.converter ? shared.converter->convert(simplified) : simplified.toString();
}

std::optional<QString> TraditionalChineseProblem()
{
    return sharedConverter().problem;
}

} // namespace vm280
