#include "link/Frame.h"

std::vector<uint8_t> EncodeFrame(LinkState& link, uint8_t type, uint8_t address, std::span<const uint8_t> data,
                                 std::optional<std::span<const uint8_t>> summed) {
  link.TxSequence = link.TxSequence < 255 ? static_cast<uint8_t>(link.TxSequence + 1) : 0;
  std::vector<uint8_t> frame{0x55, type, address, static_cast<uint8_t>(0x55 + type + address), link.TxSequence,
                             static_cast<uint8_t>(data.size())};
  frame.reserve(data.size() + 8);
  frame.insert(frame.end(), data.begin(), data.end());
  uint8_t sum = static_cast<uint8_t>(frame[3] + frame[4] + frame[5]);
  for (uint8_t byte : summed.value_or(data)) sum = static_cast<uint8_t>(sum + byte);
  frame.push_back(sum);
  frame.push_back(0xAA);
  return frame;
}

Reply TakeReply(LinkState& link) {
  link.RxFrameReady = false;
  const auto& f = link.RxFrame;
  const auto data = f.begin() + 6;
  return {f[1], f[2], f[4], std::vector<uint8_t>(data, data + f[5])};
}

uint16_t ReplyWord(const Reply& reply, size_t at) {
  if (at + 1 >= reply.data.size()) return 0;
  return static_cast<uint16_t>(reply.data[at] << 8 | reply.data[at + 1]);
}
