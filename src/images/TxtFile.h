#pragma once
// Text images: hex digit pairs, line by line, from address 0.
#include <cstdint>
#include <string>

#include "app/Ambrelin.h"
#include "images/CodeBuffer.h"

// Also writes the bytes read to a ".Bin" file beside the text file. The
// checksum always covers the bytes read, whatever the range end.
Loaded ReadTxtFile(CodeImage&, const std::string& path, uint8_t fill, int32_t start, EventPump&);
