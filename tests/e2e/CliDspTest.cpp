// ambrelin-cli dsp-download against ambrelin-unit over a real
// pseudo-terminal: the whole 512 KiB at 128,000 baud, in real time.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "RunCli.h"

namespace {

// One unit for one test, with its own knobs; its flash is written out when it ends.
struct DspUnit {
  std::string flashPath = ::testing::TempDir() + "dsp-flash-" + std::to_string(getpid()) + ".bin";
  UnitProcess process;
  std::string& device = process.device;

  explicit DspUnit(std::vector<std::string> knobs) : process(WithFlash(std::move(knobs), flashPath)) {}
  static std::vector<std::string> WithFlash(std::vector<std::string> knobs, const std::string& flash) {
    knobs.insert(knobs.begin(), {"--quiet", "--dsp-flash", flash});
    return knobs;
  }
  // Ends the unit and gives its flash.
  std::string Flash() {
    process.Stop();
    return Slurp(flashPath);
  }
};

std::string Write(const std::string& name, const std::string& content) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; at < text.size(); at = end + 1) {
    end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

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
  const std::string eggPath = Write("cli-dsp.Img", egg);
  const std::string flashPath = Write("cli-dsp-patch.Img", "# [000010]\n5a\n# [07FFFF]\n00\n");

  // Refusals on the line but no wire time and no silences: each silence costs
  // a real 3 s timeout, and the wire-time figures belong to the benchmark.
  DspUnit unit({"--no-wire", "--dsp-fail", "0.02", "--seed", "3"});
  ASSERT_EQ(unit.device.rfind("/dev/", 0), 0u) << "the unit did not start";
  const CliRun run = RunCli({"dsp-download", "--port", unit.device, eggPath, flashPath});
  EXPECT_EQ(run.status, 0) << run.err << run.out.substr(run.out.size() - std::min<size_t>(run.out.size(), 400));

  const auto lines = Lines(run.out);
  ASSERT_GE(lines.size(), 2u * 4096);
  EXPECT_EQ(lines[0].rfind("日期: 20", 0), 0u) << lines[0];
  const std::vector<std::string> opened(lines.begin() + 1, lines.begin() + 5);
  EXPECT_EQ(opened, (std::vector<std::string>{"数据长度: -----", "数据大小: -----", "数据长度: 0x1F40字节", "数据大小: 0x1F40字节"}));
  EXPECT_NE(run.out.find("\n数据长度: 0x80000字节\n数据大小: 0x2字节\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n等待: 等待中...\n等待: 已找到目标\n出错: ------\n删除:0x0\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n删除: 失败0x"), std::string::npos) << "refusals on the way";
  EXPECT_NE(run.out.find("\n出错: 1\n"), std::string::npos);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()), (std::vector<std::string>{"时间: 完成", "烧录: 完成"}));

  const std::string flash = unit.Flash();
  ASSERT_EQ(flash.size(), image.size());
  EXPECT_TRUE(flash == image) << "first difference at " << std::mismatch(flash.begin(), flash.end(), image.begin()).first - flash.begin();
}

TEST(CliDsp, NoLoaderNoFileNoPort) {
  const std::string egg = Write("cli-dsp-small.Img", "00112233\n");
  DspUnit unit({"--silent"});
  CliRun run = RunCli({"dsp-download", "--port", unit.device, egg});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.out).back(), "等待: 找不到目标") << run.err;

  run = RunCli({"dsp-download", "--port", unit.device, ::testing::TempDir() + "absent.Img"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("absent.Img"), std::string::npos);
  run = RunCli({"dsp-download", "--port", unit.device, Write("cli-dsp-bad.Img", "0011223\n")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("数据长度出错: 1"), std::string::npos) << run.err;

  EXPECT_EQ(RunCli({"dsp-download", "--port", "/dev/no-such-port", egg}).status, 2);
  EXPECT_EQ(RunCli({"dsp-download", egg}).status, 64);
  EXPECT_EQ(RunCli({"dsp-download", "--port", unit.device}).status, 64);
}

}  // namespace
