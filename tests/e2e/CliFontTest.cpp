// ambrelin-cli font: the window's "Born" text on standard output.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunCli.h"
#include "fontgen/CharBorn.h"

namespace {

CliRun Font(std::vector<std::string> args) {
  args.insert(args.begin(), "font");
  return RunCli(args);
}

}  // namespace

TEST(CliFont, PrintsTheTableAsBornMakesIt) {
  const CliRun seven = Font({"--display", "7", "--order", "aglmhcx"});
  EXPECT_EQ(seven.status, 0);
  EXPECT_EQ(seven.out, BornText(LedDisplay::Seg7, FontFormat::Uchar, "AGLMHCX         ", false));
  EXPECT_NE(seven.out.find("{0x3F},      //0\r\n"), std::string::npos);

  // Blanks and dashes leave boxes empty.
  const CliRun sixteen =
      Font({"--display", "16", "--order", "A-C DEFGHIJKLMXY", "--reverse", "--format", "asm"});
  EXPECT_EQ(sixteen.status, 0);
  EXPECT_EQ(sixteen.out, BornText(LedDisplay::Seg16, FontFormat::Asm, "A C DEFGHIJKLMXY", true));

  const CliRun fourteen = Font({"--format", "ushort", "--order", "", "--display", "14"});
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
    const CliRun run = Font(args);
    EXPECT_EQ(run.status, 64) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "") << ::testing::PrintToString(args);
  }
}
