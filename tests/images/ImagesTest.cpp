// The image loaders and the code buffer they share.
#include <filesystem>
#include <functional>
#include <numeric>

#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "dspflash/FlashOpen.h"
#include "images/AdiSetting.h"
#include "images/BatFile.h"
#include "images/BinFile.h"
#include "images/CodeBuffer.h"
#include "images/HexFile.h"
#include "images/LoadCode.h"
#include "images/RedidoFile.h"
#include "images/TxtFile.h"

namespace {

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

using Image = AppTest;

// A data record for `count` bytes from `address`, the k-th byte being first + k.
std::string Record(uint32_t address, int count, int first) {
  Bytes bytes(static_cast<size_t>(count));
  std::iota(bytes.begin(), bytes.end(), static_cast<uint8_t>(first));
  return HexRecord(address, bytes);
}

const std::string End = ":00000001FF\r\n";

TEST(CodeBuffer, ChecksumWrapsAt65536AndAnEmptyRangeIsZero) {
  CodeImage code;
  FillCode(code, 0xFF);
  EXPECT_EQ(CodeChecksum(code, 0, 65535), 0);
  EXPECT_EQ(CodeChecksum(code, 0, 255), 0xFF00);
  EXPECT_EQ(CodeChecksum(code, 10, 9), 0);
  EXPECT_EQ(code.Buffer[0x10000], 0) << "the fill stops at 0xFFFF";
  EXPECT_FALSE(WriteCode(code, 0x80000, 1));
}

// Each file loader, with a 0xFF fill over the whole range, after the name that leads its messages.
using Load = std::function<Loaded(Ambrelin&, const std::string&)>;
const std::pair<std::string, Load> Loaders[] = {
    {"LoadCode_HexFile", [](Ambrelin& a, auto& p) { return LoadCode_HexFile(a, p, 0xFF, 0, 65535); }},
    {"LoadCode_TotFile", [](Ambrelin& a, auto& p) { return LoadCode_TotFile(a, p, 0xFF, 0, 65535); }},
    {"LoadCode_TxtFile", [](Ambrelin& a, auto& p) { return LoadCode_TxtFile(a, p, 0xFF, 0, 65535); }},
    {"LoadCode_BinFile", [](Ambrelin& a, auto& p) { return LoadCode_BinFile(a, p, 0xFF, 0, 65535); }},
    {"LoadCode_ValFile", [](Ambrelin& a, auto& p) { return LoadCode_ValFile(a, p); }},
    {"LoadCode_EggFile", [](Ambrelin& a, auto& p) { return LoadCode_EggFile(a, p, 0xFF); }},
    {"LoadCode_FlashFile", [](Ambrelin& a, auto& p) { return LoadCode_FlashFile(a, p, 0xFF); }},
};

TEST(Loaders, WhatIsNoReadableFileIsRefusedBeforeAnythingChanges) {
  const std::string folder = TestFolder() + "folder.hex";
  std::filesystem::create_directories(folder);
  const std::string large = WriteFile("large.Bin", std::string(0x80001, '\x11'));
  for (const std::string& path : {TestFolder() + "absent.hex", folder, std::string("/dev/null"), large})
    for (const auto& [name, load] : Loaders) {
      if (path == large && name != "LoadCode_BinFile") continue;
      // The checksum is how a burn tells a failed load.
      TestApp t;
      t.app.code.Buffer[0] = 0x42;
      t.app.code.Length = 5;
      t.app.code.Checksum = 77;
      const std::string message = name + "时, 出错 !";
      EXPECT_EQ(load(t.app, path).error, message) << path;
      EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{message}) << path;
      EXPECT_EQ(std::make_tuple(t.app.code.Buffer[0], t.app.code.Length, t.app.code.Checksum),
                std::make_tuple(uint8_t{0x42}, 5, 77))
          << message << path;
      EXPECT_EQ(t.controls.Text(Main::UpdateLableFileDate), "日期:") << message << path;
    }
}

TEST(Loaders, ImagesThatHoldNothingAreRefusedSayingWhy) {
  // The file, or with no name the code box's text, and the message that names the loader.
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"empty.hex", "", "LoadCode_HexFile时, 出错 ! 文件无数据"},
      {"end-only.hex", End, "LoadCode_HexFile时, 出错 ! 文件无数据"},
      {"no-bytes.hex", ":00001000F0\r\n" + End, "LoadCode_HexFile时, 出错 ! 文件无数据"},
      {"cut.hex", Record(0, 16, 1) + Record(16, 16, 17), "LoadCode_HexFile时, 出错 ! 缺少结束记录"},
      {"", "\r\n\n:00000001FF", "LoadCode_Include, 出错 ! 文件无数据"},
      {"empty.Tot", "", "LoadCode_TotFile时, 出错 ! 文件无数据"},
      {"empty.bin", "", "LoadCode_BinFile时, 出错 ! 文件无数据"},
      {"none.txt", "xyz ?\r\nquiz!5", "LoadCode_TxtFile时, 出错 ! 文件无数据"},
      {"none.val", "\"AD9880\"\r\n", "LoadCode_ValFile时, 出错 ! 文件无数据"},
      {"empty.Img", "", "LoadCode_EggFile时, 出错 ! 文件无数据"},
      {"only-address.Img", "# [000100]\n\n", "LoadCode_FlashFile时, 出错 ! 文件无数据"},
  };
  std::filesystem::remove(TestFolder() + "none.Bin");
  for (const auto& [name, content, message] : cases) {
    TestApp t;
    t.app.code.Checksum = 77;
    Loaded loaded;
    if (name.empty()) {
      t.controls.SetText(Main::DesktopTextCode1, content);
      loaded = LoadCode_Include(t.app, 0xFF, 0, 65535);
    }
    for (const auto& [loader, load] : Loaders)
      if (!name.empty() && message.starts_with(loader + "时")) loaded = load(t.app, WriteFile(name, content));
    EXPECT_EQ(loaded.error, message) << name;
    EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{message}) << name;
    EXPECT_EQ(t.app.code.Checksum, 77) << "no checksum for a burn to trust: " << name;
    EXPECT_EQ(t.controls.Text(Main::UpdateLabelCodeSum), "校验: 0x----") << name;
  }
  EXPECT_FALSE(std::filesystem::exists(TestFolder() + "none.Bin")) << "no copy of nothing";
}

TEST_F(Image, HexWithFillChecksumAndLabelsOnBothWindows) {
  a.Language = 1;
  std::string text;
  for (int row = 0; row < 16; ++row) text += Record(row * 16, 16, row * 16);
  const Loaded loaded = LoadCode_HexFile(a, WriteFile("image.hex", text + End), 0xFF, 0, 65535);
  for (int k = 0; k < 256; ++k) ASSERT_EQ(a.code.Buffer[k], k);
  EXPECT_EQ(a.code.Buffer[0xFFFF], 0xFF);
  EXPECT_EQ(a.code.Length, 0xFF);
  const int sum = (255 * 256 / 2 + 256) % 65536;  // the file bytes plus 65,280 x 0xFF, wrapped
  EXPECT_EQ(std::make_pair(a.code.Checksum, loaded.checksum), std::make_pair(sum, sum));
  EXPECT_EQ(c.Text(Main::UpdateLabelCodeSum), "校验: 0x" + HexText(sum));
  EXPECT_EQ(c.Text(Burner::UpdateLabelCodeSum), "Sum: 0x" + HexText(sum));
  EXPECT_EQ(c.Text(Main::UpdateLableCodeSize), "长度: 0xFF");
  EXPECT_EQ(c.Entries(Main::UpdateListInfo), std::vector<std::string>{"调入行数: 16"});
  EXPECT_TRUE(c.Text(Main::UpdateLableFileDate).starts_with("日期: 20"));
  EXPECT_EQ(c.Text(Burner::UpdateLableFileDate), "Date" + c.Text(Main::UpdateLableFileDate).substr(6));
}

TEST_F(Image, HexLineEndsTheEndRecordAndShortFields) {
  // Lone LF and CR end lines.
  LoadCode_HexFile(a, WriteFile("ends.hex", ":020200000A0BE7\n:02010000AAbb98\r" + End), 0, 0, 65535);
  EXPECT_EQ(std::make_pair(a.code.Buffer[0x101], a.code.Buffer[0x200]), std::make_pair(uint8_t{0xBB}, uint8_t{0x0A}));
  EXPECT_EQ(c.Entries(Main::UpdateListInfo), std::vector<std::string>{"调入行数: 2"});
  // Nothing after the end record is read.
  LoadCode_HexFile(a, WriteFile("end.hex", Record(0x10, 1, 9) + End + Record(0, 4, 1)), 0xFF, 0, 65535);
  EXPECT_EQ(std::make_pair(a.code.Length, a.code.Buffer[0]), std::make_pair(0x10, uint8_t{0xFF}));
  // Fields read their leading digits: a short record reads its missing bytes
  // and checksum as 0, Z1 as 0; the sums are chosen so that both pass.
  EXPECT_TRUE(LoadCode_HexFile(a, WriteFile("short.hex", ":04005100AB\r\n:02002000Z1C31B\r\n" + End), 0xFF, 0, 65535));
  EXPECT_EQ(std::make_tuple(a.code.Buffer[0x51], a.code.Buffer[0x54], a.code.Buffer[0x21]), std::make_tuple(0xAB, 0, 0xC3));
}

TEST_F(Image, MalformedHexStopsWithItsMessageAndKeepsWhatWasWritten) {
  const std::pair<std::string, std::string> cases[] = {
      {"\r\n" + Record(2, 2, 7), "文件格式出错"},
      {":020000040001F9\r\n", "不支持HEX扩展格式"},
      {":020002000709ED\r\n", "LoadCode_HexFile时, 出错 ! 行 2"},  // 08 corrupted to 09
  };
  for (const auto& [bad, message] : cases) {
    t.dialogs.messages.clear();
    a.code.Checksum = 1234;
    const Loaded loaded = LoadCode_HexFile(a, WriteFile("bad.hex", Record(0, 2, 5) + bad + End), 0xFF, 0, 65535);
    EXPECT_EQ(loaded.error, message);
    EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{message});
    EXPECT_EQ(std::make_pair(a.code.Buffer[0], a.code.Buffer[2]), std::make_pair(uint8_t{5}, uint8_t{0xFF})) << message;
    EXPECT_EQ(a.code.Length, 2) << message;
    EXPECT_EQ(a.code.Checksum, 1234) << "not refreshed: " << message;
    EXPECT_EQ(c.Text(Main::UpdateLabelCodeSum), "校验: 0x----") << message;
  }
  // A range beyond the buffer, even of one byte.
  for (int32_t start : {0, 0x80000})
    EXPECT_EQ(LoadCode_HexFile(a, WriteFile("ok.hex", Record(0, 2, 5) + End), 0xFF, start, 0x80000).error,
              "LoadCode_HexFile时, 出错 !");
}

TEST_F(Image, CodeBoxTakesEveryTypeAsDataAndChecksEachRecord) {
  c.SetText(Main::DesktopTextCode1, "x0100100012DD\r\n\n:02002002AABB77\r\n:00000001FF\n:0100000099");
  const Loaded loaded = LoadCode_Include(a, 0x00, 0, 65535);
  EXPECT_EQ(std::make_tuple(a.code.Buffer[0x10], a.code.Buffer[0x20], a.code.Buffer[0]), std::make_tuple(0x12, 0xAA, 0))
      << "the start mark is not looked at, nor anything after the end record";
  EXPECT_EQ(std::make_pair(a.code.Length, loaded.lines), std::make_pair(0x21, 3));
  EXPECT_EQ(c.Text(Burner::UpdateLableFileDate), "日期:") << "the twin is left alone";
  c.SetText(Main::DesktopTextCode1, ":0100000055AA\n:0100010066AA\n");
  EXPECT_EQ(LoadCode_Include(a, 0x00, 0, 65535).error, "LoadCode_Include, 出错 ! 行 2");
}

TEST_F(Image, CodeNameComesFromTheGapsBetweenTheVectors) {
  LoadCode_HexFile(a, WriteFile("name.hex", Record(6, 5, 'P') + Record(14, 5, 'a') + End), 0x20, 0, 65535);
  EXPECT_EQ(c.Text(Main::UpdateLabelCodeName), "名称: PQRSTabcde  ");
  const uint8_t bytes[] = {'A', 'B', 'C', 0x7F, 'E', 0, 0, 0, 'F', 0x80, 0xB0, ' ', ' '};
  std::copy(std::begin(bytes), std::end(bytes), a.code.Buffer.begin() + 1030);
  EXPECT_EQ(CodeName(a.code, 1024), "ABC EF\u0080\u00B0") << "a control character is a blank; from 0x80 Latin-1";
}

// The same files read by srec_cat, an independent reader (see data/make-fixtures.py).
TEST(HexReference, LoaderAgreesWithAnIndependentReader) {
  for (const char* name : {"gapped", "overlap", "lower", "beyond"}) {
    TestApp t;
    const std::string base = std::string(AMBRELIN_TEST_SOURCE) + "/images/data/" + name;
    EXPECT_TRUE(LoadCode_HexFile(t.app, base + ".hex", 0xFF, 0, 65535)) << name;
    const Bytes reference = ReadFile(base + ".ref");
    ASSERT_GE(reference.size(), 65536u) << name;
    EXPECT_TRUE(std::equal(reference.begin(), reference.end(), t.app.code.Buffer.begin())) << name;
  }
}

TEST_F(Image, TotRoundTripAndTheToolThatWritesBesideTheHex) {
  EXPECT_EQ(std::make_tuple(TotWriteByte(0x53), TotWriteByte(0x00), TotWriteByte(0x30), TotWriteByte(0xAC)),
            std::make_tuple(0x8A, 0xFF, 0xDF, 0x53));
  for (int b = 0; b < 256; ++b) ASSERT_EQ(TotReadByte(TotWriteByte(static_cast<uint8_t>(b))), b);

  for (size_t k = 0; k < 0x10000; ++k) a.code.Buffer[k] = static_cast<uint8_t>(k * 7 + (k >> 8));
  a.code.Length = 0x1F00;
  const Bytes image(a.code.Buffer.begin(), a.code.Buffer.begin() + 0x10000);
  const std::string path = WriteFile("round.Tot", std::string(80000, 'x'));  // no old tail may stay
  SaveFile_Tot(a, path);
  Bytes file = ReadFile(path);
  ASSERT_EQ(file.size(), TotFileSize);
  EXPECT_EQ(file[0], TotWriteByte(image[0]));
  EXPECT_EQ(Bytes(file.begin() + 65536, file.begin() + 66665), Bytes(1129, 0));
  EXPECT_EQ(Bytes(file.begin() + 66665, file.end()), (Bytes{0x00, 0x1F, 0x00, 0x00}));

  std::ofstream(path, std::ios::binary | std::ios::app) << '\x01';  // a byte past the length is no part of it
  FillCode(a.code, 0x00);
  LoadCode_TotFile(a, path, 0xFF, 0, 65535);
  EXPECT_TRUE(std::equal(image.begin(), image.end(), a.code.Buffer.begin()));
  EXPECT_EQ(a.code.Length, 0x1F00);
  int sum = 0;
  for (uint8_t b : image) sum = (sum + b) % 65536;
  EXPECT_EQ(a.code.Checksum, sum);
  EXPECT_EQ(c.Entries(Main::UpdateListInfo), std::vector<std::string>{"调入行数: 0"});

  // A short file keeps the fill.
  EXPECT_TRUE(LoadCode_TotFile(a, WriteFile("short.Tot", std::string(1, '\x8A')), 0xFF, 0, 65535));
  EXPECT_EQ(std::make_tuple(a.code.Buffer[0], a.code.Buffer[1], a.code.Length), std::make_tuple(0x53, 0xFF, 0));
  EXPECT_TRUE(t.dialogs.messages.empty());

  // The tool button writes a Tot beside the hex file named on the page.
  for (const std::string& name : {std::string("a.h"), std::string("/proc/none/x.hex"), TestFolder() + "tool.hex"}) {
    c.SetText(Main::UpdateTextFileName, name);
    EXPECT_EQ(ToolButtonHex2Tot_Click(a), name.ends_with("tool.hex")) << name;
  }
  EXPECT_EQ(ReadFile(TestFolder() + "tool.Tot").size(), TotFileSize);
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>(2, "SaveFile_Tot出错 !"));
}

TEST_F(Image, TextPairsPerLineWithTheBinCopyBeside) {
  WriteFile("pairs.Bin", std::string(1000, 'x'));
  a.code.Buffer[8] = 0x77;
  LoadCode_TxtFile(a, WriteFile("pairs.txt", "  12 34 5  \r\n0x12,0x34\nab\rCD ef"), 0x00, 0, 65535);
  const Bytes expected{0x12, 0x34, 0x01, 0x20, 0x34, 0xAB, 0xCD, 0xEF};
  EXPECT_EQ(Bytes(a.code.Buffer.begin(), a.code.Buffer.begin() + 9), (Bytes{0x12, 0x34, 0x01, 0x20, 0x34, 0xAB, 0xCD, 0xEF, 0x00}));
  EXPECT_EQ(a.code.Length, 7);
  EXPECT_EQ(ReadFile(TestFolder() + "pairs.Bin"), expected) << "exactly the bytes, no old tail";
  EXPECT_EQ(a.code.Checksum, 0x12 + 0x34 + 0x01 + 0x20 + 0x34 + 0xAB + 0xCD + 0xEF) << "over the bytes loaded only";
  EXPECT_EQ(c.Text(Main::UpdateLableCodeSize), "长度: 0x7");

  EXPECT_TRUE(t.dialogs.messages.empty());

  a.code.Checksum = 77;
  EXPECT_EQ(LoadCode_TxtFile(a, WriteFile("huge.txt", std::string(2 * 0x80000 + 2, 'e')), 0xFF, 0, 65535).error,
            "LoadCode_TxtFile时, 出错 !");
  EXPECT_EQ(a.code.Checksum, 77) << "no checksum stored";
  EXPECT_EQ(a.code.Buffer.back(), 0xEE);
}

TEST_F(Image, BinaryLengthIsTheFileSizeAndSavingHandsBackTheLastIndex) {
  LoadCode_BinFile(a, WriteFile("image.bin", std::string(8192, '\x11')), 0xFF, 0, 65535);
  EXPECT_EQ(a.code.Length, 0x2000);
  EXPECT_EQ(std::make_pair(a.code.Buffer[8191], a.code.Buffer[8192]), std::make_pair(uint8_t{0x11}, uint8_t{0xFF}));
  EXPECT_EQ(a.code.Checksum, (8192 * 0x11 + (65536 - 8192) * 0xFF) % 65536);

  const Bytes bytes{1, 2, 3, 4, 5};
  for (int32_t length : {3, 1, 0}) {
    std::string name = TestFolder() + "saved.txt";
    int32_t last = length;
    ASSERT_TRUE(SaveFile_Bin(name, bytes, last));
    EXPECT_EQ(last, length - 1);
    EXPECT_EQ(name, TestFolder() + "saved.Bin");
    EXPECT_EQ(ReadFile(name), Bytes(bytes.begin(), bytes.begin() + length));
  }
  std::string unwritable = "/proc/none/x.txt";
  int32_t length = 3;
  EXPECT_FALSE(SaveFile_Bin(unwritable, bytes, length));
}

TEST_F(Image, SettingFileStoresAndWritesEachRegisterPaced) {
  a.code.Buffer[0x50] = 9;
  const Loaded loaded = LoadCode_ValFile(
      a, WriteFile("setting.val", "chip \"AD9880\" receiver\r\n\"1A\",\"255\"\r\nreg \"3\" is \"7\" ok\r\n\"ffe\" \"0\"\r\n"));
  std::vector<std::string> sent;
  for (const Bytes& frame : writes) sent.push_back(std::to_string(frame[2]) + " " + DataText(frame));
  EXPECT_EQ(sent, (std::vector<std::string>{"3 0500 0021 1AFF", "3 0500 0021 0307", "3 0500 0021 FF00"}));
  EXPECT_GE(Now(), 0.3);
  EXPECT_EQ(std::make_tuple(a.code.Buffer[0x1A], a.code.Buffer[0x03], a.code.Buffer[0x50]), std::make_tuple(0xFF, 7, 0))
      << "the buffer is cleared to 0x00 first";
  EXPECT_EQ(std::make_pair(a.code.Length, loaded.stored), std::make_pair(0xFF, 3));
  EXPECT_EQ(c.Text(Main::UpdateLableCodeSize), "长度: 3/0xFF");
  EXPECT_EQ(c.Text(Main::UpdateLabelCodeName), "名称: AD9880");

  writes.clear();
  LoadCode_ValFile(a, WriteFile("tx.val", "\"AD9889\"\n\"10\",\"16\"\n"));
  LoadCode_ValFile(a, WriteFile("other.val", "\"XYZ123\"\n\"10\",\"16\"\n"));
  EXPECT_EQ(DataText(writes.at(0)), "0500 0031 1010");
  EXPECT_EQ(DataText(writes.at(1)), "1010") << "an unknown chip gets no head";
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Image, MalformedSettingLinesStopTheLoadAndWhatWasSentStays) {
  for (const char* bad : {"\"1A\",\"256\"", "\"1A\" \"25", "no quotes", "\"G1\",\"1\"", "\"1A\",\"x\"", ""}) {
    writes.clear();
    const std::string text = std::string("\"AD9880\"\n\"01\",\"2\"\n") + bad + "\n\"02\",\"3\"\n";
    EXPECT_EQ(LoadCode_ValFile(a, WriteFile("bad.val", text)).error, "文件格式出错") << bad;
    EXPECT_EQ(t.dialogs.messages.back(), "文件格式出错") << bad;
    EXPECT_EQ(writes.size(), 1u) << bad;
    EXPECT_EQ(a.code.Length, 0) << bad;
  }
  // The window stays live line by line, even when the first setting is bad.
  bool ran = false;
  At(Now(), [&] { ran = true; });
  EXPECT_FALSE(LoadCode_ValFile(a, WriteFile("noname.val", "\"AD9880\"\nno quotes\n")));
  EXPECT_TRUE(ran);
  EXPECT_EQ(LoadCode_ValFile(a, WriteFile("noname.val", "AD9880\n\"01\",\"2\"\n")).error, "文件格式出错");
}

TEST_F(Image, ScriptLinesIdsAndImagePaths) {
  const std::string script =
      WriteFile("burn.bat", "1 front.hex\r\n  2,panel.TOT  \r\n\r\n3 sub\\Deep\\a.bin\r\n7\r\n+,x.hex\r\n8x\r\n9 last.hex\r\n");
  bool ran = false;
  At(Now(), [&] { ran = true; });
  EXPECT_EQ(ScriptLineCount(a, script), 8);
  EXPECT_TRUE(ran) << "the window stays live while the script is read";
  // The image path as it follows the script's folder; "-" where the line names none.
  const std::tuple<int, int, std::string> lines[] = {
      {1, 1, "front.hex"}, {2, 2, "panel.TOT"}, {3, 0, "-"}, {4, 3, (std::filesystem::path("sub") / "Deep" / "a.bin").string()}, {5, 7, "-"}, {6, 0, "x.hex"},
      {7, 8, ""},          {8, 9, "last.hex"},  {12, 9, "last.hex"},  // beyond the end reads the last line
  };
  for (const auto& [line, id, image] : lines) {
    EXPECT_EQ(ScriptTargetId(a, script, line), id) << line;
    EXPECT_EQ(ScriptImagePath(a, script, line), image == "-" ? "" : TestFolder() + image) << line;
  }
  const std::string none = TestFolder() + "absent.bat";
  EXPECT_EQ(std::make_tuple(ScriptLineCount(a, none), ScriptTargetId(a, none, 1), ScriptImagePath(a, none, 1)),
            std::make_tuple(0, 0, std::string()));
}

}  // namespace
