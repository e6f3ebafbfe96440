#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "app/Desktop.h"
#include "app/DesktopFormControls.h"
#include "app/InfoFormControls.h"
#include "app/Language.h"

namespace {

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

struct Shell : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  MapControls& c = t.controls;
  void Store(const char* section, const char* key, const char* value) { t.settings.values[{section, key}] = value; }
};

TEST_F(Shell, FirstRunIsChineseWithEveryStoredBoxEmpty) {
  ASSERT_EQ(c.Text(Main::DebugTextAddress1), "1") << "the design-time text, which does not survive";
  DesktopForm_Load(a);
  EXPECT_EQ(a.Language, 0);
  EXPECT_EQ(c.Text(Burner::DesktopButtonSelectLanguage), "Language");
  EXPECT_EQ(c.Text(Burner::UpdateFrameStep1), "Step 1: 打开升级文件");
  EXPECT_EQ(c.Text(Burner::UpdateSelectTarget), "请选择 ...");
  EXPECT_EQ(c.Text(Main::UpdateTextFileName), "");
  EXPECT_EQ(c.Text(Burner::UpdateTextFileName), "");
  EXPECT_EQ(c.Text(Main::DebugTextAddress1), "");
  EXPECT_EQ(c.Text(Main::DebugTextD6), "");
}

TEST_F(Shell, StoredSettingsComeBackAndGoOutInOrder) {
  Store("System", "Language", "7");
  Store("Burn", "FileName", "/home/op/front.hex");
  Store("Debug", "DebugTextAddressB", "10");
  Store("Debug", "DebugTextC3", "0201 0001 0002");
  DesktopForm_Load(a);
  EXPECT_EQ(a.Language, 1) << "7 reads as English";
  EXPECT_EQ(c.Text(Burner::DesktopButtonSelectLanguage), "语言");
  EXPECT_EQ(c.Text(Burner::UpdateTextFileName), "/home/op/front.hex");
  EXPECT_EQ(c.Text(Main::DebugTextAddressB), "10");
  EXPECT_EQ(c.Text(Main::DebugTextC3), "0201 0001 0002");

  c.SetText(Main::DebugTextL1, "0500 0020 1000");
  c.SetText(Main::UpdateTextFileName, "/home/op/other.Tot");
  DesktopForm_Unload(a);
  EXPECT_EQ(t.settings.Get("System", "Language"), "1");
  EXPECT_EQ(t.settings.Get("Burn", "FileName"), "/home/op/other.Tot");
  EXPECT_EQ(t.settings.Get("Debug", "DebugTextL1"), "0500 0020 1000");
  EXPECT_EQ(t.settings.Get("Debug", "DebugTextC3"), "0201 0001 0002");

  std::vector<std::string> expected{"System/Language", "Burn/FileName", "Debug/DebugTextAddressA",
                                    "Debug/DebugTextAddressB"};
  for (int k = 1; k <= 4; ++k) expected.push_back("Debug/DebugTextAddress" + std::to_string(k));
  for (char column : {'L', 'R', 'C', 'D'})
    for (int k = 1; k <= 6; ++k) expected.push_back(std::string("Debug/DebugText") + column + std::to_string(k));
  EXPECT_EQ(t.settings.written, expected);
}

TEST_F(Shell, LanguageThatIsNotASmallNumberIsChinese) {
  for (const char* stored : {"abc", "-1", "256", "", "0"}) {
    Store("System", "Language", stored);
    DesktopForm_Load(a);
    EXPECT_EQ(a.Language, 0) << stored;
  }
}

TEST_F(Shell, InfoListDoubleClickClearsBothListsAndEmptiesTheLog) {
  std::filesystem::create_directories(a.dataFolder);
  std::ofstream(RunLogPath(a)) << "old\nlines\n";
  c.SetEntries(Main::UpdateListInfo, {"调入行数: 12"});
  c.SetEntries(InfoFormControls::InfoListOutput, {"x"});
  InfoList_DblClick(a);
  EXPECT_TRUE(c.Entries(Main::UpdateListInfo).empty());
  EXPECT_TRUE(c.Entries(InfoFormControls::InfoListOutput).empty());
  std::stringstream log;
  log << std::ifstream(RunLogPath(a), std::ios::binary).rdbuf();
  EXPECT_EQ(log.str(), "\n");

  a.dataFolder = "/proc/no-such-folder";
  InfoList_DblClick(a);  // an unwritable log is no matter
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Shell, LanguageSwitchKeepsLiveValuesAndExchangesOnlyTheWords) {
  ApplyCaptions(a);
  c.SetText(Burner::UpdateLableFileDate, "日期: 2026-12-06 10:00");
  c.SetText(Burner::UpdateLabelCodeSum, "校验: 0x3F2A");
  c.SetText(Burner::UpdateButtonUpdate, "停止烧录");
  c.SetText(Burner::DesktopButtonSelectComSwitch, "关闭串口");
  c.SetText(Burner::DesktopSelectComPort, "选择串口");

  DesktopButtonSelectLanguage_Click(a);
  EXPECT_EQ(a.Language, 1);
  EXPECT_EQ(c.Text(Burner::UpdateLableFileDate), "Date: 2026-12-06 10:00");
  EXPECT_EQ(c.Text(Burner::UpdateLabelCodeSum), "Sum: 0x3F2A");
  EXPECT_EQ(c.Text(Burner::UpdateButtonUpdate), "Stop");
  EXPECT_EQ(c.Text(Burner::DesktopButtonSelectComSwitch), "Close Com");
  EXPECT_EQ(c.Text(Burner::DesktopSelectComPort), "Select Port");
  EXPECT_EQ(c.Text(Burner::UpdateLabelBurnState), "State: ------");
  EXPECT_EQ(c.Text(Burner::UpdateSelectTarget), "Please Select ...");

  c.SetEntries(Main::UpdateSelectTarget, {"ID = 1", "ID = 2"});
  c.SetIndex(Main::UpdateSelectTarget, 1);
  c.SetText(Burner::UpdateSelectTarget, "ID = 2");
  DesktopButtonSelectLanguage_Click(a);
  EXPECT_EQ(a.Language, 0);
  EXPECT_EQ(c.Text(Burner::UpdateLableFileDate), "日期: 2026-12-06 10:00");
  EXPECT_EQ(c.Text(Burner::UpdateButtonUpdate), "停止烧录");
  EXPECT_EQ(c.Text(Burner::DesktopButtonSelectComSwitch), "关闭串口");
  EXPECT_EQ(c.Text(Burner::DesktopSelectComPort), "选择串口");
  EXPECT_EQ(c.Text(Burner::UpdateSelectTarget), "ID = 2") << "a chosen target keeps its text";
  EXPECT_EQ(c.Text(Burner::DesktopButtonSelectLanguage), "Language");
}

}  // namespace
