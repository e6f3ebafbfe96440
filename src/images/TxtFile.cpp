#include "images/TxtFile.h"

#include "app/Hex.h"
#include "images/BinFile.h"
#include "images/TextLines.h"

Loaded ReadTxtFile(CodeImage& code, const std::string& path, uint8_t fill, int32_t start, EventPump& pump) {
  constexpr std::string_view TxtFailed = "LoadCode_TxtFile时, 出错 !";
  const auto lines = ReadLines(path);
  if (!lines) return Failed({}, TxtFailed);
  Loaded loaded;
  loaded.date = FileTime(path).value_or("");
  FillCode(code, fill);
  int32_t count = 0;
  for (const std::string& line : *lines) {
    pump.Yield();
    // Pairs never span lines: an odd digit at a line's end is dropped.
    int high = -1;
    for (char c : Trim(line)) {
      const int digit = HexDigit(c);
      if (digit < 0) continue;
      if (high < 0) {
        high = digit;
        continue;
      }
      if (!WriteCode(code, count++, static_cast<uint8_t>(high * 16 + digit))) return Failed(loaded, TxtFailed);
      high = -1;
    }
  }
  // No copy is written for a file without a byte.
  if (count == 0) return Failed(loaded, std::string(TxtFailed) + NoData);
  code.Length = count;
  std::string copy = path;
  if (!SaveFile_Bin(copy, code.Buffer, code.Length)) return Failed(loaded, TxtFailed);
  loaded.length = code.Length;
  code.Checksum = loaded.checksum = CodeChecksum(code, 0, code.Length);
  loaded.name = CodeName(code, start);
  return loaded;
}
