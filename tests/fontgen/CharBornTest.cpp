// The font generator: order, byte encoding, Reverse, the three formats and the
// window's events over headless controls.
#include <gtest/gtest.h>

#include "app/MapControls.h"
#include "fontgen/CharBorn.h"

namespace C = CharBornFormControls;

namespace {

// The common a-to-g wiring of a 7 segment display, and one box per letter of a 16 segment one.
constexpr std::string_view SevenOrder = "AGLMHCX         ";
constexpr std::string_view SixteenOrder = "ABCDEFGHIJKLMNXY";

// The lines of a text in which every line ends in CR LF.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "text after the last CR LF";
  return lines;
}

std::string Line(int code, LedDisplay d, FontFormat f, std::string_view order, bool reverse = false) {
  return Lines(BornText(d, f, order, reverse)).at(static_cast<size_t>(code - FirstCode));
}

}  // namespace

TEST(CharBorn, OrderPositionsAreBits) {
  // Position 1 is bit 0 of the low byte, position 9 bit 0 of the high byte.
  EXPECT_EQ(LowByte("A", "       A", false), "80");
  EXPECT_EQ(HighByte("A", "        A", false), "01");
  EXPECT_EQ(HighByte("A", "       A", false), "00");
  // A letter in two boxes lights both bits.
  EXPECT_EQ(LowByte("CM", "C  M C  ", false), "29");
  EXPECT_EQ(HighByte("ABCGHLMN", SixteenOrder, true), "C7");
  // Lower case works like capitals; text past a box's first character must
  // not shift the later boxes.
  std::array<std::string, 16> boxes;
  boxes[0] = "ab";
  boxes[2] = "x";
  EXPECT_EQ(OrderString(boxes), "A X             ");
}

TEST(CharBorn, LinesOfEachFormat) {
  EXPECT_EQ(Line('0', LedDisplay::Seg7, FontFormat::Uchar, SevenOrder), "{0x3F},      //0");
  EXPECT_EQ(Line('1', LedDisplay::Seg7, FontFormat::Uchar, SevenOrder), "{0x06},      //1");
  EXPECT_EQ(Line('A', LedDisplay::Seg7, FontFormat::Uchar, SevenOrder), "{0x77},      //A");
  EXPECT_EQ(Line('0', LedDisplay::Seg7, FontFormat::Uchar, SevenOrder, true), "{0xC0},      //0");
  EXPECT_EQ(Line('0', LedDisplay::Seg7, FontFormat::Asm, SevenOrder), "DB     03FH      ;0");
  EXPECT_EQ(Line('0', LedDisplay::Seg7, FontFormat::Ushort, SevenOrder), "0x3F,      //0");
  EXPECT_EQ(Line('0', LedDisplay::Seg16, FontFormat::Uchar, SixteenOrder), "{0x38,0xC7},      //0");
  EXPECT_EQ(Line('0', LedDisplay::Seg16, FontFormat::Ushort, SixteenOrder), "0x38C7,      //0");
  EXPECT_EQ(Line('0', LedDisplay::Seg16, FontFormat::Asm, SixteenOrder), "DB     038H,0C7H      ;0");
  EXPECT_EQ(Line('7', LedDisplay::Seg14, FontFormat::Uchar, SixteenOrder), "{0x08,0x41},      //7");
}

TEST(CharBorn, CommentsAndTheAssemblerApostropheRule) {
  // On 14 segments ' is F and \ is D and K.
  EXPECT_EQ(Line(0x27, LedDisplay::Seg14, FontFormat::Uchar, SixteenOrder), "{0x00,0x20},      //'");
  EXPECT_EQ(Line(0x27, LedDisplay::Seg14, FontFormat::Asm, SixteenOrder), "DB     000H,020H      ;");
  EXPECT_EQ(Line(0x27, LedDisplay::Seg7, FontFormat::Asm, SevenOrder), "DB     020H      ;");
  EXPECT_EQ(Line(0x5C, LedDisplay::Seg14, FontFormat::Ushort, SixteenOrder), "0x0408,      //'\\'");
  EXPECT_EQ(Line(0x5C, LedDisplay::Seg14, FontFormat::Asm, SixteenOrder), "DB     004H,008H      ;\\");
  EXPECT_EQ(Line(0x7F, LedDisplay::Seg14, FontFormat::Uchar, SixteenOrder), "{0x00,0x00},      //Del");
  EXPECT_EQ(Line(0x20, LedDisplay::Seg14, FontFormat::Asm, SixteenOrder), "DB     000H,000H      ; ");
}

TEST(CharBorn, NinetySixLinesAndBlankEntriesWithoutAnOrder) {
  for (LedDisplay d : {LedDisplay::Seg7, LedDisplay::Seg14, LedDisplay::Seg16}) {
    for (bool reverse : {false, true}) {
      const std::string byte = reverse ? "FF" : "00";
      const auto lines = Lines(BornText(d, FontFormat::Ushort, "", reverse));
      ASSERT_EQ(lines.size(), 96u);
      for (int code = FirstCode; code <= LastCode; ++code) {
        const std::string& line = lines[static_cast<size_t>(code - FirstCode)];
        EXPECT_TRUE(line.starts_with("0x" + byte + (d == LedDisplay::Seg7 ? "" : byte) + ",      //")) << line;
        if (code != 0x5C && code != 0x7F) {
          EXPECT_EQ(line.back(), static_cast<char>(code)) << line;
        }
      }
    }
  }
}

TEST(CharBorn, BornReadsTheWindow) {
  MapControls c;
  for (size_t k = 0; k < 16; ++k) c.SetText(OrderBoxes[k], k < 8 ? std::string(1, "aglmhcx "[k]) : "A");
  c.SetTicked(C::CharOption7, true);
  c.SetTicked(C::CharOptionUchar, true);
  const auto born = [&c] {
    CharButtonBorn_Click(c);
    return c.Text(C::CharTextCode);
  };
  // On 7 segments the high row does not count.
  EXPECT_EQ(born(), BornText(LedDisplay::Seg7, FontFormat::Uchar, SevenOrder, false));
  c.SetTicked(C::CharCheckCode, true);
  // ASM wins over the others, then C Unsigned Short.
  c.SetTicked(C::CharOptionUshort, true);
  EXPECT_EQ(born(), BornText(LedDisplay::Seg7, FontFormat::Ushort, SevenOrder, true));
  c.SetTicked(C::CharOptionAsm, true);
  c.SetTicked(C::CharOption7, false);
  c.SetTicked(C::CharOption16, true);
  EXPECT_EQ(born(), BornText(LedDisplay::Seg16, FontFormat::Asm, "AGLMHCX AAAAAAAA", true));
}

TEST(CharBorn, DisplayTypeSwitchesTheHighRowAndTheDrawing) {
  MapControls c;
  EXPECT_EQ(CharOption_Click(c, LedDisplay::Seg7), "Led7.Bmp");
  for (size_t k = 0; k < 16; ++k) EXPECT_EQ(c.Enabled(OrderBoxes[k]), k < 8) << k;
  EXPECT_EQ(CharOption_Click(c, LedDisplay::Seg16), "Led16.Bmp");
  for (Control box : OrderBoxes) EXPECT_TRUE(c.Enabled(box)) << box.name;
  EXPECT_EQ(CharOption_Click(c, LedDisplay::Seg14), "Led14.Bmp");
  // Choosing a display does not generate the table.
  EXPECT_EQ(c.Text(C::CharTextCode), "");
}
