// One job at a time: clicks that start another job while one waits change
// nothing, and the running job ends as if they had not come. A job that
// relies on an earlier load finds it as it was loaded, or refuses. An adapter
// pulled out under a running job ends it at once.
#include <functional>
#include <optional>

#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "batch/Batch.h"
#include "burner/BurnEngine.h"
#include "burner/BurnPage.h"
#include "dspflash/FlashDownload.h"
#include "dspflash/FlashOpen.h"
#include "link/TxRx.h"
#include "panels/DecoderFormControls.h"
#include "panels/HdmiRegisters.h"

namespace {

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;
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
       "状态: 映像已被调入 " + TestFolder() + "job-panel.bin 改写, 请重新打开"},
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

struct LostJob {
  const char* name;
  std::function<void(TestApp&)> start;
  Control label;
  std::string shown;
};

// An adapter pulled out under a running job, in virtual time: the job ends
// through its clean-up with its label saying why, the user is told once,
// nothing more is sent, and the port switch opens the port again.
TEST(PortLost, EveryJobEndsAtOnceAndThePortOpensAgain) {
  const LostJob jobs[] = {
      {"burn",
       [](TestApp& t) {
         t.controls.SetEntries(Main::UpdateSelectTarget, {"ID = 1"});
         t.controls.SetIndex(Main::UpdateSelectTarget, 0);
         t.controls.SetTicked(Main::UpdateCheckSound, true);
         t.controls.SetText(Main::DesktopTextCode1, ":0100000055AA");
         UpdateButtonUpdate_Click(t.app, 0xFF);
       },
       Burner::UpdateLabelBurnState, "设置: 没有打开串口"},
      {"download", [](TestApp& t) { AudioFlashDownload_Click(t.app); }, DecoderFormControls::AudioFlashBurnInfo,
       "状态: 没有打开串口"},
      {"dump", [](TestApp& t) { Ad9880CommandReadReg_Click(t.app); }, Main::UpdateLabelBurnState,
       "写入:超时错0x"},
      {"batch",
       [](TestApp& t) {
         t.controls.SetText(BatchSlots::All[0].port, "10:1");
         BatchButtonRead_Click(t.app, BatchSlots::All[0]);
       },
       Main::UpdateLabelBurnState, ""},
  };
  for (const LostJob& job : jobs) {
    SCOPED_TRACE(job.name);
    TestApp t;
    Ambrelin& a = t.app;
    FakePort& port = t.link.port;
    t.controls.SetText(Main::DesktopSelectComPort, "COM1");
    DesktopButtonSelectComSwitch_Click(a);
    ASSERT_TRUE(a.ComOpen);
    At(t.link.scheduler, 1.05, [&port] { port.Vanish(); });

    job.start(t);

    EXPECT_NEAR(t.link.pump.Now(), 1.05, 0.1) << "ended within the wait in hand, not by timeouts";
    EXPECT_TRUE(t.controls.Text(job.label).starts_with(job.shown)) << t.controls.Text(job.label);
    EXPECT_FALSE(a.link.ReplyWanted);
    EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"串口已断开 !"});
    EXPECT_TRUE(port.dropped.empty()) << "nothing written to the closed port";
    EXPECT_LE(t.dialogs.notices.size(), 1u) << "a word, not one per command";
    EXPECT_EQ(t.dialogs.played, std::vector<std::string>(job.label.window == "BurnDesktop", "oo.wav"));
    EXPECT_FALSE(a.ComOpen);
    EXPECT_EQ(t.controls.Text(Main::DesktopButtonSelectComSwitch) + t.controls.Text(Burner::DesktopButtonSelectComSwitch),
              "打开串口打开串口");
    EXPECT_TRUE(t.controls.Enabled(Main::DesktopSelectComPort) && t.controls.Enabled(Burner::DesktopSelectComPort));

    DesktopButtonSelectComSwitch_Click(a);
    ASSERT_TRUE(a.ComOpen && port.IsOpen());
    const size_t sent = port.writes.size();
    TxByHex(a, "3", "0500 0020 0000");
    EXPECT_EQ(port.writes.size(), sent + 1);
  }
}

}  // namespace
