#include "chirppower.h"

#include "image/numeric.h"

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

std::optional<double> watts(QStringView text)
{
    double scale = 1;
    if (text.endsWith("mW"_L1, Qt::CaseInsensitive)) {
        scale = 0.001;
        text.chop(2);
    } else if (text.endsWith(u'W', Qt::CaseInsensitive)) {
        text.chop(1);
    }
    const std::optional<double> number = ParseDecimal(text);
    if (!number || *number < 0)
        return std::nullopt;
    return *number * scale;
}

} // namespace

QString ChirpPower::text(bool high)
{
    return QString::number(high ? kHighWatts : kLowWatts, 'f', 1) + u'W';
}

bool ChirpPower::isHigh(QStringView cell, BilingualText &warning)
{
    const QStringView text = cell.trimmed();
    if (text.isEmpty() || text.compare("High"_L1, Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare("Low"_L1, Qt::CaseInsensitive) == 0)
        return false;
    if (const auto power = watts(text))
        return std::abs(*power - kHighWatts) <= std::abs(*power - kLowWatts);
    warning = BilingualText{u"'%1' 不是 High、Low，也不是瓦数；按高功率处理"_s,
                            u"'%1' is neither High, Low nor watts; taken as high power"_s}
                  .arg(text.toString());
    return true;
}

} // namespace vm280
