// One job at a time: clicks that start another job while one waits change
// nothing, and the running job ends as if they had not come. A job that
// relies on an earlier load finds it as it was loaded, or refuses.
#include <optional>

#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "batch/Batch.h"
#include "burner/BurnEngine.h"
#include "burner/BurnPage.h"
#include "dspflash/FlashDownload.h"
#include "dspflash/FlashOpen.h"
#include "panels/DecoderFormControls.h"
#include "panels/HdmiRegisters.h"

namespace {

namespace Main = DesktopFormControls;
using OneJob = AppTest;

TEST_F(OneJob, OtherJobsAreRefusedDuringABurnWait) {
  ReadyToBurn(0x0101, HexImage("one-job.hex", Pattern(0x1000, 5)));
  std::optional<DownloadOutcome> download;
  std::optional<DumpResult> dump;
  std::optional<BatchOutcome> batch;
  bool portSwitches = true;
  c.SetText(Main::DesktopSelectComPort, "COM1");
  a.ComOpen = true;
  When(Main::UpdateLabelBurnState, "写入: 正确0x0", [&] {
    portSwitches = c.Enabled(Main::DesktopButtonSelectComSwitch) || c.Enabled(BurnDesktopControls::DesktopButtonSelectComSwitch);
    DesktopButtonSelectComSwitch_Click(a);
    download = AudioFlashDownload_Click(a);
    dump = ReadRegisters(a, Ad9880);
    batch = BatchButtonRead_Click(a, BatchSlots::All[0]);
    // A register-setting file would be written to the unit as it loads.
    t.dialogs.picks = {WriteFile("one-job.val", "\"AD9880\"\r\n\"00\" \"1\"\r\n")};
    BatchButtonOpen_Click(a, BatchSlots::All[0]);
  });
  const BurnOutcome outcome = UpdateButtonUpdate_Click(a, 0xFF);
  EXPECT_EQ(outcome.end, BurnEnd::Finished);
  EXPECT_EQ(outcome.verifySum, outcome.imageChecksum);
  EXPECT_TRUE(FlashHoldsImage(1, 0, 0x0FFF));
  ASSERT_TRUE(download && dump && batch);
  EXPECT_EQ(download->end, DownloadEnd::Busy);
  EXPECT_EQ(dump->end, DumpEnd::Busy);
  EXPECT_EQ(batch->end, BatchEnd::Busy);
  EXPECT_EQ(t.link.port.settings, "38400,N,8,1") << "the burn's port speed stays";
  EXPECT_FALSE(portSwitches);
  EXPECT_TRUE(port.IsOpen() && c.Enabled(Main::DesktopButtonSelectComSwitch));
  EXPECT_EQ(t.dialogs.notices.size(), 5u);
  EXPECT_EQ(t.dialogs.statusLine, "") << "the refusals went with the burn";
  EXPECT_EQ(t.controls.Text(BatchSlots::All[0].file), "") << "the refused open changed nothing";
  EXPECT_EQ(a.job, Job::None);
}

TEST_F(OneJob, ABurnClickDuringADownloadIsRefusedNotAStop) {
  std::optional<BurnOutcome> burn;
  t.controls.SetText(Main::UpdateLabelBurnTotal, "统计: 7");
  At(2.0, [&] { burn = UpdateButtonUpdate_Click(a, 0xFF); });
  At(3.0, [&] { AudioFlashDownload_Click(a); });
  const DownloadOutcome outcome = AudioFlashDownload_Click(a);
  ASSERT_TRUE(burn);
  EXPECT_EQ(burn->end, BurnEnd::Busy);
  EXPECT_EQ(outcome.end, DownloadEnd::Stopped);
  EXPECT_DOUBLE_EQ(t.link.pump.Now(), 3.0) << "only the download's own button stops it";
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnTotal), "统计: 7") << "the refused click touched nothing";
}

TEST_F(OneJob, TheDownloadWritesOnlyTheDspImageOpenedLast) {
  const std::string egg = WriteFile("job-egg.Img", "00112233\r\nAABBCCDD\r\n");
  const struct {
    const char* what;
    std::function<void()> write;
    std::string refusal;
  } writers[] = {
      {"register read", [&] { ReadRegisters(a, Ad9880); }, "状态: 映像已被寄存器读取改写, 请重新打开"},
      {"image opened",
       [&] {
         t.dialogs.picks = {WriteFile("job-panel.bin", "\x01\x02")};
         UpdateButtonOpenFile_Click(a);
       },
       "状态: 映像已被调入 " + ::testing::TempDir() + "job-panel.bin 改写, 请重新打开"},
      {"Flash over a register read",
       [&] {
         ReadRegisters(a, Ad9880);
         OpenFlashFile(a, WriteFile("job-flash.Img", "# [000004]\n99\n"));
       },
       "状态: 映像已被寄存器读取改写, 请重新打开"},
      {"Egg cut short", [&] { OpenEggFile(a, WriteFile("job-short.Img", "00112233\r\nAABB\r\n")); },
       "状态: 映像没有完整调入, 请重新打开"},
  };
  for (const auto& w : writers) {
    ASSERT_TRUE(OpenEggFile(a, egg));
    w.write();
    EXPECT_EQ(AudioFlashDownload_Click(a).end, DownloadEnd::ImageChanged) << w.what;
    EXPECT_EQ(c.Text(DecoderFormControls::AudioFlashBurnInfo), w.refusal);
    EXPECT_EQ(c.At(DecoderFormControls::AudioFlashBurnInfo).colour, 255u);
    EXPECT_EQ(port.settings, "38400,N,8,1") << w.what;
    EXPECT_EQ(t.link.unit.dsp.flash, Bytes(t.link.unit.dsp.flash.size(), 0)) << w.what;
  }
  a.Language = 1;
  EXPECT_EQ(AudioFlashDownload_Click(a).end, DownloadEnd::ImageChanged);
  EXPECT_EQ(c.Text(DecoderFormControls::AudioFlashBurnInfo), "State: the image was not read whole; open it again");
  // Opened again whole, with a Flash file over it, the image goes as opened.
  ASSERT_TRUE(OpenEggFile(a, egg) && OpenFlashFile(a, WriteFile("job-flash.Img", "# [000004]\n99\n")));
  EXPECT_EQ(AudioFlashDownload_Click(a).end, DownloadEnd::Done);
  EXPECT_EQ(Bytes(t.link.unit.dsp.flash.begin(), t.link.unit.dsp.flash.begin() + 9),
            (Bytes{0x00, 0x11, 0x22, 0x33, 0x99, 0xBB, 0xCC, 0xDD, 0xFF}));
}

}  // namespace
