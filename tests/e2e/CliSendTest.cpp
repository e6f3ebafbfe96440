// ambrelin-cli send, pin and ports, the register dump and the memory batch
// against ambrelin-unit over a real pseudo-terminal.
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

// A silent unit: the batch refuses a bad port text before it sends, and the
// register dump ends with the timeout after its first request.
TEST(CliHdmi, BatchRefusesABadPortTextAndASilentUnitEndsTheDump) {
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
}

}  // namespace
