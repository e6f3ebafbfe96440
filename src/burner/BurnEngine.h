#pragma once
// The burn engine: finds the front-panel chip's boot program, loads the image
// for the chip's range, erases, writes and verifies it block by block, target
// after target or line after line of a burn script.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/Ambrelin.h"
#include "burner/ChipTable.h"

// Commands of the boot program, the first data word of a request.
enum BootCommand : uint16_t { BootControl = 0, BootIdentify = 1, BootChecksum = 5, BootErase = 7, BootWrite = 10 };
// Parameters of the control command.
inline constexpr uint16_t ControlRestart = 1, ControlNextTarget = 2;
// The second data byte of the boot program's refusal.
inline constexpr uint8_t BootRefusal = 0x02;

// The 12-byte request: command and parameter, most significant byte first.
void TxBurnCommand(Ambrelin&, uint8_t type, uint8_t address, uint16_t command, uint16_t parameter);
// The 140-byte request carrying 128 bytes, with 0x53 and 0x75 exchanged in
// them. Unless the burner window's "怀旧版" box is ticked the exchange is made
// in the slice itself before the checksum is taken; ticked, the checksum
// covers the bytes as they stand and only the frame is exchanged.
void TxBurnBlock(Ambrelin&, uint8_t type, uint8_t address, uint16_t command, uint16_t addressWord,
                 std::array<uint8_t, 128>& slice);

// A state text on the main window and what the burner window shows for it,
// in Chinese and in English.
struct BurnText {
  std::string_view main, chinese, english;
};
inline constexpr BurnText StateIdle{"进度: ------", "进度: ------", "State: ------"};
// Left by a stopped burn until the next start: the chip may be half programmed.
inline constexpr BurnText StateStopped{"结束: 已停止", "结束: 已停止", "State: Stopped"};
inline constexpr BurnText StatePortClosed{"设置: 没有打开串口", "设置: 没有打开串口", "State: Com Error"};
inline constexpr BurnText StateNoTarget{"设置: 没选择目标", "设置: 没选择目标", "State: MCU ID Error"};

inline constexpr uint32_t Red = 255, Black = 0;
// The state label on both windows in `colour`; a value is appended in hex to
// the main window's text only.
void ShowBurnState(Ambrelin&, const BurnText&, uint32_t colour);
void ShowBurnState(Ambrelin&, const BurnText&, uint32_t colour, uint32_t value);
// "进度: ------" on both windows, the colour left as it is.
void ShowBurnIdle(Ambrelin&);

// Every way a burn ends.
enum class BurnEnd {
  Finished,      // the last target verified, nothing to repeat
  Stopped,       // the stop click
  Busy,          // another job runs: nothing started
  PortClosed,    // the port was not open
  PortLost,      // the port went away under the burn
  NoTarget,      // no target ID chosen, or a script line without one
  TrigError,     // the pre-trigger text is no byte
  NotFound,      // the first search found no boot program
  LoadFailed,    // the image could not be loaded, or a script line cannot be burned
  LogFailed,     // the production log cannot be written: nothing started
  TooLarge,      // the image is longer than the chip
  NextNotFound,  // no further target came (how an auto-repeat run ends)
  OtherChip,     // a later target is another chip
  EraseFailed,   // the error limit, erasing
  WriteFailed,   // the error limit, writing
  VerifyFailed,  // the error limit, verifying
  PortFailed,    // the command line could not open the port: no burn ran
  WrongImage,    // not the image the command line expected: no burn ran
};

// The end of a burn and its figures, of the last target it worked on. What
// was not heard or read for that target is left unknown, never taken over
// from the target before.
struct BurnOutcome {
  BurnEnd end = BurnEnd::Stopped;
  uint8_t target = 0;
  std::string image;        // the file burned, as named; empty for the code box
  uint16_t chipId = 0;
  bool identified = false;  // whether chipId was heard from this target
  std::optional<int32_t> imageChecksum;  // once the image is loaded for the chip
  std::optional<uint16_t> verifySum;     // the chip's last answer to the checksum request
  // Refusals and silences of each step, and their total, for this target.
  // The error label counts otherwise: erase and write together, and afresh
  // for the verify.
  int eraseErrors = 0, writeErrors = 0, verifyErrors = 0;
  int errors = 0;
  int good = 0;             // targets verified
  int32_t address = 0;      // where programming stood
  double seconds = 0;       // from the start click, or the last target's end, to this one's end
};

// Why a burn would stop short of its end, found before the first request: a
// script line without a target (NoTarget), an image that does not load or a
// script that names none (LoadFailed), and the message that says which.
struct BurnRefusal {
  BurnEnd end;
  std::string message;
};
// Reads what a burn of `path` loads, the code box for an empty path and every
// line of a script, into an image of its own: the code buffer is left alone.
// Nothing when the burn can run to its end.
std::optional<BurnRefusal> CheckBurnFile(Ambrelin&, const std::string& path);

// The start/stop button of the burn page: every click inverts ReplyWanted; a
// click that sets it runs the whole burn inside itself and returns how it
// ended, one that clears it stops the running burn at its next wait. Images
// the burn loads are filled with `fill` where they have no bytes.
BurnOutcome UpdateButtonUpdate_Click(Ambrelin&, uint8_t fill);

// The checksum the burn page shows on opening each image a burn of `path`
// loads (addresses 0 to FFFF, `fill` where the image has no bytes): one for
// an image, one a line for a script. Nothing when one does not load
// (CheckBurnFile says why).
std::optional<std::vector<int32_t>> BurnFileChecksums(Ambrelin&, const std::string& path, uint8_t fill);

// Asks `target`'s boot program for its chip as the burn's first search does,
// the pre-trigger byte included, and sends nothing else: nothing is erased or
// written. Ends Finished with the chip identified, or as the search ended.
BurnOutcome IdentifyTarget(Ambrelin&, uint8_t target);
