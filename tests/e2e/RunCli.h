#pragma once
// Runs ambrelin-cli and ambrelin-unit for the end-to-end tests.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
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

// Starts `program` with `args`; its standard output goes to the descriptor
// `out`, its standard error to the file `err`.
inline pid_t Spawn(const char* program, std::vector<std::string> args, int out, const std::string& err) {
  args.insert(args.begin(), program);
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out, STDOUT_FILENO);
    dup2(fileno(std::fopen(err.c_str(), "w")), STDERR_FILENO);
    execv(program, argv.data());
    _exit(127);
  }
  return pid;
}

// An ambrelin-unit with its options, started at once; its standard error goes
// to a log file (the frames it received, with --log) and it stops at the end.
struct UnitProcess {
  pid_t pid = -1;
  std::string device;
  std::string log = ::testing::TempDir() + "unit-" + std::to_string(getpid()) + "-" + std::to_string(rand()) + ".log";

  explicit UnitProcess(std::vector<std::string> options) {
    int out[2];
    if (pipe(out) != 0) return;
    pid = Spawn(AMBRELIN_UNIT, std::move(options), out[1], log);
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

// A log path of this process's own, with no file there yet.
inline std::string FreshLog(const std::string& name) {
  const std::string path = ::testing::TempDir() + name + "-" + std::to_string(getpid()) + ".log";
  std::remove(path.c_str());
  return path;
}

// A file in the test's folder with this content.
inline std::string TempFile(const std::string& name, const std::string& content) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

// The front-panel sample shipped in the repository.
inline std::string Sample() { return std::string(AMBRELIN_SOURCE) + "/samples/front-panel.hex"; }

// An ambrelin-cli running beside the test; its output goes to a file.
struct CliProcess {
  std::string out = ::testing::TempDir() + "cli-bg-" + std::to_string(getpid()) + "-" + std::to_string(rand()) + ".out";
  pid_t pid;
  explicit CliProcess(std::vector<std::string> args) {
    const int file = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid = Spawn(AMBRELIN_CLI, std::move(args), file, out + ".err");
    close(file);
  }
  // Its exit code.
  int Wait() {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}
