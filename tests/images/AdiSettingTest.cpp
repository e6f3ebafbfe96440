#include <gtest/gtest.h>

#include "Files.h"
#include "TestApp.h"
#include "app/DesktopFormControls.h"
#include "images/AdiSetting.h"

namespace {

namespace Main = DesktopFormControls;

struct Val : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  void SetUp() override { ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1")); }
  // Command bytes of every frame sent, with its address.
  std::vector<std::vector<uint8_t>> Sent() {
    std::vector<std::vector<uint8_t>> commands;
    for (const auto& frame : t.link.port.writes) {
      EXPECT_EQ(frame[2], 0x03);
      commands.emplace_back(frame.begin() + 6, frame.end() - 2);
    }
    return commands;
  }
};

TEST_F(Val, RegistersAreStoredAndWrittenAPacedOneAtATime) {
  const std::string path = WriteFile(
      "setting.val", "chip \"AD9880\" receiver\r\n\"1A\",\"255\"\r\nreg \"3\" is \"7\" ok\r\n\"ffe\" \"0\"\r\n");
  a.code.Buffer[0x50] = 9;
  const double start = t.link.pump.Now();
  const Loaded loaded = LoadCode_ValFile(a, path);
  EXPECT_EQ(Sent(), (std::vector<std::vector<uint8_t>>{
                        {0x05, 0x00, 0x00, 0x21, 0x1A, 0xFF},
                        {0x05, 0x00, 0x00, 0x21, 0x03, 0x07},
                        {0x05, 0x00, 0x00, 0x21, 0xFF, 0x00}}));
  EXPECT_GE(t.link.pump.Now() - start, 0.3);
  EXPECT_EQ(a.code.Buffer[0x1A], 0xFF);
  EXPECT_EQ(a.code.Buffer[0x03], 7);
  EXPECT_EQ(a.code.Buffer[0x50], 0) << "the buffer is cleared to 0x00 first";
  EXPECT_EQ(a.code.Length, 0xFF);
  EXPECT_EQ(loaded.stored, 3);
  EXPECT_EQ(t.controls.Text(Main::UpdateLableCodeSize), "长度: 3/0xFF");
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelCodeName), "名称: AD9880");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Val, TransmitterPrefixAndUnknownChips) {
  LoadCode_ValFile(a, WriteFile("tx.val", "\"AD9889\"\n\"10\",\"16\"\n"));
  LoadCode_ValFile(a, WriteFile("other.val", "\"XYZ123\"\n\"10\",\"16\"\n"));
  EXPECT_EQ(Sent(), (std::vector<std::vector<uint8_t>>{{0x05, 0x00, 0x00, 0x31, 0x10, 0x10}, {0x10, 0x10}}));
}

TEST_F(Val, MalformedLinesStopTheLoadAndWhatWasSentStays) {
  for (const char* bad : {"\"1A\",\"256\"", "\"1A\" \"25", "no quotes", "\"G1\",\"1\"", "\"1A\",\"x\"", ""}) {
    t.link.port.writes.clear();
    const std::string text = std::string("\"AD9880\"\n\"01\",\"2\"\n") + bad + "\n\"02\",\"3\"\n";
    EXPECT_EQ(LoadCode_ValFile(a, WriteFile("bad.val", text)).error, "文件格式出错") << bad;
    EXPECT_EQ(t.dialogs.messages.back(), "文件格式出错") << bad;
    EXPECT_EQ(Sent().size(), 1u) << bad;
  }
  EXPECT_EQ(LoadCode_ValFile(a, WriteFile("noname.val", "AD9880\n\"01\",\"2\"\n")).error, "文件格式出错");
}

}  // namespace
