#include "images/BatFile.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "images/TextLines.h"

namespace {

// Read afresh on every query, so the script may change between burns. A
// script that cannot be read has no lines.
std::vector<std::string> Lines(Ambrelin& a, const std::string& script) {
  a.pump.Yield();
  return ReadLines(script).value_or(std::vector<std::string>{});
}

std::string Line(Ambrelin& a, const std::string& script, int line) {
  const auto lines = Lines(a, script);
  if (lines.empty()) return {};
  return Trim(lines[static_cast<size_t>(std::clamp(line, 1, static_cast<int>(lines.size())) - 1)]);
}

}  // namespace

int16_t ScriptLineCount(Ambrelin& a, const std::string& script) {
  return static_cast<int16_t>(std::min<size_t>(Lines(a, script).size(), INT16_MAX));
}

int16_t ScriptTargetId(Ambrelin& a, const std::string& script, int line) {
  const std::string text = Line(a, script, line);
  if (text.empty() || text[0] < '0' || text[0] > '9') return 0;
  return static_cast<int16_t>(text[0] - '0');
}

std::string ScriptImagePath(Ambrelin& a, const std::string& script, int line) {
  const std::string text = Line(a, script, line);
  if (text.size() < 2) return {};
  std::string image = script.substr(0, script.find_last_of("\\/") + 1) + text.substr(2);
  // Scripts written on Windows separate folders with backslashes, others with
  // slashes; the path takes this system's own.
  constexpr char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  std::replace_if(image.begin(), image.end(), [](char c) { return c == '\\' || c == '/'; }, separator);
  return image;
}
