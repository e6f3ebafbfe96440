// Files named in Chinese, as they are on the lines, in a folder named so too:
// where a narrow path is read in the code page (Windows), none would open.
#include <filesystem>
#include <fstream>

#include "TestApp.h"
#include "app/Desktop.h"
#include "app/Utf8Path.h"
#include "burner/Yield.h"
#include "images/BatFile.h"
#include "images/BinFile.h"
#include "images/CodeBuffer.h"
#include "images/LoadCode.h"
#include "images/RedidoFile.h"

namespace {

namespace Main = DesktopFormControls;

using ChineseNames = AppTest;

TEST_F(ChineseNames, AreReadWrittenAndDatedByTheirUtf8Text) {
  const std::filesystem::path folder = std::filesystem::path(TestFolder()) / Utf8Path("产线 文件");
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const auto in = [&](std::string_view name) { return folder / Utf8Path(name); };
  const Bytes image = Pattern(20, 19);
  const auto same = [&] { return std::equal(image.begin(), image.end(), a.code.Buffer.begin()); };
  std::ofstream(in("前面板.hex"), std::ios::binary) << HexRecord(0, image) + ":00000001FF\r\n";
  std::ofstream(in("烧录.bat"), std::ios::binary) << "1 前面板.hex\r\n";
  std::ofstream(in("生产记录.log"), std::ios::binary) << "{}\n";

  const std::string hex = Utf8Text(in("前面板.hex"));
  const Loaded loaded = LoadCode_HexFile(a, hex, 0xFF, 0, 65535);
  ASSERT_TRUE(loaded) << loaded.error;
  EXPECT_TRUE(same());
  ASSERT_TRUE(FileTime(hex));
  EXPECT_EQ(c.Text(Main::UpdateLableFileDate), "日期: " + *FileTime(hex));
  const std::string script = Utf8Text(in("烧录.bat"));
  EXPECT_EQ(ScriptLineCount(a, script), 1);
  EXPECT_EQ(Utf8Path(ScriptImagePath(a, script, 1)), in("前面板.hex"));
  Yield y;
  EXPECT_TRUE(ReadProductionLog(y, Utf8Text(in("生产记录.log"))));
  // A name that is no UTF-8 (前面板 in a script saved in the code page) may not open, but is no fault.
  EXPECT_NO_THROW(LoadCode_HexFile(a, Utf8Text(in("")) + "\xC7\xB0\xC3\xE6\xB0\xE5.hex", 0xFF, 0, 65535));

  // What the program writes lands under the name it was given and reads back.
  c.SetText(Main::UpdateTextFileName, hex);
  ASSERT_TRUE(ToolButtonHex2Tot_Click(a));
  std::string bin = Utf8Text(in("前面板.txt"));
  int32_t length = static_cast<int32_t>(image.size());
  ASSERT_TRUE(SaveFile_Bin(bin, image, length));
  a.dataFolder = Utf8Text(in("数据"));
  InfoList_DblClick(a);
  for (const char* name : {"前面板.Tot", "前面板.Bin"}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(in(name))) << name;
    FillCode(a.code, 0x00);
    EXPECT_TRUE(LoadCode_ByExtension(a, Utf8Text(in(name))).value_or(Loaded{.error = "no loader"})) << name;
    EXPECT_TRUE(same()) << name;
  }
  EXPECT_TRUE(std::filesystem::is_regular_file(in("数据") / "VellDebuger.Txt"));
  std::filesystem::remove_all(folder);
}

}  // namespace
