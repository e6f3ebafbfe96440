#include "images/TextLines.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>

#include "app/Utf8Path.h"

std::optional<std::string> ReadBytes(const std::string& utf8, size_t most) {
  const std::filesystem::path path = Utf8Path(utf8);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const auto size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes(static_cast<size_t>(std::min<uintmax_t>(size, most)), '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) return std::nullopt;
  // A file that shrank since it was sized gives what it still holds.
  bytes.resize(static_cast<size_t>(file.gcount()));
  return bytes;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  const auto text = ReadBytes(path, std::numeric_limits<size_t>::max());
  if (!text) return std::nullopt;
  return SplitLines(*text);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t k = 0; k < text.size(); ++k) {
    if (text[k] != '\r' && text[k] != '\n') continue;
    lines.push_back(text.substr(start, k - start));
    if (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n') ++k;
    start = k + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string Trim(const std::string& line) {
  const size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(' ') - first + 1);
}
