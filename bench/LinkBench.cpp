// Frames per second through the encoder and the receive path, next to what
// the wire itself carries at 38,400 baud.
#include <benchmark/benchmark.h>

#include <vector>

#include "NullPlatform.h"
#include "app/MapControls.h"
#include "link/TxRx.h"

namespace {

constexpr double Baud = 38400;
constexpr double WireFramesPerSecond = Baud / 10 / 14;  // a 14-byte panel command

void Encoder(benchmark::State& state) {
  NullApp app;
  for (auto _ : state) TxByHex(app.a, "1", "0102 0011 00FD");
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

