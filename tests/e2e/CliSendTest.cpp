// ambrelin-cli send, pin and ports against ambrelin-unit over a real
// pseudo-terminal.
#include <gtest/gtest.h>

#include <string>

#include "RunCli.h"

namespace {

TEST(CliSend, FramesCrossTheWireByteForByteAndARefusedTextSendsNothing) {
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

  for (const auto& [args, message] : {std::pair<std::vector<std::string>, std::string>{{"--address", "G", "0201"}, "TxByHex, 出错 !"},
                                      {{"--type", "1FF", "--address", "1", "00"}, "TxByHex2, 出错 !"}}) {
    std::vector<std::string> send{"send", "--port", unit.device};
    send.insert(send.end(), args.begin(), args.end());
    run = RunCli(send);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, message + "\n");
  }

  // A pinned number is listed and reaches the unit.
  ASSERT_EQ(RunCli({"pin", "COM200", unit.device}).status, 0);
  EXPECT_NE(RunCli({"ports"}).out.find("COM200\t" + unit.device + "\t\n"), std::string::npos);
  EXPECT_EQ(RunCli({"send", "--port", "COM200", "--address", "3", " "}).status, 0);
  EXPECT_EQ(received(), "rx 55 00 03 58 01 00 59 AA\n") << "and nothing of the refused texts";
  ASSERT_EQ(RunCli({"pin", "COM200"}).status, 0);
  EXPECT_EQ(RunCli({"ports"}).out.find("COM200\t" + unit.device), std::string::npos);
}

}  // namespace
