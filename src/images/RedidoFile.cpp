#include "images/RedidoFile.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "app/DesktopFormControls.h"
#include "app/Utf8Path.h"
#include "images/TextLines.h"

namespace {

uint8_t Exchange(uint8_t b) {
  switch (b) {
    case 0x53: return 0x75;
    case 0x75: return 0x53;
    case 0x20: return 0x30;
    case 0x30: return 0x20;
    default: return b;
  }
}

}  // namespace

uint8_t TotWriteByte(uint8_t b) { return static_cast<uint8_t>(~Exchange(b)); }

uint8_t TotReadByte(uint8_t b) { return Exchange(static_cast<uint8_t>(~b)); }

bool SaveFile_Tot(Ambrelin& a, const std::string& path) {
  // The whole file is written: an older, longer file must not leave its tail.
  std::vector<uint8_t> file(TotFileSize, 0);
  for (size_t address = 0; address <= FillLast; ++address) file[address] = TotWriteByte(a.code.Buffer[address]);
  const auto length = static_cast<uint32_t>(a.code.Length);
  for (size_t k = 0; k < 4; ++k) file[TotLengthOffset + k] = static_cast<uint8_t>(length >> (8 * k));
  std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  out.close();
  if (out) return true;
  a.dialogs.MessageBox("SaveFile_Tot出错 !");
  return false;
}

Loaded ReadTotFile(CodeImage& code, const std::string& path, uint8_t fill, int32_t start, int32_t end) {
  constexpr std::string_view TotFailed = "LoadCode_TotFile时, 出错 !";
  const auto bytes = ReadBytes(path, code.Buffer.size());
  if (!bytes) return Failed({}, TotFailed);
  if (bytes->empty()) return Failed({}, std::string(TotFailed) + NoData);
  Loaded loaded;
  loaded.date = FileTime(path).value_or("");
  FillCode(code, fill);
  std::copy(bytes->begin(), bytes->end(), code.Buffer.begin());
  uint32_t length = 0;
  for (size_t k = 0; k < 4 && TotLengthOffset + k < bytes->size(); ++k)
    length |= static_cast<uint32_t>(static_cast<uint8_t>((*bytes)[TotLengthOffset + k])) << (8 * k);
  code.Length = static_cast<int32_t>(length);
  for (size_t address = 0; address <= FillLast && address < bytes->size(); ++address)
    code.Buffer[address] = TotReadByte(code.Buffer[address]);
  return FinishRead(code, loaded, start, end, TotFailed);
}

bool ToolButtonHex2Tot_Click(Ambrelin& a) {
  const std::string name = a.controls.Text(DesktopFormControls::UpdateTextFileName);
  if (name.size() < 4) {
    a.dialogs.MessageBox("SaveFile_Tot出错 !");
    return false;
  }
  return SaveFile_Tot(a, name.substr(0, name.size() - 4) + ".Tot");
}
