// The DSP flash: loading a full 131,072-line Egg file, the download in
// virtual time (the logic's own cost per exchange), and the whole download
// through ambrelin-cli against ambrelin-unit on a pseudo-terminal, next to
// its wire time at 128,000 baud.
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "NullPlatform.h"
#include "app/MapControls.h"
#include "dspflash/FlashDownload.h"
#include "dspflash/FlashFile.h"
#include "link/TxRx.h"
#include "sim/VirtualLink.h"

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
    VirtualLink link;
    MapControls controls;
    NoDialogs dialogs;
    NoSettings settings;
    Ambrelin a{controls, link.port, link.pump, dialogs, settings, ""};
    link.port.Open(1, "38400,N,8,1");
    link.port.Received = [&a](auto bytes) { ReceiveEvent(a.link, bytes); };
    AudioFlashDownload_Click(a);
    if (controls.Text({"DecoderForm", "AudioFlashBurnInfo", ""}) != "烧录: 完成") state.SkipWithError("not done");
    virtualSeconds = link.pump.Now();
  }
  state.counters["virtual s"] = virtualSeconds;
  state.counters["wire s"] = WireSeconds;
  state.counters["exchanges/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * Exchanges, benchmark::Counter::kIsRate);
}
BENCHMARK(VirtualDownload)->Unit(benchmark::kMillisecond);

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// The programs as people run them; each run takes the better part of a minute.
void PtyDownload(benchmark::State& state) {
  const std::string egg = FullEggFile();
  for (auto _ : state) {
    int out[2];
    if (pipe(out) != 0) return state.SkipWithError("pipe");
    const pid_t unit = fork();
    if (unit == 0) {
      dup2(out[1], STDOUT_FILENO);
      execl(AMBRELIN_UNIT, AMBRELIN_UNIT, "--quiet", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(out[1]);
    std::string device;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') device += c;
    close(out[0]);

    const auto start = std::chrono::steady_clock::now();
    const pid_t cli = fork();
    if (cli == 0) {
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, STDOUT_FILENO);
      execl(AMBRELIN_CLI, AMBRELIN_CLI, "dsp-download", "--port", device.c_str(), egg.c_str(),
            static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    rusage cliUsage{}, unitUsage{};
    wait4(cli, &status, 0, &cliUsage);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    kill(unit, SIGTERM);
    wait4(unit, nullptr, 0, &unitUsage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return state.SkipWithError("the download did not complete");
    state.SetIterationTime(wall);
    state.counters["wall s"] = wall;
    state.counters["wire s"] = WireSeconds;
    state.counters["added ms/exchange"] = (wall - WireSeconds) / Exchanges * 1e3;
    state.counters["cli CPU %"] = (Seconds(cliUsage.ru_utime) + Seconds(cliUsage.ru_stime)) / wall * 100;
    state.counters["unit CPU %"] = (Seconds(unitUsage.ru_utime) + Seconds(unitUsage.ru_stime)) / wall * 100;
  }
}
BENCHMARK(PtyDownload)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
