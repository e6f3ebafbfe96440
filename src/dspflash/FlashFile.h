#pragma once
// The audio DSP's flash images, Egg and Flash, loaded into the code buffer,
// and the decoder window's buttons that open them.
#include <cstdint>
#include <optional>
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

// Read, then shown on the decoder window's size labels and the info list, or
// in a message box. The Flash loader does not use `fill`.
Loaded LoadCode_EggFile(Ambrelin&, const std::string& path, uint8_t fill);
Loaded LoadCode_FlashFile(Ambrelin&, const std::string& path, uint8_t fill);

// What the open buttons do once a file has been chosen: name, date, load.
// A path that is no file changes nothing and gives nothing.
std::optional<Loaded> OpenEggFile(Ambrelin&, const std::string& path);
std::optional<Loaded> OpenFlashFile(Ambrelin&, const std::string& path);
void AudioFlashOpenEgg_Click(Ambrelin&);
void AudioFlashOpenFlash_Click(Ambrelin&);
