#pragma once
// The command frame, the one way it is built and the one way a reply is read:
// 0x55, type, address, header sum, sequence, length N, N data bytes, sum, 0xAA.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/Ambrelin.h"

// The frame around `data`, with TxSequence advanced first: no other code
// touches the counter. The final sum covers the frame but its header sum;
// `summed`, when given, stands in for `data` in that sum (the old boot
// program sums a block before its bytes are exchanged for the wire).
std::vector<uint8_t> EncodeFrame(LinkState&, uint8_t type, uint8_t address, std::span<const uint8_t> data,
                                 std::optional<std::span<const uint8_t>> summed = std::nullopt);

// A reply as a job sees it, taken out of RxFrame.
struct Reply {
  uint8_t type = 0, address = 0, sequence = 0;
  std::vector<uint8_t> data;
};
// Consumes the reply held for the waiting job.
Reply TakeReply(LinkState&);
// The word at data[at], most significant byte first; 0 past the end.
uint16_t ReplyWord(const Reply&, size_t at);
