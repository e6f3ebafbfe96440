// ambrelin-cli font: the window's "Born" text on standard output.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "fontgen/CharBorn.h"

namespace {

struct FontRun {
  int status;
  std::string out;
};

FontRun Font(const std::vector<std::string>& args) {
  std::string command = std::string(AMBRELIN_CLI) + " font";
  for (const auto& arg : args) command += " '" + arg + "'";
  command += " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[256];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

}  // namespace

TEST(CliFont, PrintsTheTableAsBornMakesIt) {
  const FontRun seven = Font({"--display", "7", "--order", "aglmhcx"});
  EXPECT_EQ(seven.status, 0);
  EXPECT_EQ(seven.out, BornText(LedDisplay::Seg7, FontFormat::Uchar, "AGLMHCX         ", false));
  EXPECT_NE(seven.out.find("{0x3F},      //0\r\n"), std::string::npos);

  // Blanks and dashes leave boxes empty.
  const FontRun sixteen =
      Font({"--display", "16", "--order", "A-C DEFGHIJKLMXY", "--reverse", "--format", "asm"});
  EXPECT_EQ(sixteen.status, 0);
  EXPECT_EQ(sixteen.out, BornText(LedDisplay::Seg16, FontFormat::Asm, "A C DEFGHIJKLMXY", true));

  const FontRun fourteen = Font({"--format", "ushort", "--order", "", "--display", "14"});
  EXPECT_EQ(fourteen.status, 0);
  EXPECT_EQ(fourteen.out, BornText(LedDisplay::Seg14, FontFormat::Ushort, "", false));
}

TEST(CliFont, RefusesBadArguments) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"--display", "7"},
      {"--order", "AB"},
      {"--display", "8", "--order", "AB"},
      {"--display", "7", "--order", "ABCDEFGHIJKLMNXYZ"},
      {"--display", "7", "--order", "A1"},
      {"--display", "7", "--order", "AB", "--format", "c"},
      {"--display", "7", "--order", "AB", "--colour"},
      {"--display", "7", "--order"},
  };
  for (const auto& args : bad) {
    const FontRun run = Font(args);
    EXPECT_EQ(run.status, 64) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "") << ::testing::PrintToString(args);
  }
}
