#include "burner/BurnPage.h"

#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/Job.h"
#include "batch/Basic.h"
#include "burner/BurnEngine.h"
#include "images/BatFile.h"
#include "images/LoadCode.h"

namespace Main = DesktopFormControls;

namespace {

constexpr std::string_view BurnFileFilter = "Burn File|*.bat;*.Txt;*.Hex;*.Bin;*.Tot;*.Val";

// The images a script line may name.
std::optional<Loaded> LoadImage(Ambrelin& a, const std::string& path, int32_t start, int32_t end) {
  const uint8_t fill = FillOption(a);
  if (HasEnding(path, "hex")) return LoadCode_HexFile(a, path, fill, start, end);
  if (HasEnding(path, "tot")) return LoadCode_TotFile(a, path, fill, start, end);
  if (HasEnding(path, "bin")) return LoadCode_BinFile(a, path, fill, start, end);
  return std::nullopt;
}

}  // namespace

uint8_t FillOption(Ambrelin& a) { return a.controls.Ticked(Main::UpdateOptionFull0x00) ? 0x00 : 0xFF; }

std::optional<Loaded> LoadByEnding(Ambrelin& a, const std::string& path, int32_t start, int32_t end) {
  if (HasEnding(path, "val")) return LoadCode_ValFile(a, path);
  if (HasEnding(path, "txt")) return LoadCode_TxtFile(a, path, 0xFF, start, end);
  if (HasEnding(path, "bat")) return LoadImage(a, ScriptImagePath(a, path, 1), start, end);
  return LoadImage(a, path, start, end);
}

void UpdateButtonOpenFile_Click(Ambrelin& a) {
  // A cancelled dialog changes nothing: the name on the page stays as it was.
  const auto chosen = a.dialogs.OpenFile(BurnFileFilter);
  if (!chosen) return;
  // The name and the code buffer stay those of a job that runs.
  const RunningJob job(a, Job::Load);
  if (!job) return;
  a.controls.SetText(Main::UpdateTextFileName, *chosen);
  a.controls.SetText(BurnDesktopControls::UpdateTextFileName, *chosen);
  LoadByEnding(a, *chosen);
}

void UpdateButtonView_Click(Ambrelin& a) { DumpCodeBuffer(a, 1023); }

void UpdateButtonRestart_Click(Ambrelin& a) {
  ShowBurnIdle(a);
  if (!a.port.IsOpen()) return ShowBurnState(a, StatePortClosed, Red);
  const int index = a.controls.Index(Main::UpdateSelectTarget);
  if (index < 0 || index > 5) return ShowBurnState(a, StateNoTarget, Red);
  TxBurnCommand(a, HostAddress, static_cast<uint8_t>(index + 1), BootControl, ControlRestart);
}
