#pragma once

#include <QString>

namespace vm280 {

/// The texts a read or write shows, on the status label or in a message box. Each has its row in
/// the table of linktext.cpp; a new text goes last, and the table checks its own order.
enum class LinkText {
    PortNotOpen,        ///< message box: the read or write command found the port closed
    Communicating,      ///< status label while an operation runs
    BandQuestion,       ///< Yes/No box before writing to a radio of another band; status label after No
    WriteDone,          ///< status label after a write
    ReadDone,           ///< status label after a read
    CommunicationError, ///< message box: the radio stopped answering or answered wrongly
    WriteVerified,      ///< status label after a write whose read-back matched
    VerifyMismatch,     ///< message box and status label: the read-back differs from what was written
    BackupFailed,       ///< message box and status label: the backup could not be saved, nothing written
    RadioIdentified,    ///< status label after the radio identified itself as a VM-280
};

/// The Simplified Chinese text; the Traditional Chinese text is its conversion.
QString LinkTextChinese(LinkText text);
/// The English text, worded as the tool always has.
QString LinkTextEnglish(LinkText text);
/// The message-box style value the text is shown with: 64 (information, OK), 68 (information,
/// Yes and No) or 16 (error, OK); 0 for the texts that only appear on the status label.
int LinkTextStyle(LinkText text);

} // namespace vm280
