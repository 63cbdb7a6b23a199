#pragma once

#include <QByteArray>

namespace vm280 {

/// The variables of the link, under the names the radio's programming protocol has always used.
struct LinkState
{
    QByteArray RxHex;       ///< received since last emptied, upper-case hex, two digits per byte
    QByteArray TxBuffer;    ///< the frame sent last
    int LinkPhase = 0;      ///< 1 during handshake and identification, 0 during block transfer
    char OperationCode = 0; ///< 'R' read, 'W' write, 'I' identify only; 0 before the first operation
    int BlockAddress = 0;   ///< read: next block to request; write: next block to send
    QByteArray WriteImage;  ///< the image being written, built when the radio is identified
    QByteArray ReadImage;   ///< the image being read, 128 digits per block received
    int RadioBand = 0;      ///< the band the radio was last read or written with
    bool BreakSeen = false; ///< a break arrived: the next receive drops two digits
    /// Timer1 ticks since the start or the last accepted answer (a handshake ack does not count)
    int TimeoutTicks = 0;
    bool OperationDone = false;  ///< received bytes are collected but no longer interpreted
    bool OperationEnded = false; ///< success or refusal: Timer2 counts down to giving the commands back
    int BlinkTicks = 0;          ///< Timer2 ticks counted since OperationEnded
};

/// Where an operation stands, derived from the variables.
enum class LinkStage {
    Idle,      ///< no operation has started yet
    Handshake, ///< waiting for the acknowledgement and the radio's identification
    Transfer,  ///< moving blocks
    Finished,  ///< ended by success, refusal, timeout or a lost port
};

} // namespace vm280
