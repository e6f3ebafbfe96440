#include "images/AdiSetting.h"

#include <optional>

#include "app/Hex.h"
#include "images/TextLines.h"
#include "link/TxRx.h"

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

// Decimal digits only, no more than `most`.
std::optional<int> Decimal(const std::string& text, int most) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const int value = std::stoi(text);
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
  const auto r = HexValue(*reg, 0xFF);
  const auto v = Decimal(*value, 255);
  if (!r || !v) return std::nullopt;
  return Setting{static_cast<int>(*r), *v};
}

}  // namespace

Loaded ReadValFile(Ambrelin& a, const std::string& path) {
  const auto lines = ReadLines(path);
  constexpr std::string_view ValFailed = "LoadCode_ValFile时, 出错 !";
  if (!lines) return Failed({}, ValFailed);
  // A setting without a register applies nothing.
  if (lines->size() < 2) return Failed({}, std::string(ValFailed) + NoData);
  FillCode(a.code, 0x00);
  const size_t quote = lines->empty() ? std::string::npos : lines->front().find('"');
  if (quote == std::string::npos) return Failed({}, "文件格式出错");
  Loaded loaded;
  loaded.name = lines->front().substr(quote + 1, 6);
  const std::string prefix = loaded.name == "AD9880" ? "0500 0021 " : loaded.name == "AD9889" ? "0500 0031 " : "";
  int last = 0;
  a.code.Length = 0;
  for (size_t k = 1; k < lines->size(); ++k) {
    a.pump.Yield();
    const auto setting = ReadSetting((*lines)[k]);
    // What was already sent stays applied on the unit.
    if (!setting) return Failed(loaded, "文件格式出错");
    a.code.Buffer[static_cast<size_t>(setting->reg)] = static_cast<uint8_t>(setting->value);
    ++loaded.stored;
    last = setting->reg;
    a.pump.WaitUntil(a.pump.Now() + RegisterPacing, [] { return false; });
    TxByHex(a, "3", prefix + TwoHexDigits(setting->reg) + TwoHexDigits(setting->value));
  }
  a.code.Length = loaded.length = last;
  return loaded;
}
