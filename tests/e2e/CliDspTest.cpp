// ambrelin-cli dsp-download against ambrelin-unit over a real
// pseudo-terminal: the whole 512 KiB at 128,000 baud, in real time, the
// ways it fails, and its production log line.
#include <gtest/gtest.h>

#include <string>

#include "RunCli.h"

namespace {

TEST(CliDsp, WholeImageCrossesANoisyLineAndLandsByteForByte) {
  // Egg: 2,000 lines of a counting pattern; Flash: a patch inside it and one at the very end.
  std::string egg, image(0x80000, '\xFF');
  for (int line = 0; line < 2000; ++line) {
    char text[10];
    std::snprintf(text, sizeof text, "%08X\n", line * 0x01010101u + 0x00010203u);
    egg += text;
    for (int k = 0; k < 4; ++k) image[size_t(line) * 4 + size_t(k)] = static_cast<char>(std::stoi(std::string(text + 2 * k, 2), nullptr, 16));
  }
  image[0x10] = '\x5A';
  image[0x7FFFF] = '\x00';
  const std::string eggPath = TempFile("cli-dsp.Img", egg);
  const std::string flashPath = TempFile("cli-dsp-patch.Img", "# [000010]\n5a\n# [07FFFF]\n00\n");

  // Refusals on the line but no wire time and no silences: each silence costs
  // a real 3 s timeout, and the wire-time figures belong to the benchmark.
  const std::string flashFile = ::testing::TempDir() + "dsp-flash.bin";
  UnitProcess unit({"--quiet", "--dsp-flash", flashFile, "--no-wire", "--dsp-fail", "0.02", "--seed", "3"});
  ASSERT_EQ(unit.device.rfind("/dev/", 0), 0u) << "the unit did not start";
  const CliRun run = RunCli({"dsp-download", "--port", unit.device, "--verbose", eggPath, flashPath});
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_GE(lines.size(), 2u * 4096);
  EXPECT_NE(run.out.find("\n数据长度: 0x80000字节\n数据大小: 0x2字节\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n删除: 失败0x"), std::string::npos) << "refusals on the way";
  EXPECT_EQ(lines[lines.size() - 2], "烧录: 完成");
  EXPECT_EQ(lines.back().rfind("dsp-download " + unit.device + ": done, image " + eggPath + ", checksum 0x", 0), 0u)
      << lines.back();

  unit.Stop();
  const std::string flash = Slurp(flashFile);
  ASSERT_EQ(flash.size(), image.size());
  EXPECT_TRUE(flash == image) << "first difference at " << std::mismatch(flash.begin(), flash.end(), image.begin()).first - flash.begin();
}

TEST(CliDsp, NoLoaderNoFileAndTheLogLine) {
  const std::string log = FreshLog("dsp");
  const std::string egg = TempFile("cli-dsp-small.Img", "00112233\n");
  UnitProcess unit({"--quiet", "--log", "--silent"});
  CliRun run = RunCli({"dsp-download", "--port", unit.device, "--operator", "Ana", "--order", "WO-8", "--log", log,
                       "--json", egg});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out.rfind("{\"what\":\"dsp-download " + unit.device + "\",\"result\":\"not found\",\"exit\":3,", 0), 0u)
      << run.out;
  const auto lines = Lines(Slurp(log));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("{\"time\":\"20", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find("\"port\":\"" + unit.device + "\",\"adapter\":\"\",\"operator\":\"Ana\",\"order\":\"WO-8\","
                          "\"image\":\"" + egg + "\",\"image_sha256\":\""),
            std::string::npos)
      << lines[0];
  EXPECT_NE(lines[0].find("\"result\":\"not found\",\"errors\":"), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find("\"address\":\"0x"), std::string::npos) << lines[0];

  // A log that cannot be written, a bad file: nothing is sent.
  const size_t before = Count(Slurp(unit.log), "rx ");
  EXPECT_GT(before, 0u);
  run = RunCli({"dsp-download", "--port", unit.device, "--log", ::testing::TempDir() + "no-such-folder/dsp.log", egg});
  EXPECT_EQ(run.status, 8) << run.err;
  run = RunCli({"dsp-download", "--port", unit.device, TempFile("cli-dsp-bad.Img", "0011223\n")});
  EXPECT_EQ(run.status, 5);
  EXPECT_NE(run.err.find("数据长度出错: 1"), std::string::npos) << run.err;
  unit.Stop();
  EXPECT_EQ(Count(Slurp(unit.log), "rx "), before);
}

}  // namespace
