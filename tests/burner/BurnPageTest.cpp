#include <gtest/gtest.h>

#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "burner/BurnPage.h"
#include "images/Files.h"

namespace {

namespace Main = DesktopFormControls;

struct Open : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  void Pick(const std::string& path) {
    t.dialogs.picks = {path};
    UpdateButtonOpenFile_Click(a);
  }
};

TEST_F(Open, UpperCaseBinWithTheFfOptionFillsThenReads) {
  t.controls.SetTicked(Main::UpdateOptionFull0xff, true);
  const std::string path = WriteFile("PANEL.BIN", "\x01\x02");
  Pick(path);
  EXPECT_EQ(t.dialogs.filters, std::vector<std::string>{"Burn File|*.bat;*.Txt;*.Hex;*.Bin;*.Tot;*.Val"});
  EXPECT_EQ(a.code.Buffer[1], 0x02);
  EXPECT_EQ(a.code.Buffer[2], 0xFF);
  EXPECT_EQ(a.code.Buffer[0xFFFF], 0xFF);
  EXPECT_EQ(t.controls.Text(Main::UpdateTextFileName), path);
  EXPECT_EQ(t.controls.Text(BurnDesktopControls::UpdateTextFileName), path);
}

TEST_F(Open, ScriptLoadsTheImageOfItsFirstLineAndKeepsItsOwnName) {
  t.controls.SetTicked(Main::UpdateOptionFull0x00, true);
  WriteFile("Front.HEX", ":020000001234B8\r\n:00000001FF\r\n");
  const std::string script = WriteFile("job.bat", "1 Front.HEX\r\n2 other.hex\r\n");
  Pick(script);
  EXPECT_EQ(a.code.Buffer[1], 0x34);
  EXPECT_EQ(a.code.Buffer[2], 0x00);
  EXPECT_EQ(t.controls.Text(Main::UpdateTextFileName), script);
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Open, TextAlwaysFillsWithFfAndUnknownEndingsLoadNothing) {
  t.controls.SetTicked(Main::UpdateOptionFull0x00, true);
  Pick(WriteFile("dump.txt", "AA"));
  EXPECT_EQ(a.code.Buffer[1], 0xFF);
  a.code.Buffer[1] = 0x42;
  Pick(WriteFile("notes.doc", "AA"));
  EXPECT_EQ(a.code.Buffer[1], 0x42);
}

TEST_F(Open, ASettingFileIsAJobOfItsOwn) {
  const std::string val = WriteFile("regs.val", "\"AD9880\"\n\"1A\",\"255\"\n");
  const std::string name = t.controls.Text(Main::UpdateTextFileName);
  a.code.Buffer[0x1A] = 0x42;
  a.job = Job::Burn;
  Pick(val);
  EXPECT_EQ(t.dialogs.notices.size(), 1u);
  EXPECT_EQ(t.controls.Text(Main::UpdateTextFileName), name) << "refused before anything changes";
  EXPECT_EQ(a.code.Buffer[0x1A], 0x42);
  a.job = Job::None;
  Pick(val);
  EXPECT_EQ(a.code.Buffer[0x1A], 0xFF);
  EXPECT_EQ(a.job, Job::None) << "let go at the end";
}

TEST_F(Open, CancelChangesNothing) {
  t.controls.SetText(Main::UpdateTextFileName, "/kept/name.hex");
  UpdateButtonOpenFile_Click(a);
  EXPECT_EQ(t.controls.Text(Main::UpdateTextFileName), "/kept/name.hex");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Open, ViewShowsTheFirstKilobyte) {
  t.controls.SetTicked(Main::UpdateOptionFull0x00, true);
  Pick(WriteFile("small.bin", std::string(256, '\x5A')));
  UpdateButtonView_Click(a);
  const std::string text = t.controls.Text(Main::Text6);
  EXPECT_NE(text.find("000F:5A 5A"), std::string::npos);
  EXPECT_NE(text.find("0010:00 00"), std::string::npos);
  EXPECT_NE(text.find("003F:00"), std::string::npos);
  EXPECT_EQ(text.find("0040:"), std::string::npos);
}

}  // namespace
