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
}

// Random sessions of the decoder window's opens, a register read and an
// image opened on the burn page, each download checked against a model of
// what Egg and Flash put in: a download that ends done wrote exactly that,
// and one after another writer sends nothing.
TEST_F(OneJob, RandomSessionsDownloadOnlyTheImageOpened) {
  std::mt19937 random(17);
  int downloads[2] = {};  // refused, done
  const auto hexPair = [&] {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned>(random() % 256));
    return std::string(pair);
  };
  for (int session = 0; session < 20; ++session) {
    TestApp u(true);
    Bytes model(0x80000, 0x00);
    bool clean = true;  // nothing but whole DSP images in the buffer
    for (int step = 0; step < 8; ++step) {
      switch (random() % 6) {
        case 0: {
          std::string egg;
          std::fill(model.begin(), model.end(), 0xFF);
          const size_t bytes = 4 * (1 + random() % 3);
          for (size_t k = 0; k < bytes; ++k) {
            const std::string pair = hexPair();
            egg += pair + (k % 4 == 3 ? "\r\n" : "");
            model[k] = static_cast<uint8_t>(std::stoi(pair, nullptr, 16));
          }
          OpenEggFile(u.app, WriteFile("random-egg.Img", egg));
          clean = true;
          break;
        }
        case 1:
          OpenEggFile(u.app, WriteFile("random-short.Img", "00112233\r\nAABB\r\n"));
          clean = false;
          break;
        case 2: {
          const size_t at = random() % 0x7FFFF;
          const std::string pair = hexPair();
          char head[16];
          std::snprintf(head, sizeof head, "# [%06zX]\n", at);
          OpenFlashFile(u.app, WriteFile("random-flash.Img", head + pair + "\n"));
          model[at] = static_cast<uint8_t>(std::stoi(pair, nullptr, 16));
          break;
        }
        case 3:
          ReadRegisters(u.app, Ad9880);
          clean = false;
          break;
        case 4:
          u.dialogs.picks = {WriteFile("random.bin", hexPair())};
          UpdateButtonOpenFile_Click(u.app);
          clean = false;
          break;
        default: {
          const Bytes before = u.link.unit.dsp.flash;
          const DownloadEnd end = AudioFlashDownload_Click(u.app).end;
          EXPECT_EQ(end, clean ? DownloadEnd::Done : DownloadEnd::ImageChanged) << session << " " << step;
          ++downloads[clean];
          EXPECT_TRUE(u.link.unit.dsp.flash == (clean ? model : before)) << session << " " << step;
          // The download left the port at its own speed.
          u.link.port.SetSettings("38400,N,8,1");
        }
      }
    }
  }
  EXPECT_GE(std::min(downloads[0], downloads[1]), 3) << downloads[0] << " " << downloads[1];
}

}  // namespace
