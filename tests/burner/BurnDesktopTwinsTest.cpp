#include "BurnRig.h"

#include "app/BurnAboutControls.h"
#include "app/Language.h"
#include "burner/BurnDesktopTwins.h"
#include "burner/BurnPage.h"

namespace {

TEST(BurnerTwins, OptionsAreCopiedButTheOldVersionBoxIsNot) {
  TestApp t;
  Ambrelin& a = t.app;
  for (Control box : {Burner::UpdateCheckAutoBurn, Burner::UpdateCheckAutoReboot, Burner::UpdateCheckSound,
                      Burner::UpdateOptionFull0x00, Burner::UpdateOptionFull0xff}) {
    t.controls.SetTicked(box, true);
    BurnDesktopTick_Click(a, box);
    EXPECT_TRUE(t.controls.Ticked(TwinOf(box))) << box.name;
    EXPECT_EQ(TwinOf(box).window, "DesktopForm");
    t.controls.SetTicked(box, false);
    BurnDesktopTick_Click(a, box);
    EXPECT_FALSE(t.controls.Ticked(TwinOf(box))) << box.name;
  }
  t.controls.SetTicked(Burner::UpdateCheckVerOld, true);
  BurnDesktopTick_Click(a, Burner::UpdateCheckVerOld);
  EXPECT_FALSE(t.controls.Ticked(Main::UpdateCheckVerOld));

  TargetLists(t.controls);
  t.controls.SetIndex(Burner::UpdateSelectTarget, 4);
  BurnDesktopSelectTarget_Click(a);
  EXPECT_EQ(t.controls.Index(Main::UpdateSelectTarget), 4);
  t.controls.SetText(Burner::UpdateTextTrig, "7F");
  BurnDesktopTextTrig_Change(a);
  EXPECT_EQ(t.controls.Text(Main::UpdateTextTrig), "7F");
}

TEST(BurnerTwins, HelpInBothLanguagesAndTheVersionLine) {
  TestApp t;
  Ambrelin& a = t.app;
  DesktopButtonHelp_Click(a);
  a.Language = 1;
  DesktopButtonHelp_Click(a);
  ASSERT_EQ(t.dialogs.messages.size(), 2u);
  const std::string& chinese = t.dialogs.messages[0];
  EXPECT_EQ(chinese.rfind("1.硬件连接:关闭机器电源,机器的单片机通过RS-232转换后,\r\n  连接到PC串口", 0), 0u);
  EXPECT_EQ(std::count(chinese.begin(), chinese.end(), '\n'), 8);
  EXPECT_TRUE(chinese.ends_with("3.打开机器电源,机器上电后进入升级状态,请等待."));
  const std::string& english = t.dialogs.messages[1];
  EXPECT_EQ(std::count(english.begin(), english.end(), '\n'), 9);
  EXPECT_NE(english.find("\r\n    e.Clock[Start]\r\n"), std::string::npos);
  EXPECT_NE(english.find("that have been connect \r\n"), std::string::npos) << "the trailing blank stays";
  SysTimer1_Timer(a);
  EXPECT_FALSE(t.controls.Text(BurnAboutControls::RedidoAboutLabelVer).empty());
}

TEST(BurnerTwins, LanguageSwitchKeepsLiveValues) {
  TestApp t;
  Ambrelin& a = t.app;
  t.controls.SetText(Burner::UpdateButtonUpdate, "停止烧录");
  t.controls.SetText(Burner::DesktopButtonSelectComSwitch, "关闭串口");
  t.controls.SetText(Burner::UpdateLabelCodeSum, "校验: 0x1F2E");
  t.controls.SetText(Burner::UpdateLableFileDate, "日期: 2024-01-02 03:04:05");
  DesktopButtonSelectLanguage_Click(a);
  EXPECT_EQ(t.controls.Text(Burner::UpdateButtonUpdate), "Stop");
  EXPECT_EQ(t.controls.Text(Burner::DesktopButtonSelectComSwitch), "Close Com");
  EXPECT_EQ(t.controls.Text(Burner::UpdateLabelCodeSum), "Sum: 0x1F2E");
  EXPECT_EQ(t.controls.Text(Burner::UpdateLableFileDate), "Date: 2024-01-02 03:04:05");
  EXPECT_EQ(t.controls.Text(Burner::UpdateSelectTarget), "Please Select ...");
  TargetLists(t.controls);
  t.controls.SetIndex(Main::UpdateSelectTarget, 2);
  t.controls.SetIndex(Burner::UpdateSelectTarget, 2);
  DesktopButtonSelectLanguage_Click(a);
  EXPECT_EQ(t.controls.Text(Burner::UpdateButtonUpdate), "停止烧录");
  EXPECT_EQ(t.controls.Text(Burner::UpdateSelectTarget), "ID = 3") << "a chosen target keeps its text";
  EXPECT_EQ(t.controls.Text(Burner::DesktopButtonSelectLanguage), "Language");
}

using Restart = BurnRig;

TEST_F(Restart, SendsTheControlRequestToTheChosenTarget) {
  t.controls.SetIndex(Main::UpdateSelectTarget, 2);
  a.link.TxSequence = 8;
  UpdateButtonRestart_Click(a);
  ASSERT_EQ(t.link.port.writes.size(), 1u);
  EXPECT_EQ(t.link.port.writes[0],
            (std::vector<uint8_t>{0x55, 0x00, 0x03, 0x58, 0x09, 0x04, 0x00, 0x00, 0x00, 0x01, 0x66, 0xAA}));
  EXPECT_EQ(State(), "进度: ------");
  EXPECT_FALSE(a.link.ReplyWanted);
}

TEST_F(Restart, RefusesWithoutTargetOrPort) {
  a.Language = 1;
  t.controls.SetIndex(Main::UpdateSelectTarget, -1);
  UpdateButtonRestart_Click(a);
  EXPECT_EQ(State(), "设置: 没选择目标");
  EXPECT_EQ(BurnerState(), "State: MCU ID Error");
  EXPECT_EQ(StateColour(), Red);
  t.link.port.Close();
  UpdateButtonRestart_Click(a);
  EXPECT_EQ(State(), "设置: 没有打开串口");
  EXPECT_EQ(BurnerState(), "State: Com Error");
  EXPECT_TRUE(t.link.port.writes.empty());
}

}  // namespace
