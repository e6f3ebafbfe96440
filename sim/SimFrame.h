#pragma once
// Command frames as the unit sees them, built and parsed on the unit's own
// terms so that a fault in the program's encoder cannot hide itself in the
// tests by being mirrored here.
#include <cstdint>
#include <span>
#include <vector>

// 0x55, type, address, header checksum, sequence, length N, N data bytes,
// checksum, 0xAA.
struct SimFrame {
  uint8_t type = 0;
  uint8_t address = 0;
  uint8_t sequence = 0;
  std::vector<uint8_t> data;
  bool operator==(const SimFrame&) const = default;
};

inline constexpr uint8_t FrameStart = 0x55;
inline constexpr uint8_t FrameEnd = 0xAA;

// At most 255 data bytes fit the length byte; the rest are not sent.
std::vector<uint8_t> BuildFrame(const SimFrame&);

// Bytes received but not yet part of a whole frame.
struct SimReader {
  std::vector<uint8_t> buffer;
};

// Appends a chunk and returns the frames it completes, in order. Anything
// that is not a well-formed frame is skipped up to the next 0x55, so one
// damaged frame never costs the ones behind it.
std::vector<SimFrame> ReadFrames(SimReader&, std::span<const uint8_t> chunk);
