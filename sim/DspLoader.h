#pragma once
// The audio DSP's flash loader behind the unit's decoder board: ping, sector
// erase and block write, answered with 44 49 70 and a status byte. It only
// hears the host at 128,000 baud, and keeps the 512 KiB flash so a test can
// compare it with the image.
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "SimFrame.h"

inline constexpr uint8_t DspLoaderAddress = 0x02;
inline constexpr double DspLoaderBaud = 128000;
inline constexpr size_t DspFlashSize = 0x80000, DspSectorSize = 0x1000, DspBlockSize = 128;
// The fourth command byte, and the reply's status byte.
inline constexpr uint8_t DspPing = 0x10, DspWrite = 0x13, DspErase = 0x14;
inline constexpr uint8_t DspDone = 0x10, DspFailed = 0x11;

struct DspFaults {
  int fail = 0;    // the next K commands of this kind are refused
  int silent = 0;  // the next K commands of this kind go unanswered
};

enum class DspNumbering { Echo, Zero, OwnCount };

struct DspLoader {
  // An old program, not a blank chip: writing programs bits to 0 only, so a
  // sector written without its erase shows in the result.
  std::vector<uint8_t> flash = std::vector<uint8_t>(DspFlashSize, 0x00);
  DspFaults ping, erase, write;
  // Any command refused, or else ignored, at random, repeatably from the seed.
  double failChance = 0, silentChance = 0;
  std::mt19937 random{1};
  // The next K answers carry the loader's own address instead of the host's.
  int misaddressed = 0;
  // The sequence number its answers carry: the request's, always 0, or a
  // count of its own answers starting at 1.
  DspNumbering numbering = DspNumbering::Echo;
  uint8_t answered = 0;
  // Commands carried out.
  int pings = 0, erases = 0, writes = 0;
};

// Whether the frame is a command for the flash loader.
bool IsDspCommand(const SimFrame&);
// The loader's answer at this line speed, if it gives one. Refused and
// ignored commands change nothing; a malformed one, or one outside the
// flash, is refused.
std::optional<std::vector<uint8_t>> DspAnswer(DspLoader&, double baud, const SimFrame& request);
