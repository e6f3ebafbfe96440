#pragma once
// The burn page's own actions: open an image or script, view the image,
// ask the unit to restart.
#include <cstdint>
#include <optional>
#include <string>

#include "app/Ambrelin.h"
#include "images/CodeBuffer.h"

// 0x00 when the page's 0x00 option is set, else 0xFF.
uint8_t FillOption(Ambrelin&);
// Loads an image by its ending as the burn page does, the checksum over
// start..end; a script loads the image of its first line. Nothing when no
// loader takes the file.
std::optional<Loaded> LoadByEnding(Ambrelin&, const std::string& path, int32_t start = 0, int32_t end = 65535);
// Opening a setting file is a job: it writes to the unit as it reads.
void UpdateButtonOpenFile_Click(Ambrelin&);
// The first 1,024 bytes of the code buffer as a hex dump in Text6.
void UpdateButtonView_Click(Ambrelin&);
// Asks the chosen target to restart; no reply is awaited.
void UpdateButtonRestart_Click(Ambrelin&);
