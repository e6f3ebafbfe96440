#pragma once
// The unit's three HDMI chips as the wire sees them: a 256-register bank each,
// read with "0500 00C0 RR00" and written with "0500 00C1 RRVV", where C0 is
// 0x10 for the AD8197 switch, 0x20 for the AD9880 receiver and 0x30 for the
// AD9889 transmitter. A read is answered with the request's data bytes and the
// register's value in place of the trailing 0x00; a write is applied and its
// request repeated back.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "SimFrame.h"

using RegisterBank = std::array<uint8_t, 256>;

// A bank as the unit starts: every register distinct from its neighbours and
// from the same register of the other chips, so a misplaced byte shows.
RegisterBank PowerOnBank(uint8_t readCode);

struct HdmiChips {
  RegisterBank ad8197 = PowerOnBank(0x10);
  RegisterBank ad9880 = PowerOnBank(0x20);
  RegisterBank ad9889 = PowerOnBank(0x30);

  // Fault knobs for reads of one register of any chip.
  std::optional<uint8_t> silentAt;         // no answer at all
  std::optional<uint8_t> wrongRegisterAt;  // the answer names the next register
  std::optional<uint8_t> wrongChipAt;      // the answer carries another chip's read code
};

// The bank behind a read or write code (0x10/0x11, 0x20/0x21, 0x30/0x31).
RegisterBank* BankOf(HdmiChips&, uint8_t code);

// Whether the request is a register read or write of one of the chips.
bool IsHdmiRegisterRequest(const SimFrame& request);
// The answer to such a request (type, address and sequence as for any reply),
// nothing when a fault keeps it silent.
std::optional<std::vector<uint8_t>> AnswerHdmi(HdmiChips&, const SimFrame& request);
