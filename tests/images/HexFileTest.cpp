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
  void Load(const std::string& text, uint8_t fill = 0xFF) { LoadCode_HexFile(a, File(text), fill, 0, 65535); }
  std::string Caption(Control c) { return t.controls.Text(c); }
};

// A data record for `count` bytes from `address`, the k-th byte being first + k.
std::string Record(int address, int count, int first, const char* type = "00") {
  char head[16];
  std::snprintf(head, sizeof head, ":%02X%04X%s", count, address, type);
  std::string line = head;
  for (int k = 0; k < count; ++k) {
    char pair[4];
    std::snprintf(pair, sizeof pair, "%02X", (first + k) & 0xFF);
    line += pair;
  }
  return line + "00\r\n";
}

const std::string End = ":00000001FF\r\n";

TEST_F(Hex, ImageWithFillChecksumAndLabels) {
  std::string text;
  for (int row = 0; row < 16; ++row) text += Record(row * 16, 16, row * 16);
  Load(text + End);
  for (int k = 0; k < 256; ++k) ASSERT_EQ(code[k], k);
  EXPECT_EQ(code[0x100], 0xFF);
  EXPECT_EQ(code[0xFFFF], 0xFF);
  EXPECT_EQ(a.code.Length, 0xFF);
  const int sum = (255 * 256 / 2 + 256) % 65536;  // the file bytes plus 65,280 x 0xFF, wrapped
  EXPECT_EQ(a.code.Checksum, sum);
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
  Load(":020200000A0B00\n" + Record(0x100, 2, 0x11) + ":02010000AAbb00\r" + End, 0x00);
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
  a.code.Checksum = 1234;
  Load(Record(0, 2, 5) + "\r\n" + Record(2, 2, 7) + End);
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"文件格式出错"});
  EXPECT_EQ(code[0], 5);
  EXPECT_EQ(code[2], 0xFF);
  EXPECT_EQ(a.code.Length, 2) << "not decremented";
  EXPECT_EQ(a.code.Checksum, 1234) << "not refreshed";

  Load(Record(0, 2, 5) + ":020000040001F9\r\n" + End);
  EXPECT_EQ(t.dialogs.messages.back(), "不支持HEX扩展格式");

  Load("garbage");
  EXPECT_EQ(t.dialogs.messages.back(), "文件格式出错");

  LoadCode_HexFile(a, ::testing::TempDir() + "missing.hex", 0xFF, 0, 65535);
  EXPECT_EQ(t.dialogs.messages.back(), "LoadCode_HexFile时, 出错 !");

  Load(Record(0, 2, 5) + End);
  LoadCode_HexFile(a, File(Record(0, 2, 5) + End), 0xFF, 0, 0x80000);
  EXPECT_EQ(t.dialogs.messages.back(), "LoadCode_HexFile时, 出错 !") << "a range beyond the buffer";
}

TEST_F(Hex, FieldsReadTheirLeadingDigits) {
  // A short record reads its missing bytes as 0; Z1 reads as 0.
  Load(":04001000AB\r\n:02002000Z1C3\r\n" + End, 0xFF);
  EXPECT_EQ(code[0x10], 0xAB);
  EXPECT_EQ(code[0x11], 0x00);
  EXPECT_EQ(code[0x13], 0x00);
  EXPECT_EQ(code[0x20], 0x00);
  EXPECT_EQ(code[0x21], 0xC3);
}

TEST_F(Hex, CodeBoxTreatsEveryTypeAsDataAndCountsEmptyPieces) {
  t.controls.SetText(Main::DesktopTextCode1, "x0100100012\r\n\n:02002002AABB00\r\n:00000001FF\n:0100000099");
  LoadCode_Include(a, 0x00, 0, 65535);
  EXPECT_EQ(code[0x10], 0x12) << "the start mark is not looked at";
  EXPECT_EQ(code[0x20], 0xAA) << "a type-02 record is data here";
  EXPECT_EQ(code[0], 0x00) << "nothing after the end record";
  EXPECT_EQ(a.code.Length, 0x21);
  EXPECT_EQ(t.controls.Entries(Main::UpdateListInfo), std::vector<std::string>{"调入行数: 3"});
  EXPECT_EQ(Caption(Main::UpdateLableFileDate), "日期: ------");
  EXPECT_EQ(Caption(Burner::UpdateLableFileDate), "日期:") << "the twin is left alone";
  EXPECT_EQ(Caption(Burner::UpdateLabelCodeSum), "校验: 0x----");
  EXPECT_EQ(Caption(Main::UpdateLabelCodeSum), "校验: 0x" + HexText(0x12 + 0xAA + 0xBB));
}

TEST_F(Hex, CodeNameComesFromTheGapsBetweenTheVectors) {
  std::string name = Record(6, 5, 'P') + Record(14, 5, 'a');
  Load(name + End, 0x20);
  EXPECT_EQ(Caption(Main::UpdateLabelCodeName), "名称: PQRSTabcde  ");

  for (int k = 0; k < 5; ++k) a.code.Buffer[1030 + k] = static_cast<uint8_t>('A' + k);
  const char tail[] = {'F', 'G', 'H', ' ', ' '};
  for (int k = 0; k < 5; ++k) a.code.Buffer[1038 + k] = static_cast<uint8_t>(tail[k]);
  ShowCodeName(a, 1024);
  EXPECT_EQ(Caption(Main::UpdateLabelCodeName), "名称: ABCDEFGH  ");
}

TEST(CodeBuffer, ChecksumWrapsAt65536AndAnEmptyRangeIsZero) {
  CodeImage code;
  FillCode(code, 0xFF);
  EXPECT_EQ(CodeChecksum(code, 0, 65535), 0);
  EXPECT_EQ(CodeChecksum(code, 0, 255), 0xFF00);
  EXPECT_EQ(CodeChecksum(code, 10, 9), 0);
  EXPECT_EQ(code.Buffer[0x10000], 0) << "the fill stops at 0xFFFF";
  EXPECT_THROW(WriteCode(code, 0x80000, 1), LoadFailure);
}

}  // namespace

// The same files read by srec_cat, an independent reader (see data/make-fixtures.py).
TEST(HexReference, LoaderAgreesWithAnIndependentReader) {
  for (const char* name : {"gapped", "overlap", "lower", "beyond"}) {
    TestApp t;
    const std::string base = std::string(AMBRELIN_TEST_SOURCE) + "/images/data/" + name;
    LoadCode_HexFile(t.app, base + ".hex", 0xFF, 0, 65535);
    std::ifstream file(base + ".ref", std::ios::binary);
    const std::vector<uint8_t> reference((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GE(reference.size(), 65536u) << name;
    const std::vector<uint8_t> loaded(t.app.code.Buffer.begin(),
                                      t.app.code.Buffer.begin() + static_cast<std::ptrdiff_t>(reference.size()));
    EXPECT_TRUE(loaded == reference) << name;
    EXPECT_TRUE(t.dialogs.messages.empty()) << name;
  }
}
