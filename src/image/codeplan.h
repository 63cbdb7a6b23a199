#pragma once

#include "channeltable.h"

#include <QString>
#include <array>

namespace vm280 {

/// The selected entries of the main window's function-setting lists.
struct FunctionSelectors
{
    int Combo2 = 1; ///< voice prompt language: off, Chinese, English
    int Combo3 = 1; ///< transmit time-out, entry i = 15 * (i + 1) seconds; -1 = no selection
    int Combo4 = 0; ///< time-out warning: off, 1 to 10 seconds
    int Combo9 = 5; ///< squelch grade 0 to 9
    int Combo6 = 1; ///< battery save: off, on
    int Combo7 = 1; ///< beep: off, on

    bool operator==(const FunctionSelectors &) const = default;
};

/// The entries of CodePlan::OptionTexts that hold a setting, named after it. The entries 0, 1, 2,
/// 4, 20 and 21 are carried with the plan but stored nowhere in the image.
struct OptionSlot
{
    enum Index : int {
        PttId = 3,
        VoxFunction = 5,
        VoxGain = 6,
        VoxDelay = 7,
        VoxVolume = 8,
        Duplicate = 9,
        Priority = 10,
        PreferredChannel = 11,
        RetraceTimeA = 12,
        RetraceTimeB = 13,
        ReturnChannel = 14,
        IdCode = 15,
        TxStartCode = 16,
        TxEndCode = 17,
        ScanReceiveDelay = 18,
        ScanLaunchDelay = 19,
        CancelOperation = 22,
        ReceivedBannedVox = 23,
        Count = 24
    };
};

/// Everything a memory image carries, plus the settings the tool keeps beside it. A fresh value
/// is the tool's state right after start-up: no channels, band 400-480MHz, default settings.
struct CodePlan
{
    CodePlan();

    bool operator==(const CodePlan &) const = default;

    ChannelTable channels;
    int band = 0; ///< band selector index, 0 to 6
    FunctionSelectors selectors;
    /// Optional functions by OptionSlot, each a decimal text but for the ID code and the TX start
    /// and end codes.
    std::array<QString, OptionSlot::Count> OptionTexts;
    /// DTMF list indexes, but entry 2 is the first digit delay in milliseconds.
    std::array<qint16, 8> DtmfSettings{0, 1, 0, 1, 1, 1, 0, 0};
    qint16 KeyPf1 = 10; ///< side key functions, index into the key function list
    qint16 KeyPf2 = 0;
    qint16 PowerTrimHigh = 208;
    qint16 PowerTrimLow = 92;
    std::array<QString, 8> AutoDialMemories;
    /// [0] receive, [1] transmit frequency of test channels 1 to 16 ("" or "438.01250").
    std::array<std::array<QString, 16>, 2> TestFrequencies;
    std::array<QString, 2> EmbeddedTexts;
};

} // namespace vm280
