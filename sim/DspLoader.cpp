#include "DspLoader.h"

#include <algorithm>

#include "SimUnit.h"

namespace {

uint32_t AddressAt(const std::vector<uint8_t>& data) {
  return static_cast<uint32_t>(data[4]) << 24 | static_cast<uint32_t>(data[5]) << 16 |
         static_cast<uint32_t>(data[6]) << 8 | data[7];
}

// Knobs for a command the loader does not know stay at rest.
DspFaults& FaultsOf(DspLoader& loader, uint8_t command, DspFaults& none) {
  return command == DspPing ? loader.ping : command == DspErase ? loader.erase : command == DspWrite ? loader.write : none;
}

bool Take(int& count) {
  if (count <= 0) return false;
  --count;
  return true;
}

// Carries the command out; false when it is malformed or outside the flash.
bool Carry(DspLoader& loader, const std::vector<uint8_t>& data) {
  switch (data[3]) {
    case DspPing:
      if (data.size() != 4) return false;
      ++loader.pings;
      return true;
    case DspErase: {
      if (data.size() != 8 || AddressAt(data) >= DspFlashSize) return false;
      const auto sector = loader.flash.begin() + (AddressAt(data) / DspSectorSize * DspSectorSize);
      std::fill_n(sector, DspSectorSize, 0xFF);
      ++loader.erases;
      return true;
    }
    case DspWrite: {
      if (data.size() != 8 + DspBlockSize || AddressAt(data) > DspFlashSize - DspBlockSize) return false;
      for (size_t k = 0; k < DspBlockSize; ++k) loader.flash[AddressAt(data) + k] &= data[8 + k];
      ++loader.writes;
      return true;
    }
    default:
      return false;
  }
}

uint8_t Numbered(DspLoader& loader, const SimFrame& request) {
  switch (loader.numbering) {
    case DspNumbering::Echo: return request.sequence;
    case DspNumbering::Zero: return 0;
    case DspNumbering::OwnCount: return ++loader.answered;
  }
  return 0;
}

}  // namespace

bool IsDspCommand(const SimFrame& request) {
  const auto& d = request.data;
  return request.address == DspLoaderAddress && d.size() >= 4 && d[0] == 0x44 && d[1] == 0x49 && d[2] == 0x70;
}

std::optional<std::vector<uint8_t>> DspAnswer(DspLoader& loader, double baud, const SimFrame& request) {
  // At any other speed the loader hears only noise.
  if (baud != DspLoaderBaud) return std::nullopt;
  DspFaults none;
  DspFaults& faults = FaultsOf(loader, request.data[3], none);
  if (Take(faults.silent)) return std::nullopt;
  bool refused = Take(faults.fail);
  if (!refused && (loader.failChance > 0 || loader.silentChance > 0)) {
    const double draw = std::uniform_real_distribution<double>(0, 1)(loader.random);
    if (draw < loader.silentChance) return std::nullopt;
    refused = draw < loader.silentChance + loader.failChance;
  }
  const bool done = !refused && Carry(loader, request.data);
  const uint8_t address = Take(loader.misaddressed) ? DspLoaderAddress : 0x00;
  return BuildFrame({UnitReplyType, address, Numbered(loader, request), {0x44, 0x49, 0x70, done ? DspDone : DspFailed}});
}
