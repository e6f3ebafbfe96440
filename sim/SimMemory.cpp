#include "SimMemory.h"

#include "SimUnit.h"

namespace {

bool IsRead(const std::vector<uint8_t>& d) { return d.size() == 4 && d[0] == 0x44 && d[2] == 0x00; }
bool IsWrite(const std::vector<uint8_t>& d) {
  return d.size() == 6 && d[0] == 0x44 && d[2] == 0x01 && d[4] == 0x00;
}

}  // namespace

bool IsMemoryRequest(const SimFrame& request) { return IsRead(request.data) || IsWrite(request.data); }

std::optional<std::vector<uint8_t>> AnswerMemory(SimMemory& memory, const SimFrame& request) {
  std::vector<uint8_t> data = request.data;
  auto& block = memory.blocks[{request.address, data[1]}];
  if (IsWrite(data))
    block[data[3]] = data[5];
  else
    data.push_back(block[data[3]]);
  return BuildFrame({UnitReplyType, 0x00, request.sequence, data});
}
