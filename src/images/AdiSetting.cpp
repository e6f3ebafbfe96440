#include "images/AdiSetting.h"

#include <optional>

#include "app/DesktopFormControls.h"
#include "images/CodeBuffer.h"
#include "images/TextLines.h"
#include "link/TxRx.h"

namespace Main = DesktopFormControls;

namespace {

constexpr double RegisterPacing = 0.1;

struct Setting {
  int reg, value;
};

// The text after the quote at `open`, up to the next quote or `most`
// characters; nothing when that quote is missing.
std::optional<std::string> Quoted(const std::string& line, size_t open, size_t most, size_t& close) {
  if (open == std::string::npos) return std::nullopt;
  close = line.find('"', open + 1);
  if (close == std::string::npos) return std::nullopt;
  return line.substr(open + 1, std::min(close - open - 1, most));
}

std::optional<int> Number(const std::string& text, int base, int most) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char c : text) {
    const int digit = std::isdigit(static_cast<unsigned char>(c))                    ? c - '0'
                      : base == 16 && std::isxdigit(static_cast<unsigned char>(c)) ? std::toupper(c) - 'A' + 10
                                                                                     : -1;
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
  }
  if (value > most) return std::nullopt;
  return value;
}

// A register of one or two hex digits and a decimal value that fits a byte,
// each between double quotes; anything outside the quotes is ignored.
std::optional<Setting> ReadSetting(const std::string& line) {
  size_t registerEnd = 0, valueEnd = 0;
  const auto reg = Quoted(line, line.find('"'), 2, registerEnd);
  if (!reg) return std::nullopt;
  const auto value = Quoted(line, line.find('"', registerEnd + 1), 3, valueEnd);
  if (!value) return std::nullopt;
  const auto r = Number(*reg, 16, 0xFF);
  const auto v = Number(*value, 10, 255);
  if (!r || !v) return std::nullopt;
  return Setting{*r, *v};
}

}  // namespace

void LoadCode_ValFile(Ambrelin& a, const std::string& path) {
  try {
    FillCode(a.code, 0x00);
    a.controls.SetText(Main::UpdateLableCodeSize, "长度: 0x----");
    a.controls.SetText(Main::UpdateLabelCodeName, "名称: ");
    const auto lines = ReadLines(path);
    const size_t quote = lines.empty() ? std::string::npos : lines[0].find('"');
    if (quote == std::string::npos) {
      a.dialogs.MessageBox("文件格式出错");
      return;
    }
    const std::string chip = lines[0].substr(quote + 1, 6);
    const std::string prefix = chip == "AD9880" ? "0500 0021 " : chip == "AD9889" ? "0500 0031 " : "";
    int count = 0, last = 0;
    a.code.Length = 0;
    for (size_t k = 1; k < lines.size(); ++k) {
      a.pump.Yield();
      const auto setting = ReadSetting(lines[k]);
      // What was already sent stays applied on the unit.
      if (!setting) {
        a.dialogs.MessageBox("文件格式出错");
        return;
      }
      WriteCode(a.code, setting->reg, static_cast<uint8_t>(setting->value));
      ++count;
      last = setting->reg;
      a.pump.WaitUntil(a.pump.Now() + RegisterPacing, [] { return false; });
      TxByHex(a, "3", prefix + TwoHexDigits(setting->reg) + TwoHexDigits(setting->value));
    }
    a.code.Length = last;
    a.controls.SetText(Main::UpdateLableCodeSize,
                       "长度: " + std::to_string(count) + "/0x" + HexText(static_cast<uint32_t>(a.code.Length)));
    a.controls.SetText(Main::UpdateLabelCodeName, "名称: " + chip);
  } catch (const LoadFailure&) {
    a.dialogs.MessageBox("LoadCode_ValFile时, 出错 !");
  }
}
