#include "batch/Basic.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

#include "app/DesktopFormControls.h"
#include "app/Hex.h"
#include "images/CodeBuffer.h"
#include "link/TxRx.h"

std::string HexDump(std::span<const uint8_t> buffer, int last) {
  std::string text = ";    00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n\r\n";
  last = std::min(last, static_cast<int>(buffer.size()) - 1);
  char cell[16];
  for (int index = 0; index <= last; ++index) {
    if (index % 16 == 0) {
      std::snprintf(cell, sizeof cell, "%04X:", index / 16);
      text += cell;
    }
    std::snprintf(cell, sizeof cell, "%02X ", buffer[static_cast<size_t>(index)]);
    text += cell;
    if (index % 16 == 15) text += "\r\n";
  }
  return text;
}

namespace {

std::string Dump(Ambrelin& a, std::span<const uint8_t> buffer, int16_t last) {
  std::string text = HexDump(buffer, last);
  a.controls.SetText(DesktopFormControls::Text6, text);
  return text;
}

}  // namespace

std::string DumpCodeBuffer(Ambrelin& a, int16_t last) { return Dump(a, a.code.Buffer, last); }

std::string DumpReadBuffer(Ambrelin& a, int16_t last) { return Dump(a, a.BatchReadBuffer, last); }

namespace {

struct BatchTarget {
  std::string port, head;
};

// "PP:SS": a port of one or two hex digits, a colon, a sub-address of one or
// two. The encoder would refuse every command of a batch without a port or
// with a sub-address that is not hex, once per location, so such a text is
// refused here, once.
std::optional<BatchTarget> ParsePortText(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (text.empty() || !IsHexDigit(text[0]) || text.size() < 2) return std::nullopt;
  BatchTarget target{text.substr(0, IsHexDigit(text[1]) ? 2 : 1), "44"};
  const size_t colon = text.find(':', 1);
  if (colon == std::string::npos || colon + 1 >= text.size()) return std::nullopt;
  std::string sub(1, text[colon + 1]);
  if (!IsHexDigit(sub[0])) return std::nullopt;
  if (colon + 2 < text.size() && IsHexDigit(text[colon + 2])) sub += text[colon + 2];
  target.head += sub.size() == 1 ? "0" + sub : sub;
  return target;
}

}  // namespace

BatchOutcome BatchCommandRW(Ambrelin& a, std::string portText, std::string_view mode, int16_t count) {
  const auto target = ParsePortText(std::move(portText));
  if (!target) {
    a.dialogs.MessageBox("BatchCommandRW,出错");
    return {BatchEnd::BadPortText};
  }
  BatchOutcome outcome;
  const bool write = mode == "W";
  // One byte names the location.
  const int last = std::min<int>(count, 256) - 1;
  for (int i = 0; i <= last; ++i) {
    std::string command = target->head + (write ? " 01" : " 00") + TwoHexDigits(i);
    if (write) command += " 00" + TwoHexDigits(a.code.Buffer[static_cast<size_t>(i)]);
    const double sent = a.pump.Now();
    // A port that is not open (or went away) takes none of the rest; the
    // encoder has said so once.
    if (!TxByHex(a, target->port, command)) return {BatchEnd::PortClosed, outcome.sent};
    ++outcome.sent;
    a.pump.WaitUntil(sent + BatchPacing, [] { return false; });
  }
  return outcome;
}
