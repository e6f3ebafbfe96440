#include "dspflash/FlashFile.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string_view>

#include "app/DesktopFormControls.h"
#include "dspflash/NumberText.h"
#include "images/CodeBuffer.h"
#include "images/TextLines.h"
#include "panels/DecoderFormControls.h"

namespace C = DecoderFormControls;
namespace Main = DesktopFormControls;

namespace {

constexpr std::string_view ImageFilter = "映像文件|*.Img";
constexpr int EggLineLength = 8;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The leading hex digits of the text, blanks among them skipped; 0 when it
// starts with anything else.
uint32_t HexValue(std::string_view text) {
  uint32_t value = 0;
  for (char c : text) {
    if (IsBlank(c)) continue;
    const int digit = DigitValue(c);
    if (digit < 0) break;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  return value;
}

void ShowSizes(Ambrelin& a, Control size, Control count, int32_t length, int32_t loaded) {
  a.controls.SetText(size, "数据长度: 0x" + HexText(static_cast<uint32_t>(length)) + "字节");
  a.controls.SetText(count, "数据大小: 0x" + HexText(static_cast<uint32_t>(loaded)) + "字节");
}

void ClearSizes(Ambrelin& a, Control size, Control count) {
  a.controls.SetText(size, "数据长度: -----");
  a.controls.SetText(count, "数据大小: -----");
}

bool OpenImage(Ambrelin& a, const std::string& path, Control name, Control date,
               void (*load)(Ambrelin&, const std::string&, uint8_t)) {
  const auto time = FileTime(path);
  if (!time) return false;
  a.controls.SetText(name, path);
  a.controls.SetText(date, "日期: " + *time);
  load(a, a.controls.Text(name), 0xFF);
  return true;
}

}  // namespace

void LoadCode_EggFile(Ambrelin& a, const std::string& path, uint8_t fill) {
  ClearSizes(a, C::AudioFlashEggCodeSize, C::AudioFlashEggCodeCount);
  try {
    // Read before filling: a file that cannot be read leaves the image alone.
    const auto lines = ReadLines(path);
    std::fill(a.code.Buffer.begin(), a.code.Buffer.begin() + CodeBufferLast + 1, fill);
    a.code.Length = 0;
    int count = 0;
    for (const std::string& line : lines) {
      a.pump.Yield();
      ++count;
      if (line.size() != EggLineLength) {
        a.dialogs.MessageBox("数据长度出错:" + NumberText(int64_t{count}));
        return;
      }
      for (size_t at = 0; at < line.size(); at += 2) {
        WriteCode(a.code, a.code.Length, static_cast<uint8_t>(HexValue(std::string_view(line).substr(at, 2))));
        ++a.code.Length;
      }
    }
    ShowLineCount(a, count, "行");
    ShowSizes(a, C::AudioFlashEggCodeSize, C::AudioFlashEggCodeCount, a.code.Length, a.code.Length);
  } catch (const LoadFailure&) {
    a.dialogs.MessageBox("LoadCode_EggFile时, 出错 !");
  }
}

void LoadCode_FlashFile(Ambrelin& a, const std::string& path, uint8_t) {
  ClearSizes(a, C::AudioFlashFlashCodeSize, C::AudioFlashFlashCodeCount);
  try {
    const auto lines = ReadLines(path);
    a.code.Length = 0;
    int count = 0;
    int32_t loaded = 0;
    int64_t address = 0;
    for (const std::string& line : lines) {
      a.pump.Yield();
      ++count;
      if (line.starts_with("# [")) {
        address = HexValue(std::string_view(line).substr(3, 6));
        continue;
      }
      // A line of blanks looks empty and is taken as one, not as a byte 00.
      if (std::all_of(line.begin(), line.end(), IsBlank)) continue;
      std::string_view rest = line;
      for (;;) {
        // The first token of a line is taken as it stands.
        WriteCode(a.code, address, static_cast<uint8_t>(HexValue(rest.substr(0, 2))));
        ++address;
        ++loaded;
        a.code.Length = std::max<int32_t>(a.code.Length, static_cast<int32_t>(address));
        if (rest.size() < 3) break;
        rest.remove_prefix(1);
        if (rest.size() < 3) {
          a.dialogs.MessageBox("LoadCode_FlashFile时, 出错 !");
          return;
        }
        rest.remove_prefix(1);
        while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
        // Anything but a hex pair ends the line: that is how a comment follows the data.
        if (rest.size() < 2 || DigitValue(rest[0]) < 0 || DigitValue(rest[1]) < 0) break;
      }
    }
    ShowLineCount(a, count, "行");
    ShowSizes(a, C::AudioFlashFlashCodeSize, C::AudioFlashFlashCodeCount, a.code.Length, loaded);
  } catch (const LoadFailure&) {
    a.dialogs.MessageBox("LoadCode_FlashFile时, 出错 !");
  }
}

bool OpenEggFile(Ambrelin& a, const std::string& path) {
  return OpenImage(a, path, C::AudioFlashEggName, C::AudioFlashEggDate, LoadCode_EggFile);
}

bool OpenFlashFile(Ambrelin& a, const std::string& path) {
  return OpenImage(a, path, C::AudioFlashFlashName, C::AudioFlashFlashDate, LoadCode_FlashFile);
}

// A cancelled dialog changes nothing.
void AudioFlashOpenEgg_Click(Ambrelin& a) {
  if (const auto chosen = a.dialogs.OpenFile(ImageFilter)) OpenEggFile(a, *chosen);
}

void AudioFlashOpenFlash_Click(Ambrelin& a) {
  if (const auto chosen = a.dialogs.OpenFile(ImageFilter)) OpenFlashFile(a, *chosen);
}
