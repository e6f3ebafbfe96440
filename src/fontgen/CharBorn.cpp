#include "fontgen/CharBorn.h"

namespace C = CharBornFormControls;

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Positions first to first+7 of the order (from 1) are bits 0 to 7; a short
// order lights nothing past its end.
std::string EncodeByte(std::string_view lit, std::string_view order, size_t first, bool reverse) {
  unsigned byte = 0;
  for (size_t bit = 0; bit < 8 && first + bit <= order.size(); ++bit)
    if (lit.find(order[first + bit - 1]) != std::string_view::npos) byte |= 1u << bit;
  if (reverse) byte = ~byte & 0xFFu;
  constexpr char Digits[] = "0123456789ABCDEF";
  return {Digits[byte >> 4], Digits[byte & 0xF]};
}

std::string Comment(int code) {
  // A backslash ending a C line comment would swallow the next line.
  if (code == 0x5C) return "'\\'";
  if (code == 0x7F) return "Del";
  return std::string(1, static_cast<char>(code));
}

}  // namespace

std::string OrderString(const std::array<std::string, 16>& boxes) {
  std::string order;
  for (const std::string& box : boxes) order += box.empty() ? ' ' : Upper(box.front());
  return order;
}

std::string LowByte(std::string_view lit, std::string_view order, bool reverse) {
  return EncodeByte(lit, order, 1, reverse);
}

std::string HighByte(std::string_view lit, std::string_view order, bool reverse) {
  return EncodeByte(lit, order, 9, reverse);
}

std::vector<FontEntry> BornTable(LedDisplay display, std::string_view order, bool reverse) {
  std::vector<FontEntry> table;
  for (int code = FirstCode; code <= LastCode; ++code) {
    const std::string_view lit = LitSegments(display, code);
    table.push_back({display == LedDisplay::Seg7 ? std::string() : HighByte(lit, order, reverse),
                     LowByte(lit, order, reverse), Comment(code)});
  }
  return table;
}

std::string FormatEntry(const FontEntry& e, FontFormat format) {
  const bool wide = !e.high.empty();
  switch (format) {
    case FontFormat::Uchar:
      return (wide ? "{0x" + e.high + ",0x" : std::string("{0x")) + e.low + "},      //" + e.comment;
    case FontFormat::Ushort:
      return "0x" + e.high + e.low + ",      //" + e.comment;
    case FontFormat::Asm: {
      std::string line = (wide ? "DB     0" + e.high + "H,0" : std::string("DB     0")) + e.low + "H      ;" + e.comment;
      std::erase(line, '\'');
      return line;
    }
  }
  return {};
}

std::string BornText(LedDisplay display, FontFormat format, std::string_view order, bool reverse) {
  std::string text;
  for (const FontEntry& entry : BornTable(display, order, reverse)) text += FormatEntry(entry, format) + "\r\n";
  return text;
}

std::string_view DrawingFile(LedDisplay display) {
  return display == LedDisplay::Seg7 ? "Led7.Bmp" : display == LedDisplay::Seg14 ? "Led14.Bmp" : "Led16.Bmp";
}

void CharButtonBorn_Click(Controls& c) {
  std::array<std::string, 16> boxes;
  for (size_t k = 0; k < boxes.size(); ++k) boxes[k] = c.Text(OrderBoxes[k]);
  const LedDisplay display = c.Ticked(C::CharOption7)    ? LedDisplay::Seg7
                          : c.Ticked(C::CharOption16) ? LedDisplay::Seg16
                                                      : LedDisplay::Seg14;
  const FontFormat format = c.Ticked(C::CharOptionAsm)      ? FontFormat::Asm
                            : c.Ticked(C::CharOptionUshort) ? FontFormat::Ushort
                                                            : FontFormat::Uchar;
  c.SetText(C::CharTextCode, BornText(display, format, OrderString(boxes), c.Ticked(C::CharCheckCode)));
}

std::string_view CharOption_Click(Controls& c, LedDisplay display) {
  for (size_t k = 8; k < OrderBoxes.size(); ++k) c.SetEnabled(OrderBoxes[k], display != LedDisplay::Seg7);
  return DrawingFile(display);
}
