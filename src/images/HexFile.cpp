#include "images/HexFile.h"

#include <algorithm>

#include "app/Hex.h"
#include "images/TextLines.h"

namespace {

constexpr std::string_view FileFailed = "LoadCode_HexFile时, 出错 !";
constexpr std::string_view TextFailed = "LoadCode_Include, 出错 !";

// Leading hex digits of the two characters at a 1-based position; a field
// that is missing or starts with another character reads as 0.
int32_t Field(const std::string& line, size_t position) {
  int32_t value = 0;
  for (size_t k = position - 1; k < position + 1 && k < line.size() && IsHexDigit(line[k]); ++k)
    value = value * 16 + HexDigit(line[k]);
  return value;
}

struct Record {
  int32_t count, address, type;
};

Record ReadRecord(const std::string& line) {
  return {Field(line, 2), Field(line, 4) * 256 + Field(line, 6), Field(line, 8)};
}

// The record's bytes from its count to its checksum add up to 0 modulo 256.
bool SumsToZero(const std::string& line, const Record& r) {
  int32_t sum = r.count + Field(line, 4) + Field(line, 6) + r.type;
  for (int32_t k = 0; k <= r.count; ++k) sum += Field(line, 10 + 2 * static_cast<size_t>(k));
  return sum % 256 == 0;
}

// Writes the record's data and returns the address one past its last byte.
// A record reaches at most 0xFFFF + 255, well inside the buffer.
int32_t WriteRecord(CodeImage& code, const std::string& line, const Record& r) {
  int32_t address = r.address;
  for (int32_t k = 0; k < r.count; ++k)
    code.Buffer[static_cast<size_t>(address++)] = static_cast<uint8_t>(Field(line, 10 + 2 * static_cast<size_t>(k)));
  return address;
}

Loaded BadRecord(Loaded loaded, std::string_view message, size_t line) {
  return Failed(loaded, std::string(message) + " 行 " + std::to_string(line));
}

}  // namespace

Loaded ReadHexFile(CodeImage& code, const std::string& path, uint8_t fill, int32_t start, int32_t end,
                   EventPump& pump) {
  const auto lines = ReadLines(path);
  if (!lines) return Failed({}, FileFailed);
  Loaded loaded;
  loaded.date = FileTime(path).value_or("");
  FillCode(code, fill);
  code.Length = 0;
  bool ended = false;
  int32_t bytes = 0;
  for (size_t k = 0; k < lines->size(); ++k) {
    const std::string& line = (*lines)[k];
    pump.Yield();
    if (line.empty() || line[0] != ':') return Failed(loaded, "文件格式出错");
    const Record r = ReadRecord(line);
    if (r.type == 1) {
      ended = true;
      break;
    }
    if (r.type != 0) return Failed(loaded, "不支持HEX扩展格式");
    if (!SumsToZero(line, r)) return BadRecord(loaded, FileFailed, k + 1);
    code.Length = std::max(code.Length, WriteRecord(code, line, r));
    bytes += r.count;
    ++loaded.lines;
  }
  if (bytes == 0) return Failed(loaded, std::string(FileFailed) + NoData);
  if (!ended) return Failed(loaded, std::string(FileFailed) + NoEndRecord);
  code.Length -= 1;
  return FinishRead(code, loaded, start, end, FileFailed);
}

Loaded ReadHexText(CodeImage& code, const std::string& text, uint8_t fill, int32_t start, int32_t end,
                   EventPump& pump) {
  Loaded loaded;
  FillCode(code, fill);
  code.Length = 0;
  int32_t bytes = 0;
  size_t from = 0;
  // Every piece between line feeds counts, empty ones and the last included;
  // an empty piece reads as all zeros, so its sum is good too.
  for (size_t piece = 1;; ++piece) {
    const size_t feed = text.find('\n', from);
    const std::string line = text.substr(from, feed == std::string::npos ? std::string::npos : feed - from);
    pump.Yield();
    const Record r = ReadRecord(line);
    if (r.type == 1) break;
    if (!SumsToZero(line, r)) return BadRecord(loaded, TextFailed, piece);
    code.Length = std::max(code.Length, WriteRecord(code, line, r));
    bytes += r.count;
    ++loaded.lines;
    if (feed == std::string::npos) break;
    from = feed + 1;
  }
  // The box needs no end record, but a box without data is no image.
  if (bytes == 0) return Failed(loaded, std::string(TextFailed) + NoData);
  code.Length -= 1;
  return FinishRead(code, loaded, start, end, TextFailed);
}
