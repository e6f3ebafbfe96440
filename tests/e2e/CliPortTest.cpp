// A port that will not open says why: on stderr, in the --json summary, and
// with exit code 2, whatever the verb. A port that goes away mid-run ends
// every verb at once.
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <grp.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "RunCli.h"

namespace {

// A pseudo-terminal of the test's own: a real serial device node.
struct Pty {
  int master = posix_openpt(O_RDWR | O_NOCTTY);
  std::string device;
  Pty() {
    if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) device = ptsname(master);
  }
  ~Pty() {
    if (master >= 0) close(master);
  }
};

// `burn --json` on the port: its exit code and summary object, after the
// stderr message is checked.
void ExpectRefused(const std::string& port, const std::string& cause, const std::string& fields,
                   const std::string& chinese, const std::string& english, const std::string& as = "") {
  CliRun run = RunCli({"send", "--port", port, "--address", "1", "--lang", "en", "00"}, as);
  EXPECT_EQ(run.status, 2) << port;
  EXPECT_EQ(run.err, "Can not open the port ! " + port + ": " + english + "\n");
  run = RunCli({"burn", "--port", port, "--target", "1", "--json", Sample()}, as);
  EXPECT_EQ(run.status, 2) << port;
  const std::string message = "打开串口失败 ! " + port + ": " + chinese;
  EXPECT_EQ(run.err, message + "\n");
  EXPECT_EQ(run.out.rfind("{\"what\":\"burn " + port + "\",\"result\":\"cannot open\",\"exit\":2,\"device\":\"" + port +
                              "\",\"cause\":\"" + cause + "\"" + fields + ",\"message\":\"" + message + "\",\"seconds\":",
                          0),
            0u)
      << run.out;
}

TEST(CliPort, AMissingPathAFileAndANonSerialDeviceAreToldApart) {
  ExpectRefused(::testing::TempDir() + "no-such-port", "no device", "", "没有这个设备", "no such device");
  ExpectRefused(TempFile("plain-port", ""), "not serial", "", "不是串口设备", "not a serial device");
  ExpectRefused("/dev/null", "not serial", "", "不是串口设备", "not a serial device");
  const CliRun run = RunCli({"dsp-download", "--port", "COM31", "--json", TempFile("port.Img", "00112233\n")});
  EXPECT_EQ(run.err, "打开串口失败 ! COM31: 没有这个设备\n");
  EXPECT_NE(run.out.find("\"result\":\"cannot open\",\"exit\":2,"), std::string::npos) << run.out;
}

// A UUCP tool's lock file: its owner's PID, padded to ten characters.
TEST(CliPort, ALockFileNamesTheProgramThatHoldsThePort) {
  Pty pty;
  ASSERT_EQ(pty.device.rfind("/dev/pts/", 0), 0u);
  const std::string lock = "/run/lock/LCK..pts_" + pty.device.substr(9);
  char owner[16];
  std::snprintf(owner, sizeof owner, "%10d\n", static_cast<int>(getpid()));
  if (!(std::ofstream(lock) << owner)) GTEST_SKIP() << "cannot write " << lock;
  const std::string pid = std::to_string(getpid());
  ExpectRefused(pty.device, "in use", ",\"pid\":" + pid, "被其他程序占用 (PID " + pid + ")",
                "in use by another program (PID " + pid + ")");
  // The port list says it too.
  ASSERT_EQ(RunCli({"pin", "COM30", pty.device}).status, 0);
  const std::string listed = RunCli({"ports"}).out;
  RunCli({"pin", "COM30"});
  EXPECT_NE(listed.find("COM30\t" + pty.device + "\t\t(in use by another program (PID " + pid + "))\n"), std::string::npos)
      << listed;
  std::remove(lock.c_str());
  // Its owner gone, the port is free again.
  EXPECT_EQ(RunCli({"send", "--port", pty.device, "--address", "1", "--wait", "0", "00"}).status, 0);
}

// Root may open any device: the program runs as nobody for this one.
TEST(CliPort, ADeviceWithoutPermissionNamesTheGroupToJoin) {
  if (getuid() != 0 || access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "needs root and setpriv";
  const group* dialout = getgrnam("dialout");
  if (!dialout) GTEST_SKIP() << "no group dialout";
  Pty pty;
  ASSERT_EQ(chown(pty.device.c_str(), 0, dialout->gr_gid), 0);
  ASSERT_EQ(chmod(pty.device.c_str(), 0660), 0);
  ExpectRefused(pty.device, "permission", ",\"group\":\"dialout\"", "没有权限, 请加入 dialout 组后重新登录",
                "permission denied; join the group dialout and log in again",
                "/usr/bin/setpriv --reuid=nobody --regid=nogroup --clear-groups");
}

// The unit's pseudo-terminal gone mid-run, as an unplugged USB adapter goes:
// every verb says so and exits non-zero instead of waiting out its timeouts.
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
