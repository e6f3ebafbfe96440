#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "Files.h"
#include "TestApp.h"
#include "app/DesktopFormControls.h"
#include "dspflash/FlashFile.h"
#include "images/AdiSetting.h"
#include "images/BinFile.h"
#include "images/CodeBuffer.h"
#include "images/HexFile.h"
#include "images/RedidoFile.h"
#include "images/TxtFile.h"

namespace {

TEST(CodeBuffer, ChecksumWrapsAt65536AndAnEmptyRangeIsZero) {
  CodeImage code;
  FillCode(code, 0xFF);
  EXPECT_EQ(CodeChecksum(code, 0, 65535), 0);
  EXPECT_EQ(CodeChecksum(code, 0, 255), 0xFF00);
  EXPECT_EQ(CodeChecksum(code, 10, 9), 0);
  EXPECT_EQ(code.Buffer[0x10000], 0) << "the fill stops at 0xFFFF";
  EXPECT_FALSE(WriteCode(code, 0x80000, 1));
}

using Path = const std::string&;
using Load = std::function<Loaded(Ambrelin&, Path)>;

const std::pair<std::string, Load> Loaders[] = {
    {"LoadCode_HexFile时, 出错 !", [](Ambrelin& a, Path p) { return LoadCode_HexFile(a, p, 0xFF, 0, 65535); }},
    {"LoadCode_TotFile时, 出错 !", [](Ambrelin& a, Path p) { return LoadCode_TotFile(a, p, 0xFF, 0, 65535); }},
    {"LoadCode_TxtFile时, 出错 !", [](Ambrelin& a, Path p) { return LoadCode_TxtFile(a, p, 0xFF, 0, 65535); }},
    {"LoadCode_BinFile时, 出错 !", [](Ambrelin& a, Path p) { return LoadCode_BinFile(a, p, 0xFF, 0, 65535); }},
    {"LoadCode_ValFile时, 出错 !", [](Ambrelin& a, Path p) { return LoadCode_ValFile(a, p); }},
    {"LoadCode_EggFile时, 出错 !", [](Ambrelin& a, Path p) { return LoadCode_EggFile(a, p, 0xFF); }},
    {"LoadCode_FlashFile时, 出错 !", [](Ambrelin& a, Path p) { return LoadCode_FlashFile(a, p, 0xFF); }},
};

// Refused with the loader's message before the image, its length, its
// checksum (by which a burn tells a failed load) or the date label change.
void ExpectRefused(const std::string& path, const std::string& message, const Load& load) {
  TestApp t;
  Ambrelin& a = t.app;
  a.code.Buffer[0] = 0x42;
  a.code.Length = 5;
  a.code.Checksum = 77;
  const Loaded loaded = load(a, path);
  EXPECT_EQ(loaded.error, message) << path;
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{message}) << path;
  EXPECT_EQ(a.code.Buffer[0], 0x42) << message << path;
  EXPECT_EQ(a.code.Length, 5) << message << path;
  EXPECT_EQ(a.code.Checksum, 77) << message << path;
  EXPECT_EQ(t.controls.Text(DesktopFormControls::UpdateLableFileDate), "日期:") << message << path;
}

TEST(Loaders, WhatIsNoReadableFileIsRefusedBeforeAnythingChanges) {
  const std::string folder = ::testing::TempDir() + "folder.hex";
  std::filesystem::create_directories(folder);
  for (const std::string& path : {::testing::TempDir() + "absent.hex", folder, std::string("/dev/null")})
    for (const auto& [message, load] : Loaders) ExpectRefused(path, message, load);
  const auto& [binMessage, bin] = Loaders[3];
  ExpectRefused(WriteFile("large.Bin", std::string(0x80001, '\x11')), binMessage, bin);
}

}  // namespace
