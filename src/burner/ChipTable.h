#pragma once
// The chips the boot program runs on: the identity it answers with decides
// the address range and the erase block of the burn.
#include <array>
#include <cstdint>
#include <string_view>

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
// The chip's name without the label's prefix, for a log or a summary.
std::string_view ChipName(const Chip&);
