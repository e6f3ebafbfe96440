#pragma once
// The decoder window's update page: the Egg and Flash images opened, read
// into the code buffer and shown on the page's labels.
#include <cstdint>
#include <optional>
#include <string>

#include "app/Ambrelin.h"
#include "images/CodeBuffer.h"

// Read, then shown on the decoder window's size labels and the info list, or
// in a message box. The Flash loader does not use `fill`.
Loaded LoadCode_EggFile(Ambrelin&, const std::string& path, uint8_t fill);
Loaded LoadCode_FlashFile(Ambrelin&, const std::string& path, uint8_t fill);

// Whether the code buffer holds what DSP image files put there, read whole
// and written by nothing else since; a buffer nothing has written yet counts
// too. A Flash image read over anything else leaves that in the buffer.
bool HoldsDspImage(const CodeImage&);

// What the open buttons do once a file has been chosen: name, date, load.
// A path that is no file changes nothing and gives nothing.
std::optional<Loaded> OpenEggFile(Ambrelin&, const std::string& path);
std::optional<Loaded> OpenFlashFile(Ambrelin&, const std::string& path);
// While a job runs, they open nothing.
void AudioFlashOpenEgg_Click(Ambrelin&);
void AudioFlashOpenFlash_Click(Ambrelin&);
