#include "images/BinFile.h"

#include <algorithm>
#include <fstream>

#include "app/Utf8Path.h"
#include "images/TextLines.h"

Loaded ReadBinFile(CodeImage& code, const std::string& path, uint8_t fill, int32_t start, int32_t end) {
  constexpr std::string_view BinFailed = "LoadCode_BinFile时, 出错 !";
  // One byte more than the buffer holds tells a file too large for it.
  const auto bytes = ReadBytes(path, code.Buffer.size() + 1);
  if (!bytes || bytes->size() > code.Buffer.size()) return Failed({}, BinFailed);
  if (bytes->empty()) return Failed({}, std::string(BinFailed) + NoData);
  Loaded loaded;
  loaded.date = FileTime(path).value_or("");
  FillCode(code, fill);
  // A short file leaves the fill behind its end.
  std::copy(bytes->begin(), bytes->end(), code.Buffer.begin());
  code.Length = static_cast<int32_t>(bytes->size());
  return FinishRead(code, loaded, start, end, BinFailed);
}

bool SaveFile_Bin(std::string& fileName, std::span<const uint8_t> bytes, int32_t& length) {
  length -= 1;
  const size_t count = length < 0 ? 0 : std::min(static_cast<size_t>(length) + 1, bytes.size());
  if (fileName.size() >= 4) fileName.resize(fileName.size() - 4);
  fileName += ".Bin";
  // Truncated, so the file holds exactly these bytes and no tail of an older one.
  std::ofstream out(Utf8Path(fileName), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(count));
  out.close();
  return static_cast<bool>(out);
}
