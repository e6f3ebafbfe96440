#pragma once
// Frames as the panel tests read them: the data bytes in groups of two, as
// command texts are written.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

inline std::string DataText(std::span<const uint8_t> frame) {
  std::string text;
  for (size_t i = 6; i + 2 < frame.size(); ++i) {
    if (i > 6 && i % 2 == 0) text += ' ';
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02X", frame[i]);
    text += pair;
  }
  return text;
}

// The design's texts with lower-case digits give the same bytes as upper case.
inline std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}
