#pragma once

#include "image/codeplan.h"
#include "image/language.h"

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

/// Captions and list texts of the settings outside the channel table, exactly as the tool shows
/// them, and the reading of each setting's value out of a plan. Traditional Chinese is shown as
/// the conversion of the Simplified texts, so every language but English gets the Simplified
/// text here; the caller converts.
class SettingCatalog
{
public:
    /// Every setting of group, in the order the tool shows them.
    static QList<SettingId> settings(SettingGroup group);
    static SettingGroup groupOf(SettingId id);
    static SettingKind kindOf(SettingId id);

    static QString caption(SettingId id, Language language);
    static QString groupCaption(SettingGroup group, Language language);
    /// The list entries of a List setting, by index; empty for the other kinds.
    static QStringList entries(SettingId id, Language language);

    /// The list index (List) or check value (Check) the plan holds, which may lie outside the
    /// list; nothing for a Text setting.
    static std::optional<int> listIndex(const CodePlan &plan, SettingId id);
    /// The value as the tool shows it: the list entry, "[x]" or "[ ]" for a check box, the text
    /// or number as stored. A value without an entry shows the stored number in brackets, "(7)".
    static QString valueText(const CodePlan &plan, SettingId id, Language language);

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

} // namespace vm280
