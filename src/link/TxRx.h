#pragma once
// The command frame on the wire, both ways: text to frame on the way out,
// bytes to reply frames on the way in.
#include <cstdint>
#include <span>
#include <string_view>

#include "app/Ambrelin.h"
#include "link/Frame.h"

// Sends one frame with type byte 0x00; a bad text shows "TxByHex, 出错 !".
// Both say whether the frame went out.
bool TxByHex(Ambrelin&, std::string_view addressText, std::string_view commandText);
// Same with the caller's type byte; a bad text shows "TxByHex2, 出错 !".
bool TxByHex2(Ambrelin&, std::string_view typeText, std::string_view addressText,
              std::string_view commandText);

// The receive event: appends the bytes and takes the frames they complete.
void ReceiveEvent(LinkState&, std::span<const uint8_t> bytes);
// Appends to RxBuffer; bytes beyond its last index have no place and are dropped.
void AppendReceived(LinkState&, std::span<const uint8_t> bytes);
// Takes at most one frame off the front of RxBuffer.
void ExtractFrame(LinkState&);
// Takes frames until one is held for a waiting job or none is left.
void ProcessReceived(LinkState&);
// Whether a reply is held for the waiting job. Frames that came in behind the
// last one the job took are taken now: left for the next receive event, they
// would wait for good, since the unit says nothing more until asked again,
// and every later reply would be read one request late.
bool ReplyHeld(LinkState&);

enum class Wait { Reply, Timeout, Stopped, PortClosed };
struct Awaited {
  Wait wait;
  Reply reply;  // consumed, when the wait ended with one
};
// A job's wait for its reply: until one is held for it, the deadline passes,
// the job is stopped (ReplyWanted cleared) or the port is gone. A wait that
// runs out keeps the front of an answer still arriving, for the next wait.
Awaited AwaitReply(Ambrelin&, double deadline);
