#include "images/CodeBuffer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/Language.h"
#include "images/AdiSetting.h"
#include "images/BinFile.h"
#include "images/HexFile.h"
#include "images/RedidoFile.h"
#include "images/TxtFile.h"

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

namespace {

// The main label's caption, and its twin's with the word in English when the
// burner window speaks English.
void ShowLabel(Ambrelin& a, Control main, Control twin, Twin how, const std::string& caption,
               std::string_view chinese, std::string_view english) {
  a.controls.SetText(main, caption);
  if (how == Twin::None) return;
  a.controls.SetText(twin, how == Twin::English && a.Language == 1 ? ReplaceAll(caption, chinese, english) : caption);
}

}  // namespace

std::optional<std::string> FileTime(const std::string& path) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  const std::time_t seconds =
      std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

namespace {

// One character per byte; bytes without a glyph show as blanks.
std::string NameCharacter(uint8_t byte) {
  if (byte < 0x20 || byte == 0x7F) return " ";
  if (byte < 0x80) return std::string(1, static_cast<char>(byte));
  return {static_cast<char>(0xC0 | byte >> 6), static_cast<char>(0x80 | (byte & 0x3F))};
}

}  // namespace

std::string HexText(uint32_t value) {
  char text[12];
  std::snprintf(text, sizeof text, "%X", value);
  return text;
}

std::string TwoHexDigits(int value) {
  char text[4];
  std::snprintf(text, sizeof text, "%02X", value);
  return text;
}

void FillCode(CodeImage& code, uint8_t fill) {
  std::fill(code.Buffer.begin(), code.Buffer.begin() + FillLast + 1, fill);
}

void WriteCode(CodeImage& code, int64_t address, uint8_t byte) {
  if (address < 0 || address > CodeBufferLast) throw LoadFailure("address outside the code buffer");
  code.Buffer[static_cast<size_t>(address)] = byte;
}

int32_t CodeChecksum(const CodeImage& code, int32_t start, int32_t end) {
  if (start > end) return 0;
  if (start < 0 || end > CodeBufferLast) throw LoadFailure("checksum range outside the code buffer");
  int32_t sum = 0;
  for (int32_t address = start; address <= end; ++address) {
    sum += code.Buffer[static_cast<size_t>(address)];
    if (sum >= 65536) sum -= 65536;
  }
  return sum;
}

void ShowFileDate(Ambrelin& a, const std::string& path, Twin twin) {
  const auto time = FileTime(path);
  if (!time) throw LoadFailure("no such file");
  ShowLabel(a, Main::UpdateLableFileDate, Burner::UpdateLableFileDate, twin, "日期: " + *time, "日期", "Date");
}

void ShowCodeSum(Ambrelin& a, Twin twin) {
  ShowLabel(a, Main::UpdateLabelCodeSum, Burner::UpdateLabelCodeSum, twin,
            "校验: 0x" + HexText(static_cast<uint32_t>(a.code.Checksum)), "校验", "Sum");
}

void ShowCodeName(Ambrelin& a, int32_t start) {
  static constexpr int AtZero[] = {6, 7, 8, 9, 10, 14, 15, 16, 17, 18};
  static constexpr int Elsewhere[] = {1030, 1031, 1032, 1033, 1034, 1038, 1039, 1040, 1041, 1042};
  std::string name;
  for (int address : start == 0 ? AtZero : Elsewhere) name += NameCharacter(a.code.Buffer[static_cast<size_t>(address)]);
  name.erase(name.find_last_not_of(' ') + 1);
  ShowLabel(a, Main::UpdateLabelCodeName, Burner::UpdateLabelCodeName, Twin::English, "名称: " + name + "  ", "名称",
            "Name");
}

void ShowLineCount(Ambrelin& a, int count, std::string_view unit) {
  auto entries = a.controls.Entries(Main::UpdateListInfo);
  const std::string line = "调入行数: " + std::to_string(count) + std::string(unit);
  if (entries.empty())
    entries.push_back(line);
  else
    entries.front() = line;
  a.controls.SetEntries(Main::UpdateListInfo, entries);
}

void ShowCodeSize(Ambrelin& a) {
  a.controls.SetText(Main::UpdateLableCodeSize, "长度: 0x" + HexText(static_cast<uint32_t>(a.code.Length)));
}

void FinishLoad(Ambrelin& a, int32_t start, int32_t end, int lineCount, Twin sumTwin) {
  a.code.Checksum = CodeChecksum(a.code, start, end);
  ShowCodeSum(a, sumTwin);
  ShowCodeName(a, start);
  ShowLineCount(a, lineCount);
  ShowCodeSize(a);
}

bool HasEnding(std::string_view path, std::string_view ending) {
  if (path.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), path.end() - static_cast<std::ptrdiff_t>(ending.size()),
                    [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) ==
                                                std::tolower(static_cast<unsigned char>(y)); });
}

void LoadCode_ByExtension(Ambrelin& a, const std::string& path) {
  if (HasEnding(path, "hex"))
    LoadCode_HexFile(a, path, 0x00, 0, 65535);
  else if (HasEnding(path, "tot"))
    LoadCode_TotFile(a, path, 0x00, 0, 65535);
  else if (HasEnding(path, "val"))
    LoadCode_ValFile(a, path);
  else if (HasEnding(path, "txt"))
    LoadCode_TxtFile(a, path, 0xFF, 0, 65535);
  else if (HasEnding(path, "bin"))
    LoadCode_BinFile(a, path, 0x00, 0, 65535);
}
