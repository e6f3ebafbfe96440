#include "images/TextLines.h"

#include <fstream>
#include <sstream>

#include "images/CodeBuffer.h"

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw LoadFailure("cannot open " + path);
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) throw LoadFailure("cannot read " + path);
  return SplitLines(text.str());
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
