// The HDMI register dump: in virtual time (the logic's own cost per
// exchange), and through ambrelin-cli against ambrelin-unit on a
// pseudo-terminal, next to the wire time of its 512 frames at 38,400 baud.
#include <benchmark/benchmark.h>

#include <string>

#include "PtyUnit.h"
#include "VirtualApp.h"
#include "panels/HdmiRegisters.h"

namespace {

constexpr double Baud = 38400;
constexpr int Exchanges = 256;
// A request and its reply are 14 bytes each, one after the other.
constexpr double WireSeconds = Exchanges * 28.0 * 10 / Baud;

void VirtualDump(benchmark::State& state) {
  double virtualSeconds = 0;
  for (auto _ : state) {
    VirtualApp app;
    if (ReadRegisters(app.a, Ad9889).end != DumpEnd::Complete) state.SkipWithError("the dump did not complete");
    virtualSeconds = app.link.pump.Now();
  }
  state.counters["virtual s"] = virtualSeconds;
  state.counters["wire s"] = WireSeconds;
  state.counters["us/exchange"] = benchmark::Counter(static_cast<double>(state.iterations()) * Exchanges * 1e-6,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(VirtualDump)->Unit(benchmark::kMillisecond);

// The programs as people run them.
void PtyDump(benchmark::State& state) {
  for (auto _ : state) {
    const CliRun run = RunCli(AMBRELIN_CLI, "hdmi-dump", {"--chip", "9889"});
    if (!run.done) return state.SkipWithError("the dump did not complete");
    state.SetIterationTime(run.wall);
    for (const auto& [name, value] : CliFigures(run, WireSeconds, Exchanges)) state.counters[name] = value;
  }
}
BENCHMARK(PtyDump)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
