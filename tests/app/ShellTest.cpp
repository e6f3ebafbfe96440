// Start-up, shutdown, the info lists, and the burner window's two languages.

#include "TestApp.h"
#include "app/BurnAboutControls.h"
#include "app/BurnDesktopControls.h"
#include "app/Desktop.h"
#include "app/Language.h"
#include "burner/BurnDesktopTwins.h"

namespace {

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

using Shell = AppTest;

TEST_F(Shell, StoredLanguageIsEnglishOnlyForASmallNumberAboveZero) {
  const std::pair<const char*, uint8_t> stored[] = {{"", 0},    {"0", 0},  {" 1", 1}, {"7", 1},
                                                    {"255", 1}, {"256", 0}, {"-1", 0}, {"abc", 0}};
  for (auto [text, language] : stored) {
    t.settings.values[{"System", "Language"}] = text;
    DesktopForm_Load(a);
    EXPECT_EQ(a.Language, language) << text;
    EXPECT_EQ(c.Text(Burner::DesktopButtonSelectLanguage), language ? "语言" : "Language") << text;
  }
}

TEST_F(Shell, SettingsComeBackAtStartAndGoOutInOrderAtShutdown) {
  ASSERT_EQ(c.Text(Main::DebugTextAddress1), "1") << "the design text, which does not survive";
  t.settings.values[{"Burn", "FileName"}] = "/home/op/front.hex";
  t.settings.values[{"Debug", "DebugTextC3"}] = "0201 0001 0002";
  DesktopForm_Load(a);
  EXPECT_EQ(c.Text(Burner::UpdateTextFileName), "/home/op/front.hex");
  EXPECT_EQ(c.Text(Main::DebugTextC3), "0201 0001 0002");
  EXPECT_EQ(c.Text(Main::DebugTextAddress1), "");

  c.SetText(Main::DebugTextL1, "0500 0020 1000");
  a.Language = 1;
  DesktopForm_Unload(a);
  EXPECT_EQ(t.settings.Get("System", "Language"), "1");
  EXPECT_EQ(t.settings.Get("Burn", "FileName"), "/home/op/front.hex");
  EXPECT_EQ(t.settings.Get("Debug", "DebugTextL1"), "0500 0020 1000");
  std::vector<std::string> expected{"System/Language", "Burn/FileName", "Debug/DebugTextAddressA",
                                    "Debug/DebugTextAddressB"};
  for (int k = 1; k <= 4; ++k) expected.push_back("Debug/DebugTextAddress" + std::to_string(k));
  for (char column : {'L', 'R', 'C', 'D'})
    for (int k = 1; k <= 6; ++k) expected.push_back(std::string("Debug/DebugText") + column + std::to_string(k));
  EXPECT_EQ(t.settings.written, expected);
}

TEST_F(Shell, CaptionsAndHelpAgreeWithTheTranscription) {
  std::string chineseHelp, englishHelp;
  for (const std::string& line : DataLines("app/Captions.txt")) {
    const auto f = Fields(line);
    ASSERT_EQ(f.size(), 3u) << line;
    if (f[0] == "help") {
      if (!f[1].empty()) chineseHelp += (chineseHelp.empty() ? "" : "\r\n") + f[1];
      englishHelp += (englishHelp.empty() ? "" : "\r\n") + f[2];
      continue;
    }
    const auto* it = std::find_if(std::begin(Burner::All), std::end(Burner::All),
                                  [&](Control ctl) { return ctl.name == f[0]; });
    ASSERT_NE(it, std::end(Burner::All)) << f[0];
    c.SetText(*it, f[1]);
    DesktopButtonSelectLanguage_Click(a);
    EXPECT_EQ(c.Text(*it), f[2]) << f[0];
    DesktopButtonSelectLanguage_Click(a);
    EXPECT_EQ(c.Text(*it), f[1]) << f[0];
  }
  EXPECT_EQ(HelpText(a), chineseHelp);
  a.Language = 1;
  EXPECT_EQ(HelpText(a), englishHelp);
  DesktopButtonHelp_Click(a);
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{englishHelp});

  // A chosen target keeps its text in either language.
  for (Control list : {Main::UpdateSelectTarget, Burner::UpdateSelectTarget}) {
    c.SetEntries(list, {"ID = 1", "ID = 2"});
    c.SetIndex(list, 0);
  }
  DesktopButtonSelectLanguage_Click(a);
  EXPECT_EQ(c.Text(Burner::UpdateSelectTarget), "ID = 1");
  EXPECT_EQ(ReplaceAll("a-a", "a", "aa"), "aa-aa") << "a word is not looked for inside its own replacement";
  SysTimer1_Timer(a);
  EXPECT_FALSE(c.Text(BurnAboutControls::RedidoAboutLabelVer).empty());
}

}  // namespace
