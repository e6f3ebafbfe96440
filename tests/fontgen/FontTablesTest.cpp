// The program's font tables against a second, separately written copy, and
// against the letters each display actually has.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "fontgen/FontTables.h"

namespace {

const std::pair<LedDisplay, std::string_view> Displays[] = {
    {LedDisplay::Seg7, "7"}, {LedDisplay::Seg14, "14"}, {LedDisplay::Seg16, "16"}};

// display name -> code -> lit letters, from FontTables.txt beside this file.
std::map<std::string, std::map<int, std::string>> ReadCheckCopy() {
  std::ifstream file(std::filesystem::path(__FILE__).parent_path() / "FontTables.txt");
  std::map<std::string, std::map<int, std::string>> copy;
  std::string line, display;
  while (std::getline(file, line)) {
    std::istringstream words(line);
    std::string first;
    if (!(words >> first) || first.front() == '#') continue;
    if (first == "display") {
      words >> display;
      continue;
    }
    int code = std::stoi(first, nullptr, 16);
    for (std::string lit; words >> lit; ++code) copy[display][code] = lit == "-" ? "" : lit;
  }
  return copy;
}

}  // namespace

TEST(FontTables, AgreeWithTheCheckCopyForEveryCode) {
  const auto copy = ReadCheckCopy();
  for (const auto& [display, name] : Displays) {
    SCOPED_TRACE(std::string(name) + " Segment");
    const auto& expected = copy.at(std::string(name));
    ASSERT_EQ(expected.size(), 96u) << "the check copy itself is incomplete";
    for (int code = FirstCode; code <= LastCode; ++code)
      EXPECT_EQ(LitSegments(display, code), expected.at(code)) << "code 0x" << std::hex << code;
  }
}

TEST(FontTables, UseOnlyTheLettersOfTheirDisplayEachOnce) {
  const std::map<LedDisplay, std::string_view> letters = {
      {LedDisplay::Seg7, "ACGHLMX"}, {LedDisplay::Seg14, "ACDEFGHIJKLMXY"}, {LedDisplay::Seg16, "ABCDEFGHIJKLMNXY"}};
  for (const auto& [display, name] : Displays) {
    for (int code = FirstCode; code <= LastCode; ++code) {
      const std::string_view lit = LitSegments(display, code);
      for (size_t i = 0; i < lit.size(); ++i) {
        EXPECT_NE(letters.at(display).find(lit[i]), std::string_view::npos)
            << name << " Segment, code 0x" << std::hex << code << " lights " << lit[i];
        EXPECT_EQ(lit.find(lit[i], i + 1), std::string_view::npos)
            << name << " Segment, code 0x" << std::hex << code << " repeats " << lit[i];
      }
    }
  }
}
