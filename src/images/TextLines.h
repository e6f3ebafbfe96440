#pragma once
// Files read whole: as bytes, or as text lines whatever their line ends.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// At most `most` bytes from the start of a regular file; nothing for a path
// that is missing, unreadable or no regular file (a folder, a device).
std::optional<std::string> ReadBytes(const std::string& path, size_t most);
// The lines of a file; a line ends at CR LF, a lone LF or a lone CR, and a
// last line break does not start an empty line. Nothing for a file that
// cannot be read, as for ReadBytes.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);
std::vector<std::string> SplitLines(const std::string& text);
// Without blanks at either end.
std::string Trim(const std::string& line);
