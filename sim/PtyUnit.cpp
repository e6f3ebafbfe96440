// ambrelin-unit: the simulated unit on a pseudo-terminal, so that the program
// (or a person with a terminal program) reaches it as a serial device.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "PtyBaud.h"
#include "SimUnit.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0, fitRequested = 0;

void RequestStop(int) { stopRequested = 1; }
void RequestFit(int) { fitRequested = 1; }

struct Options {
  std::string link;
  bool quiet = false;
  bool log = false;
  bool help = false;
  bool version = false;
  std::string dspFlash;
  std::string bootFlash;
};

const char* const Usage =
    "Usage: ambrelin-unit [OPTION]...\n"
    "Serves the simulated unit on a pseudo-terminal and prints its device path.\n"
    "\n"
    "Options:\n"
    "  --link PATH        also reach the device as PATH (a symlink, removed at exit)\n"
    "  --chip ID          the front panel's chip ID in hex (0003 when not given)\n"
    "  --next-unit-after S\n"
    "                     after the \"next target\" request the target leaves its\n"
    "                     boot program; a fresh unit (same chip, erased flash)\n"
    "                     answers S seconds after the burner first looks for it\n"
    "                     again (without this option, only SIGUSR1 fits one)\n"
    "  --units N          fit no more than N units in all\n"
    "  --no-wire          bytes cross the line at once, whatever the speed\n"
    "  --boot-flash PRE   at exit, write each target's flash (64 KiB) to PRE<ID>.bin\n"
    "  --dsp-flash FILE   at exit, write the DSP flash (512 KiB) to FILE\n"
    "  --quiet            no remarks on stderr\n"
    "  --log              each received frame in hex on stderr\n"
    "  --help             print this help and exit\n"
    "  --version          print the version and exit\n"
    "\n"
    "Faults:\n"
    "  --silent           answer nothing\n"
    "  --silent-frames K  ignore the next K requests\n"
    "  --delay SECONDS    wait this long before each answer\n"
    "  --split BYTES      send answers in pieces of this many bytes\n"
    "  --split-gap S      start each piece S seconds after the one before\n"
    "  --noise HEX        send these bytes (e.g. 00FF) in front of each answer\n"
    "  --boot-refuse P    the boot program refuses each request with chance P\n"
    "  --boot-silent P    the boot program ignores each request with chance P\n"
    "  --dsp-fail P       the DSP flash loader refuses each command with chance P\n"
    "  --dsp-silent P     the DSP flash loader ignores each command with chance P\n"
    "  --dsp-numbering echo|zero|count\n"
    "                     the sequence number in the loader's answers: the\n"
    "                     request's, 0, or a count of its own answers\n"
    "  --seed N           seed of those chances (1 when not given)\n"
    "\n"
    "SIGUSR1 fits the next unit at once.\n";

std::optional<std::vector<uint8_t>> ParseHex(std::string_view text) {
  if (text.size() % 2) return std::nullopt;
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < text.size(); i += 2) {
    if (!std::isxdigit(static_cast<unsigned char>(text[i])) ||
        !std::isxdigit(static_cast<unsigned char>(text[i + 1])))
      return std::nullopt;
    bytes.push_back(static_cast<uint8_t>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16)));
  }
  return bytes;
}

std::optional<double> ParseNumber(const char* text) {
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  if (end == text || *end || value < 0) return std::nullopt;
  return value;
}

// Fills the options and the unit's knobs; false on anything unknown.
bool ParseArguments(int argc, char** argv, Options& options, SimUnit& unit) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    const bool takesValue = arg == "--link" || arg == "--silent-frames" || arg == "--delay" ||
                            arg == "--split" || arg == "--noise" || arg == "--dsp-fail" ||
                            arg == "--dsp-silent" || arg == "--seed" || arg == "--dsp-flash" ||
                            arg == "--chip" || arg == "--boot-refuse" || arg == "--boot-silent" ||
                            arg == "--boot-flash" || arg == "--dsp-numbering" || arg == "--split-gap" ||
                            arg == "--next-unit-after" || arg == "--units";
    if (takesValue && !value) return false;
    if (arg == "--quiet") {
      options.quiet = true;
    } else if (arg == "--log") {
      options.log = true;
    } else if (arg == "--help") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--silent") {
      unit.silent = true;
    } else if (arg == "--link") {
      options.link = value;
    } else if (arg == "--dsp-flash") {
      options.dspFlash = value;
    } else if (arg == "--boot-flash") {
      options.bootFlash = value;
    } else if (arg == "--no-wire") {
      unit.instantWire = true;
    } else if (arg == "--chip") {
      const auto id = ParseHex(value);
      if (!id || id->size() != 2) return false;
      BootChip(unit.boot, static_cast<uint16_t>((*id)[0] << 8 | (*id)[1]));
    } else if (arg == "--dsp-numbering") {
      const std::string_view how = value;
      if (how != "echo" && how != "zero" && how != "count") return false;
      unit.dsp.numbering = how == "echo" ? DspNumbering::Echo : how == "zero" ? DspNumbering::Zero : DspNumbering::OwnCount;
    } else if (arg == "--noise") {
      const auto bytes = ParseHex(value);
      if (!bytes) return false;
      unit.noise = *bytes;
    } else if (takesValue) {
      const auto number = ParseNumber(value);
      if (!number) return false;
      if (arg == "--delay") unit.replyDelay = *number;
      if (arg == "--split") unit.split = static_cast<size_t>(*number);
      if (arg == "--split-gap") unit.splitGap = *number;
      if (arg == "--next-unit-after") unit.boot.nextUnitAfter = *number;
      if (arg == "--units") unit.boot.units = static_cast<int>(*number);
      if (arg == "--silent-frames") unit.silentFrames = static_cast<int>(*number);
      if (arg == "--dsp-fail") unit.dsp.failChance = *number;
      if (arg == "--dsp-silent") unit.dsp.silentChance = *number;
      if (arg == "--seed") unit.dsp.random.seed(static_cast<unsigned>(*number));
      if (arg == "--seed") unit.boot.random.seed(static_cast<unsigned>(*number));
      if (arg == "--boot-refuse") unit.boot.refuseChance = *number;
      if (arg == "--boot-silent") unit.boot.silenceChance = *number;
    } else {
      return false;
    }
    if (takesValue) ++i;
  }
  return true;
}

double Seconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void LogFrame(const SimFrame& frame) {
  std::string line = "rx";
  char hex[4];
  for (uint8_t byte : BuildFrame(frame)) {
    std::snprintf(hex, sizeof hex, " %02X", byte);
    line += hex;
  }
  std::fprintf(stderr, "%s\n", line.c_str());
}

// The master is non-blocking: with nobody reading the device a real line
// loses what is sent, and so do we, rather than hanging.
void Send(int master, const std::vector<uint8_t>& bytes) {
  size_t at = 0;
  while (at < bytes.size()) {
    const ssize_t n = write(master, bytes.data() + at, bytes.size() - at);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    at += static_cast<size_t>(n);
  }
}

// Announces a fitted unit to a person watching.
void Fitted(const Options& options, const SimUnit& unit) {
  if (!options.quiet) std::fprintf(stderr, "ambrelin-unit: unit %d fitted\n", unit.boot.fitted);
}

// The wait until `due`, rounded up so it never ends just short of it.
timespec Until(double due) {
  const double left = std::max(0.0, due - Seconds());
  timespec wait{};
  wait.tv_sec = static_cast<time_t>(left);
  wait.tv_nsec = std::min(999'999'999L, static_cast<long>(std::ceil((left - static_cast<double>(wait.tv_sec)) * 1e9)));
  return wait;
}

int Serve(int master, int slave, const Options& options, SimUnit& unit, const sigset_t& waitMask) {
  // Answers on their way to the host, due when their last byte has crossed
  // the line.
  std::multimap<double, std::vector<uint8_t>> line;
  double toUnitFree = 0, toHostFree = 0;
  // How late the last answer left: a process wakes a quarter of a
  // millisecond after its time or more, and on a real line the program would
  // have had the answer, and sent its next request, that much sooner.
  double late = 0;
  std::vector<uint8_t> buffer(4096);
  while (!stopRequested) {
    if (fitRequested) {
      fitRequested = 0;
      if (FitNextUnit(unit.boot)) Fitted(options, unit);
    }
    while (!line.empty() && line.begin()->first <= Seconds()) {
      late = Seconds() - line.begin()->first;
      Send(master, line.begin()->second);
      line.erase(line.begin());
    }
    timespec wait{};
    if (!line.empty()) wait = Until(line.begin()->first);
    pollfd fd{master, POLLIN, 0};
    const int ready = ppoll(&fd, 1, line.empty() ? nullptr : &wait, &waitMask);
    if (ready < 0 && errno != EINTR) {
      std::perror("ambrelin-unit: poll");
      return 1;
    }
    if (ready <= 0 || !(fd.revents & POLLIN)) continue;
    const ssize_t n = read(master, buffer.data(), buffer.size());
    if (n < 0 && errno != EINTR && errno != EAGAIN) {
      std::perror("ambrelin-unit: read");
      return 1;
    }
    if (n <= 0) continue;
    // The program may change the speed at any time (the DSP download does).
    if (const int baud = LineBaud(slave); baud > 0) unit.baud = baud;
    toUnitFree = std::max(toUnitFree, Seconds() - std::exchange(late, 0.0)) + WireTime(unit, static_cast<size_t>(n));
    // The answers are worked out now but leave as the line allows: from when
    // the request's last byte is in, not from when a later wake-up would
    // notice it, so no wake-up lengthens the line.
    const int fitted = unit.boot.fitted;
    for (SimSend& piece : Feed(unit, {buffer.data(), static_cast<size_t>(n)}, toUnitFree)) {
      toHostFree = std::max(toHostFree, toUnitFree + piece.delay) + WireTime(unit, piece.bytes.size());
      line.emplace(toHostFree, std::move(piece.bytes));
    }
    if (unit.boot.fitted != fitted) Fitted(options, unit);
    if (options.log)
      for (const SimFrame& frame : unit.received) LogFrame(frame);
    unit.received.clear();
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  SimUnit unit;
  if (!ParseArguments(argc, argv, options, unit)) {
    std::fputs(Usage, stderr);
    return 2;
  }
  if (options.help) {
    std::fputs(Usage, stdout);
    return 0;
  }
  if (options.version) {
    std::puts("ambrelin-unit " AMBRELIN_VERSION);
    return 0;
  }

  int master = -1, slave = -1;
  char name[256] = {};
  if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
    std::perror("ambrelin-unit: openpty");
    return 1;
  }
  // The slave stays open for the whole run, so the device survives the
  // program closing and reopening it, and keeps its settings in between.
  termios tio{};
  tcgetattr(slave, &tio);
  cfmakeraw(&tio);
  cfsetspeed(&tio, B38400);
  tcsetattr(slave, TCSANOW, &tio);
  fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

  if (!options.link.empty()) {
    struct stat existing {};
    if (lstat(options.link.c_str(), &existing) == 0 && S_ISLNK(existing.st_mode))
      unlink(options.link.c_str());
    if (symlink(name, options.link.c_str()) != 0) {
      std::perror("ambrelin-unit: --link");
      return 1;
    }
  }

  // Stop and fit signals are held back except while waiting, so one arriving
  // between the check and the wait cannot be missed.
  struct sigaction action {};
  sigemptyset(&action.sa_mask);
  sigset_t signals, waitMask;
  sigemptyset(&signals);
  for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGUSR1}) {
    action.sa_handler = signal == SIGUSR1 ? RequestFit : RequestStop;
    sigaction(signal, &action, nullptr);
    sigaddset(&signals, signal);
  }
  sigprocmask(SIG_BLOCK, &signals, &waitMask);
  // The line's timing rests on waking when a byte is due, not up to the
  // default 50 microseconds after.
  prctl(PR_SET_TIMERSLACK, 1UL);

  std::printf("%s\n", name);
  std::fflush(stdout);
  if (!options.quiet)
    std::fprintf(stderr, "ambrelin-unit: serving on %s%s%s; Ctrl-C ends\n", name,
                 options.link.empty() ? "" : " as ", options.link.c_str());

  const int result = Serve(master, slave, options, unit, waitMask);
  if (!options.link.empty()) unlink(options.link.c_str());
  if (!options.dspFlash.empty()) {
    FILE* out = std::fopen(options.dspFlash.c_str(), "wb");
    if (!out || std::fwrite(unit.dsp.flash.data(), 1, unit.dsp.flash.size(), out) != unit.dsp.flash.size())
      std::perror("ambrelin-unit: --dsp-flash");
    if (out) std::fclose(out);
  }
  for (const auto& [target, flash] : unit.boot.flash) {
    if (options.bootFlash.empty()) break;
    const std::string path = options.bootFlash + std::to_string(target) + ".bin";
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out || std::fwrite(flash.data(), 1, flash.size(), out) != flash.size()) std::perror("ambrelin-unit: --boot-flash");
    if (out) std::fclose(out);
  }
  close(master);
  close(slave);
  return result;
}
