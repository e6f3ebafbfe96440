#include "images/LoadCode.h"

#include <functional>

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

// The buffer is the writer's from its first byte; it holds the file's image
// only once the reader got to the end.
Loaded Owned(Ambrelin& a, CodeWriter writer, const std::string& file, const std::function<Loaded()>& read) {
  OwnCode(a.code, {writer, file});
  const Loaded loaded = read();
  if (loaded) OwnCode(a.code, {writer, file, loaded.checksum, true});
  return loaded;
}

Loaded ReadAndShow(Ambrelin& a, const std::string& path, Twin twin, const std::function<Loaded()>& read) {
  const Loaded loaded = Owned(a, CodeWriter::Image, path, read);
  ShowLoad(a, loaded, twin, twin);
  return loaded;
}

}  // namespace

void ShowLineCount(Ambrelin& a, int count, std::string_view unit) {
  auto entries = a.controls.Entries(Main::UpdateListInfo);
  const std::string line = "调入行数: " + std::to_string(count) + std::string(unit);
  if (entries.empty())
    entries.push_back(line);
  else
    entries.front() = line;
  a.controls.SetEntries(Main::UpdateListInfo, entries);
}

void ShowLoad(Ambrelin& a, const Loaded& loaded, Twin dateTwin, Twin sumTwin) {
  if (!loaded.date.empty())
    ShowLabel(a, Main::UpdateLableFileDate, Burner::UpdateLableFileDate, dateTwin, "日期: " + loaded.date, "日期",
              "Date");
  if (!loaded) return a.dialogs.MessageBox(loaded.error);
  ShowLabel(a, Main::UpdateLabelCodeSum, Burner::UpdateLabelCodeSum, sumTwin,
            "校验: 0x" + HexText(static_cast<uint32_t>(loaded.checksum)), "校验", "Sum");
  ShowLabel(a, Main::UpdateLabelCodeName, Burner::UpdateLabelCodeName, Twin::English, "名称: " + loaded.name + "  ",
            "名称", "Name");
  ShowLineCount(a, loaded.lines);
  a.controls.SetText(Main::UpdateLableCodeSize, "长度: 0x" + HexText(static_cast<uint32_t>(loaded.length)));
}

Loaded LoadCode_HexFile(Ambrelin& a, const std::string& path, uint8_t fill, int32_t start, int32_t end) {
  return ReadAndShow(a, path, Twin::English, [&] { return ReadHexFile(a.code, path, fill, start, end, a.pump); });
}

Loaded LoadCode_Include(Ambrelin& a, uint8_t fill, int32_t start, int32_t end) {
  a.controls.SetText(Main::UpdateLableFileDate, "日期: ------");
  const std::string text = a.controls.Text(Main::DesktopTextCode1);
  const Loaded loaded =
      Owned(a, CodeWriter::CodeBox, "", [&] { return ReadHexText(a.code, text, fill, start, end, a.pump); });
  ShowLoad(a, loaded, Twin::None, Twin::None);
  return loaded;
}

Loaded LoadCode_TotFile(Ambrelin& a, const std::string& path, uint8_t fill, int32_t start, int32_t end) {
  return ReadAndShow(a, path, Twin::English, [&] { return ReadTotFile(a.code, path, fill, start, end); });
}

Loaded LoadCode_TxtFile(Ambrelin& a, const std::string& path, uint8_t fill, int32_t start, int32_t) {
  return ReadAndShow(a, path, Twin::Same, [&] { return ReadTxtFile(a.code, path, fill, start, a.pump); });
}

Loaded LoadCode_BinFile(Ambrelin& a, const std::string& path, uint8_t fill, int32_t start, int32_t end) {
  return ReadAndShow(a, path, Twin::English, [&] { return ReadBinFile(a.code, path, fill, start, end); });
}

Loaded LoadCode_ValFile(Ambrelin& a, const std::string& path) {
  a.controls.SetText(Main::UpdateLableCodeSize, "长度: 0x----");
  a.controls.SetText(Main::UpdateLabelCodeName, "名称: ");
  const Loaded loaded = Owned(a, CodeWriter::Image, path, [&] { return ReadValFile(a, path); });
  if (!loaded) {
    a.dialogs.MessageBox(loaded.error);
    return loaded;
  }
  a.controls.SetText(Main::UpdateLableCodeSize,
                     "长度: " + std::to_string(loaded.stored) + "/0x" + HexText(static_cast<uint32_t>(loaded.length)));
  a.controls.SetText(Main::UpdateLabelCodeName, "名称: " + loaded.name);
  return loaded;
}

std::optional<Loaded> LoadCode_ByExtension(Ambrelin& a, const std::string& path) {
  std::optional<Loaded> loaded;
  if (HasEnding(path, "hex")) loaded = LoadCode_HexFile(a, path, 0x00, 0, 65535);
  if (HasEnding(path, "tot")) loaded = LoadCode_TotFile(a, path, 0x00, 0, 65535);
  if (HasEnding(path, "val")) loaded = LoadCode_ValFile(a, path);
  if (HasEnding(path, "txt")) loaded = LoadCode_TxtFile(a, path, 0xFF, 0, 65535);
  if (HasEnding(path, "bin")) loaded = LoadCode_BinFile(a, path, 0x00, 0, 65535);
  // What a batch sends, or read into the buffer for it.
  if (loaded) OwnCode(a.code, {CodeWriter::Batch, path, a.code.owner.checksum, a.code.owner.whole});
  return loaded;
}
