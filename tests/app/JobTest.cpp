// One job at a time: clicks that start another job while one waits change
// nothing, and the running job ends as if they had not come.
#include <optional>

#include "TestApp.h"
#include "batch/Batch.h"
#include "burner/BurnEngine.h"
#include "dspflash/FlashDownload.h"
#include "panels/HdmiRegisters.h"

namespace {

namespace Main = DesktopFormControls;
using OneJob = AppTest;

TEST_F(OneJob, OtherJobsAreRefusedDuringABurnWait) {
  ReadyToBurn(0x0101, HexImage("one-job.hex", Pattern(0x1000, 5)));
  std::optional<DownloadOutcome> download;
  std::optional<DumpResult> dump;
  std::optional<BatchOutcome> batch;
  When(Main::UpdateLabelBurnState, "写入: 正确0x0", [&] {
    download = AudioFlashDownload_Click(a);
    dump = ReadRegisters(a, Ad9880);
    batch = BatchButtonRead_Click(a, BatchSlots::All[0]);
    // A register-setting file would be written to the unit as it loads.
    t.dialogs.picks = {WriteFile("one-job.val", "\"AD9880\"\r\n\"00\" \"1\"\r\n")};
    BatchButtonOpen_Click(a, BatchSlots::All[0]);
  });
  const BurnOutcome outcome = UpdateButtonUpdate_Click(a);
  EXPECT_EQ(outcome.end, BurnEnd::Finished);
  EXPECT_EQ(outcome.verifySum, outcome.imageChecksum);
  EXPECT_TRUE(FlashHoldsImage(1, 0, 0x0FFF));
  ASSERT_TRUE(download && dump && batch);
  EXPECT_EQ(download->end, DownloadEnd::Busy);
  EXPECT_EQ(dump->end, DumpEnd::Busy);
  EXPECT_EQ(batch->end, BatchEnd::Busy);
  EXPECT_EQ(t.link.port.settings, "38400,N,8,1") << "the burn's port speed stays";
  EXPECT_EQ(t.dialogs.notices.size(), 4u);
  EXPECT_EQ(t.controls.Text(BatchSlots::All[0].file), "") << "the refused open changed nothing";
  EXPECT_EQ(a.job, Job::None);
}

TEST_F(OneJob, ABurnClickDuringADownloadIsRefusedNotAStop) {
  std::optional<BurnOutcome> burn;
  t.controls.SetText(Main::UpdateLabelBurnTotal, "统计: 7");
  At(2.0, [&] { burn = UpdateButtonUpdate_Click(a); });
  At(3.0, [&] { AudioFlashDownload_Click(a); });
  const DownloadOutcome outcome = AudioFlashDownload_Click(a);
  ASSERT_TRUE(burn);
  EXPECT_EQ(burn->end, BurnEnd::Busy);
  EXPECT_EQ(outcome.end, DownloadEnd::Stopped);
  EXPECT_DOUBLE_EQ(t.link.pump.Now(), 3.0) << "only the download's own button stops it";
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnTotal), "统计: 7") << "the refused click touched nothing";
}

}  // namespace
