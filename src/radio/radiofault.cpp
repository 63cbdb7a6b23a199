#include "radiofault.h"

#include <QStringList>
#include <array>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

struct FaultName
{
    QLatin1StringView name;
    RadioFault::Kind kind;
    bool counted;
};

constexpr std::array kFaultNames{
    FaultName{"silent"_L1, RadioFault::Silent, false},
    FaultName{"wrong-model"_L1, RadioFault::WrongModel, false},
    FaultName{"bad-address"_L1, RadioFault::BadAddress, false},
    FaultName{"split-ack"_L1, RadioFault::SplitAck, false},
    FaultName{"glued-ack"_L1, RadioFault::GluedAck, false},
    FaultName{"noise"_L1, RadioFault::Noise, false},
    FaultName{"drop-after"_L1, RadioFault::DropAfter, true},
    FaultName{"hangup-after"_L1, RadioFault::HangupAfter, true},
};

} // namespace

std::optional<RadioFault> ParseRadioFault(QStringView text)
{
    const qsizetype equals = text.indexOf(u'=');
    const QStringView name = equals < 0 ? text : text.first(equals);
    for (const FaultName &entry : kFaultNames) {
        if (name != entry.name)
            continue;
        if (!entry.counted)
            return equals < 0 ? std::optional(RadioFault{entry.kind, 0}) : std::nullopt;
        bool ok = false;
        const int count = equals < 0 ? -1 : text.sliced(equals + 1).toInt(&ok);
        if (!ok || count < 0)
            return std::nullopt;
        return RadioFault{entry.kind, count};
    }
    return std::nullopt;
}

QString RadioFaultNames()
{
    QStringList names;
    for (const FaultName &entry : kFaultNames)
        names << (entry.counted ? entry.name + "=N"_L1 : QString(entry.name));
    return names.join(u", "_s);
}

} // namespace vm280
