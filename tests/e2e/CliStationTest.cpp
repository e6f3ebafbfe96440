// What a production station asks of ambrelin-cli, against ambrelin-unit over
// real pseudo-terminals: a fixture check, the expected image, who and what in
// the log and a short search.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunCli.h"

namespace {

const std::string SampleSha256 = "9f1fdeca1859b4a7aab94bc56df3eafe3762812dcd5ea77dbf42a90c11ed9ca6";

// One fixture with a unit and one silent, as a station's gang has them.
TEST(CliStation, AnUnexpectedImageTouchesNoUnitIdentifyWritesNothingAndTheLogSaysWhoAndWhat) {
  UnitProcess unit({"--log", "--chip", "0832", "--no-wire"}), silent({"--log", "--silent"});
  // Neither does a script that could not be burned to its end, nor a log that cannot be written.
  TempFile("expect-panel.hex", Slurp(Sample()));
  const std::string script = TempFile("expect.bat", "1 expect-panel.hex\r\n2 expect-panel.hex\r\n");
  const std::string folder = ::testing::TempDir();
  const struct {
    std::vector<std::string> args;
    std::string err;
    int exit = 5;
    std::string result = "wrong image";
  } cases[] = {
      {{"--target", "1", "--log", folder + "no-such-folder/line.log", Sample()},
       "cannot write the production log " + folder + "no-such-folder/line.log\n", 8, "log error"},
      {{TempFile("refuse.bat", "1 expect-panel.hex\r\n2 refuse-absent.hex\r\n")},
       "BatFile时, 出错 ! 行 2, " + folder + "refuse-absent.hex: LoadCode_HexFile时, 出错 !\n", 5, "image error"},
      {{"--target", "1", "--expect", "F17", Sample()},
       "not the expected image " + Sample() + ": checksum 0x0F17 expected, 0x0F16 found\n"},
      // The checksum as the burn page shows it with the fill chosen.
      {{"--target", "1", "--fill", "00", "--expect", "0xF16", Sample()},
       "not the expected image " + Sample() + ": checksum 0x0F16 expected, 0xEF16 found\n"},
      {{"--target", "1", "--expect-sha256", std::string(64, 'A'), Sample()},
       "not the expected image " + Sample() + ": SHA-256 " + std::string(64, 'a') + " expected, " + SampleSha256 +
           " found\n"},
      {{"--expect", "F16", script}, "not the expected script " + script + ": 1 checksums expected, 2 lines found\n"},
      {{"--expect", "F16,F15", script},
       "not the expected image " + script + " (script line 2): checksum 0x0F15 expected, 0x0F16 found\n"},
  };
  for (const auto& c : cases) {
    for (const bool gang : {false, true}) {
      std::vector<std::string> args{"burn", "--port", unit.device};
      if (gang) args.insert(args.end(), {"--port", silent.device});
      args.insert(args.end(), c.args.begin(), c.args.end());
      const CliRun run = RunCli(args);
      EXPECT_EQ(std::make_pair(run.status, run.err), std::make_pair(c.exit, c.err)) << run.out;
      EXPECT_NE(run.out.find(": " + c.result + ", "), std::string::npos) << run.out;
    }
  }
  EXPECT_EQ(RunCli({"burn", "--port", unit.device, "--target", "1", "--expect", "12345", Sample()}).status, 64);
  EXPECT_EQ(RunCli({"burn", "--port", unit.device, "--target", "1", "--expect-sha256", "12", Sample()}).status, 64);
  EXPECT_EQ(Slurp(unit.log).find("rx "), std::string::npos) << "no request reached the unit";
  EXPECT_EQ(Slurp(silent.log).find("rx "), std::string::npos) << "nor the gang's other fixture";

  CliRun run = RunCli({"identify", "--port", unit.device, "--port", silent.device, "--port", "/dev/no-such-port",
                       "--target", "2", "--search-seconds", "0.5"});
  EXPECT_EQ(run.status, 2) << run.out << run.err;
  const auto rows = Lines(run.out);
  ASSERT_EQ(rows.size(), 4u) << run.out;
  EXPECT_EQ(rows[0].rfind("port ", 0), 0u) << rows[0];
  EXPECT_TRUE(rows[1].starts_with(unit.device) && rows[1].ends_with("  0x0832 Redido T89C64SB")) << rows[1];
  EXPECT_TRUE(rows[2].starts_with(silent.device) && rows[2].ends_with("  no unit")) << rows[2];
  EXPECT_NE(rows[3].find("  cannot open: 打开串口失败 ! /dev/no-such-port: "), std::string::npos) << rows[3];
  run = RunCli({"identify", "--port", unit.device, "--port", silent.device, "--target", "2", "--search-seconds",
                "0.5", "--json"});
  EXPECT_EQ(run.status, 3) << "an empty fixture";
  const auto objects = Lines(run.out);
  ASSERT_EQ(objects.size(), 2u) << run.out;
  EXPECT_NE(objects[0].find("\"chip_id\":\"0x0832\""), std::string::npos) << objects[0];
  EXPECT_NE(objects[0].find("\"port\":\"" + unit.device + "\""), std::string::npos) << objects[0];
  EXPECT_NE(objects[1].find("\"result\":\"no unit\""), std::string::npos) << objects[1];
  // Identify requests to target 2 and nothing else.
  const std::string frames = Slurp(unit.log);
  EXPECT_EQ(Count(frames, "rx 55 00 02 57 "), Count(frames, "rx ")) << frames;
  EXPECT_EQ(Count(frames, " 04 00 01 00 00 "), Count(frames, "rx ")) << frames;

  const std::string log = FreshLog("station");
  // The gang's silent port gives up after its own second, not the 55 s of a full search.
  run = RunCli({"burn", "--port", unit.device, "--port", silent.device, "--target", "1", "--expect", "0X0f16",
                "--expect-sha256", SampleSha256, "--search-seconds", "1", "--operator", "Li Wei", "--order", "WO-\"7\"",
                "--station", "Line 2", "--log", log, "--json", Sample()});
  EXPECT_EQ(run.status, 3) << run.out << run.err;
  const auto lines = Lines(Slurp(log));
  ASSERT_EQ(lines.size(), 2u);
  for (const std::string& line : lines) {
    EXPECT_NE(line.find(",\"adapter\":\"\",\"operator\":\"Li Wei\",\"order\":\"WO-\\\"7\\\"\",\"station\":\"Line 2\","),
              std::string::npos)
        << line;
    EXPECT_NE(line.find("\"image_sha256\":\"" + SampleSha256 + "\""), std::string::npos) << line;
  }
  EXPECT_EQ(Count(Slurp(log), "\"result\":\"verified\""), 1u);
  const size_t silentLine = lines[0].find("not found") != std::string::npos ? 0 : 1;
  const size_t at = lines[silentLine].find("\"seconds\":");
  ASSERT_NE(at, std::string::npos);
  EXPECT_LT(std::stod(lines[silentLine].substr(at + 10)), 10.0) << lines[silentLine];
}

}  // namespace
