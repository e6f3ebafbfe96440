#pragma once
// Text images: hex digit pairs, line by line, from address 0.
#include <cstdint>
#include <string>

#include "app/Ambrelin.h"

// Also writes the bytes loaded to a ".Bin" file beside the text file. The
// checksum always covers the bytes loaded, whatever the range end.
void LoadCode_TxtFile(Ambrelin&, const std::string& path, uint8_t fill, int32_t start, int32_t end);
