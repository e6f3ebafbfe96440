// The DSP flash images, Egg and Flash, and the number texts of the download.
#include <algorithm>

#include "TestApp.h"
#include "dspflash/FlashOpen.h"
#include "dspflash/NumberText.h"
#include "panels/DecoderFormControls.h"

namespace {

namespace C = DecoderFormControls;
namespace Main = DesktopFormControls;

using DspImage = AppTest;

Bytes Span(const Ambrelin& a, size_t from, size_t count) {
  return Bytes(a.code.Buffer.begin() + static_cast<std::ptrdiff_t>(from),
               a.code.Buffer.begin() + static_cast<std::ptrdiff_t>(from + count));
}

TEST(NumberText, BlankBeforeNonNegativeAndGeneralForm) {
  const std::pair<int64_t, const char*> integers[] = {{5, " 5"}, {0, " 0"}, {-3, "-3"}, {40000, " 40000"}};
  for (auto [value, text] : integers) EXPECT_EQ(NumberText(value), text);
  const std::pair<float, const char*> floats[] = {
      {43.25f, " 43.25"}, {0.5f, " .5"}, {-0.5f, "-.5"}, {0.0f, " 0"}, {1.0f / 3, " .3333333"},
      {1234567.0f, " 1234567"}, {12345678.0f, " 1.234568E+07"}, {0.0001f, " .0001"}, {0.00001f, " 1E-05"}};
  for (auto [value, text] : floats) EXPECT_EQ(NumberText(value), text) << text;
}

TEST_F(DspImage, EggFillsTheRestShowsItsSizesAndStopsAtTheEnd) {
  std::fill(a.code.Buffer.begin(), a.code.Buffer.end(), 0x5A);
  c.SetEntries(Main::UpdateListInfo, {"old first", "second"});
  // Pairs convert their leading hex digits.
  const Loaded loaded = LoadCode_EggFile(a, WriteFile("two.Img", "00112233\r\nab0fG1 5\r\n"), 0xFF);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(Span(a, 0, 9), (Bytes{0x00, 0x11, 0x22, 0x33, 0xAB, 0x0F, 0x00, 0x05, 0xFF}));
  EXPECT_EQ(std::count(a.code.Buffer.begin(), a.code.Buffer.end(), 0xFF), 0x80000 - 8) << "filled to 0x7FFFF";
  EXPECT_EQ(a.code.Length, 8);
  EXPECT_EQ(c.Text(C::AudioFlashEggCodeSize), "数据长度: 0x8字节");
  EXPECT_EQ(c.Text(C::AudioFlashEggCodeCount), "数据大小: 0x8字节");
  EXPECT_EQ(c.Entries(Main::UpdateListInfo), (std::vector<std::string>{"调入行数: 2行", "second"}));

  // A full Egg loads; one line more fails instead of writing outside.
  std::string text;
  for (int line = 0; line < 0x20000; ++line) text += line % 2 ? "01020304\n" : "A0B0C0D0\n";
  EXPECT_TRUE(LoadCode_EggFile(a, WriteFile("full.Img", text), 0xFF));
  EXPECT_EQ(a.code.Length, 0x80000);
  EXPECT_EQ(Span(a, 0x7FFF8, 8), (Bytes{0xA0, 0xB0, 0xC0, 0xD0, 0x01, 0x02, 0x03, 0x04}));
  EXPECT_EQ(c.Entries(Main::UpdateListInfo).front(), "调入行数: 131072行");
  EXPECT_EQ(LoadCode_EggFile(a, WriteFile("over.Img", text + "EEEEEEEE\n"), 0xFF).error, "LoadCode_EggFile时, 出错 !");
  EXPECT_EQ(a.code.Buffer.size(), 0x80000u);
  EXPECT_EQ(c.Text(C::AudioFlashEggCodeSize), "数据长度: -----");
}

TEST_F(DspImage, FlashFileOverlaysAtItsAddressesAndStopsAtAStrayCharacter) {
  std::fill(a.code.Buffer.begin(), a.code.Buffer.end(), 0x77);
  bool ran = false;
  At(Now(), [&] { ran = true; });
  const Loaded loaded = *OpenFlashFile(a,
                                           WriteFile("mixed.Img",
                                                     "01 02\r\n"
                                                     "\r\n"
                                                     "03   04 ; note 05\r\n"
                                                     "# [00002A] rest ignored\r\n"
                                                     "aa\tbb\r\n"
                                                     " \t\r\n"
                                                     "# [00002a]\r\n"
                                                     "cc 5z\r\n"
                                                     "1234 x\r\n"));
  EXPECT_TRUE(loaded && ran) << "the window stays live as the lines are read";
  EXPECT_TRUE(c.Text(C::AudioFlashFlashDate).starts_with("日期: 20"));
  EXPECT_EQ(loaded.stored, 9) << "overwritten bytes count twice";
  EXPECT_EQ(Span(a, 0, 5), (Bytes{0x01, 0x02, 0x03, 0x04, 0x77})) << "the address runs on; not filled";
  EXPECT_EQ(Span(a, 0x2A, 4), (Bytes{0xCC, 0x12, 0x34, 0x77})) << "later bytes win; 1234 is two tokens";
  EXPECT_EQ(a.code.Length, 0x2D);
  EXPECT_EQ(c.Text(C::AudioFlashFlashCodeSize), "数据长度: 0x2D字节");
  EXPECT_EQ(c.Text(C::AudioFlashFlashCodeCount), "数据大小: 0x9字节");
  EXPECT_EQ(c.Entries(Main::UpdateListInfo).front(), "调入行数: 9行") << "empty lines count too";

  // A stray character or an address beyond the image stops the file.
  const std::pair<const char*, Bytes> cases[] = {
      {"# [000100]\n12 34\n56 \n78\n", {0x12, 0x34, 0x56, 0x77}},  // what was stored stays, nothing after
      {"# [07FFFE]\n01 02 03 04\n", {0x01, 0x02}},
      {"# [100000]\n01\n", {}},
  };
  for (const auto& [text, kept] : cases) {
    t.dialogs.messages.clear();
    const std::string body(text);
    EXPECT_FALSE(LoadCode_FlashFile(a, WriteFile("bad.Img", body), 0xFF)) << body;
    EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"LoadCode_FlashFile时, 出错 !"});
    const size_t at = std::stoul(body.substr(3, 6), nullptr, 16);
    EXPECT_EQ(Span(a, std::min<size_t>(at, 0x80000), kept.size()), kept) << body;
    EXPECT_EQ(c.Text(C::AudioFlashFlashCodeSize), "数据长度: -----");
    EXPECT_EQ(c.Text(C::AudioFlashFlashCodeCount), "数据大小: -----");
  }
}

}  // namespace
