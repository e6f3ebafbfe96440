#pragma once
// The code buffer's bookkeeping shared by every image reader: fill, checksum,
// code name, what a load read, and who wrote the buffer last.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/Ambrelin.h"

inline constexpr int32_t CodeBufferLast = 0x7FFFF;
inline constexpr int32_t FillLast = 0xFFFF;

// What a load read, or why it stopped. A load that stops keeps the figures
// it reached; the code buffer keeps the bytes written so far.
struct Loaded {
  int32_t length = 0, checksum = 0;
  int lines = 0;
  // Bytes stored, where the loader counts them: DSP images, and the
  // registers of a setting file.
  int32_t stored = 0;
  // The code name, or a setting file's chip.
  std::string name;
  // The file's last-modified time; empty when the file was not read.
  std::string date;
  // The loader's message; empty when the file was read.
  std::string error;
  explicit operator bool() const { return error.empty(); }
};

// The load stopped: `loaded` with the loader's message.
Loaded Failed(Loaded loaded, std::string_view message);
// After a loader's message: the file holds no byte to load, or a HEX file
// stops before its end record (cut short). Either would burn the fill alone.
inline constexpr char NoData[] = " 文件无数据", NoEndRecord[] = " 缺少结束记录";

// The one place that says who wrote the code buffer: every writer calls it
// before its first byte, and a load once more when its file is in whole.
void OwnCode(CodeImage&, CodeOwner);
// Addresses 0 to 0xFFFF; the rest of the buffer keeps what it held.
void FillCode(CodeImage&, uint8_t fill);
// False for an address outside the buffer: the load fails instead of
// writing elsewhere.
bool WriteCode(CodeImage&, int64_t address, uint8_t byte);
// Sum over start..end inclusive, kept below 65,536; 0 when start > end.
// Addresses outside the buffer add nothing.
int32_t CodeChecksum(const CodeImage&, int32_t start, int32_t end);
// The ten characters in the gaps between the first interrupt vectors,
// without trailing blanks.
std::string CodeName(const CodeImage&, int32_t start);
// The last steps of an image reader once its bytes and code length are in:
// the checksum over start..end, stored in the image too, and the code name.
// A range outside the buffer fails the load with `message`.
Loaded FinishRead(CodeImage&, Loaded, int32_t start, int32_t end, std::string_view message);

// A regular file's last-modified date and time as the labels show it.
std::optional<std::string> FileTime(const std::string& path);

// Whether the path ends in the three letters, in any case.
bool HasEnding(std::string_view path, std::string_view ending);
// Upper-case hex without leading zeros, as the labels show numbers.
std::string HexText(uint32_t value);
// A byte as two upper-case hex digits, as command texts carry it.
std::string TwoHexDigits(int value);
