#pragma once

#include "codeplan.h"
#include "language.h"

#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vm280 {

/// Every setting a plan holds outside the channel table, one per selector, check box or value.
enum class SettingId {
    Band,
    // main window, "Function Set"
    VoicePrompt,
    TimeOut,
    TimeOutWarn,
    SquelchGrade,
    BatterySave,
    Beep,
    // Optional functions
    PttId,
    VoxFunction,
    VoxGain,
    VoxDelay,
    VoxVolume,
    CancelOperation,
    ReceivedBannedVox,
    Duplicate,
    Priority,
    PreferredChannel,
    RetraceTimeA,
    RetraceTimeB,
    ReturnChannel,
    ScanReceiveDelay,
    ScanLaunchDelay,
    IdCode,
    TxStartCode,
    TxEndCode,
    // DTMF
    DtmfRate,
    FirstDigitTime,
    FirstDigitDelay,
    StarHashTone,
    DKey,
    DtmfSideTone,
    GroupCallCode,
    AutoResetTimer,
    // side keys
    KeyPf1,
    KeyPf2,
    // power trims
    PowerTrimHigh,
    PowerTrimLow,
};

/// The windows and frames the settings are shown in.
enum class SettingGroup {
    Model,
    FunctionSet,
    OptionalFunctions,
    Dtmf,
    Keys,
    Debug,
};

/// How a setting's value is chosen.
enum class SettingKind {
    List,  ///< one entry of a fixed list
    Check, ///< a check box, 0 or 1
    Text,  ///< free text or a number as typed
};

/// How the memory image holds a setting's value.
enum class SettingEncoding {
    Index,          ///< one byte holding the value
    IndexPlusOne,   ///< one byte holding the value + 1, so no selection (-1) is 0
    Steps,          ///< one byte holding the value in units of its range's step
    ZeroAsBlank,    ///< one byte holding the value, 0 as the unprogrammed 0xFF
    LowBit,         ///< bit 0 of a byte whose other bits are ones
    DigitCharacter, ///< the digit character of the value ('3' for 3); 0 as 0x00, and 0xFF reads 0
    Word,           ///< a signed 16-bit value, low byte first
    FixedText,      ///< one byte per character, padded with 0xFF; every byte reads back, 0xFF too
    Text,           ///< one byte per character, padded with 0xFF; 0xFF bytes read as nothing
    BandCode,       ///< the band code of the band selector's entry
};

/// Where the memory image holds a setting, in offsets from radio address 0x0010.
struct SettingPlace
{
    int offset;
    SettingEncoding encoding;
    int width = 1; ///< the bytes it takes
    int copy = -1; ///< a second offset holding the same bytes, or -1

    /// Whether it holds a text rather than a number.
    constexpr bool holdsText() const
    {
        return encoding == SettingEncoding::FixedText || encoding == SettingEncoding::Text;
    }
};

/// The numbers an image gives a setting: min to max in steps of step. A setting held as text
/// has none (max below min).
struct SettingRange
{
    qint64 min;
    qint64 max;
    qint64 step = 1;
};

/// The one table of the settings outside the channel table: for each, the store of the plan that
/// keeps it, where and how the memory image holds it and the numbers it takes there, its caption
/// and the entries of its list, exactly as the tool shows them. Traditional Chinese is shown as
/// the conversion of the Simplified texts, so every language but English gets the Simplified
/// text here; the caller converts.
class SettingCatalog
{
public:
    /// Every setting, in the order of SettingId.
    static QList<SettingId> all();
    /// Every setting of group, in the order the tool shows them.
    static QList<SettingId> settings(SettingGroup group);
    static SettingGroup groupOf(SettingId id);
    static SettingKind kindOf(SettingId id);

    static QString caption(SettingId id, Language language);
    /// The caption in a document made for a reader of language (the channel sheet): the caption,
    /// except that the ID and code labels, which the windows never translated, read in English.
    static QString readerCaption(SettingId id, Language language);
    static QString groupCaption(SettingGroup group, Language language);
    /// The list entries of a List setting, by index; empty for the other kinds.
    static QStringList entries(SettingId id, Language language);

    static SettingPlace place(SettingId id);
    static SettingRange range(SettingId id);
    /// Whether the image can give the setting value: within its range, on one of its steps.
    static bool holds(SettingId id, qint64 value);

    /// The number the plan keeps for the setting; a decimal text counts as the number it
    /// starts with, rounded, halves to the even neighbour ("abc" counts 0).
    static qint64 number(const CodePlan &plan, SettingId id);
    static void setNumber(CodePlan &plan, SettingId id, qint64 value);
    /// The setting as the plan keeps it: the text of an OptionTexts slot, any other number in
    /// decimal.
    static QString text(const CodePlan &plan, SettingId id);
    /// Sets a setting kept in an OptionTexts slot.
    static void setText(CodePlan &plan, SettingId id, const QString &text);

    /// The list index (List) or check value (Check) the plan holds, which may lie outside the
    /// list; nothing for a Text setting.
    static std::optional<int> listIndex(const CodePlan &plan, SettingId id);
    /// Sets a List or Check setting to the entry index of its list (the check value).
    static void setListIndex(CodePlan &plan, SettingId id, int index);
    /// The value as the tool shows it: the list entry, "[x]" or "[ ]" for a check box, the text
    /// or number as stored. A value without an entry shows the stored number in brackets, "(7)".
    static QString valueText(const CodePlan &plan, SettingId id, Language language);

    /// The name of the main window's list that holds a Function Set setting, which is also its
    /// member of a JSON plan's "selectors" ("Combo2"); empty for the other settings.
    static QLatin1StringView selectorName(SettingId id);
    /// The setting kept in an OptionTexts slot, if one is.
    static std::optional<SettingId> optionSetting(int slot);
    /// The setting kept in a DtmfSettings entry.
    static SettingId dtmfSetting(int entry);

    /// Header texts of the channel table, columns 0 to 8.
    static QStringList channelHeaders(Language language);
    /// Header texts of the test frequency table: channel, receive, transmit.
    static QStringList testFrequencyHeaders(Language language);
    /// Caption of the test frequency table (the same in every language).
    static QString testFrequencyCaption();
    /// Header texts of the auto-dial memory table: number, memory (the same in every language).
    static QStringList autoDialHeaders();
    /// Caption of the embedded information lines.
    static QString embeddedCaption(Language language);
};

/// The entry of the first-digit-delay list ("100MS" to "1000MS" in steps of 50 ms) for a delay
/// in milliseconds, counting on past the list's end (1050 ms gives 19); -1 for a delay below
/// 100 ms or off the 50 ms steps.
int FirstDigitDelayIndex(int milliseconds);
/// The delay in milliseconds of an entry of the first-digit-delay list.
int FirstDigitDelayMilliseconds(int index);

} // namespace vm280
