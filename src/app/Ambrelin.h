#pragma once
// The module-wide state of the program, explicit, and the platform it runs on.
// Windows, the command-line front end and the tests each build one over their
// own implementations of the seams.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/Platform.h"

struct LinkState {
  uint8_t TxSequence = 0;
  std::array<uint8_t, 2049> RxBuffer{};
  int16_t RxCount = 0;
  std::array<uint8_t, 257> RxFrame{};
  bool RxFrameReady = false;
  bool ReplyWanted = false;
  bool RxFrameTaken = false;
  // Bytes appended to RxBuffer since start-up, and where among them began the
  // frame front that the last wait to run out left in the buffer.
  int64_t RxReceived = 0;
  int64_t RxKeptFront = -1;
};

// What last wrote the code buffer. A job that relies on an earlier load (the
// DSP download) checks that nothing else has written the buffer since.
enum class CodeWriter { None, Image, CodeBox, Batch, Registers, DspImage };
struct CodeOwner {
  CodeWriter writer = CodeWriter::None;
  std::string file;      // the file a load read; empty for the others
  int32_t checksum = 0;  // a load's checksum, once it is in whole
  bool whole = false;    // the load read its file to the end
};

// Every image passes through the code buffer: front-panel images use its first
// 64 KiB, the DSP flash image all of it.
struct CodeImage {
  std::vector<uint8_t> Buffer = std::vector<uint8_t>(0x80000);
  int32_t Length = 0;
  int32_t Checksum = 0;  // kept within 0 to 65,535
  CodeOwner owner;
};

// The long jobs; one runs at a time, so no job waits inside another's wait.
// Opening a file is one too: it writes the code buffer, and a setting file the
// unit, line by line between events.
enum class Job { None, Burn, Download, Dump, Batch, Load };

// Where a long job stands, for a front end that shows it otherwise than
// through the windows' labels.
enum class Phase { Search, Wait, Program, Verify };
struct Progress {
  Job job;
  Phase phase;
  int32_t address = 0, first = 0, last = 0;  // where it works, in which range
  int64_t errors = 0;
};

struct BurnOutcome;

// Replies to the PC carry this in their address byte.
inline constexpr uint8_t HostAddress = 0;

struct Ambrelin {
  Controls& controls;
  SerialPort& port;
  EventPump& pump;
  Dialogs& dialogs;
  SettingsStore& settings;
  // Where the run-log file lives.
  std::string dataFolder;
  // Ends the program at once, after the shutdown has saved the settings: the
  // program exits, a test counts the call and lives on.
  std::function<void()> endProgram;
  // Told where a job stands whenever that changes; may be left unset.
  std::function<void(const Progress&)> progress;
  // Told of every target a burn is done with: each one verified, and the one
  // it ends on otherwise; for a production log. May be left unset.
  std::function<void(const BurnOutcome&)> targetBurned;
  // Asked before a burn's first request, when set: false when the production
  // log cannot be written, and the burn does not start.
  std::function<bool()> logReady;
  // How long a burn searches for a unit, first and next, at most; 0 leaves
  // the search its full count of attempts.
  double searchSeconds = 0;

  LinkState link;
  CodeImage code;
  std::array<uint8_t, 1025> BatchReadBuffer{};
  uint8_t Language = 0;  // 1 English, otherwise Chinese
  bool ComOpen = false;
  // The device each COMn of the port list was shown with: the port opened is
  // the one the user saw, whatever the numbers mean by then.
  std::map<int, std::string> listedPorts;
  Job job = Job::None;
};
