#pragma once
// The code buffer's bookkeeping shared by every image loader: fill, checksum,
// the file-information labels on both windows, the code name, and the
// dispatcher by file ending.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/Ambrelin.h"

inline constexpr int32_t CodeBufferLast = 0x7FFFF;
inline constexpr int32_t FillLast = 0xFFFF;

// A load that cannot go on: the loader shows its own message.
struct LoadFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// How a burner-window twin follows its main-window label.
enum class Twin { None, Same, English };

// Addresses 0 to 0xFFFF; the rest of the buffer keeps what it held.
void FillCode(CodeImage&, uint8_t fill);
// A byte outside the buffer fails the load instead of landing elsewhere.
void WriteCode(CodeImage&, int64_t address, uint8_t byte);
// Sum over start..end inclusive, kept below 65,536; 0 when start > end.
int32_t CodeChecksum(const CodeImage&, int32_t start, int32_t end);

// A file's last-modified date and time as the labels show it.
std::optional<std::string> FileTime(const std::string& path);
// "日期: " and the file's last-modified time; fails for a missing file.
void ShowFileDate(Ambrelin&, const std::string& path, Twin);
void ShowCodeSum(Ambrelin&, Twin);
void ShowCodeName(Ambrelin&, int32_t start);
// The first entry of the info list: "调入行数: ", the count and its unit.
void ShowLineCount(Ambrelin&, int count, std::string_view unit = "");
void ShowCodeSize(Ambrelin&);
// Steps shared by the image loaders once their bytes are in: checksum over
// start..end, its labels, the code name, the line count and the length.
void FinishLoad(Ambrelin&, int32_t start, int32_t end, int lineCount, Twin sumTwin);

// Whether the path ends in the three letters, in any case.
bool HasEnding(std::string_view path, std::string_view ending);
// Loads by the last three characters of the path; unknown endings do nothing.
void LoadCode_ByExtension(Ambrelin&, const std::string& path);
// Upper-case hex without leading zeros, as the labels show numbers.
std::string HexText(uint32_t value);
// A byte as two upper-case hex digits, as command texts carry it.
std::string TwoHexDigits(int value);
