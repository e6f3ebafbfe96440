#include "dspflash/FlashFile.h"

#include <algorithm>
#include <string_view>

#include "app/Hex.h"
#include "dspflash/NumberText.h"
#include "images/TextLines.h"
#include "panels/DecoderFormControls.h"

namespace C = DecoderFormControls;

namespace {

constexpr std::string_view ImageFilter = "映像文件|*.Img";
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

void ClearSizes(Ambrelin& a, Control size, Control count) {
  a.controls.SetText(size, "数据长度: -----");
  a.controls.SetText(count, "数据大小: -----");
}

void ShowImage(Ambrelin& a, const Loaded& loaded, Control size, Control count) {
  if (!loaded) return a.dialogs.MessageBox(loaded.error);
  ShowLineCount(a, loaded.lines, "行");
  a.controls.SetText(size, "数据长度: 0x" + HexText(static_cast<uint32_t>(loaded.length)) + "字节");
  a.controls.SetText(count, "数据大小: 0x" + HexText(static_cast<uint32_t>(loaded.stored)) + "字节");
}

std::optional<Loaded> OpenImage(Ambrelin& a, const std::string& path, Control name, Control date,
                                Loaded (*load)(Ambrelin&, const std::string&, uint8_t)) {
  const auto time = FileTime(path);
  if (!time) return std::nullopt;
  a.controls.SetText(name, path);
  a.controls.SetText(date, "日期: " + *time);
  return load(a, a.controls.Text(name), 0xFF);
}

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

Loaded LoadCode_EggFile(Ambrelin& a, const std::string& path, uint8_t fill) {
  ClearSizes(a, C::AudioFlashEggCodeSize, C::AudioFlashEggCodeCount);
  const Loaded loaded = ReadEggFile(a.code, path, fill, a.pump);
  ShowImage(a, loaded, C::AudioFlashEggCodeSize, C::AudioFlashEggCodeCount);
  return loaded;
}

Loaded LoadCode_FlashFile(Ambrelin& a, const std::string& path, uint8_t) {
  ClearSizes(a, C::AudioFlashFlashCodeSize, C::AudioFlashFlashCodeCount);
  const Loaded loaded = ReadFlashFile(a.code, path, a.pump);
  ShowImage(a, loaded, C::AudioFlashFlashCodeSize, C::AudioFlashFlashCodeCount);
  return loaded;
}

std::optional<Loaded> OpenEggFile(Ambrelin& a, const std::string& path) {
  return OpenImage(a, path, C::AudioFlashEggName, C::AudioFlashEggDate, LoadCode_EggFile);
}

std::optional<Loaded> OpenFlashFile(Ambrelin& a, const std::string& path) {
  return OpenImage(a, path, C::AudioFlashFlashName, C::AudioFlashFlashDate, LoadCode_FlashFile);
}

// A cancelled dialog changes nothing.
void AudioFlashOpenEgg_Click(Ambrelin& a) {
  if (const auto chosen = a.dialogs.OpenFile(ImageFilter)) OpenEggFile(a, *chosen);
}

void AudioFlashOpenFlash_Click(Ambrelin& a) {
  if (const auto chosen = a.dialogs.OpenFile(ImageFilter)) OpenFlashFile(a, *chosen);
}
