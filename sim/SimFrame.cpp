#include "SimFrame.h"

#include <algorithm>

std::vector<uint8_t> BuildFrame(const SimFrame& frame) {
  const size_t n = std::min<size_t>(frame.data.size(), 255);
  std::vector<uint8_t> bytes{FrameStart, frame.type, frame.address};
  bytes.push_back(static_cast<uint8_t>(bytes[0] + bytes[1] + bytes[2]));
  bytes.push_back(frame.sequence);
  bytes.push_back(static_cast<uint8_t>(n));
  bytes.insert(bytes.end(), frame.data.begin(),
               frame.data.begin() + static_cast<std::ptrdiff_t>(n));
  // The header checksum is not part of the frame checksum.
  uint8_t sum = 0;
  for (size_t i = 0; i < bytes.size(); ++i)
    if (i != 3) sum = static_cast<uint8_t>(sum + bytes[i]);
  bytes.push_back(sum);
  bytes.push_back(FrameEnd);
  return bytes;
}

std::vector<SimFrame> ReadFrames(SimReader& reader, std::span<const uint8_t> chunk) {
  std::vector<uint8_t>& b = reader.buffer;
  b.insert(b.end(), chunk.begin(), chunk.end());
  std::vector<SimFrame> frames;
  size_t pos = 0;
  for (;;) {
    while (pos < b.size() && b[pos] != FrameStart) ++pos;
    const size_t avail = b.size() - pos;
    if (avail < 4) break;
    const uint8_t header = static_cast<uint8_t>(b[pos] + b[pos + 1] + b[pos + 2]);
    if (header != b[pos + 3]) {
      ++pos;
      continue;
    }
    if (avail < 6) break;
    const size_t n = b[pos + 5];
    if (avail < n + 8) break;
    uint8_t sum = header;
    for (size_t i = pos + 4; i <= pos + 5 + n; ++i) sum = static_cast<uint8_t>(sum + b[i]);
    if (sum != b[pos + 6 + n] || b[pos + 7 + n] != FrameEnd) {
      ++pos;
      continue;
    }
    const auto data = b.begin() + static_cast<std::ptrdiff_t>(pos + 6);
    frames.push_back(
        {b[pos + 1], b[pos + 2], b[pos + 4], {data, data + static_cast<std::ptrdiff_t>(n)}});
    pos += n + 8;
  }
  b.erase(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(pos));
  return frames;
}
