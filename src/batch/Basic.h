#pragma once
// Hex-dump text of the code buffer and the batch read buffer: a column
// header, an empty line, then 16 bytes a row under a row index. And the
// memory batch that sends a block of reads or writes.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/Ambrelin.h"

// Bytes 0 to `last` of the buffer; `last` must lie inside it.
std::string HexDump(std::span<const uint8_t> buffer, int last);
// Both put the dump into Text6 and return it.
std::string DumpCodeBuffer(Ambrelin&, int16_t last);
std::string DumpReadBuffer(Ambrelin&, int16_t last);

// Gap from one batch command to the next.
inline constexpr double BatchPacing = 0.1;

// Every way a batch ends. Busy: another job runs, nothing was sent.
enum class BatchEnd { Sent, BadPortText, PortClosed, Busy };
struct BatchOutcome {
  BatchEnd end = BatchEnd::Sent;
  int sent = 0;        // commands that went out
  bool saved = false;  // whether the slot's result file was written
};

// Sends `count` (at most 256) memory commands for locations 0 to count-1 to
// the port and sub-address of a port text such as "3A:10": reads, or writes
// of the code buffer's bytes when the mode is "W". Each command is followed by
// a 0.1 s wait in which the window stays live; no reply is awaited. A port
// text that names no port or sub-address shows "BatchCommandRW,出错" and
// sends nothing.
BatchOutcome BatchCommandRW(Ambrelin&, std::string portText, std::string_view mode, int16_t count);
