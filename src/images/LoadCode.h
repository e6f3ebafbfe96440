#pragma once
// The design's loaders: each reads its file with its reader, says who wrote
// the code buffer, and shows what it read on the burn page's labels and their
// burner-window twins, or its message in a message box. The readers know
// nothing of the windows.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/Ambrelin.h"
#include "images/CodeBuffer.h"

// How a burner-window twin follows its main-window label.
enum class Twin { None, Same, English };

// The first entry of the info list: "调入行数: ", the count and its unit.
void ShowLineCount(Ambrelin&, int count, std::string_view unit = "");
// An image load on the burn page's labels: the file's date, then the
// loader's message box, or the checksum, code name, line count and length.
void ShowLoad(Ambrelin&, const Loaded&, Twin dateTwin, Twin sumTwin);

Loaded LoadCode_HexFile(Ambrelin&, const std::string& path, uint8_t fill, int32_t start, int32_t end);
// The HEX text typed or pasted into DesktopTextCode1.
Loaded LoadCode_Include(Ambrelin&, uint8_t fill, int32_t start, int32_t end);
Loaded LoadCode_TotFile(Ambrelin&, const std::string& path, uint8_t fill, int32_t start, int32_t end);
// The end address is not used: the checksum covers the bytes read.
Loaded LoadCode_TxtFile(Ambrelin&, const std::string& path, uint8_t fill, int32_t start, int32_t end);
Loaded LoadCode_BinFile(Ambrelin&, const std::string& path, uint8_t fill, int32_t start, int32_t end);
// Shown on the length and name labels or in a message box.
Loaded LoadCode_ValFile(Ambrelin&, const std::string& path);
// The batch page's loads, by the last three characters of the path; unknown
// endings load nothing.
std::optional<Loaded> LoadCode_ByExtension(Ambrelin&, const std::string& path);
