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

// Every way a download ends.
enum class DownloadEnd {
  Done,
  Stopped,          // the stop click
  Busy,             // another job runs: nothing changed
  NotFound,         // no flash loader answered the pings
  EraseNoResponse,  // an erase went unanswered 11 times
  WriteNoResponse,  // a write went unanswered 11 times
  PortLost,         // the port went away under the download
  PortClosed,       // started with the port closed: nothing sent
  BaudRefused,      // the port cannot run at 128,000 baud
  ImageChanged,     // the buffer is no longer the DSP image opened: nothing sent
};
struct DownloadOutcome {
  DownloadEnd end;
  int64_t errors = 0;
  int32_t address = 0;  // the block in hand when it ended; the flash size when done
};

// Starts the download and returns how it ended, or stops the one that runs
// (a second click arrives during one of its waits). Either way the port goes
// to 128,000 baud and stays there, unless the code buffer no longer holds the
// DSP image opened last: that is refused before anything changes.
DownloadOutcome AudioFlashDownload_Click(Ambrelin&);
