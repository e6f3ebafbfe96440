#include "dspflash/FlashOpen.h"

#include <string_view>

#include "app/Job.h"
#include "dspflash/FlashFile.h"
#include "images/LoadCode.h"
#include "panels/DecoderFormControls.h"

namespace C = DecoderFormControls;

namespace {

constexpr std::string_view ImageFilter = "映像文件|*.Img";

void ClearSizes(Ambrelin& a, Control size, Control count) {
  a.controls.SetText(size, "数据长度: -----");
  a.controls.SetText(count, "数据大小: -----");
}

void ShowImage(Ambrelin& a, const Loaded& loaded, Control size, Control count) {
  if (!loaded) return a.dialogs.MessageBox(loaded.error);
  ShowLineCount(a, loaded.lines, "行");
  a.controls.SetText(size, "数据长度: 0x" + HexText(static_cast<uint32_t>(loaded.length)) + "字节");
  a.controls.SetText(count, "数据大小: 0x" + HexText(static_cast<uint32_t>(loaded.stored)) + "字节");
}

// The sum the download checks the whole buffer against.
void OwnWhole(Ambrelin& a, const std::string& path) {
  OwnCode(a.code, {CodeWriter::DspImage, path, CodeChecksum(a.code, 0, CodeBufferLast), true});
}

std::optional<Loaded> OpenImage(Ambrelin& a, const std::string& path, Control name, Control date,
                                Loaded (*load)(Ambrelin&, const std::string&, uint8_t)) {
  const auto time = FileTime(path);
  if (!time) return std::nullopt;
  a.controls.SetText(name, path);
  a.controls.SetText(date, "日期: " + *time);
  return load(a, a.controls.Text(name), 0xFF);
}

void OpenChosen(Ambrelin& a, std::optional<Loaded> (*open)(Ambrelin&, const std::string&)) {
  // A cancelled dialog changes nothing.
  const auto chosen = a.dialogs.OpenFile(ImageFilter);
  if (!chosen) return;
  const RunningJob job(a, Job::Load);
  if (job) open(a, *chosen);
}

}  // namespace

Loaded LoadCode_EggFile(Ambrelin& a, const std::string& path, uint8_t fill) {
  ClearSizes(a, C::AudioFlashEggCodeSize, C::AudioFlashEggCodeCount);
  OwnCode(a.code, {CodeWriter::DspImage, path});
  const Loaded loaded = ReadEggFile(a.code, path, fill, a.pump);
  if (loaded) OwnWhole(a, path);
  ShowImage(a, loaded, C::AudioFlashEggCodeSize, C::AudioFlashEggCodeCount);
  return loaded;
}

Loaded LoadCode_FlashFile(Ambrelin& a, const std::string& path, uint8_t) {
  ClearSizes(a, C::AudioFlashFlashCodeSize, C::AudioFlashFlashCodeCount);
  const CodeOwner under = a.code.owner;
  const bool onImage = HoldsDspImage(a.code);
  OwnCode(a.code, {CodeWriter::DspImage, path});
  const Loaded loaded = ReadFlashFile(a.code, path, a.pump);
  // Over another writer's bytes the buffer stays that writer's, so the
  // download can still name it.
  if (!onImage && under.writer != CodeWriter::DspImage)
    OwnCode(a.code, under);
  else if (loaded && onImage)
    OwnWhole(a, path);
  ShowImage(a, loaded, C::AudioFlashFlashCodeSize, C::AudioFlashFlashCodeCount);
  return loaded;
}

bool HoldsDspImage(const CodeImage& code) {
  const CodeOwner& owner = code.owner;
  if (owner.writer == CodeWriter::None) return true;
  return owner.writer == CodeWriter::DspImage && owner.whole &&
         owner.checksum == CodeChecksum(code, 0, CodeBufferLast);
}

std::optional<Loaded> OpenEggFile(Ambrelin& a, const std::string& path) {
  return OpenImage(a, path, C::AudioFlashEggName, C::AudioFlashEggDate, LoadCode_EggFile);
}

std::optional<Loaded> OpenFlashFile(Ambrelin& a, const std::string& path) {
  return OpenImage(a, path, C::AudioFlashFlashName, C::AudioFlashFlashDate, LoadCode_FlashFile);
}

void AudioFlashOpenEgg_Click(Ambrelin& a) { OpenChosen(a, OpenEggFile); }

void AudioFlashOpenFlash_Click(Ambrelin& a) { OpenChosen(a, OpenFlashFile); }
