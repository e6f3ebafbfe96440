#pragma once
// Hexadecimal digits as every text of the program reads them: either case.
#include <cstdint>
#include <optional>
#include <string_view>

// The digit's value, or -1 for a character that is no hex digit.
inline int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

inline bool IsHexDigit(char c) { return HexDigit(c) >= 0; }

// A whole text of hex digits, no more than `most`; nothing for an empty text,
// a character that is no digit, or a larger value.
inline std::optional<uint32_t> HexValue(std::string_view text, uint32_t most) {
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(digit);
    if (value > most) return std::nullopt;
  }
  return static_cast<uint32_t>(value);
}
