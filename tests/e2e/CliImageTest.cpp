// ambrelin-cli image, hex2tot and dump on real files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RunCli.h"

namespace {

std::string HexFile(const std::string& name) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << ":0400000002004C535B\r\n:00000001FF\r\n";
  return path;
}

TEST(CliImage, DescribesConvertsAndDumpsAsTheBurnPageDoes) {
  const std::string hex = HexFile("cli.hex");
  CliRun run = RunCli({"image", hex, "--fill", "00", "--start", "0", "--end", "3"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\n名称: "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\n校验: 0xA1\n长度: 0x3\n调入行数: 1\n"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.rfind("日期: 20", 0), 0u) << run.out;

  run = RunCli({"hex2tot", hex});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string tot = ::testing::TempDir() + "cli.Tot";
  EXPECT_EQ(run.out, tot + "\n");
  EXPECT_EQ(Slurp(tot).size(), 66669u);

  // The Tot carries the whole 64 KiB image, its 0xFF fill included.
  run = RunCli({"dump", tot, "--fill", "00", "--last", "15"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            ";    00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n\r\n"
            "0000:02 00 4C 53 FF FF FF FF FF FF FF FF FF FF FF FF \r\n");
}

TEST(CliImage, FailuresSayWhy) {
  // Bad files are refused, not described as images.
  const std::string folder = ::testing::TempDir() + "folder.hex";
  std::filesystem::create_directories(folder);
  const std::string corrupt = ::testing::TempDir() + "corrupt.hex";
  std::ofstream(corrupt, std::ios::binary) << ":0400000002004C535B\r\n:0400040002004C535B\r\n:00000001FF\r\n";
  const std::string large = ::testing::TempDir() + "large.Bin";
  std::ofstream(large, std::ios::binary) << std::string(0x80001, '\x11');
  const std::pair<std::string, std::string> refused[] = {
      {::testing::TempDir() + "absent.hex", "LoadCode_HexFile时, 出错 !\n"},
      {folder, "LoadCode_HexFile时, 出错 !\n"},
      {corrupt, "LoadCode_HexFile时, 出错 ! 行 2\n"},
      {large, "LoadCode_BinFile时, 出错 !\n"},
  };
  CliRun run;
  for (const auto& [file, message] : refused) {
    run = RunCli({"image", file});
    EXPECT_EQ(run.status, 1) << file;
    EXPECT_EQ(run.err, message) << file;
    EXPECT_EQ(run.out, "") << file;
  }
  // A file of no image kind is not taken for an empty image.
  const std::string other = ::testing::TempDir() + "notes.xyz";
  std::ofstream(other) << ":00000001FF\n";
  for (const char* verb : {"image", "hex2tot", "dump"}) {
    run = RunCli({verb, other});
    EXPECT_EQ(run.status, 1) << verb;
    EXPECT_NE(run.err.find("not an image file"), std::string::npos) << verb << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(::testing::TempDir() + "notes.Tot"));
  EXPECT_EQ(RunCli({"image"}).status, 64);
  EXPECT_EQ(RunCli({"dump", "x.hex", "--last", "lots"}).status, 64);
  EXPECT_EQ(RunCli({"image", "x.hex", "--fill", "7"}).status, 64);
}

}  // namespace
