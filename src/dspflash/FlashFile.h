#pragma once
// The audio DSP's flash images, Egg and Flash, loaded into the code buffer,
// and the decoder window's buttons that open them.
#include <cstdint>
#include <string>

#include "app/Ambrelin.h"

// Fills the whole 512 KiB image with `fill`, then stores the file's four
// bytes a line from address 0.
void LoadCode_EggFile(Ambrelin&, const std::string& path, uint8_t fill);
// Overlays bytes at the addresses the file names; the image is not filled
// and `fill` is not used.
void LoadCode_FlashFile(Ambrelin&, const std::string& path, uint8_t fill);

// What the open buttons do once a file has been chosen: name, date, load.
// A file that does not exist changes nothing and gives false.
bool OpenEggFile(Ambrelin&, const std::string& path);
bool OpenFlashFile(Ambrelin&, const std::string& path);
void AudioFlashOpenEgg_Click(Ambrelin&);
void AudioFlashOpenFlash_Click(Ambrelin&);
