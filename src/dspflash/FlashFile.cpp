#include "dspflash/FlashFile.h"

#include <algorithm>
#include <string_view>

#include "app/Hex.h"
#include "dspflash/NumberText.h"
#include "images/TextLines.h"

namespace {

constexpr std::string_view EggFailed = "LoadCode_EggFile时, 出错 !";
constexpr std::string_view FlashFailed = "LoadCode_FlashFile时, 出错 !";
constexpr int EggLineLength = 8;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The leading hex digits of the text, blanks among them skipped; 0 when it
// starts with anything else.
uint32_t LeadingHex(std::string_view text) {
  uint32_t value = 0;
  for (char c : text) {
    if (IsBlank(c)) continue;
    if (!IsHexDigit(c)) break;
    value = value * 16 + static_cast<uint32_t>(HexDigit(c));
  }
  return value;
}

uint8_t PairValue(std::string_view pair) { return static_cast<uint8_t>(LeadingHex(pair)); }

}  // namespace

Loaded ReadEggFile(CodeImage& code, const std::string& path, uint8_t fill, EventPump& pump) {
  const auto lines = ReadLines(path);
  if (!lines) return Failed({}, EggFailed);
  if (lines->empty()) return Failed({}, std::string(EggFailed) + NoData);
  std::fill(code.Buffer.begin(), code.Buffer.begin() + CodeBufferLast + 1, fill);
  code.Length = 0;
  Loaded loaded;
  for (const std::string& line : *lines) {
    pump.Yield();
    ++loaded.lines;
    if (line.size() != EggLineLength) return Failed(loaded, "数据长度出错:" + NumberText(int64_t{loaded.lines}));
    for (size_t at = 0; at < line.size(); at += 2) {
      if (!WriteCode(code, code.Length, PairValue(std::string_view(line).substr(at, 2))))
        return Failed(loaded, EggFailed);
      ++code.Length;
    }
  }
  loaded.length = loaded.stored = code.Length;
  return loaded;
}

Loaded ReadFlashFile(CodeImage& code, const std::string& path, EventPump& pump) {
  const auto lines = ReadLines(path);
  if (!lines) return Failed({}, FlashFailed);
  code.Length = 0;
  Loaded loaded;
  int64_t address = 0;
  for (const std::string& line : *lines) {
    pump.Yield();
    ++loaded.lines;
    if (line.starts_with("# [")) {
      address = LeadingHex(std::string_view(line).substr(3, 6));
      continue;
    }
    // A line of blanks looks empty and is taken as one, not as a byte 00.
    if (std::all_of(line.begin(), line.end(), IsBlank)) continue;
    std::string_view rest = line;
    for (;;) {
      // The first token of a line is taken as it stands.
      if (!WriteCode(code, address, PairValue(rest.substr(0, 2)))) return Failed(loaded, FlashFailed);
      ++address;
      ++loaded.stored;
      code.Length = std::max<int32_t>(code.Length, static_cast<int32_t>(address));
      if (rest.size() < 3) break;
      rest.remove_prefix(1);
      if (rest.size() < 3) return Failed(loaded, FlashFailed);
      rest.remove_prefix(1);
      while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
      // Anything but a hex pair ends the line: that is how a comment follows the data.
      if (rest.size() < 2 || !IsHexDigit(rest[0]) || !IsHexDigit(rest[1])) break;
    }
  }
  loaded.length = code.Length;
  if (loaded.stored == 0) return Failed(loaded, std::string(FlashFailed) + NoData);
  return loaded;
}
