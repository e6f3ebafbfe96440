#include <gtest/gtest.h>

#include "Files.h"
#include "TestApp.h"
#include "images/BatFile.h"

namespace {

TEST(Script, LinesIdsAndImagePaths) {
  TestApp t;
  Ambrelin& a = t.app;
  const std::string script = WriteFile("burn.bat", "1 front.hex\r\n  2,panel.TOT  \r\n\r\n3 sub\\Deep\\a.bin\r\n7\r\n");
  EXPECT_EQ(ScriptLineCount(a, script), 5);
  EXPECT_EQ(ScriptTargetId(a, script, 1), 1);
  EXPECT_EQ(ScriptTargetId(a, script, 2), 2) << "blanks before the digit are removed";
  EXPECT_EQ(ScriptTargetId(a, script, 3), 0);
  EXPECT_EQ(ScriptImagePath(a, script, 2), ::testing::TempDir() + "panel.TOT") << "opened as written";
  EXPECT_EQ(ScriptImagePath(a, script, 3), "");
  EXPECT_EQ(ScriptImagePath(a, script, 4), ::testing::TempDir() + "sub/Deep/a.bin");
  EXPECT_EQ(ScriptImagePath(a, script, 5), "") << "a line too short to name an image";
  EXPECT_EQ(ScriptTargetId(a, script, 9), 7) << "beyond the end reads the last line";
}

TEST(Script, MissingScriptHasNothing) {
  TestApp t;
  const std::string none = ::testing::TempDir() + "absent.bat";
  EXPECT_EQ(ScriptLineCount(t.app, none), 0);
  EXPECT_EQ(ScriptTargetId(t.app, none, 1), 0);
  EXPECT_EQ(ScriptImagePath(t.app, none, 1), "");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

}  // namespace
