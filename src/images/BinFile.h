#pragma once
// Raw binary images, and the raw byte files written for text images and batches.
#include <cstdint>
#include <span>
#include <string>

#include "app/Ambrelin.h"

void LoadCode_BinFile(Ambrelin&, const std::string& path, uint8_t fill, int32_t start, int32_t end);
// Writes the first `length` bytes to the file named `fileName` with its last
// four characters replaced by ".Bin". Both come back changed, as callers rely
// on: the name with its new ending, the length one lower (the highest index
// written). False when the file cannot be written.
bool SaveFile_Bin(std::string& fileName, std::span<const uint8_t> bytes, int32_t& length);
