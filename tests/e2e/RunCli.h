#pragma once
// Runs ambrelin-cli and ambrelin-unit for the end-to-end tests.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct CliRun {
  int status;
  std::string out, err;
};

inline std::string Slurp(const std::string& path) {
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// Runs ambrelin-cli; `environment` (NAME='value' ...) goes in front of it.
inline CliRun RunCli(const std::vector<std::string>& args, const std::string& environment = "") {
  const std::string err = ::testing::TempDir() + "cli-" + std::to_string(getpid()) + ".err";
  std::string command = environment + " " + AMBRELIN_CLI;
  for (const auto& arg : args) {
    command += " '";
    for (char c : arg) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
    command += "'";
  }
  command += " 2>" + err;
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, Slurp(err)};
}

// An ambrelin-unit with its options, started at once; its standard error goes
// to a log file (the frames it received, with --log) and it stops at the end.
struct UnitProcess {
  pid_t pid = -1;
  std::string device;
  std::string log = ::testing::TempDir() + "unit-" + std::to_string(getpid()) + ".log";

  explicit UnitProcess(std::vector<std::string> options) {
    options.insert(options.begin(), AMBRELIN_UNIT);
    std::vector<char*> argv;
    for (auto& option : options) argv.push_back(option.data());
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) return;
    pid = fork();
    if (pid == 0) {
      dup2(out[1], STDOUT_FILENO);
      FILE* errors = std::fopen(log.c_str(), "w");
      dup2(fileno(errors), STDERR_FILENO);
      execv(AMBRELIN_UNIT, argv.data());
      _exit(127);
    }
    close(out[1]);
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') device += c;
    close(out[0]);
  }
  // Stops the unit; what it writes at exit (its flashes) is there afterwards.
  void Stop() {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    pid = -1;
  }
  ~UnitProcess() { Stop(); }
};
