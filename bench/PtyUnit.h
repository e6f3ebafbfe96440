#pragma once
// ambrelin-unit and ambrelin-cli run as people run them, and the seams a
// benchmark needs to drive the real port against the unit: COM1 pinned to
// the unit's pseudo-terminal, messages kept off the screen.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/Platform.h"
#include "link/PortMap.h"

inline double CpuSeconds(const rusage& usage) {
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// This program's own.
inline double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return CpuSeconds(usage);
}

// Starts program with its arguments and its standard output on out. The
// argument list is built before the fork: a threaded program's child may
// only exec.
inline pid_t Spawn(const char* program, const std::vector<std::string>& args, int out) {
  std::vector<char*> argv{const_cast<char*>(program)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out, STDOUT_FILENO);
    execv(program, argv.data());
    _exit(127);
  }
  return pid;
}

// A running ambrelin-unit and the device it serves; no device when it did not start.
struct PtyUnit {
  pid_t pid = -1;
  std::string device;
};

// The unit prints its device path first.
inline PtyUnit StartUnit(const std::vector<std::string>& options) {
  int out[2];
  if (pipe(out) != 0) return {};
  PtyUnit unit{Spawn(AMBRELIN_UNIT, options, out[1]), {}};
  close(out[1]);
  char c;
  while (read(out[0], &c, 1) == 1 && c != '\n') unit.device += c;
  close(out[0]);
  return unit;
}

// Returns the unit's CPU seconds over its whole run.
inline double StopUnit(const PtyUnit& unit) {
  if (unit.pid <= 0) return 0;
  kill(unit.pid, SIGTERM);
  rusage usage{};
  wait4(unit.pid, nullptr, 0, &usage);
  return CpuSeconds(usage);
}

// A run of ambrelin-cli against a unit of its own.
struct CliRun {
  bool done = false;  // exited 0
  double wall = 0, cliCpu = 0, unitCpu = 0;
};

// Runs `cli VERB --port DEVICE ARGS...` to its end, its output dropped,
// against a unit started with --quiet.
inline CliRun RunCli(const char* cli, const std::string& verb, std::vector<std::string> args) {
  const PtyUnit unit = StartUnit({"--quiet"});
  args.insert(args.begin(), {verb, "--port", unit.device});
  const int null = open("/dev/null", O_WRONLY);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = Spawn(cli, args, null);
  close(null);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  CliRun run;
  run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.done = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  run.cliCpu = CpuSeconds(usage);
  run.unitCpu = StopUnit(unit);
  return run;
}

// The run's figures next to the wire time of its exchanges.
inline std::map<std::string, double> CliFigures(const CliRun& run, double wireSeconds, int exchanges) {
  return {{"wall s", run.wall},
          {"wire s", wireSeconds},
          {"added ms/exchange", (run.wall - wireSeconds) / exchanges * 1e3},
          {"cli CPU %", run.cliCpu / run.wall * 100},
          {"unit CPU %", run.unitCpu / run.wall * 100}};
}

// COM1 stands for the unit's device; nothing is saved.
struct PinStore : SettingsStore {
  std::string device;
  std::string Get(std::string_view section, std::string_view key) override {
    return section == PortPinSection && key == "COM1" ? device : std::string();
  }
  void Put(std::string_view, std::string_view, std::string_view) override {}
};

// Messages go to stderr, so a failed run says why.
struct Quiet : Dialogs {
  void MessageBox(std::string_view text) override { std::fprintf(stderr, "%.*s\n", int(text.size()), text.data()); }
  void Notice(std::string_view) override {}
  std::optional<std::string> OpenFile(std::string_view) override { return std::nullopt; }
  void Play(std::string_view) override {}
};

// An Intel HEX image to burn, 64 KB unless said otherwise.
inline std::string HexImage(unsigned size = 0x10000, const std::string& path = "/tmp/ambrelin-burn-bench.hex") {
  std::ofstream out(path);
  char line[64];
  for (unsigned at = 0; at < size; at += 16) {
    unsigned sum = 16 + (at >> 8) + (at & 0xFF);
    std::snprintf(line, sizeof line, ":10%04X00", at);
    out << line;
    for (unsigned k = 0; k < 16; ++k) {
      const unsigned b = (at + k) * 7 % 251;
      sum += b;
      std::snprintf(line, sizeof line, "%02X", b);
      out << line;
    }
    std::snprintf(line, sizeof line, "%02X\r\n", (0x100 - sum % 256) % 256);
    out << line;
  }
  out << ":00000001FF\r\n";
  return path;
}
