#pragma once
// Raw binary images, and the raw byte files written for text images and batches.
#include <cstdint>
#include <span>
#include <string>

#include "app/Ambrelin.h"
#include "images/CodeBuffer.h"

// The file's bytes from address 0, its length the code length; a file
// larger than the buffer is refused before anything changes.
Loaded ReadBinFile(CodeImage&, const std::string& path, uint8_t fill, int32_t start, int32_t end);
// Writes the first `length` bytes to the file named `fileName` with its last
// four characters replaced by ".Bin". Both come back changed, as callers rely
// on: the name with its new ending, the length one lower (the highest index
// written). False when the file cannot be written.
bool SaveFile_Bin(std::string& fileName, std::span<const uint8_t> bytes, int32_t& length);
