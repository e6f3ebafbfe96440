// The receive path fed any byte stream in any split: the count stays inside
// the buffer, and a frame is only ever taken whole and with its checksums.
#include <cstdlib>

#include "link/TxRx.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

void CheckTakenFrame(const LinkState& s) {
  const auto& f = s.RxFrame;
  const int n = f[5];
  Check(n <= 249);
  Check(f[0] == 0x55 && f[1] != 0 && f[7 + n] == 0xAA);
  Check(static_cast<uint8_t>(f[0] + f[1] + f[2]) == f[3]);
  uint8_t sum = f[3];
  for (int k = 4; k < 6 + n; ++k) sum = static_cast<uint8_t>(sum + f[static_cast<size_t>(k)]);
  Check(sum == f[6 + n]);
}

}  // namespace

// First byte: whether a job waits; then chunks, each led by its length byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  LinkState s;
  s.ReplyWanted = data[0] & 1;
  for (size_t at = 1; at < size;) {
    const size_t length = std::min<size_t>(data[at] + 1u, size - at - 1);
    ReceiveEvent(s, std::span(data + at + 1, length));
    at += length + 1;
    Check(s.RxCount >= 0 && s.RxCount <= 2049);
    if (s.RxFrameReady) {
      CheckTakenFrame(s);
      // The job consumes the reply about half of the time.
      if (data[at - 1] & 1) s.RxFrameReady = false;
    }
  }
  return 0;
}
