#include <gtest/gtest.h>

#include "Files.h"
#include "TestApp.h"
#include "app/DesktopFormControls.h"
#include "images/CodeBuffer.h"
#include "images/HexFile.h"
#include "images/RedidoFile.h"

namespace {

TEST(Tot, ByteTransformBothWays) {
  EXPECT_EQ(TotWriteByte(0x53), 0x8A);
  EXPECT_EQ(TotWriteByte(0x00), 0xFF);
  EXPECT_EQ(TotWriteByte(0x30), 0xDF);
  EXPECT_EQ(TotWriteByte(0xAC), 0x53);
  for (int b = 0; b < 256; ++b) ASSERT_EQ(TotReadByte(TotWriteByte(static_cast<uint8_t>(b))), b);
}

TEST(Tot, RoundTripRestoresImageLengthAndChecksum) {
  TestApp t;
  Ambrelin& a = t.app;
  for (size_t k = 0; k < 0x10000; ++k) a.code.Buffer[k] = static_cast<uint8_t>(k * 7 + (k >> 8));
  a.code.Length = 0x1FFF;
  const auto image = std::vector<uint8_t>(a.code.Buffer.begin(), a.code.Buffer.begin() + 0x10000);
  const std::string path = ::testing::TempDir() + "round.Tot";
  // An older, longer file must not leave its tail behind.
  WriteFile("round.Tot", std::string(80000, 'x'));
  SaveFile_Tot(a, path);
  const auto file = ReadFile(path);
  ASSERT_EQ(file.size(), TotFileSize);
  EXPECT_EQ(file[0], TotWriteByte(image[0]));
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 65536, file.begin() + 66665), std::vector<uint8_t>(1129, 0));
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 66665, file.end()), (std::vector<uint8_t>{0xFF, 0x1F, 0x00, 0x00}));

  FillCode(a.code, 0x00);
  a.code.Length = 0;
  LoadCode_TotFile(a, path, 0xFF, 0, 65535);
  EXPECT_TRUE(std::equal(image.begin(), image.end(), a.code.Buffer.begin()));
  EXPECT_EQ(a.code.Length, 0x1FFF);
  int sum = 0;
  for (uint8_t b : image) sum = (sum + b) % 65536;
  EXPECT_EQ(a.code.Checksum, sum);
  EXPECT_EQ(t.controls.Entries(DesktopFormControls::UpdateListInfo), std::vector<std::string>{"调入行数: 0"});
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(Tot, ShortFileKeepsTheFill) {
  TestApp t;
  EXPECT_TRUE(LoadCode_TotFile(t.app, WriteFile("short.Tot", std::string(1, '\x8A')), 0xFF, 0, 65535));
  EXPECT_EQ(t.app.code.Buffer[0], 0x53);
  EXPECT_EQ(t.app.code.Buffer[1], 0xFF);
  EXPECT_EQ(t.app.code.Length, 0);
}

TEST(Tot, HexToTotWritesBesideTheNamedFile) {
  TestApp t;
  const std::string hex = WriteFile("tool.hex", ":0400000001020304F2\r\n:00000001FF\r\n");
  LoadCode_HexFile(t.app, hex, 0xFF, 0, 65535);
  t.controls.SetText(DesktopFormControls::UpdateTextFileName, hex);
  EXPECT_TRUE(ToolButtonHex2Tot_Click(t.app));
  const auto file = ReadFile(::testing::TempDir() + "tool.Tot");
  ASSERT_EQ(file.size(), TotFileSize);
  EXPECT_EQ(file[3], TotWriteByte(0x04));
  EXPECT_EQ(file[66665], 3);

  t.controls.SetText(DesktopFormControls::UpdateTextFileName, "a.h");
  EXPECT_FALSE(ToolButtonHex2Tot_Click(t.app));
  t.controls.SetText(DesktopFormControls::UpdateTextFileName, "/proc/none/x.hex");
  EXPECT_FALSE(ToolButtonHex2Tot_Click(t.app));
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>(2, "SaveFile_Tot出错 !"));
}

}  // namespace
