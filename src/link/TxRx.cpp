#include "link/TxRx.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/Hex.h"
#include "app/Language.h"
#include "link/Frame.h"

namespace {

// A blank stands for a zero digit: an address text " 5" is 0x05.
uint8_t PairValue(char high, char low) {
  return static_cast<uint8_t>(std::max(HexDigit(high), 0) << 4 | std::max(HexDigit(low), 0));
}

std::optional<uint8_t> ParseAddress(std::string_view text) {
  if (text.empty()) return std::nullopt;
  char c1 = text[0];
  if (!IsHexDigit(c1) && c1 != ' ') return std::nullopt;
  if (text.size() < 2 || text[1] == ' ') return PairValue('0', c1);
  if (IsHexDigit(text[1])) return PairValue(c1, text[1]);
  return std::nullopt;
}

std::optional<std::vector<uint8_t>> ParseCommand(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::vector<uint8_t> data;
  for (size_t p = 0; p < text.size();) {
    char d1 = text[p];
    if (d1 == ' ') {
      ++p;
      continue;
    }
    if (!IsHexDigit(d1)) return std::nullopt;
    char d2 = p + 1 < text.size() ? text[p + 1] : ' ';
    if (IsHexDigit(d2)) {
      data.push_back(PairValue(d1, d2));
    } else if (d2 == ' ') {
      data.push_back(PairValue('0', d1));
    } else {
      return std::nullopt;
    }
    p += 2;
  }
  // The length byte counts at most 255 data bytes.
  if (data.size() > 255) return std::nullopt;
  return data;
}

// The leading hex digits of the text; a value that does not fit the type byte
// is refused rather than cut.
std::optional<uint8_t> ParseType(std::string_view text) {
  const auto digits = std::ranges::find_if_not(text, IsHexDigit) - text.begin();
  if (digits == 0) return 0;
  const auto value = HexValue(text.substr(0, static_cast<size_t>(digits)), 0xFF);
  if (!value) return std::nullopt;
  return static_cast<uint8_t>(*value);
}

bool Send(Ambrelin& a, uint8_t type, uint8_t address, const std::vector<uint8_t>& data) {
  // A closed port cannot take the frame; say so without stopping the user, who
  // may be dragging a slider, and keep the counter for the frames that go out.
  if (!a.port.IsOpen()) {
    a.dialogs.Notice(ByLanguage(a, "串口没有打开, 命令没有发送 !", "The port is not open, nothing sent !"));
    return false;
  }
  a.port.Write(EncodeFrame(a.link, type, address, data));
  return true;
}

}  // namespace

bool TxByHex(Ambrelin& a, std::string_view addressText, std::string_view commandText) {
  auto data = ParseCommand(commandText);
  auto address = ParseAddress(addressText);
  if (!data || !address) {
    a.dialogs.MessageBox("TxByHex, 出错 !");
    return false;
  }
  return Send(a, 0x00, *address, *data);
}

bool TxByHex2(Ambrelin& a, std::string_view typeText, std::string_view addressText,
              std::string_view commandText) {
  auto type = ParseType(typeText);
  auto data = ParseCommand(commandText);
  auto address = ParseAddress(addressText);
  if (!type || !data || !address) {
    a.dialogs.MessageBox("TxByHex2, 出错 !");
    return false;
  }
  return Send(a, *type, *address, *data);
}

namespace {

constexpr int16_t RxCapacity = 2049;
// RxFrame has room for the 8 frame bytes and at most 249 data bytes.
constexpr int MaxHeldLength = 249;

void Drop(LinkState& s, int count) {
  count = std::min<int>(count, s.RxCount);
  std::copy(s.RxBuffer.begin() + count, s.RxBuffer.begin() + s.RxCount, s.RxBuffer.begin());
  s.RxCount = static_cast<int16_t>(s.RxCount - count);
}

}  // namespace

void AppendReceived(LinkState& s, std::span<const uint8_t> bytes) {
  for (uint8_t b : bytes) {
    if (s.RxCount >= RxCapacity) break;
    s.RxBuffer[static_cast<size_t>(s.RxCount)] = b;
    ++s.RxCount;
    ++s.RxReceived;
  }
}

void ReceiveEvent(LinkState& s, std::span<const uint8_t> bytes) {
  AppendReceived(s, bytes);
  ProcessReceived(s);
}

void ExtractFrame(LinkState& s) {
  if (s.RxFrameReady) {
    if (s.RxCount > RxCapacity - 1) s.RxCount = 0;
    return;
  }
  const auto& b = s.RxBuffer;
  for (;;) {
    const int count = s.RxCount;
    if (count == 0) {
      s.RxFrameTaken = false;
      return;
    }
    // No search for a later start byte: a lost 0x55 costs the whole buffer.
    if (b[0] != 0x55) {
      s.RxCount = 0;
      return;
    }
    if (count < 4) {
      s.RxFrameTaken = false;
      return;
    }
    uint8_t sum = static_cast<uint8_t>(b[0] + b[1] + b[2]);
    if (sum != b[3]) {
      Drop(s, 4);
      continue;
    }
    if (count < 6) {
      s.RxFrameTaken = false;
      return;
    }
    const int n = b[5];
    const int checksumAt = 6 + n;
    if (checksumAt >= count) {
      s.RxFrameTaken = false;
      return;
    }
    for (int k = 4; k < checksumAt; ++k) sum = static_cast<uint8_t>(sum + b[static_cast<size_t>(k)]);
    if (sum != b[static_cast<size_t>(checksumAt)] || n > MaxHeldLength) {
      Drop(s, checksumAt + 2);
      continue;
    }
    const int endAt = checksumAt + 1;
    if (endAt >= count) {
      s.RxFrameTaken = false;
      return;
    }
    if (b[static_cast<size_t>(endAt)] != 0xAA) {
      Drop(s, endAt + 1);
      continue;
    }
    // Type 0 is a host's frame (an echo of our own), never a reply.
    if (b[1] == 0) {
      Drop(s, endAt + 1);
      continue;
    }
    std::copy(b.begin(), b.begin() + endAt + 1, s.RxFrame.begin());
    Drop(s, endAt + 1);
    s.RxFrameReady = true;
    s.RxFrameTaken = true;
    return;
  }
}

void ProcessReceived(LinkState& s) {
  do {
    ExtractFrame(s);
    const uint8_t first = s.RxFrame[6];
    const bool held = first == 0x00 || first == 0x05 || first == 0x44;
    if (!(held && s.ReplyWanted)) s.RxFrameReady = false;
  } while (s.RxFrameTaken && s.RxCount != 0 && !s.RxFrameReady);
}

bool ReplyHeld(LinkState& s) {
  if (!s.RxFrameReady && s.RxCount != 0) ProcessReceived(s);
  return s.RxFrameReady;
}

namespace {

// The longest pause inside a frame still arriving: a whole frame's wire time
// at 38,400 baud and a USB adapter's latency.
constexpr double StillArriving = 0.1;

// At a wait that ran out, what is left in the buffer is the front of a frame
// (extraction has taken or dropped everything else). The front of a slow
// unit's answer that straddles the deadline is kept, to be taken whole in the
// next wait. The front of a frame whose length byte the line damaged would
// swallow the replies to the next requests: so a front is kept only while
// bytes still come, for one more wait only, and only if its length can be
// held at all.
void KeepArriving(LinkState& s, bool arriving) {
  if (s.RxCount == 0) return;
  const int64_t front = s.RxReceived - s.RxCount;
  const bool holdable = s.RxCount < 6 || s.RxBuffer[5] <= MaxHeldLength;
  if (arriving && front != s.RxKeptFront && holdable) {
    s.RxKeptFront = front;
    return;
  }
  s.RxCount = 0;
}

}  // namespace

Awaited AwaitReply(Ambrelin& a, double deadline) {
  LinkState& s = a.link;
  int64_t heard = s.RxReceived;
  std::optional<double> lastHeard;
  a.pump.WaitUntil(deadline, [&] {
    if (s.RxReceived != heard) {
      heard = s.RxReceived;
      lastHeard = a.pump.Now();
    }
    return !s.ReplyWanted || !a.port.IsOpen() || ReplyHeld(s);
  });
  if (!s.ReplyWanted) return {Wait::Stopped};
  if (!a.port.IsOpen()) return {Wait::PortClosed};
  if (s.RxFrameReady) return {Wait::Reply, TakeReply(s)};
  KeepArriving(s, lastHeard && a.pump.Now() - *lastHeard <= StillArriving);
  return {Wait::Timeout};
}
