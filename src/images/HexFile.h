#pragma once
// Intel HEX images, from a file or from the code text box.
#include <cstdint>
#include <string>

#include "app/Ambrelin.h"
#include "images/CodeBuffer.h"

// Readers: fill the image, take its records, set the code length and, when
// every record was good, the checksum over start..end. A data record whose
// bytes do not sum to zero stops the load; its message names the line.
Loaded ReadHexFile(CodeImage&, const std::string& path, uint8_t fill, int32_t start, int32_t end, EventPump&);
// The start mark is not looked at and every record type but 01 is data.
Loaded ReadHexText(CodeImage&, const std::string& text, uint8_t fill, int32_t start, int32_t end, EventPump&);
