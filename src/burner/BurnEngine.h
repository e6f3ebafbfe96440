#pragma once
// The burn engine: finds the front-panel chip's boot program, loads the image
// for the chip's range, erases, writes and verifies it block by block, target
// after target or line after line of a burn script.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "app/Ambrelin.h"

// Commands of the boot program, the first data word of a request.
enum BootCommand : uint16_t { BootControl = 0, BootIdentify = 1, BootChecksum = 5, BootErase = 7, BootWrite = 10 };
// Parameters of the control command.
inline constexpr uint16_t ControlRestart = 1, ControlNextTarget = 2;
// The second data byte of the boot program's refusal.
inline constexpr uint8_t BootRefusal = 0x02;

struct Chip {
  uint16_t id;
  std::string_view caption;
  int32_t end;    // last programmable address
  int32_t block;  // erase block size
  int32_t start;  // first programmable address
};
extern const std::array<Chip, 25> Chips;
inline constexpr Chip UnknownChip{0, "器件: 未知", 0xFFFF, 128, 0};
// The row of the chip table; an unknown ID gets the defaults.
const Chip& ChipById(uint16_t id);

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
inline constexpr BurnText StatePortClosed{"设置: 没有打开串口", "设置: 没有打开串口", "State: Com Error"};
inline constexpr BurnText StateNoTarget{"设置: 没选择目标", "设置: 没选择目标", "State: MCU ID Error"};

inline constexpr uint32_t Red = 255, Black = 0;
// The state label on both windows, the main one in `colour`; a value is
// appended in hex to the main window's text only.
void ShowBurnState(Ambrelin&, const BurnText&, uint32_t colour);
void ShowBurnState(Ambrelin&, const BurnText&, uint32_t colour, uint32_t value);
// "进度: ------" on both windows, the colour left as it is.
void ShowBurnIdle(Ambrelin&);

// The start/stop button of the burn page: every click inverts ReplyWanted; a
// click that sets it runs the whole burn inside itself, one that clears it
// stops the running burn at its next wait.
void UpdateButtonUpdate_Click(Ambrelin&);
