#pragma once
// Runs ambrelin-cli and collects what it says.
#include <gtest/gtest.h>

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

inline CliRun RunCli(const std::vector<std::string>& args) {
  const std::string err = ::testing::TempDir() + "cli-" + std::to_string(getpid()) + ".err";
  std::string command = AMBRELIN_CLI;
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
