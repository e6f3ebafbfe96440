// ambrelin-cli when the unit's pseudo-terminal goes away mid-run, as an
// unplugged USB adapter does: every verb says so and exits non-zero instead
// of waiting out its timeouts.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "RunCli.h"

namespace {



TEST(CliPortLost, EveryVerbEndsNonZeroWithTheMessage) {
  const std::vector<std::vector<std::string>> verbs{
      {"burn", "--target", "1", Sample()},
      {"dsp-download", TempFile("lost.Img", [] { std::string egg; for (int k = 0; k < 2000; ++k) egg += "0123ABCD\r\n"; return egg; }())},
      {"hdmi-dump", "--chip", "9880"},
      {"batch", "--read", "--port-text", "10:1"},
      {"send", "--address", "3", "--wait", "30", "0500 0020 0000"},
  };
  for (std::vector<std::string> verb : verbs) {
    SCOPED_TRACE(verb[0]);
    UnitProcess unit({"--quiet", "--log"});
    ASSERT_EQ(unit.device.rfind("/dev/", 0), 0u);
    verb.insert(verb.begin() + 1, {"--port", unit.device});
    // Pulled once the verb is under way: the unit has logged its first frame.
    std::chrono::steady_clock::time_point pulled;
    std::thread unplug([&unit, &pulled] {
      for (int wait = 0; wait < 1000 && Slurp(unit.log).empty(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      unit.Stop();
      pulled = std::chrono::steady_clock::now();
    });
    const CliRun run = RunCli(verb);
    const auto ended = std::chrono::steady_clock::now();
    unplug.join();
    const double seconds = std::chrono::duration<double>(ended - pulled).count();
    EXPECT_EQ(run.status, 7) << run.out << run.err;
    EXPECT_NE(run.err.find("串口已断开 !"), std::string::npos) << run.err;
    // Any timeout would take three seconds at least, and the batch or the
    // download would run on for half a minute or more.
    EXPECT_LT(seconds, 2.9) << "ended on the loss, not on a timeout";
  }
}

}  // namespace
