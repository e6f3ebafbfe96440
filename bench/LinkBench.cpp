// Frames per second through the encoder and the receive path, next to what
// the wire itself carries at 38,400 baud.
#include <benchmark/benchmark.h>

#include <vector>

#include "app/MapControls.h"
#include "link/TxRx.h"

namespace {

constexpr double Baud = 38400;
constexpr double WireFramesPerSecond = Baud / 10 / 14;  // a 14-byte panel command

struct CountingPort : SerialPort {
  size_t bytes = 0;
  std::map<int, std::string> Ports() override { return {}; }
  bool Probe(int) override { return false; }
  bool Open(int, std::string_view) override { return true; }
  bool SetSettings(std::string_view) override { return true; }
  void Close() override {}
  bool IsOpen() override { return true; }
  void Write(std::span<const uint8_t> frame) override { bytes += frame.size(); }
};

struct NoDialogs : Dialogs {
  void MessageBox(std::string_view) override {}
  void Notice(std::string_view) override {}
  std::optional<std::string> OpenFile(std::string_view) override { return std::nullopt; }
  void Play(std::string_view) override {}
};

struct NoSettings : SettingsStore {
  std::string Get(std::string_view, std::string_view) override { return {}; }
  void Put(std::string_view, std::string_view, std::string_view) override {}
};

struct NoPump : EventPump {
  double Now() override { return 0; }
  bool WaitUntil(double, const std::function<bool()>& condition) override { return condition(); }
  void Yield() override {}
};

void Encoder(benchmark::State& state) {
  MapControls controls;
  CountingPort port;
  NoPump pump;
  NoDialogs dialogs;
  NoSettings settings;
  Ambrelin a{controls, port, pump, dialogs, settings, ""};
  for (auto _ : state) TxByHex(a, "1", "0102 0011 00FD");
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["wire frames/s"] = WireFramesPerSecond;
}
BENCHMARK(Encoder);

std::vector<uint8_t> Reply(uint8_t first) {
  std::vector<uint8_t> f{0x55, 0x01, 0x00, 0x56, 0x01, 0x06, first, 0x00, 0x00, 0x20, 0x10, 0x3C};
  uint8_t sum = 0;
  for (size_t k = 0; k < f.size(); ++k)
    if (k != 3) sum = static_cast<uint8_t>(sum + f[k]);
  f.push_back(sum);
  f.push_back(0xAA);
  return f;
}

// Frames arriving a byte at a time, the worst case for the receive path.
void ReceiveByteByByte(benchmark::State& state) {
  LinkState s;
  const auto frame = Reply(0x02);
  for (auto _ : state)
    for (uint8_t b : frame) ReceiveEvent(s, std::span(&b, 1));
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["wire frames/s"] = WireFramesPerSecond;
}
BENCHMARK(ReceiveByteByByte);

// Many frames in one event: every frame taken moves the rest of the buffer.
void ReceiveBurst(benchmark::State& state) {
  LinkState s;
  std::vector<uint8_t> burst;
  for (int k = 0; k < 100; ++k) {
    const auto frame = Reply(0x02);
    burst.insert(burst.end(), frame.begin(), frame.end());
  }
  for (auto _ : state) ReceiveEvent(s, burst);
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations() * 100), benchmark::Counter::kIsRate);
  state.counters["wire frames/s"] = WireFramesPerSecond;
}
BENCHMARK(ReceiveBurst);

}  // namespace

BENCHMARK_MAIN();
