// Loading and converting images: a full 64 KB HEX load, a Tot round trip and
// the 1,024-byte dump of the burn page's view button.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "NullPlatform.h"
#include "batch/Basic.h"
#include "images/HexFile.h"
#include "images/LoadCode.h"
#include "images/RedidoFile.h"

namespace {

std::string Folder() {
  const auto folder = std::filesystem::temp_directory_path() / "ambrelin-bench";
  std::filesystem::create_directories(folder);
  return folder.string() + "/";
}

// 4,096 records of 16 bytes: the whole 64 KiB.
std::string FullHexFile() {
  const std::string path = Folder() + "full.hex";
  std::ofstream file(path, std::ios::binary);
  char line[64];
  for (int address = 0; address < 0x10000; address += 16) {
    int sum = 16 + (address >> 8) + (address & 0xFF);
    int n = std::snprintf(line, sizeof line, ":10%04X00", address);
    for (int k = 0; k < 16; ++k) {
      const int byte = (address + k * 7) & 0xFF;
      sum += byte;
      n += std::snprintf(line + n, sizeof line - static_cast<size_t>(n), "%02X", byte);
    }
    std::snprintf(line + n, sizeof line - static_cast<size_t>(n), "%02X\r\n", (-sum) & 0xFF);
    file << line;
  }
  file << ":00000001FF\r\n";
  return path;
}

void HexLoad64K(benchmark::State& state) {
  NullApp app;
  const std::string path = FullHexFile();
  for (auto _ : state) LoadCode_HexFile(app.a, path, 0xFF, 0, 65535);
  state.counters["KiB/s"] = benchmark::Counter(64.0 * static_cast<double>(state.iterations()),
                                               benchmark::Counter::kIsRate);
}
BENCHMARK(HexLoad64K)->Unit(benchmark::kMillisecond);

void TotRoundTrip(benchmark::State& state) {
  NullApp app;
  LoadCode_HexFile(app.a, FullHexFile(), 0xFF, 0, 65535);
  const std::string tot = Folder() + "full.Tot";
  for (auto _ : state) {
    SaveFile_Tot(app.a, tot);
    LoadCode_TotFile(app.a, tot, 0xFF, 0, 65535);
  }
}
BENCHMARK(TotRoundTrip)->Unit(benchmark::kMillisecond);

void Dump1024(benchmark::State& state) {
  NullApp app;
  for (auto _ : state) benchmark::DoNotOptimize(DumpCodeBuffer(app.a, 1023));
}
BENCHMARK(Dump1024)->Unit(benchmark::kMicrosecond);

}  // namespace
