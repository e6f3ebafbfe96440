#include "images/CodeBuffer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <utility>

#include "app/LocalTime.h"
#include "app/Utf8Path.h"

std::optional<std::string> FileTime(const std::string& utf8) {
  const std::filesystem::path path = Utf8Path(utf8);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const auto written = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  const std::time_t seconds =
      std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
  const LocalTime local = LocalTimeAt(seconds);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local.fields);
  return text;
}

namespace {

// One character per byte; bytes without a glyph show as blanks.
std::string NameCharacter(uint8_t byte) {
  if (byte < 0x20 || byte == 0x7F) return " ";
  if (byte < 0x80) return std::string(1, static_cast<char>(byte));
  return {static_cast<char>(0xC0 | byte >> 6), static_cast<char>(0x80 | (byte & 0x3F))};
}

}  // namespace

std::string HexText(uint32_t value) {
  char text[12];
  std::snprintf(text, sizeof text, "%X", value);
  return text;
}

std::string TwoHexDigits(int value) {
  char text[4];
  std::snprintf(text, sizeof text, "%02X", value);
  return text;
}

Loaded Failed(Loaded loaded, std::string_view message) {
  loaded.error = message;
  return loaded;
}

void OwnCode(CodeImage& code, CodeOwner owner) { code.owner = std::move(owner); }

void FillCode(CodeImage& code, uint8_t fill) {
  std::fill(code.Buffer.begin(), code.Buffer.begin() + FillLast + 1, fill);
}

bool WriteCode(CodeImage& code, int64_t address, uint8_t byte) {
  if (address < 0 || address > CodeBufferLast) return false;
  code.Buffer[static_cast<size_t>(address)] = byte;
  return true;
}

int32_t CodeChecksum(const CodeImage& code, int32_t start, int32_t end) {
  int32_t sum = 0;
  for (int32_t address = std::max(start, 0); address <= std::min(end, CodeBufferLast); ++address) {
    sum += code.Buffer[static_cast<size_t>(address)];
    if (sum >= 65536) sum -= 65536;
  }
  return sum;
}

std::string CodeName(const CodeImage& code, int32_t start) {
  static constexpr int AtZero[] = {6, 7, 8, 9, 10, 14, 15, 16, 17, 18};
  static constexpr int Elsewhere[] = {1030, 1031, 1032, 1033, 1034, 1038, 1039, 1040, 1041, 1042};
  std::string name;
  for (int address : start == 0 ? AtZero : Elsewhere) name += NameCharacter(code.Buffer[static_cast<size_t>(address)]);
  name.erase(name.find_last_not_of(' ') + 1);
  return name;
}

Loaded FinishRead(CodeImage& code, Loaded loaded, int32_t start, int32_t end, std::string_view message) {
  loaded.length = code.Length;
  // A range reaching past the buffer names bytes that are not there.
  if (start <= end && (start < 0 || end > CodeBufferLast)) return Failed(loaded, message);
  code.Checksum = loaded.checksum = CodeChecksum(code, start, end);
  loaded.name = CodeName(code, start);
  return loaded;
}

bool HasEnding(std::string_view path, std::string_view ending) {
  if (path.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), path.end() - static_cast<std::ptrdiff_t>(ending.size()),
                    [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) ==
                                                std::tolower(static_cast<unsigned char>(y)); });
}
