// Command, address and type texts: a frame goes out only well formed, and a
// refused text sends nothing and keeps the counter.
#include <cstdlib>
#include <string>

#include "FuzzApp.h"
#include "link/TxRx.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

// The input is split at its first two zero bytes into type, address and command.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const size_t first = text.find('\0');
  const size_t second = first == std::string::npos ? std::string::npos : text.find('\0', first + 1);
  if (second == std::string::npos) return 0;
  FuzzApp app;
  app.link.port.Open("/dev/ttyS0", "38400,N,8,1");
  app.a.link.TxSequence = 200;
  TxByHex2(app.a, text.substr(0, first), text.substr(first + 1, second - first - 1), text.substr(second + 1));
  const auto& writes = app.link.port.writes;
  if (writes.empty()) {
    Check(app.a.link.TxSequence == 200 && app.dialogs.messages.size() == 1);
    return 0;
  }
  const auto& f = writes.front();
  Check(writes.size() == 1 && f.size() == f[5] + 8u && f[0] == 0x55 && f.back() == 0xAA && f[4] == 201);
  return 0;
}
