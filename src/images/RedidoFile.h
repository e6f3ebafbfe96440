#pragma once
// Tot images: the first 64 KiB of the code buffer, each byte transformed,
// and the code length at offset 66,665.
#include <cstdint>
#include <string>

#include "app/Ambrelin.h"
#include "images/CodeBuffer.h"

inline constexpr size_t TotLengthOffset = 66665;
inline constexpr size_t TotFileSize = TotLengthOffset + 4;

uint8_t TotWriteByte(uint8_t);
uint8_t TotReadByte(uint8_t);

// False, after showing "SaveFile_Tot出错 !", when the file cannot be written.
bool SaveFile_Tot(Ambrelin&, const std::string& path);
// A file longer than the buffer gives what fits; a shorter one leaves the
// fill where it has no bytes.
Loaded ReadTotFile(CodeImage&, const std::string& path, uint8_t fill, int32_t start, int32_t end);
// "Hex -> Tot": the loaded image saved beside the file named on the burn
// page; false when nothing was written.
bool ToolButtonHex2Tot_Click(Ambrelin&);
