#include "images/HexFile.h"

#include <algorithm>

#include "app/DesktopFormControls.h"
#include "images/CodeBuffer.h"
#include "images/TextLines.h"

namespace {

// Leading hex digits of the two characters at a 1-based position; a field
// that is missing or starts with another character reads as 0.
int32_t Field(const std::string& line, size_t position) {
  int32_t value = 0;
  for (size_t k = position - 1; k < position + 1 && k < line.size(); ++k) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(line[k])));
    if (c >= '0' && c <= '9')
      value = value * 16 + (c - '0');
    else if (c >= 'A' && c <= 'F')
      value = value * 16 + (c - 'A' + 10);
    else
      break;
  }
  return value;
}

struct Record {
  int32_t count, address, type;
};

Record ReadRecord(const std::string& line) {
  return {Field(line, 2), Field(line, 4) * 256 + Field(line, 6), Field(line, 8)};
}

// Writes the record's data and returns the address one past its last byte.
int32_t WriteRecord(CodeImage& code, const std::string& line, const Record& r) {
  int32_t address = r.address;
  for (int32_t k = 0; k < r.count; ++k) WriteCode(code, address++, static_cast<uint8_t>(Field(line, 10 + 2 * k)));
  return address;
}

}  // namespace

void LoadCode_HexFile(Ambrelin& a, const std::string& path, uint8_t fill, int32_t start, int32_t end) {
  try {
    ShowFileDate(a, path, Twin::English);
    FillCode(a.code, fill);
    const auto lines = ReadLines(path);
    int lineCount = 0;
    a.code.Length = 0;
    for (const std::string& line : lines) {
      a.pump.Yield();
      if (line.empty() || line[0] != ':') {
        a.dialogs.MessageBox("文件格式出错");
        return;
      }
      const Record r = ReadRecord(line);
      if (r.type == 1) break;
      if (r.type != 0) {
        a.dialogs.MessageBox("不支持HEX扩展格式");
        return;
      }
      a.code.Length = std::max(a.code.Length, WriteRecord(a.code, line, r));
      ++lineCount;
    }
    a.code.Length -= 1;
    FinishLoad(a, start, end, lineCount, Twin::English);
  } catch (const LoadFailure&) {
    a.dialogs.MessageBox("LoadCode_HexFile时, 出错 !");
  }
}

void LoadCode_Include(Ambrelin& a, uint8_t fill, int32_t start, int32_t end) {
  try {
    a.controls.SetText(DesktopFormControls::UpdateLableFileDate, "日期: ------");
    const std::string text = a.controls.Text(DesktopFormControls::DesktopTextCode1);
    FillCode(a.code, fill);
    int lineCount = 0;
    a.code.Length = 0;
    size_t from = 0;
    // Every piece between line feeds counts, empty ones and the last included.
    for (bool more = true; more;) {
      const size_t feed = text.find('\n', from);
      more = feed != std::string::npos;
      const std::string line = text.substr(from, more ? feed - from : std::string::npos);
      from = feed + 1;
      a.pump.Yield();
      const Record r = ReadRecord(line);
      if (r.type == 1) break;
      a.code.Length = std::max(a.code.Length, WriteRecord(a.code, line, r));
      ++lineCount;
    }
    a.code.Length -= 1;
    FinishLoad(a, start, end, lineCount, Twin::None);
  } catch (const LoadFailure&) {
    a.dialogs.MessageBox("LoadCode_Include, 出错 !");
  }
}
