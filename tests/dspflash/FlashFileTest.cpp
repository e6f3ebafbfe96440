#include <gtest/gtest.h>

#include <algorithm>

#include "TestApp.h"
#include "app/DesktopFormControls.h"
#include "dspflash/FlashFile.h"
#include "dspflash/NumberText.h"
#include "images/Files.h"
#include "panels/DecoderFormControls.h"

namespace {

namespace C = DecoderFormControls;
namespace Main = DesktopFormControls;

using Bytes = std::vector<uint8_t>;

Bytes Span(const Ambrelin& a, size_t from, size_t count) {
  return Bytes(a.code.Buffer.begin() + static_cast<std::ptrdiff_t>(from),
               a.code.Buffer.begin() + static_cast<std::ptrdiff_t>(from + count));
}

size_t CountOf(const Ambrelin& a, uint8_t value) {
  return static_cast<size_t>(std::count(a.code.Buffer.begin(), a.code.Buffer.end(), value));
}

TEST(NumberText, BlankBeforeNonNegativeAndGeneralForm) {
  EXPECT_EQ(NumberText(int64_t{5}), " 5");
  EXPECT_EQ(NumberText(int64_t{0}), " 0");
  EXPECT_EQ(NumberText(int64_t{-3}), "-3");
  EXPECT_EQ(NumberText(int64_t{40000}), " 40000") << "no 16-bit wrap";
  EXPECT_EQ(NumberText(43.25f), " 43.25");
  EXPECT_EQ(NumberText(0.5f), " .5");
  EXPECT_EQ(NumberText(-0.5f), "-.5");
  EXPECT_EQ(NumberText(0.0f), " 0");
  EXPECT_EQ(NumberText(1.0f / 3), " .3333333") << "seven significant digits";
  EXPECT_EQ(NumberText(1234567.0f), " 1234567");
  EXPECT_EQ(NumberText(12345678.0f), " 1.234568E+07");
  EXPECT_EQ(NumberText(0.0001f), " .0001");
  EXPECT_EQ(NumberText(0.00001f), " 1E-05");
}

TEST(Egg, TwoLinesFillTheRestAndShowTheirSizes) {
  TestApp t;
  Ambrelin& a = t.app;
  std::fill(a.code.Buffer.begin(), a.code.Buffer.end(), 0x5A);
  t.controls.SetEntries(Main::UpdateListInfo, {"old first", "second"});
  LoadCode_EggFile(a, WriteFile("two.Img", "00112233\r\nAABBCCDD\r\n"), 0xFF);
  EXPECT_EQ(Span(a, 0, 9), (Bytes{0x00, 0x11, 0x22, 0x33, 0xAA, 0xBB, 0xCC, 0xDD, 0xFF}));
  EXPECT_EQ(CountOf(a, 0xFF), 0x80000u - 8) << "filled to 0x7FFFF";
  EXPECT_EQ(a.code.Length, 8);
  EXPECT_EQ(t.controls.Text(C::AudioFlashEggCodeSize), "数据长度: 0x8字节");
  EXPECT_EQ(t.controls.Text(C::AudioFlashEggCodeCount), "数据大小: 0x8字节");
  EXPECT_EQ(t.controls.Entries(Main::UpdateListInfo), (std::vector<std::string>{"调入行数: 2行", "second"}));
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(Egg, PairsConvertTheirLeadingHexDigits) {
  TestApp t;
  LoadCode_EggFile(t.app, WriteFile("pairs.Img", "ab0fG1 5\n5 1g..7X"), 0x00);
  EXPECT_EQ(Span(t.app, 0, 8), (Bytes{0xAB, 0x0F, 0x00, 0x05, 0x05, 0x01, 0x00, 0x07}));
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(Egg, WrongLineLengthStopsWithItsNumber) {
  TestApp t;
  Ambrelin& a = t.app;
  for (const std::string bad : {"1234567", "123456789", ""}) {
    const Loaded loaded =
        LoadCode_EggFile(a, WriteFile("short.Img", "00112233\n44556677\n" + bad + "\n8899AABB\n"), 0xFF);
    EXPECT_EQ(loaded.error, "数据长度出错: 3") << bad;
    EXPECT_EQ(t.dialogs.messages.back(), loaded.error) << bad;
    EXPECT_EQ(a.code.Length, 8) << "the bytes stored so far";
    EXPECT_EQ(Span(a, 8, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF})) << "nothing after the bad line";
    EXPECT_EQ(t.controls.Text(C::AudioFlashEggCodeSize), "数据长度: -----");
    EXPECT_EQ(t.controls.Text(C::AudioFlashEggCodeCount), "数据大小: -----");
  }
  EXPECT_TRUE(t.controls.Entries(Main::UpdateListInfo).empty());
}

TEST(Egg, FullImageLoadsAndOneLineMoreFailsInsteadOfWritingOutside) {
  TestApp t;
  Ambrelin& a = t.app;
  std::string text;
  for (int line = 0; line < 0x20000; ++line) text += line % 2 ? "01020304\n" : "A0B0C0D0\n";
  LoadCode_EggFile(a, WriteFile("full.Img", text), 0xFF);
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_EQ(a.code.Length, 0x80000);
  EXPECT_EQ(Span(a, 0x7FFF8, 8), (Bytes{0xA0, 0xB0, 0xC0, 0xD0, 0x01, 0x02, 0x03, 0x04}));
  EXPECT_EQ(t.controls.Text(C::AudioFlashEggCodeSize), "数据长度: 0x80000字节");
  EXPECT_EQ(t.controls.Entries(Main::UpdateListInfo).front(), "调入行数: 131072行");

  EXPECT_EQ(LoadCode_EggFile(a, WriteFile("over.Img", text + "EEEEEEEE\n"), 0xFF).error, "LoadCode_EggFile时, 出错 !");
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"LoadCode_EggFile时, 出错 !"});
  EXPECT_EQ(a.code.Buffer.size(), 0x80000u);
  EXPECT_EQ(a.code.Length, 0x80000);
  EXPECT_EQ(t.controls.Text(C::AudioFlashEggCodeSize), "数据长度: -----");
}

TEST(Flash, AddressLineThenDataOverlaysOnly) {
  TestApp t;
  Ambrelin& a = t.app;
  std::fill(a.code.Buffer.begin(), a.code.Buffer.end(), 0x77);
  const Loaded loaded = LoadCode_FlashFile(a, WriteFile("overlay.Img", "# [001000]\n12 34 56\n"), 0xFF);
  EXPECT_EQ(loaded.stored, 3);
  EXPECT_EQ(Span(a, 0xFFF, 5), (Bytes{0x77, 0x12, 0x34, 0x56, 0x77}));
  EXPECT_EQ(CountOf(a, 0x77), 0x80000u - 3) << "not filled";
  EXPECT_EQ(a.code.Length, 0x1003);
  EXPECT_EQ(t.controls.Text(C::AudioFlashFlashCodeSize), "数据长度: 0x1003字节");
  EXPECT_EQ(t.controls.Text(C::AudioFlashFlashCodeCount), "数据大小: 0x3字节");
  EXPECT_EQ(t.controls.Entries(Main::UpdateListInfo).front(), "调入行数: 2行");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(Flash, AddressCarriesOnCommentsEndLinesAndRepeatsOverwrite) {
  TestApp t;
  Ambrelin& a = t.app;
  LoadCode_FlashFile(a,
                     WriteFile("mixed.Img",
                               "01 02\r\n"
                               "\r\n"
                               "03   04 ; note 05\r\n"
                               "# [00002A] rest ignored\r\n"
                               "aa bb\r\n"
                               "# [00002a]\r\n"
                               "cc\r\n"
                               "1234 x\r\n"),
                     0xFF);
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_EQ(Span(a, 0, 4), (Bytes{0x01, 0x02, 0x03, 0x04})) << "the address runs on from line to line";
  EXPECT_EQ(Span(a, 0x2A, 4), (Bytes{0xCC, 0x12, 0x34, 0x00})) << "later bytes win; 1234 is two tokens";
  EXPECT_EQ(a.code.Length, 0x2D);
  EXPECT_EQ(t.controls.Text(C::AudioFlashFlashCodeCount), "数据大小: 0x9字节") << "overwritten bytes count twice";
  EXPECT_EQ(t.controls.Entries(Main::UpdateListInfo).front(), "调入行数: 8行") << "empty lines count too";
}

TEST(Flash, OneStrayCharacterAfterATokenFails) {
  TestApp t;
  Ambrelin& a = t.app;
  EXPECT_FALSE(LoadCode_FlashFile(a, WriteFile("stray.Img", "# [000100]\n12 34\n56 \n78\n"), 0xFF));
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"LoadCode_FlashFile时, 出错 !"});
  EXPECT_EQ(Span(a, 0x100, 4), (Bytes{0x12, 0x34, 0x56, 0x00})) << "what was stored stays, nothing after";
  EXPECT_EQ(t.controls.Text(C::AudioFlashFlashCodeSize), "数据长度: -----");
  EXPECT_EQ(t.controls.Text(C::AudioFlashFlashCodeCount), "数据大小: -----");
}

TEST(Flash, BlankLinesStoreNothingAndTabsSeparate) {
  TestApp t;
  Ambrelin& a = t.app;
  std::fill(a.code.Buffer.begin(), a.code.Buffer.end(), 0x77);
  LoadCode_FlashFile(a, WriteFile("blank.Img", "   \n11\t22\n \t\n33\n"), 0xFF);
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_EQ(Span(a, 0, 4), (Bytes{0x11, 0x22, 0x33, 0x77}));
}

TEST(Flash, BytesBeyondTheImageFailInsteadOfWritingOutside) {
  TestApp t;
  Ambrelin& a = t.app;
  EXPECT_FALSE(LoadCode_FlashFile(a, WriteFile("beyond.Img", "# [07FFFE]\n01 02 03 04\n"), 0xFF));
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"LoadCode_FlashFile时, 出错 !"});
  EXPECT_EQ(Span(a, 0x7FFFE, 2), (Bytes{0x01, 0x02}));
  EXPECT_EQ(a.code.Length, 0x80000);
  EXPECT_FALSE(LoadCode_FlashFile(a, WriteFile("far.Img", "# [FFFFFF]\n01\n"), 0xFF));
}

TEST(OpenButtons, ChosenFileIsNamedDatedAndLoaded) {
  TestApp t;
  Ambrelin& a = t.app;
  const std::string egg = WriteFile("open.Img", "CAFEBABE\n");
  const std::string flash = WriteFile("patch.Img", "# [000002]\n00\n");
  t.dialogs.picks = {egg, flash};
  AudioFlashOpenEgg_Click(a);
  AudioFlashOpenFlash_Click(a);
  EXPECT_EQ(t.dialogs.filters, (std::vector<std::string>{"映像文件|*.Img", "映像文件|*.Img"}));
  EXPECT_EQ(t.controls.Text(C::AudioFlashEggName), egg);
  EXPECT_EQ(t.controls.Text(C::AudioFlashFlashName), flash);
  EXPECT_TRUE(t.controls.Text(C::AudioFlashEggDate).starts_with("日期: 20"));
  EXPECT_TRUE(t.controls.Text(C::AudioFlashFlashDate).starts_with("日期: 20"));
  EXPECT_EQ(Span(a, 0, 5), (Bytes{0xCA, 0xFE, 0x00, 0xBE, 0xFF}));
  EXPECT_EQ(t.controls.Text(C::AudioFlashEggCodeSize), "数据长度: 0x4字节");
  EXPECT_EQ(t.controls.Text(C::AudioFlashFlashCodeSize), "数据长度: 0x3字节");
}

TEST(OpenButtons, CancelOrMissingFileChangesNothing) {
  TestApp t;
  Ambrelin& a = t.app;
  a.code.Buffer[0] = 0x42;
  AudioFlashOpenEgg_Click(a);
  t.dialogs.picks = {::testing::TempDir() + "gone.Img"};
  AudioFlashOpenFlash_Click(a);
  EXPECT_FALSE(OpenEggFile(a, ::testing::TempDir())) << "a folder is no file";
  EXPECT_EQ(a.code.Buffer[0], 0x42);
  EXPECT_EQ(t.controls.Text(C::AudioFlashEggName), "");
  EXPECT_EQ(t.controls.Text(C::AudioFlashFlashName), "");
  EXPECT_EQ(t.controls.Text(C::AudioFlashFlashDate), "");
  EXPECT_EQ(t.controls.Text(C::AudioFlashEggCodeSize), "数据长度: 0x----");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

}  // namespace
