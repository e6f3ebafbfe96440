#include "images/BinFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "images/CodeBuffer.h"

void LoadCode_BinFile(Ambrelin& a, const std::string& path, uint8_t fill, int32_t start, int32_t end) {
  try {
    ShowFileDate(a, path, Twin::English);
    FillCode(a.code, fill);
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) throw LoadFailure("cannot size " + path);
    a.code.Length = static_cast<int32_t>(std::min<uintmax_t>(size, INT32_MAX));
    std::ifstream in(path, std::ios::binary);
    if (!in) throw LoadFailure("cannot open " + path);
    // At most the whole buffer; a short file leaves the fill behind its end.
    in.read(reinterpret_cast<char*>(a.code.Buffer.data()), static_cast<std::streamsize>(a.code.Buffer.size()));
    if (in.bad()) throw LoadFailure("cannot read " + path);
    FinishLoad(a, start, end, 0, Twin::English);
  } catch (const LoadFailure&) {
    a.dialogs.MessageBox("LoadCode_BinFile时, 出错 !");
  }
}

bool SaveFile_Bin(std::string& fileName, std::span<const uint8_t> bytes, int32_t& length) {
  length -= 1;
  const size_t count = length < 0 ? 0 : std::min(static_cast<size_t>(length) + 1, bytes.size());
  if (fileName.size() >= 4) fileName.resize(fileName.size() - 4);
  fileName += ".Bin";
  // Truncated, so the file holds exactly these bytes and no tail of an older one.
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(count));
  out.close();
  return static_cast<bool>(out);
}
