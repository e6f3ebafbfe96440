// The DSP flash: loading a full 131,072-line Egg file, the download in
// virtual time (the logic's own cost per exchange), and the whole download
// through ambrelin-cli against ambrelin-unit on a pseudo-terminal, next to
// its wire time at 128,000 baud.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "NullPlatform.h"
#include "PtyUnit.h"
#include "VirtualApp.h"
#include "dspflash/FlashDownload.h"
#include "dspflash/FlashOpen.h"

namespace {

constexpr double Baud = 128000;
constexpr int Blocks = 4096, Sectors = 128;
constexpr int Exchanges = 1 + Sectors + Blocks;
// Both directions of every exchange: ping 12 + 12, erase 16 + 12, write 144 + 12 bytes.
constexpr double WireSeconds = (24.0 + Sectors * 28.0 + Blocks * 156.0) * 10 / Baud;

std::string FullEggFile() {
  const auto path = std::filesystem::temp_directory_path() / "ambrelin-bench-full.Img";
  std::ofstream file(path, std::ios::binary);
  char line[16];
  for (unsigned k = 0; k < 0x20000; ++k) {
    std::snprintf(line, sizeof line, "%08X\r\n", k * 2654435761u);
    file << line;
  }
  return path.string();
}

void LoadFullEgg(benchmark::State& state) {
  const std::string path = FullEggFile();
  NullApp app;
  for (auto _ : state) LoadCode_EggFile(app.a, path, 0xFF);
  if (app.a.code.Length != 0x80000) state.SkipWithError("the image did not load whole");
  state.counters["lines"] = 0x20000;
}
BENCHMARK(LoadFullEgg)->Unit(benchmark::kMillisecond);

void VirtualDownload(benchmark::State& state) {
  double virtualSeconds = 0;
  for (auto _ : state) {
    VirtualApp app;
    AudioFlashDownload_Click(app.a);
    if (app.controls.Text({"DecoderForm", "AudioFlashBurnInfo", ""}) != "烧录: 完成") state.SkipWithError("not done");
    virtualSeconds = app.link.pump.Now();
  }
  state.counters["virtual s"] = virtualSeconds;
  state.counters["wire s"] = WireSeconds;
  state.counters["exchanges/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * Exchanges, benchmark::Counter::kIsRate);
}
BENCHMARK(VirtualDownload)->Unit(benchmark::kMillisecond);

// The programs as people run them; each run takes the better part of a minute.
void PtyDownload(benchmark::State& state) {
  const std::string egg = FullEggFile();
  for (auto _ : state) {
    const CliRun run = RunCli(AMBRELIN_CLI, "dsp-download", {egg});
    if (!run.done) return state.SkipWithError("the download did not complete");
    state.SetIterationTime(run.wall);
    for (const auto& [name, value] : CliFigures(run, WireSeconds, Exchanges)) state.counters[name] = value;
  }
}
BENCHMARK(PtyDownload)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
