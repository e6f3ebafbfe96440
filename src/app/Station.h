#pragma once
// The production station without its screen: what a fixture's tile shows, as
// read from the machine lines of the fixture's burn process; the station's
// settings; and the command line that process is started with.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/Ambrelin.h"

// How a tile reads across the room.
enum class TileState { Idle, Burning, Good, Failed, NoUnit };

struct TileView {
  TileState state = TileState::Idle;
  std::string phase;    // where the process stands, or how its last unit or run ended
  int percent = 0;      // of the phase
  std::string chip;     // "0x0003 Philips P89V51RD", once a unit answered
  std::string verifySum, lastUnit, message;  // the last unit's sum and end time; the process's last remark
  int errors = 0;
  int good = 0, failed = 0;  // units, since the station opened
  bool running = false, stopping = false;
  bool unitThisRun = false, summaryThisRun = false;
};

void TileStarted(TileView&);
// One line of the process's standard output; false when it is no machine line.
bool TileLine(TileView&, std::string_view line);
// The process ended; a crash, or an end without a summary, fails the tile,
// unless it was being stopped before it worked on a unit.
void TileEnded(TileView&, bool crashed);
// Colour as 0xRRGGBB.
uint32_t TileColour(TileState);
std::string_view TileStateText(const Ambrelin&, TileState);

struct Fixture {
  std::string port;  // as listed: "COM3 (/dev/ttyUSB0 0403:6001 A5XK3RJP)", or a device path
  std::string name;  // "Fixture 3"
};

struct StationSetup {
  std::vector<Fixture> fixtures;
  std::string image, log, expect, operatorName, order, station;
  int target = 1;  // 1 to 6; a script names its own
  bool fill00 = false, autoRepeat = false, locked = false;
};

inline constexpr std::string_view StationSection = "Station";
StationSetup LoadStation(SettingsStore&);
void SaveStation(SettingsStore&, const StationSetup&);

// The device a port entry was listed with; the entry itself when it is a path.
std::string PortOfEntry(std::string_view entry);
// The arguments of one fixture's `ambrelin-cli` process; empty fields give no option.
std::vector<std::string> ChildArguments(const StationSetup&, const Fixture&);
// The fixture check's command line: the identify request alone, a short search.
std::vector<std::string> CheckArguments(const StationSetup&, const Fixture&);

// The image as the burn page shows it on opening: its code name, the
// checksum over 0 to FFFF with the fill, and the file's SHA-256. A script
// shows its first line's image, as the burn page loads it.
struct ImageFacts {
  std::string name, error;
  int32_t checksum = 0;
  std::string sha256;
};
ImageFacts ReadStationImage(Ambrelin&, const std::string& path, uint8_t fill);
// Whether an expected checksum ("0F16", "0x0F16") is this one; an empty one is.
bool ChecksumMatches(std::string_view expected, int32_t checksum);
