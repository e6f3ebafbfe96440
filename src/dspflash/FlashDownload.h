#pragma once
// The download of the 512 KiB DSP image into the audio DSP's flash: at
// 128,000 baud, a handshake, then sector by sector an erase and 32 block
// writes, each acknowledged by the unit's flash loader.
#include <cstdint>
#include <span>

#include "app/Ambrelin.h"

// Sends one 144-byte write frame: 44 49 70 13, the flash address (most
// significant byte first) and data[0..127]. A closed port or a short block
// shows "FlashWrite,意想不到的错 !" and sends nothing.
void FlashWrite(Ambrelin&, uint8_t type, uint8_t address, int32_t flashAddress, std::span<const uint8_t> data);

// Starts the download, or stops the one that runs (a second click arrives
// during one of its waits). Either way the port goes to 128,000 baud and
// stays there.
void AudioFlashDownload_Click(Ambrelin&);
