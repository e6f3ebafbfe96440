// ambrelin-cli against ambrelin-unit over a real pseudo-terminal.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "RunCli.h"

namespace {

// The unit runs for the whole suite; its log shows what reached it.
struct Unit {
  UnitProcess process{{"--log", "--quiet"}};
  std::string& device = process.device;
  size_t logSeen = 0;
  // Frames received since the last call.
  std::string Received() {
    const std::string log = Slurp(process.log);
    std::string fresh = log.substr(std::min(logSeen, log.size()));
    logSeen = log.size();
    return fresh;
  }
};

class CliSend : public ::testing::Test {
 protected:
  static Unit* unit;
  static void SetUpTestSuite() { unit = new Unit; }
  static void TearDownTestSuite() { delete unit; }
  void SetUp() override {
    ASSERT_EQ(unit->device.rfind("/dev/", 0), 0u) << "the unit did not start";
    unit->Received();
  }
};
Unit* CliSend::unit = nullptr;

TEST_F(CliSend, FrameAndReplyCrossTheWireByteForByte) {
  CliRun run = RunCli({"send", "--port", unit->device, "--address", "1", "0201 0001 0002"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "55 01 00 56 01 01 02 5A AA\n");
  EXPECT_EQ(unit->Received(), "rx 55 00 01 56 01 06 02 01 00 01 00 02 63 AA\n");

  run = RunCli({"send", "--port", unit->device, "--type", "10", "--address", "2", "12 3"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "55 01 00 56 01 01 12 6A AA\n");
  EXPECT_EQ(unit->Received(), "rx 55 10 02 67 01 02 12 03 7F AA\n");
}

TEST_F(CliSend, RefusedTextSendsNothing) {
  CliRun run = RunCli({"send", "--port", unit->device, "--address", "G", "0201"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("TxByHex, 出错 !"), std::string::npos) << run.err;
  run = RunCli({"send", "--port", unit->device, "--type", "1FF", "--address", "1", "00"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("TxByHex2, 出错 !"), std::string::npos) << run.err;
  usleep(100'000);
  EXPECT_EQ(unit->Received(), "");
}

TEST_F(CliSend, MissingPortAndBadUsageFail) {
  EXPECT_EQ(RunCli({"send", "--port", "/dev/no-such-port", "--address", "1", "00"}).status, 2);
  EXPECT_EQ(RunCli({"send", "--address", "1", "00"}).status, 64);
  EXPECT_EQ(RunCli({"launch"}).status, 64);
  EXPECT_EQ(RunCli({"pin", "COM123", "/dev/null"}).status, 64) << "a slip, not COM12";
  EXPECT_EQ(RunCli({"send", "--port", "COM1", "--address", "1", "--wait", "soon", "00"}).status, 64);
  EXPECT_EQ(RunCli({"send", "--port", "COM1", "--address", "1", "--wait", "-1", "00"}).status, 64);
}

TEST_F(CliSend, PinnedNumberIsListedAndReachesTheUnit) {
  ASSERT_EQ(RunCli({"pin", "COM9", unit->device}).status, 0);
  CliRun run = RunCli({"ports"});
  EXPECT_NE(run.out.find("COM9\t" + unit->device + "\t\n"), std::string::npos) << run.out;
  run = RunCli({"send", "--port", "COM9", "--address", "3", " "});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(unit->Received(), "rx 55 00 03 58 01 00 59 AA\n");
  ASSERT_EQ(RunCli({"pin", "COM9"}).status, 0);
  EXPECT_EQ(RunCli({"ports"}).out.find("COM9\t" + unit->device), std::string::npos);
}

}  // namespace
