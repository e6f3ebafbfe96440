#include "HdmiChips.h"

#include "SimUnit.h"

RegisterBank PowerOnBank(uint8_t readCode) {
  RegisterBank bank{};
  for (size_t r = 0; r < bank.size(); ++r) bank[r] = static_cast<uint8_t>(r * 37 + readCode * 3 + 11);
  return bank;
}

RegisterBank* BankOf(HdmiChips& chips, uint8_t code) {
  switch (code & 0xF0) {
    case 0x10: return &chips.ad8197;
    case 0x20: return &chips.ad9880;
    case 0x30: return &chips.ad9889;
    default: return nullptr;
  }
}

bool IsHdmiRegisterRequest(const SimFrame& request) {
  const auto& d = request.data;
  if (d.size() != 6 || d[0] != 0x05 || d[1] != 0x00 || d[2] != 0x00) return false;
  const uint8_t code = d[3];
  return (code & 0x0E) == 0 && (code >> 4) >= 1 && (code >> 4) <= 3;
}

std::optional<std::vector<uint8_t>> AnswerHdmi(HdmiChips& chips, const SimFrame& request) {
  std::vector<uint8_t> data = request.data;
  RegisterBank& bank = *BankOf(chips, data[3]);
  const uint8_t reg = data[4];
  const bool write = data[3] & 0x01;
  if (write) {
    bank[reg] = data[5];
  } else {
    if (chips.silentAt == reg) return std::nullopt;
    data[5] = bank[reg];
    if (chips.wrongRegisterAt == reg) data[4] = static_cast<uint8_t>(reg + 1);
    if (chips.wrongChipAt == reg) data[3] = static_cast<uint8_t>(data[3] == 0x20 ? 0x30 : 0x20);
  }
  return BuildFrame({UnitReplyType, 0x00, request.sequence, data});
}
