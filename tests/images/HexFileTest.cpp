#include <gtest/gtest.h>

#include <fstream>
#include <numeric>

#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "images/CodeBuffer.h"
#include "images/HexFile.h"

namespace {

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

struct Hex : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  const std::vector<uint8_t>& code = a.code.Buffer;

  std::string File(const std::string& text, const std::string& name = "image.hex") {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  Loaded Load(const std::string& text, uint8_t fill = 0xFF) { return LoadCode_HexFile(a, File(text), fill, 0, 65535); }
  std::string Caption(Control c) { return t.controls.Text(c); }
};

// A data record for `count` bytes from `address`, the k-th byte being first + k.
std::string Record(int address, int count, int first) {
  char field[16];
  std::snprintf(field, sizeof field, ":%02X%04X00", count, address);
  std::string line = field;
  int sum = count + (address >> 8) + address;
  for (int k = 0; k < count; ++k) {
    std::snprintf(field, sizeof field, "%02X", (first + k) & 0xFF);
    line += field;
    sum += first + k;
  }
  std::snprintf(field, sizeof field, "%02X\r\n", -sum & 0xFF);
  return line + field;
}

const std::string End = ":00000001FF\r\n";

TEST_F(Hex, ImageWithFillChecksumAndLabels) {
  std::string text;
  for (int row = 0; row < 16; ++row) text += Record(row * 16, 16, row * 16);
  const Loaded loaded = Load(text + End);
  for (int k = 0; k < 256; ++k) ASSERT_EQ(code[k], k);
  EXPECT_EQ(code[0x100], 0xFF);
  EXPECT_EQ(code[0xFFFF], 0xFF);
  EXPECT_EQ(a.code.Length, 0xFF);
  const int sum = (255 * 256 / 2 + 256) % 65536;  // the file bytes plus 65,280 x 0xFF, wrapped
  EXPECT_EQ(a.code.Checksum, sum);
  EXPECT_EQ(loaded.checksum, sum);
  EXPECT_EQ(Caption(Main::UpdateLabelCodeSum), "校验: 0x" + HexText(sum));
  EXPECT_EQ(Caption(Burner::UpdateLabelCodeSum), "校验: 0x" + HexText(sum));
  EXPECT_EQ(Caption(Main::UpdateLableCodeSize), "长度: 0xFF");
  EXPECT_EQ(t.controls.Entries(Main::UpdateListInfo), std::vector<std::string>{"调入行数: 16"});
  EXPECT_EQ(Caption(Main::UpdateLableFileDate).rfind("日期: 20", 0), 0u) << Caption(Main::UpdateLableFileDate);
  EXPECT_EQ(Caption(Main::UpdateLableFileDate), Caption(Burner::UpdateLableFileDate));
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Hex, EnglishBurnerWindowGetsTheEnglishWords) {
  a.Language = 1;
  Load(Record(0, 4, 1) + End);
  EXPECT_EQ(Caption(Burner::UpdateLabelCodeSum).rfind("Sum: 0x", 0), 0u);
  EXPECT_EQ(Caption(Burner::UpdateLableFileDate).rfind("Date: ", 0), 0u);
  EXPECT_EQ(Caption(Burner::UpdateLabelCodeName).rfind("Name: ", 0), 0u);
  EXPECT_EQ(Caption(Main::UpdateLabelCodeSum).rfind("校验: 0x", 0), 0u);
}

TEST_F(Hex, OverlapGapsOrderAndLineEnds) {
  // Later records win, gaps keep the fill, order does not matter, and lone LF
  // and lone CR end lines as CR LF does.
  Load(":020200000A0BE7\n" + Record(0x100, 2, 0x11) + ":02010000AAbb98\r" + End, 0x00);
  EXPECT_EQ(code[0x100], 0xAA);
  EXPECT_EQ(code[0x101], 0xBB) << "lower-case digits";
  EXPECT_EQ(code[0x102], 0x00);
  EXPECT_EQ(code[0x200], 0x0A);
  EXPECT_EQ(a.code.Length, 0x201);
  EXPECT_EQ(t.controls.Entries(Main::UpdateListInfo), std::vector<std::string>{"调入行数: 3"});
}

TEST_F(Hex, OnlyAnEndRecordGivesLengthMinusOne) {
  Load(End + Record(0, 4, 1));
  EXPECT_EQ(a.code.Length, -1);
  EXPECT_EQ(Caption(Main::UpdateLableCodeSize), "长度: 0xFFFFFFFF");
  EXPECT_EQ(t.controls.Entries(Main::UpdateListInfo), std::vector<std::string>{"调入行数: 0"});
  EXPECT_EQ(code[0], 0xFF) << "nothing after the end record is read";
}

TEST_F(Hex, RecordPastTheFilledRangeReachesBeyond64K) {
  a.code.Buffer[0x10005] = 0x77;
  Load(Record(0xFFF0, 32, 0) + End);
  EXPECT_EQ(a.code.Length, 0x1000F);
  EXPECT_EQ(code[0x1000F], 31);
  EXPECT_EQ(code[0x10005], 21);
}

TEST_F(Hex, MalformedFilesStopWithTheirMessageAndKeepWhatWasWritten) {
  const std::pair<std::string, std::string> cases[] = {
      {"\r\n" + Record(2, 2, 7), "文件格式出错"},
      {":020000040001F9\r\n", "不支持HEX扩展格式"},
      {":020002000709ED\r\n", "LoadCode_HexFile时, 出错 ! 行 2"},  // 08 corrupted to 09
  };
  for (const auto& [bad, message] : cases) {
    t.dialogs.messages.clear();
    a.code.Checksum = 1234;
    const Loaded loaded = Load(Record(0, 2, 5) + bad + End);
    EXPECT_FALSE(loaded) << message;
    EXPECT_EQ(loaded.error, message);
    EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{message});
    EXPECT_EQ(code[0], 5) << message;
    EXPECT_EQ(code[2], 0xFF) << message;
    EXPECT_EQ(a.code.Length, 2) << "not decremented: " << message;
    EXPECT_EQ(a.code.Checksum, 1234) << "not refreshed: " << message;
    EXPECT_EQ(Caption(Main::UpdateLabelCodeSum), "校验: 0x----") << message;
  }
  EXPECT_EQ(Load("garbage").error, "文件格式出错");
  EXPECT_EQ(LoadCode_HexFile(a, File(Record(0, 2, 5) + End), 0xFF, 0, 0x80000).error, "LoadCode_HexFile时, 出错 !")
      << "a range beyond the buffer";
}

TEST_F(Hex, FieldsReadTheirLeadingDigits) {
  // A short record reads its missing bytes and checksum as 0, Z1 reads as 0;
  // the sums are chosen so that both records pass.
  ASSERT_TRUE(Load(":04005100AB\r\n:02002000Z1C31B\r\n" + End, 0xFF));
  EXPECT_EQ(code[0x51], 0xAB);
  EXPECT_EQ(code[0x52], 0x00);
  EXPECT_EQ(code[0x54], 0x00);
  EXPECT_EQ(code[0x20], 0x00);
  EXPECT_EQ(code[0x21], 0xC3);
}

TEST_F(Hex, CodeBoxTreatsEveryTypeAsDataAndCountsEmptyPieces) {
  t.controls.SetText(Main::DesktopTextCode1, "x0100100012DD\r\n\n:02002002AABB77\r\n:00000001FF\n:0100000099");
  const Loaded loaded = LoadCode_Include(a, 0x00, 0, 65535);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(code[0x10], 0x12) << "the start mark is not looked at";
  EXPECT_EQ(code[0x20], 0xAA) << "a type-02 record is data here";
  EXPECT_EQ(code[0], 0x00) << "nothing after the end record";
  EXPECT_EQ(a.code.Length, 0x21);
  EXPECT_EQ(loaded.lines, 3);
  EXPECT_EQ(t.controls.Entries(Main::UpdateListInfo), std::vector<std::string>{"调入行数: 3"});
  EXPECT_EQ(Caption(Main::UpdateLableFileDate), "日期: ------");
  EXPECT_EQ(Caption(Burner::UpdateLableFileDate), "日期:") << "the twin is left alone";
  EXPECT_EQ(Caption(Burner::UpdateLabelCodeSum), "校验: 0x----");
  EXPECT_EQ(Caption(Main::UpdateLabelCodeSum), "校验: 0x" + HexText(0x12 + 0xAA + 0xBB));

  // A typed record is checked as a file's is: a burn must not take a typo.
  t.controls.SetText(Main::DesktopTextCode1, ":0100000055AA\n:0100010066AA\n");
  EXPECT_EQ(LoadCode_Include(a, 0x00, 0, 65535).error, "LoadCode_Include, 出错 ! 行 2");
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"LoadCode_Include, 出错 ! 行 2"});
  EXPECT_EQ(code[0], 0x55);
  EXPECT_EQ(code[1], 0x00);
}

TEST_F(Hex, CodeNameComesFromTheGapsBetweenTheVectors) {
  std::string name = Record(6, 5, 'P') + Record(14, 5, 'a');
  Load(name + End, 0x20);
  EXPECT_EQ(Caption(Main::UpdateLabelCodeName), "名称: PQRSTabcde  ");

  for (int k = 0; k < 5; ++k) a.code.Buffer[1030 + k] = static_cast<uint8_t>('A' + k);
  const uint8_t tail[] = {'F', 0x7F, 0xB0, ' ', ' '};
  for (int k = 0; k < 5; ++k) a.code.Buffer[1038 + k] = tail[k];
  EXPECT_EQ(CodeName(a.code, 1024), "ABCDEF \u00B0") << "a byte without a glyph is a blank; others are Latin-1";
}

}  // namespace

// The same files read by srec_cat, an independent reader (see data/make-fixtures.py).
TEST(HexReference, LoaderAgreesWithAnIndependentReader) {
  for (const char* name : {"gapped", "overlap", "lower", "beyond"}) {
    TestApp t;
    const std::string base = std::string(AMBRELIN_TEST_SOURCE) + "/images/data/" + name;
    EXPECT_TRUE(LoadCode_HexFile(t.app, base + ".hex", 0xFF, 0, 65535)) << name;
    std::ifstream file(base + ".ref", std::ios::binary);
    const std::vector<uint8_t> reference((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GE(reference.size(), 65536u) << name;
    const std::vector<uint8_t> loaded(t.app.code.Buffer.begin(),
                                      t.app.code.Buffer.begin() + static_cast<std::ptrdiff_t>(reference.size()));
    EXPECT_TRUE(loaded == reference) << name;
  }
}
