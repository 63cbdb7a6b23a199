#include "radiofault.h"

#include <QStringList>
#include <array>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// What follows the '=' of a fault's name.
enum class Value { None, Count, Address, AddressOrAll, Milliseconds };

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
    FaultName{"ack-ident"_L1, RadioFault::AckIdent, Value::None},
    FaultName{"ack-read"_L1, RadioFault::AckRead, Value::AddressOrAll},
    FaultName{"stray-ack"_L1, RadioFault::StrayAck, Value::Milliseconds},
};

bool isAddress(Value value)
{
    return value == Value::Address || value == Value::AddressOrAll;
}

// A count is decimal; an address is hex with "0x" in front, as the radio's addresses are written;
// an interval is a decimal number of milliseconds, 1 or more.
std::optional<int> parseValue(QStringView text, Value value)
{
    if (value == Value::AddressOrAll && text == "all"_L1)
        return RadioFault::kEveryAddress;
    bool ok = false;
    const bool hex = text.startsWith(u"0x"_s, Qt::CaseInsensitive);
    if (isAddress(value) && !hex)
        return std::nullopt;
    const int number = isAddress(value) ? text.sliced(2).toInt(&ok, 16) : text.toInt(&ok);
    if (!ok || number < (value == Value::Milliseconds ? 1 : 0))
        return std::nullopt;
    return number;
}

QString valueName(Value value)
{
    switch (value) {
    case Value::Count:
        return u"=N"_s;
    case Value::Address:
    case Value::AddressOrAll:
        return u"=ADDRESS"_s;
    case Value::Milliseconds:
        return u"=MS"_s;
    case Value::None:
        break;
    }
    return QString();
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
        (isAddress(entry.value) ? fault.address : fault.count) = *number;
        return fault;
    }
    return std::nullopt;
}

QString RadioFaultNames()
{
    QStringList names;
    for (const FaultName &entry : kFaultNames)
        names << entry.name + valueName(entry.value);
    return names.join(u", "_s);
}

} // namespace vm280
