#pragma once
// Hex-dump text of the code buffer and the batch read buffer: a column
// header, an empty line, then 16 bytes a row under a row index.
#include <cstdint>
#include <span>
#include <string>

#include "app/Ambrelin.h"

// Bytes 0 to `last` of the buffer; `last` must lie inside it.
std::string HexDump(std::span<const uint8_t> buffer, int last);
// Both put the dump into Text6 and return it.
std::string DumpCodeBuffer(Ambrelin&, int16_t last);
std::string DumpReadBuffer(Ambrelin&, int16_t last);
