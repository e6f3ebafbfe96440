#pragma once
// The audio DSP's flash images, Egg and Flash, read into the code buffer.
#include <cstdint>
#include <string>

#include "app/Ambrelin.h"
#include "images/CodeBuffer.h"

// Fills the whole 512 KiB image with `fill`, then stores the file's four
// bytes a line from address 0. A file that cannot be read leaves the image
// alone.
Loaded ReadEggFile(CodeImage&, const std::string& path, uint8_t fill, EventPump&);
// Overlays bytes at the addresses the file names; the image is not filled.
// `stored` counts the bytes stored, `length` is the highest address + 1.
Loaded ReadFlashFile(CodeImage&, const std::string& path, EventPump&);
