// ambrelin-cli burn against ambrelin-unit's boot program over real
// pseudo-terminals: the flash the unit ends with, the exit code of each way a
// burn can fail, the summary, the production log, Ctrl-C and a gang, and
// what a person sees of them on a terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <pty.h>
#include <string>
#include <thread>
#include <vector>

#include "RunCli.h"

namespace {

// The sample's bytes as the HEX text gives them, the rest 0xFF.
std::string SampleImage() {
  std::string image(0x10000, '\xFF');
  std::ifstream in(Sample());
  for (std::string line; std::getline(in, line) && line.substr(7, 2) == "00";) {
    const int count = std::stoi(line.substr(1, 2), nullptr, 16);
    const int address = std::stoi(line.substr(3, 4), nullptr, 16);
    for (int k = 0; k < count; ++k)
      image[size_t(address + k)] = static_cast<char>(std::stoi(line.substr(9 + 2 * k, 2), nullptr, 16));
  }
  return image;
}

TEST(CliBurn, SampleVerifiesTheSummaryTellsItAndARestartFollows) {
  const std::string flash = ::testing::TempDir() + "flash-sample-";
  UnitProcess unit({"--quiet", "--log", "--chip", "0832", "--boot-flash", flash});
  const CliRun run = RunCli({"burn", "--port", unit.device, "--target", "1", "--reboot", "--json", Sample()});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out.rfind("{\"what\":\"burn " + unit.device + "\",\"result\":\"done\",\"exit\":0,\"verified\":1,"
                          "\"chip_id\":\"0x0832\",\"chip\":\"Redido T89C64SB\",\"image\":\"" + Sample() +
                          "\",\"image_checksum\":\"0x",
                          0),
            0u)
      << run.out;
  EXPECT_EQ(Count(run.out, "\n"), 1u) << "one JSON object and nothing else";
  EXPECT_EQ(RunCli({"restart", "--port", unit.device, "--target", "3"}).status, 0);
  unit.Stop();
  const std::string written = Slurp(flash + "1.bin");
  ASSERT_EQ(written.size(), 0x10000u);
  EXPECT_TRUE(written.compare(1024, std::string::npos, SampleImage(), 1024) == 0) << "the flash holds the image";
  EXPECT_EQ(written.substr(0, 1024), std::string(1024, '\xFF')) << "below chip start nothing is written";
  EXPECT_NE(Slurp(unit.log).find("rx 55 00 01 56 01 04 00 01 00 00 5C AA"), std::string::npos);
  EXPECT_NE(Slurp(unit.log).find("rx 55 00 03 58 01 04 00 00 00 01 5E AA"), std::string::npos) << "the restart request";
}

TEST(CliBurn, EachFailureHasItsExitCode) {
  // A log that opens but whose lines do not fit: the first unit's line stops
  // an auto-repeat run as Ctrl-C would.
  const std::string log = FreshLog("full");
  ASSERT_EQ(symlink("/dev/full", log.c_str()), 0);
  const struct {
    std::vector<std::string> unit, args;
    int exit;
    std::string summary, err;
  } cases[] = {
      {{"--chip", "0101", "--no-wire"}, {"--target", "1", Sample()}, 5, "image too large", ""},
      {{"--chip", "0003", "--no-wire", "--boot-refuse", "1"}, {"--target", "2", Sample()}, 6, "erase failed", ""},
      {{"--chip", "0003", "--no-wire"}, {"--target", "1", TempFile("bad.hex", ":0100000000FE\r\n")}, 5, "image error", ""},
      {{"--chip", "0101", "--no-wire"},
       {"--target", "1", "--auto", "--log", log, TempFile("full.hex", ":0400000002004C535B\r\n:00000001FF\r\n")},
       8, "stopped, verified 1", "cannot write the production log " + log + "\n"},
  };
  for (const auto& c : cases) {
    UnitProcess unit(c.unit);
    std::vector<std::string> args{"burn", "--port", unit.device, "--quiet"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, c.exit) << c.summary << run.err;
    EXPECT_EQ(run.out.rfind("burn " + unit.device + ": " + c.summary + ",", 0), 0u) << run.out;
    if (!c.err.empty()) EXPECT_EQ(Count(run.err, c.err), 1u) << run.err;
  }
  std::remove(log.c_str());
}

TEST(CliBurn, TwoProcessesShareOneLogAndCtrlCStopsEachCleanly) {
  // Both burn unit after unit until stopped, a next unit fitted 50 ms after
  // the burn looks for it: many lines, written at once.
  const std::string log = FreshLog("production");
  const std::vector<std::string> fitting{"--chip", "0101", "--no-wire", "--next-unit-after", "0.05"};
  UnitProcess first(fitting), second(fitting);
  const std::string image = TempFile("small.hex", ":0400000002004C535B\r\n:00000001FF\r\n");
  CliProcess a({"burn", "--port", first.device, "--target", "1", "--auto", "--log", log, image});
  CliProcess b({"burn", "--port", second.device, "--target", "1", "--auto", "--log", log, image});
  std::this_thread::sleep_for(std::chrono::seconds(3));
  kill(a.pid, SIGINT);
  kill(b.pid, SIGTERM);
  EXPECT_EQ(a.Wait(), 130) << Slurp(a.out);
  EXPECT_EQ(b.Wait(), 130) << Slurp(b.out);
  EXPECT_NE(Slurp(a.out).find(": stopped, verified "), std::string::npos) << Slurp(a.out);

  const auto lines = Lines(Slurp(log));
  ASSERT_GT(lines.size(), 4u);
  size_t verified = 0, stopped = 0;
  for (const std::string& line : lines) {
    ASSERT_TRUE(line.starts_with("{\"time\":\"20") && line.ends_with("\"version\":\"0.1\"}")) << line;
    EXPECT_EQ(Count(line, "\"result\":"), 1u) << line;
    verified += line.find("\"result\":\"verified\"") != std::string::npos;
    stopped += line.find("\"result\":\"stopped\"") != std::string::npos;
  }
  // A stop on a unit is logged; one while waiting for the next unit is no unit's.
  EXPECT_LE(stopped, 2u);
  EXPECT_EQ(verified, lines.size() - stopped);
  first.Stop();
  second.Stop();
  const size_t fitted = 2 + Count(Slurp(first.log) + Slurp(second.log), " fitted\n");
  EXPECT_LE(verified, fitted) << "no unit is burned twice";
  EXPECT_GE(verified + 2, fitted);
  EXPECT_NE(lines[0].find("\"target\":1,\"chip_id\":\"0x0101\",\"chip\":\"Stc 89C51\""), std::string::npos) << lines[0];
}

TEST(CliBurn, GangOfThreeWithOneSilentUnit) {
  const std::string log = FreshLog("gang");
  UnitProcess one({"--chip", "0101", "--no-wire"}), two({"--chip", "0101", "--no-wire"}), silent({"--silent"});
  // The silent port's search is cut short: its 55 s are the burn test's.
  const CliRun run = RunCli({"burn", "--port", one.device, "--port", silent.device, "--port", two.device, "--port",
                             "/dev/no-such-port", "--target", "1", "--search-seconds", "1", "--log", log,
                             TempFile("gang.hex", ":0400000002004C535B\r\n:00000001FF\r\n")});
  EXPECT_EQ(run.status, 3) << run.out << run.err;
  const std::string lines = Slurp(log);
  EXPECT_EQ(std::make_tuple(Count(run.out, "  done  "), Count(run.out, "  not found  "),
                            Count(run.out, "/dev/no-such-port  cannot open  ")),
            std::make_tuple(2u, 1u, 1u))
      << run.out;
  EXPECT_EQ(std::make_tuple(Count(lines, "\"result\":\"verified\""), Count(lines, "\"result\":\"not found\""),
                            Count(lines, "\"port\":\"/dev/no-such-port\",\"adapter\":\"\",\"target\":1,"),
                            Count(lines, "\"result\":\"cannot open\"")),
            std::make_tuple(2u, 1u, 1u, 1u))
      << lines;
  // Hashed by sha256sum; who and where only when given.
  EXPECT_EQ(Count(lines, "\"image_sha256\":\"1afc426bbc0ccf03400d07b630729cc73f8bfbf11883edb468883c252182bcae\""), 4u);
  EXPECT_EQ(Count(lines, "\"operator\"") + Count(lines, "\"order\"") + Count(lines, "\"station\""), 0u) << lines;
}

// ambrelin-cli on a terminal of its own, as started from a person's shell:
// what it drew there by the time it ended. Ctrl-C is typed at the terminal
// once what it drew makes `typeCtrlC` true (or after a minute, so that a run
// that never draws it fails rather than hangs).
CliRun OnTerminal(std::vector<std::string> args, const std::function<bool(const std::string&)>& typeCtrlC = {}) {
  args.insert(args.begin(), AMBRELIN_CLI);
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  int terminal = -1;
  const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
  if (pid == 0) {
    execv(AMBRELIN_CLI, argv.data());
    _exit(127);
  }
  std::string drawn;
  bool typed = !typeCtrlC;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  char buffer[4096];
  for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0;) {
    drawn.append(buffer, size_t(n));
    if (!typed && (typeCtrlC(drawn) || std::chrono::steady_clock::now() > giveUp))
      typed = write(terminal, "\x03", 1) == 1;
  }
  close(terminal);
  int status = 0;
  waitpid(pid, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, drawn, ""};
}

TEST(CliBurn, OnATerminalProgressIsRedrawnInPlaceAndCtrlCStopsAGangOnce) {
  UnitProcess unit({"--chip", "0101", "--no-wire"});
  const std::string image = TempFile("terminal.hex", ":0400000002004C535B\r\n:00000001FF\r\n");
  CliRun run = OnTerminal({"burn", "--port", unit.device, "--target", "1", image});
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("\rburn " + unit.device + "  programming  "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\x1b[K\r\x1b[Kburn " + unit.device + ": done"), std::string::npos) << run.out;

  // Ctrl-C reaches the gang alone, which passes it on once: each unit stops
  // through its own clean-up and reports. A second signal would end a unit
  // without its summary.
  const std::vector<std::string> fitting{"--chip", "0101", "--no-wire", "--next-unit-after", "0.05"};
  UnitProcess first(fitting), second(fitting);
  run = OnTerminal({"burn", "--port", first.device, "--port", second.device, "--target", "1", "--auto", image},
                   [&](const std::string& drawn) {
                     return drawn.find(first.device + "  programming") != std::string::npos &&
                            drawn.find(second.device + "  programming") != std::string::npos;
                   });
  EXPECT_EQ(run.status, 130) << run.out;
  EXPECT_NE(run.out.find("\x1b[2F" + first.device + "  "), std::string::npos) << run.out;
  EXPECT_EQ(Count(run.out, "  stopped  "), 2u) << run.out;
}

}  // namespace
