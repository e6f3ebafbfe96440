#include "BootProgram.h"

#include <algorithm>

namespace {

constexpr uint8_t Refusal = 0x02;
constexpr uint8_t ReplyType = 0x01;

uint16_t Word(const SimFrame& f, size_t at) { return static_cast<uint16_t>(f.data[at] << 8 | f.data[at + 1]); }

std::vector<uint8_t> Reply(const SimFrame& request, std::vector<uint8_t> data) {
  return BuildFrame({ReplyType, 0, request.sequence, std::move(data)});
}

// A knob counting down; true while it still has requests to spoil.
bool Take(std::map<uint16_t, int>& knob, uint16_t command) {
  auto it = knob.find(command);
  if (it == knob.end() || it->second <= 0) return false;
  --it->second;
  return true;
}

bool Chance(BootProgram& boot, double chance) {
  return chance > 0 && std::uniform_real_distribution<double>(0, 1)(boot.random) < chance;
}

uint8_t Exchanged(uint8_t byte) { return byte == 0x53 ? 0x75 : byte == 0x75 ? 0x53 : byte; }

bool Erase(BootProgram& boot, uint8_t target, int32_t address) {
  if (address < boot.chipStart || address >= static_cast<int32_t>(BootFlashSize) ||
      (address - boot.chipStart) % boot.blockSize != 0)
    return false;
  auto& flash = BootFlash(boot, target);
  const int32_t end = std::min<int32_t>(address + boot.blockSize, static_cast<int32_t>(BootFlashSize));
  std::fill(flash.begin() + address, flash.begin() + end, 0xFF);
  return true;
}

// Flash cells only lose bits when written: a block written without its erase
// ends up with the AND of old and new.
bool Write(BootProgram& boot, uint8_t target, int32_t address, const std::vector<uint8_t>& data) {
  if (address < boot.chipStart || address + 128 > static_cast<int32_t>(BootFlashSize) || address % 128 != 0)
    return false;
  auto& flash = BootFlash(boot, target);
  for (size_t k = 0; k < 128; ++k) flash[static_cast<size_t>(address) + k] &= Exchanged(data[4 + k]);
  return true;
}

uint16_t Checksum(BootProgram& boot, uint8_t target, int32_t end) {
  const auto& flash = BootFlash(boot, target);
  uint32_t sum = 0;
  for (int32_t address = boot.chipStart; address <= end && address < static_cast<int32_t>(BootFlashSize); ++address)
    sum += flash[static_cast<size_t>(address)];
  return static_cast<uint16_t>(sum);
}

}  // namespace

bool IsBootRequest(const SimFrame& f) {
  if (f.type != 0 || f.data.size() < 4 || f.data[0] != 0) return false;
  const uint8_t command = f.data[1];
  if (command == 10) return f.data.size() == 132;
  return f.data.size() == 4 && (command == 0 || command == 1 || command == 5 || command == 7);
}

std::vector<uint8_t>& BootFlash(BootProgram& boot, uint8_t target) {
  auto& flash = boot.flash[target];
  if (flash.empty()) flash.assign(BootFlashSize, 0xFF);
  return flash;
}

void BootChip(BootProgram& boot, uint16_t chipId) {
  boot.chipId = chipId;
  const bool bigBlocks = chipId >> 8 == 0x01 || chipId >> 8 == 0x03 || chipId >> 8 == 0x04 || chipId == 0x0811 ||
                         chipId == 0x0832 || (chipId >= 0x0850 && chipId <= 0x0852);
  boot.blockSize = bigBlocks ? 512 : 128;
  boot.chipStart = chipId == 0x0301 || chipId == 0x0832 ? 1024 : chipId == 0x1020 ? 0x9000 : 0;
}

bool FitNextUnit(BootProgram& boot) {
  boot.fitAt.reset();
  if (boot.units > 0 && boot.fitted >= boot.units) return false;
  ++boot.fitted;
  boot.left.clear();
  boot.flash.clear();
  return true;
}

std::optional<std::vector<uint8_t>> BootAnswer(BootProgram& boot, const SimFrame& request, double now) {
  const uint8_t target = request.address;
  if (!boot.targets.contains(target)) return std::nullopt;
  if (boot.fitAt && now >= *boot.fitAt) FitNextUnit(boot);
  // The operator fits the next unit once the burner looks for a target that
  // has left: before that, a script's other targets may still be burned.
  if (boot.left.contains(target)) {
    const bool more = boot.units == 0 || boot.fitted < boot.units;
    if (!boot.fitAt && boot.nextUnitAfter >= 0 && more) boot.fitAt = now + boot.nextUnitAfter;
    return std::nullopt;
  }
  const uint16_t command = Word(request, 0);
  const uint16_t parameter = Word(request, 2);
  if (command == 0) {
    ++(parameter == 1 ? boot.restarts : boot.nextTargets);
    if (parameter == 2) boot.left.insert(target);
    return std::nullopt;
  }
  // The random faults spare identify: a unit that is there always says so.
  const bool random = command != 1;
  if (Take(boot.silence, command) || (random && Chance(boot, boot.silenceChance))) return std::nullopt;
  if (Take(boot.foreign, command)) return Reply(request, {0x00, 0x33, 0x00, 0x00});
  const uint8_t low = static_cast<uint8_t>(command);
  if (Take(boot.refuse, command) || (random && Chance(boot, boot.refuseChance))) return Reply(request, {0x00, Refusal});
  switch (command) {
    case 1: return Reply(request, {0x00, low, static_cast<uint8_t>(boot.chipId >> 8), static_cast<uint8_t>(boot.chipId)});
    case 7:
      if (!Erase(boot, target, parameter)) break;
      return Reply(request, {0x00, low});
    case 10:
      if (!Write(boot, target, parameter, request.data)) break;
      return Reply(request, {0x00, low});
    case 5: {
      const uint16_t sum = Checksum(boot, target, parameter);
      return Reply(request, {0x00, low, static_cast<uint8_t>(sum >> 8), static_cast<uint8_t>(sum)});
    }
  }
  return Reply(request, {0x00, Refusal});
}
