#pragma once
// The front-panel microcontroller's resident boot program, as the unit runs
// it: identify, erase a block, write 128 bytes (undoing the byte exchange of
// the wire), checksum from chip start to the requested end, control. It keeps
// the flash of every target so a test can compare it with the image.
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <vector>

#include "SimFrame.h"

inline constexpr size_t BootFlashSize = 0x10000;

struct BootProgram {
  uint16_t chipId = 0x0003;
  int32_t chipStart = 0;
  int32_t blockSize = 128;
  // Target IDs that answer; a request to any other is not for this unit.
  std::set<uint8_t> targets{1, 2, 3, 4, 5, 6};
  std::map<uint8_t, std::vector<uint8_t>> flash;  // erased (0xFF) until written

  // Fault knobs, by command (1 identify, 5 checksum, 7 erase, 10 write): the
  // next K such requests are refused, go unanswered, or get a well-formed
  // reply to some other command.
  std::map<uint16_t, int> refuse, silence, foreign;
  // Or at random, repeatably from the seed; identify is spared.
  double refuseChance = 0, silenceChance = 0;
  std::mt19937 random{1};

  // What came in besides the flash traffic.
  int restarts = 0, nextTargets = 0;

  // The "next target" request makes its target leave the boot program: it
  // answers nothing until the next unit is fitted, `nextUnitAfter` seconds
  // after the first request to a target that left (never while negative) or
  // at FitNextUnit, as long as fewer than `units` have been fitted (0: no
  // end). A fresh unit has the same chip and erased flash.
  double nextUnitAfter = -1;
  int units = 0;
  int fitted = 1;
  std::set<uint8_t> left;
  std::optional<double> fitAt;
};

// Whether the frame is addressed to the boot program at all.
bool IsBootRequest(const SimFrame&);
// The boot program's reply, if it gives one, to a request that came in at
// `now` on the driver's clock.
std::optional<std::vector<uint8_t>> BootAnswer(BootProgram&, const SimFrame& request, double now);
// The next unit in place of the present one; false once `units` have been fitted.
bool FitNextUnit(BootProgram&);
// The flash of one target as it stands (all 0xFF before anything was written).
std::vector<uint8_t>& BootFlash(BootProgram&, uint8_t target);
// Sets chip start and block size as the chip with this ID has them.
void BootChip(BootProgram&, uint16_t chipId);
