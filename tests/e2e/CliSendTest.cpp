// ambrelin-cli send, pin and ports, the register dump, the memory batch and
// the DSP download against ambrelin-unit over a real pseudo-terminal.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RunCli.h"

namespace {

TEST(CliSend, FramesCrossTheWireByteForByteARefusedTextSendsNothingAndADumpReadsThemBack) {
  UnitProcess unit({"--log", "--quiet"});
  size_t seen = 0;
  // Frames the unit received since the last call.
  const auto received = [&] {
    const std::string log = Slurp(unit.log);
    const std::string fresh = log.substr(std::min(seen, log.size()));
    seen = log.size();
    return fresh;
  };
  CliRun run = RunCli({"send", "--port", unit.device, "--address", "1", "0201 0001 0002"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "55 01 00 56 01 01 02 5A AA\n");
  EXPECT_EQ(received(), "rx 55 00 01 56 01 06 02 01 00 01 00 02 63 AA\n");
  run = RunCli({"send", "--port", unit.device, "--type", "10", "--address", "2", "12 3"});
  EXPECT_EQ(run.out, "55 01 00 56 01 01 12 6A AA\n");
  EXPECT_EQ(received(), "rx 55 10 02 67 01 02 12 03 7F AA\n");

  // A text the logic refuses is not sent; which texts it refuses is the link test's.
  run = RunCli({"send", "--port", unit.device, "--type", "1FF", "--address", "1", "00"});
  EXPECT_EQ(std::make_pair(run.status, run.err), std::make_pair(1, std::string("TxByHex2, 出错 !\n")));

  // A pinned number is listed and reaches the unit.
  ASSERT_EQ(RunCli({"pin", "COM200", unit.device}).status, 0);
  EXPECT_NE(RunCli({"ports"}).out.find("COM200\t" + unit.device + "\t\n"), std::string::npos);
  EXPECT_EQ(RunCli({"send", "--port", "COM200", "--address", "3", " "}).status, 0);
  EXPECT_EQ(received(), "rx 55 00 03 58 01 00 59 AA\n") << "and nothing of the refused text";
  ASSERT_EQ(RunCli({"pin", "COM200"}).status, 0);
  EXPECT_EQ(RunCli({"ports"}).out.find("COM200\t" + unit.device), std::string::npos);

  // The register dump reads what was sent; the order of its requests is its own test's.
  ASSERT_EQ(RunCli({"send", "--port", unit.device, "--address", "3", "0500 0031 4110"}).status, 0);
  const std::string out = ::testing::TempDir() + "hdmi-dump.bin";
  ASSERT_EQ(RunCli({"hdmi-dump", "--port", unit.device, "--chip", "9889", "--out", out}).status, 0);
  const std::string registers = Slurp(out);
  ASSERT_EQ(registers.size(), 256u);
  EXPECT_EQ(registers[0x41], 0x10);
  const std::vector<std::string> frames = Lines(received());
  ASSERT_EQ(frames.size(), 1u + 256u);
  EXPECT_EQ(frames[1], "rx 55 00 03 58 01 06 05 00 00 30 00 00 94 AA");

  // Without --out, the dump as the window shows it.
  run = RunCli({"hdmi-dump", "--port", unit.device, "--chip", "9889"});
  EXPECT_EQ(run.out.rfind(";    00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n\r\n0000:", 0), 0u);
  char row[16];
  std::snprintf(row, sizeof row, "\r\n0004:%02X 10 ", static_cast<uint8_t>(registers[0x40]));
  EXPECT_NE(run.out.find(row), std::string::npos) << run.out;
}

// A silent unit: the batch refuses a bad port text before it sends, the
// register dump ends with the timeout after its first request, and the DSP
// download finds no loader.
TEST(CliSilentUnit, TheBatchRefusesABadPortTextTheDumpTimesOutAndTheDownloadFindsNoLoader) {
  UnitProcess unit({"--log", "--quiet", "--silent"});
  const std::string dataHome = ::testing::TempDir() + "hdmi-e2e-data";
  const std::string result = dataHome + "/VellDebuger/VellBatchRead1.Bin";
  std::filesystem::remove(result);
  CliRun run = RunCli({"batch", "--port", unit.device, "--port-text", "3A", "--read"}, "XDG_DATA_HOME='" + dataHome + "'");
  EXPECT_EQ(run.status, 64);
  EXPECT_NE(run.err.find("BatchCommandRW,出错"), std::string::npos) << run.err;
  EXPECT_EQ(Slurp(result), std::string(256, '\0')) << "its file saved all the same";
  run = RunCli({"hdmi-dump", "--port", unit.device, "--chip", "9880"});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.err.rfind("写入:超时错0x0\nhdmi-dump " + unit.device + ": timeout, chip AD9880", 0), 0u) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(Lines(Slurp(unit.log)).size(), 1u) << "nothing after the register that failed, nothing of the batch";

  // No loader answers the download; its log line says who and what.
  const std::string log = FreshLog("dsp");
  const std::string egg = TempFile("cli-dsp-small.Img", "00112233\n");
  run = RunCli({"dsp-download", "--port", unit.device, "--operator", "Ana", "--order", "WO-8", "--log", log, "--json", egg});
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

// The whole 512 KiB at 128,000 baud, in real time.
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

}  // namespace
