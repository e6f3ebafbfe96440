#include <gtest/gtest.h>

#include "Files.h"
#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "images/BinFile.h"
#include "images/CodeBuffer.h"
#include "images/TxtFile.h"

namespace {

namespace Main = DesktopFormControls;

TEST(Txt, PairsPerLineWithTheBinCopyBeside) {
  TestApp t;
  Ambrelin& a = t.app;
  WriteFile("pairs.Bin", std::string(1000, 'x'));
  const std::string path = WriteFile("pairs.txt", "  12 34 5  \r\n0x12,0x34\nab\rCD ef");
  LoadCode_TxtFile(a, path, 0x00, 0, 65535);
  const std::vector<uint8_t> expected{0x12, 0x34, 0x01, 0x20, 0x34, 0xAB, 0xCD, 0xEF};
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), a.code.Buffer.begin()));
  EXPECT_EQ(a.code.Buffer[8], 0x00) << "the fill behind the bytes";
  EXPECT_EQ(a.code.Length, 7);
  EXPECT_EQ(ReadFile(::testing::TempDir() + "pairs.Bin"), expected) << "exactly the bytes, no old tail";
  int sum = 0;
  for (uint8_t b : expected) sum += b;
  EXPECT_EQ(a.code.Checksum, sum) << "over the bytes loaded only";
  EXPECT_EQ(t.controls.Text(Main::UpdateLableCodeSize), "长度: 0x7");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(Txt, ThreeHundredPairsAndTheEmptyFile) {
  TestApp t;
  std::string text;
  for (int k = 0; k < 300; ++k) text += "A5" + std::string(k % 16 == 15 ? "\r\n" : " ");
  LoadCode_TxtFile(t.app, WriteFile("many.txt", text), 0xFF, 0, 65535);
  EXPECT_EQ(ReadFile(::testing::TempDir() + "many.Bin").size(), 300u);
  EXPECT_EQ(t.app.code.Length, 299);
  EXPECT_EQ(t.app.code.Checksum, 300 * 0xA5 % 65536);

  LoadCode_TxtFile(t.app, WriteFile("none.txt", "xyz ?\r\nquiz!"), 0xFF, 0, 65535);
  EXPECT_EQ(t.app.code.Length, -1);
  EXPECT_TRUE(ReadFile(::testing::TempDir() + "none.Bin").empty());
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(Txt, TextBeyondTheBufferFailsInsteadOfWritingOutside) {
  TestApp t;
  std::string line(2 * 0x80000 + 2, 'e');
  t.app.code.Checksum = 77;
  EXPECT_EQ(LoadCode_TxtFile(t.app, WriteFile("huge.txt", line), 0xFF, 0, 65535).error, "LoadCode_TxtFile时, 出错 !");
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"LoadCode_TxtFile时, 出错 !"});
  EXPECT_EQ(t.app.code.Checksum, 77) << "no checksum stored";
  EXPECT_EQ(t.app.code.Buffer.back(), 0xEE);
}

TEST(Bin, LengthIsTheFileSizeAndTheFillStaysBehind) {
  TestApp t;
  Ambrelin& a = t.app;
  a.Language = 1;
  LoadCode_BinFile(a, WriteFile("image.bin", std::string(8192, '\x11')), 0xFF, 0, 65535);
  EXPECT_EQ(a.code.Length, 0x2000);
  EXPECT_EQ(a.code.Buffer[8191], 0x11);
  EXPECT_EQ(a.code.Buffer[8192], 0xFF);
  EXPECT_EQ(a.code.Checksum, (8192 * 0x11 + (65536 - 8192) * 0xFF) % 65536);
  EXPECT_EQ(t.controls.Text(BurnDesktopControls::UpdateLabelCodeSum).rfind("Sum: 0x", 0), 0u);
}

TEST(Bin, SaveHandsBackTheNewNameAndTheHighestIndex) {
  std::string name = ::testing::TempDir() + "VellBatchRead1.Bin";
  const std::vector<uint8_t> bytes{1, 2, 3, 4, 5};
  int32_t length = 3;
  ASSERT_TRUE(SaveFile_Bin(name, bytes, length));
  EXPECT_EQ(length, 2);
  EXPECT_EQ(name, ::testing::TempDir() + "VellBatchRead1.Bin");
  EXPECT_EQ(ReadFile(name), (std::vector<uint8_t>{1, 2, 3}));

  std::string unwritable = "/proc/none/x.txt";
  EXPECT_FALSE(SaveFile_Bin(unwritable, bytes, length));
  EXPECT_EQ(unwritable, "/proc/none/x.Bin");
}

}  // namespace
