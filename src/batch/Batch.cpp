#include "batch/Batch.h"

#include <filesystem>

#include "app/Job.h"
#include "app/Utf8Path.h"
#include "batch/Basic.h"
#include "images/BinFile.h"
#include "images/CodeBuffer.h"
#include "images/LoadCode.h"

namespace C = DesktopFormControls;

namespace {

// The burn page's open dialog and filter.
constexpr std::string_view BatchFileFilter = "Burn File|*.bat;*.Txt;*.Hex;*.Bin;*.Tot;*.Val";

bool SaveResult(Ambrelin& a, const BatchSlot& slot) {
  std::error_code ignored;
  std::filesystem::create_directories(Utf8Path(a.dataFolder), ignored);
  std::string name = BatchResultPath(a, slot);
  int32_t length = BatchCount;
  // An unwritten result file must not pass for a written one.
  if (SaveFile_Bin(name, a.BatchReadBuffer, length)) return true;
  a.dialogs.MessageBox("SaveFile_Bin, 出错 !");
  return false;
}

void ShowDumps(Ambrelin& a) {
  a.controls.SetText(C::BatchTxText, DumpCodeBuffer(a, BatchCount - 1));
  a.controls.SetText(C::BatchRxText, DumpReadBuffer(a, BatchCount - 1));
}

}  // namespace

std::string BatchResultPath(const Ambrelin& a, const BatchSlot& slot) {
  return a.dataFolder + "/" + std::string(slot.resultFile);
}

void ClearBatchReadBuffer(Ambrelin& a) { a.BatchReadBuffer.fill(0); }

void BatchButtonOpen_Click(Ambrelin& a, const BatchSlot& slot) {
  // A cancelled dialog changes nothing, as on the burn page.
  const auto chosen = a.dialogs.OpenFile(BatchFileFilter);
  if (!chosen) return;
  // The code buffer stays that of a job that runs.
  const RunningJob job(a, Job::Load);
  if (!job) return;
  a.controls.SetText(slot.file, *chosen);
  LoadCode_ByExtension(a, *chosen);
  a.controls.SetText(C::BatchTxText, DumpCodeBuffer(a, BatchCount - 1));
}

BatchOutcome BatchButtonRead_Click(Ambrelin& a, const BatchSlot& slot) {
  const RunningJob job(a, Job::Batch);
  if (!job) return {BatchEnd::Busy};
  ClearBatchReadBuffer(a);
  BatchOutcome outcome = BatchCommandRW(a, a.controls.Text(slot.port), "R", BatchCount);
  outcome.saved = SaveResult(a, slot);
  ShowDumps(a);
  return outcome;
}

BatchOutcome BatchButtonWrite_Click(Ambrelin& a, const BatchSlot& slot) {
  const RunningJob job(a, Job::Batch);
  if (!job) return {BatchEnd::Busy};
  LoadCode_ByExtension(a, a.controls.Text(slot.file));
  BatchOutcome outcome = BatchCommandRW(a, a.controls.Text(slot.port), "W", BatchCount);
  outcome.saved = SaveResult(a, slot);
  ShowDumps(a);
  return outcome;
}
