#include "interchangeformat.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace vm280 {

std::optional<InterchangeFormat> InterchangeFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "json"_L1)
        return InterchangeFormat::Json;
    if (suffix == "csv"_L1)
        return InterchangeFormat::ChirpCsv;
    return std::nullopt;
}

} // namespace vm280
