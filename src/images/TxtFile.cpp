#include "images/TxtFile.h"

#include <cctype>

#include "images/BinFile.h"
#include "images/CodeBuffer.h"
#include "images/TextLines.h"

namespace {

int DigitValue(char c) {
  c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

void LoadCode_TxtFile(Ambrelin& a, const std::string& path, uint8_t fill, int32_t start, int32_t) {
  try {
    ShowFileDate(a, path, Twin::Same);
    FillCode(a.code, fill);
    int32_t count = 0;
    for (const std::string& line : ReadLines(path)) {
      a.pump.Yield();
      // Pairs never span lines: an odd digit at a line's end is dropped.
      int high = -1;
      for (char c : Trim(line)) {
        const int digit = DigitValue(c);
        if (digit < 0) continue;
        if (high < 0) {
          high = digit;
          continue;
        }
        WriteCode(a.code, count++, static_cast<uint8_t>(high * 16 + digit));
        high = -1;
      }
    }
    a.code.Length = count;
    std::string copy = path;
    if (!SaveFile_Bin(copy, a.code.Buffer, a.code.Length)) throw LoadFailure("cannot write " + copy);
    a.code.Checksum = CodeChecksum(a.code, 0, a.code.Length);
    ShowCodeSum(a, Twin::Same);
    ShowCodeName(a, start);
    ShowLineCount(a, 0);
    ShowCodeSize(a);
  } catch (const LoadFailure&) {
    a.dialogs.MessageBox("LoadCode_TxtFile时, 出错 !");
  }
}
