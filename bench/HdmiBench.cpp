// The HDMI register dump: in virtual time (the logic's own cost per
// exchange), and through ambrelin-cli against ambrelin-unit on a
// pseudo-terminal, next to the wire time of its 512 frames at 38,400 baud.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>

#include "NullPlatform.h"
#include "app/MapControls.h"
#include "link/TxRx.h"
#include "panels/HdmiRegisters.h"
#include "sim/VirtualLink.h"

namespace {

constexpr double Baud = 38400;
constexpr int Exchanges = 256;
// A request and its reply are 14 bytes each, one after the other.
constexpr double WireSeconds = Exchanges * 28.0 * 10 / Baud;

void VirtualDump(benchmark::State& state) {
  double virtualSeconds = 0;
  for (auto _ : state) {
    VirtualLink link;
    MapControls controls;
    NoDialogs dialogs;
    NoSettings settings;
    Ambrelin a{controls, link.port, link.pump, dialogs, settings, ""};
    link.port.Open(1, "38400,N,8,1");
    link.port.Received = [&a](auto bytes) { ReceiveEvent(a.link, bytes); };
    if (ReadRegisters(a, Ad9889).end != DumpEnd::Complete) state.SkipWithError("the dump did not complete");
    virtualSeconds = link.pump.Now();
  }
  state.counters["virtual s"] = virtualSeconds;
  state.counters["wire s"] = WireSeconds;
  state.counters["us/exchange"] = benchmark::Counter(static_cast<double>(state.iterations()) * Exchanges * 1e-6,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(VirtualDump)->Unit(benchmark::kMillisecond);

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// The programs as people run them.
void PtyDump(benchmark::State& state) {
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
      execl(AMBRELIN_CLI, AMBRELIN_CLI, "hdmi-dump", "--port", device.c_str(), "--chip", "9889",
            static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    rusage cliUsage{}, unitUsage{};
    wait4(cli, &status, 0, &cliUsage);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    kill(unit, SIGTERM);
    wait4(unit, nullptr, 0, &unitUsage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return state.SkipWithError("the dump did not complete");
    state.SetIterationTime(wall);
    state.counters["wall s"] = wall;
    state.counters["wire s"] = WireSeconds;
    state.counters["added ms/exchange"] = (wall - WireSeconds) / Exchanges * 1e3;
    state.counters["cli CPU %"] = (Seconds(cliUsage.ru_utime) + Seconds(cliUsage.ru_stime)) / wall * 100;
    state.counters["unit CPU %"] = (Seconds(unitUsage.ru_utime) + Seconds(unitUsage.ru_stime)) / wall * 100;
  }
}
BENCHMARK(PtyDump)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
