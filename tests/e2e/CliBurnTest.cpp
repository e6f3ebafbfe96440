// ambrelin-cli burn and restart against ambrelin-unit's boot program over a
// real pseudo-terminal, the flash the unit ends with compared with the image.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "RunCli.h"

namespace {

// One unit per test, so each starts with an erased flash; its flash is
// written out when it stops.
struct Unit {
  std::string flash = ::testing::TempDir() + "flash-" + std::to_string(getpid()) + "-";
  UnitProcess process;
  std::string& device = process.device;
  std::string& log = process.log;

  explicit Unit(std::vector<std::string> options) : process(WithFlash(std::move(options), flash)) {}
  static std::vector<std::string> WithFlash(std::vector<std::string> options, const std::string& flash) {
    options.insert(options.begin(), {"--quiet", "--log", "--boot-flash", flash});
    return options;
  }
  // Stops the unit and returns the flash of the target.
  std::string Stop(int target) {
    process.Stop();
    return Slurp(flash + std::to_string(target) + ".bin");
  }
};

// The sample shipped in the repository, found from this file's own place.
std::string Sample() {
  return (std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "samples/front-panel.hex").string();
}

// The sample's bytes as the HEX text gives them, the rest 0xFF.
std::string SampleImage() {
  std::string image(0x10000, '\xFF');
  std::ifstream in(Sample());
  std::string line;
  while (std::getline(in, line)) {
    const int count = std::stoi(line.substr(1, 2), nullptr, 16);
    const int address = std::stoi(line.substr(3, 4), nullptr, 16);
    if (line.substr(7, 2) != "00") break;
    for (int k = 0; k < count; ++k)
      image[static_cast<size_t>(address + k)] = static_cast<char>(std::stoi(line.substr(9 + 2 * k, 2), nullptr, 16));
  }
  return image;
}

TEST(CliBurn, SampleImageVerifiesOnA512ByteBlockChip) {
  Unit unit({"--chip", "0832"});
  ASSERT_EQ(unit.device.rfind("/dev/", 0), 0u);
  const CliRun run = RunCli({"burn", "--port", unit.device, "--target", "1", "--lang", "en", "--reboot", Sample()});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  for (const char* text : {"State: Find...", "State: Start", "Del  : Del Ok", "Burn : Burn Ok", "State: Check Ok",
                           "Total: 1", "State: Finish"})
    EXPECT_NE(run.out.find(std::string(text) + "\n"), std::string::npos) << text << "\n" << run.out;
  const std::string flash = unit.Stop(1);
  ASSERT_EQ(flash.size(), 0x10000u);
  const std::string image = SampleImage();
  EXPECT_TRUE(flash.compare(1024, std::string::npos, image, 1024) == 0) << "the flash holds the image";
  EXPECT_EQ(flash.substr(0, 1024), std::string(1024, '\xFF')) << "below chip start nothing is written";
  EXPECT_NE(Slurp(unit.log).find("rx 55 00 01 56"), std::string::npos);
}

TEST(CliBurn, RefusingUnitFailsInChinese) {
  Unit unit({"--chip", "0003", "--boot-refuse", "1", "--no-wire"});
  const CliRun run = RunCli({"burn", "--port", unit.device, "--target", "2", Sample()});
  EXPECT_EQ(run.status, 1) << run.out;
  EXPECT_NE(run.out.find("删除: 错误\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("出错: 100\n"), std::string::npos) << run.out;
}

TEST(CliBurn, OversizedImageAndBadUsage) {
  Unit unit({"--chip", "0101", "--no-wire"});
  const CliRun run = RunCli({"burn", "--port", unit.device, "--target", "1", Sample()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("检测:版本错\n"), std::string::npos) << run.out;
  EXPECT_EQ(RunCli({"burn", "--port", unit.device, Sample()}).status, 64) << "a target or a script";
  EXPECT_EQ(RunCli({"burn", "--port", unit.device, "--target", "7", Sample()}).status, 64);
  EXPECT_EQ(RunCli({"burn", "--port", "/dev/no-such-port", "--target", "1", Sample()}).status, 2);
}

TEST(CliBurn, RestartRequest) {
  Unit unit({"--no-wire"});
  EXPECT_EQ(RunCli({"restart", "--port", unit.device, "--target", "3"}).status, 0);
  unit.Stop(0);
  EXPECT_NE(Slurp(unit.log).find("rx 55 00 03 58 01 04 00 00 00 01 5E AA"), std::string::npos) << Slurp(unit.log);
}

}  // namespace
