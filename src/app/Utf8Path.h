#pragma once
// Paths travel through the program as UTF-8 text, as the windows and the
// command line hand them over. A narrow path would be read in the system's
// code page on Windows, so every open goes through a path made from UTF-8,
// and a path turns back into UTF-8 text, never into the code page's.
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

inline std::filesystem::path Utf8Path(std::string_view text) {
  try {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
  } catch (const std::system_error&) {
    // No UTF-8: a script saved in the code page (as Notepad did on a Chinese
    // Windows) names its images in the code page, as the system does.
    return std::filesystem::path(std::string(text));
  }
}

inline std::string Utf8Text(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}
