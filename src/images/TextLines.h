#pragma once
// Text files read line by line, whatever their line ends.
#include <string>
#include <vector>

// The lines of a file; a line ends at CR LF, a lone LF or a lone CR, and a
// last line break does not start an empty line. Fails for a file that cannot
// be read.
std::vector<std::string> ReadLines(const std::string& path);
std::vector<std::string> SplitLines(const std::string& text);
// Without blanks at either end.
std::string Trim(const std::string& line);
