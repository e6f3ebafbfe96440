// An adapter pulled out under a running job, in virtual time: the job ends
// through its clean-up with its label saying why, the user is told once,
// nothing more is sent, and the port switch opens the port again.
#include <functional>

#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "batch/Batch.h"
#include "burner/BurnEngine.h"
#include "dspflash/FlashDownload.h"
#include "link/TxRx.h"
#include "panels/DecoderFormControls.h"
#include "panels/HdmiRegisters.h"

namespace {

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

struct Job {
  const char* name;
  std::function<void(TestApp&)> start;
  Control label;
  std::string shown;
};

TEST(PortLost, EveryJobEndsAtOnceAndThePortOpensAgain) {
  const Job jobs[] = {
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
  for (const Job& job : jobs) {
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
