#include "radiofault.h"

#include <QStringList>
#include <array>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// What follows the '=' of a fault's name.
enum class Value { None, Count, Address };

struct FaultName
{
    QLatin1StringView name;
    RadioFault::Kind kind;
    Value value;
};

constexpr std::array kFaultNames{
    FaultName{"silent"_L1, RadioFault::Silent, Value::None},
    FaultName{"wrong-model"_L1, RadioFault::WrongModel, Value::None},
    FaultName{"bad-address"_L1, RadioFault::BadAddress, Value::None},
    FaultName{"split-ack"_L1, RadioFault::SplitAck, Value::None},
    FaultName{"glued-ack"_L1, RadioFault::GluedAck, Value::None},
    FaultName{"noise"_L1, RadioFault::Noise, Value::None},
    FaultName{"drop-after"_L1, RadioFault::DropAfter, Value::Count},
    FaultName{"hangup-after"_L1, RadioFault::HangupAfter, Value::Count},
    FaultName{"forget-block"_L1, RadioFault::ForgetBlock, Value::Address},
};

// A count is decimal; an address is hex with "0x" in front, as the radio's addresses are written.
std::optional<int> parseValue(QStringView text, Value value)
{
    bool ok = false;
    const bool hex = text.startsWith(u"0x"_s, Qt::CaseInsensitive);
    if (value == Value::Address && !hex)
        return std::nullopt;
    const int number = value == Value::Address ? text.sliced(2).toInt(&ok, 16) : text.toInt(&ok);
    if (!ok || number < 0)
        return std::nullopt;
    return number;
}

} // namespace

std::optional<RadioFault> ParseRadioFault(QStringView text)
{
    const qsizetype equals = text.indexOf(u'=');
    const QStringView name = equals < 0 ? text : text.first(equals);
    for (const FaultName &entry : kFaultNames) {
        if (name != entry.name)
            continue;
        if (entry.value == Value::None)
            return equals < 0 ? std::optional(RadioFault{entry.kind}) : std::nullopt;
        const auto number = equals < 0 ? std::nullopt : parseValue(text.sliced(equals + 1), entry.value);
        if (!number)
            return std::nullopt;
        RadioFault fault{entry.kind};
        (entry.value == Value::Count ? fault.count : fault.address) = *number;
        return fault;
    }
    return std::nullopt;
}

QString RadioFaultNames()
{
    QStringList names;
    for (const FaultName &entry : kFaultNames)
        names << (entry.value == Value::None    ? QString(entry.name)
                  : entry.value == Value::Count ? entry.name + "=N"_L1
                                                : entry.name + "=ADDRESS"_L1);
    return names.join(u", "_s);
}

} // namespace vm280
