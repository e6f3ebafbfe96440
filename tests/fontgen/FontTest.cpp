// The font generator: its tables against a transcription kept beside this
// file, the bit order, Reverse, the three formats and the window's choices;
// the drawings are the window test's.
#include <sstream>

#include "TestApp.h"
#include "fontgen/CharBorn.h"
#include "fontgen/FontTables.h"

namespace {

namespace C = CharBornFormControls;

// The common a-to-g wiring of a 7 segment display, and one box per letter of a 16 segment one.
constexpr std::string_view SevenOrder = "AGLMHCX         ";
constexpr std::string_view SixteenOrder = "ABCDEFGHIJKLMNXY";

std::string Line(int code, LedDisplay d, FontFormat f, std::string_view order, bool reverse = false) {
  std::istringstream text(BornText(d, f, order, reverse));
  std::string line;
  for (int k = FirstCode; k <= code; ++k) std::getline(text, line);
  EXPECT_TRUE(line.ends_with('\r')) << "lines end in CR LF";
  return line.substr(0, line.size() - 1);
}

TEST(FontTables, AgreeWithTheTranscriptionForEveryCode) {
  const std::pair<std::string, LedDisplay> displays[] = {
      {"7", LedDisplay::Seg7}, {"14", LedDisplay::Seg14}, {"16", LedDisplay::Seg16}};
  LedDisplay display = LedDisplay::Seg7;
  int checked = 0;
  for (const std::string& line : DataLines("fontgen/FontTables.txt")) {
    std::istringstream words(line);
    std::string first;
    words >> first;
    if (first == "display") {
      words >> first;
      display = std::find_if(std::begin(displays), std::end(displays), [&](auto& d) { return d.first == first; })->second;
      continue;
    }
    int code = std::stoi(first, nullptr, 16);
    for (std::string lit; words >> lit; ++code, ++checked)
      EXPECT_EQ(LitSegments(display, code), lit == "-" ? "" : lit) << first << " code 0x" << std::hex << code;
  }
  EXPECT_EQ(checked, 3 * 96);
  EXPECT_EQ(LitSegments(LedDisplay::Seg16, LastCode + 1), "");
}

TEST(CharBorn, OrderPositionsAreBitsAndReverseInvertsThem) {
  // Position 1 is bit 0 of the low byte, position 9 bit 0 of the high byte.
  EXPECT_EQ(LowByte("A", "       A", false), "80");
  EXPECT_EQ(HighByte("A", "        A", false), "01");
  EXPECT_EQ(HighByte("A", "       A", false), "00");
  EXPECT_EQ(LowByte("CM", "C  M C  ", false), "29") << "a letter in two boxes lights both bits";
  EXPECT_EQ(HighByte("ABCGHLMN", SixteenOrder, true), "C7");
  // Lower case works like capitals; text past a box's first character must
  // not shift the later boxes.
  std::array<std::string, 16> boxes;
  boxes[0] = "ab";
  boxes[2] = "x";
  EXPECT_EQ(OrderString(boxes), "A X             ");
}

TEST(CharBorn, LinesOfEachFormatAndTheirComments) {
  const struct {
    int code;
    LedDisplay display;
    FontFormat format;
    bool reverse;
    const char* line;
  } cases[] = {
      {'0', LedDisplay::Seg7, FontFormat::Uchar, true, "{0xC0},      //0"},
      {'0', LedDisplay::Seg7, FontFormat::Asm, false, "DB     03FH      ;0"},
      {'0', LedDisplay::Seg7, FontFormat::Ushort, false, "0x3F,      //0"},
      {'0', LedDisplay::Seg16, FontFormat::Ushort, false, "0x38C7,      //0"},
      {'0', LedDisplay::Seg16, FontFormat::Asm, false, "DB     038H,0C7H      ;0"},
      // The assembler comment leaves out the apostrophe; C quotes the backslash.
      {0x27, LedDisplay::Seg14, FontFormat::Uchar, false, "{0x00,0x20},      //'"},
      {0x27, LedDisplay::Seg14, FontFormat::Asm, false, "DB     000H,020H      ;"},
      {0x5C, LedDisplay::Seg14, FontFormat::Ushort, false, "0x0408,      //'\\'"},
      {0x7F, LedDisplay::Seg14, FontFormat::Uchar, true, "{0xFF,0xFF},      //Del"},
      {0x20, LedDisplay::Seg14, FontFormat::Asm, false, "DB     000H,000H      ; "},
  };
  for (const auto& k : cases)
    EXPECT_EQ(Line(k.code, k.display, k.format, k.display == LedDisplay::Seg7 ? SevenOrder : SixteenOrder, k.reverse),
              k.line);
  const std::string all = BornText(LedDisplay::Seg7, FontFormat::Asm, "", false);
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 96);
}

TEST(CharBorn, TheWindowsChoicesDecideTheText) {
  MapControls c;
  for (size_t k = 0; k < 16; ++k) c.SetText(OrderBoxes[k], k < 8 ? std::string(1, "aglmhcx "[k]) : "A");
  c.SetTicked(C::CharOption7, true);
  c.SetTicked(C::CharOptionUchar, true);
  const auto born = [&c] {
    CharButtonBorn_Click(c);
    return c.Text(C::CharTextCode);
  };
  EXPECT_EQ(born(), BornText(LedDisplay::Seg7, FontFormat::Uchar, SevenOrder, false)) << "the high row does not count";
  // Asm wins over the others, then C Unsigned Short.
  c.SetTicked(C::CharCheckCode, true);
  c.SetTicked(C::CharOptionUshort, true);
  EXPECT_EQ(born(), BornText(LedDisplay::Seg7, FontFormat::Ushort, SevenOrder, true));
  c.SetTicked(C::CharOptionAsm, true);
  c.SetTicked(C::CharOption7, false);
  c.SetTicked(C::CharOption16, true);
  EXPECT_EQ(born(), BornText(LedDisplay::Seg16, FontFormat::Asm, "AGLMHCX AAAAAAAA", true));
  CharOption_Click(c, LedDisplay::Seg7);
  EXPECT_TRUE(c.Enabled(OrderBoxes[7]) && !c.Enabled(OrderBoxes[8])) << "seven segments take the high row out of use";
}

}  // namespace
