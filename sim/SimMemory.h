#pragma once
// The unit's memory as the batch commands reach it: 256 byte locations behind
// each port (the frame's address) and sub-address. "44SS 00II" reads location
// II and is answered with its data bytes followed by the location's value;
// "44SS 01II 00DD" writes DD there and is repeated back.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "SimFrame.h"

struct SimMemory {
  // Keyed by port and sub-address; a block comes into being zeroed.
  std::map<std::pair<uint8_t, uint8_t>, std::array<uint8_t, 256>> blocks;
};

bool IsMemoryRequest(const SimFrame& request);
std::optional<std::vector<uint8_t>> AnswerMemory(SimMemory&, const SimFrame& request);
