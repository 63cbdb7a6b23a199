#pragma once

#include <QString>
#include <optional>

namespace vm280 {

/// A misbehaviour the simulated radio can be told to show, so the PC side's failure handling
/// can be exercised without a broken radio at hand.
struct RadioFault
{
    enum Kind {
        None,
        Silent,      ///< never answers
        WrongModel,  ///< identifies as another model
        BadAddress,  ///< read answers carry the address of the following block
        SplitAck,    ///< answers of more than one byte leave in two pieces with a pause between
        GluedAck,    ///< every acknowledgement leaves glued to a second one in the same write
        Noise,       ///< a garbage byte goes out before every answer
        DropAfter,   ///< answers `count` frames, then falls silent
        HangupAfter, ///< answers `count` frames, then hangs up the line and quits
        ForgetBlock, ///< acknowledges the write block at `address` without storing it
        AckIdent,    ///< answers every identification request with a lone acknowledgement
        AckRead,     ///< answers the read request of `address` (every one: kEveryAddress) with a lone
                     ///< acknowledgement
        StrayAck,    ///< never answers, but a lone acknowledgement goes on the line every `count` ms
    };
    /// The address of AckRead that stands for every read request.
    static constexpr int kEveryAddress = -1;

    Kind kind = None;
    int count = 0;   ///< frames answered before DropAfter or HangupAfter strikes; StrayAck's interval
    int address = 0; ///< the block ForgetBlock drops or AckRead answers wrongly
};

/// The fault named by text ("silent", "drop-after=3", "forget-block=0x0200", "ack-read=all",
/// "stray-ack=1000", ...), or nothing for an unknown name or a bad value.
std::optional<RadioFault> ParseRadioFault(QStringView text);

/// The names ParseRadioFault accepts, for usage texts.
QString RadioFaultNames();

} // namespace vm280
