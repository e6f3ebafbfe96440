#include <gtest/gtest.h>

#include <vector>

#include "TestApp.h"
#include "link/TxRx.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Encoder : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  void SetUp() override { ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1")); }
  Bytes Last() { return t.link.port.writes.empty() ? Bytes{} : t.link.port.writes.back(); }
  // Length byte and data of the last frame.
  Bytes Body() {
    Bytes f = Last();
    return Bytes(f.begin() + 5, f.end() - 2);
  }
};

TEST_F(Encoder, WorkedFramesByteForByte) {
  TxByHex(a, "1", "0201 0001 0002");
  EXPECT_EQ(Last(), (Bytes{0x55, 0x00, 0x01, 0x56, 0x01, 0x06, 0x02, 0x01, 0x00, 0x01, 0x00, 0x02, 0x63, 0xAA}));
  TxByHex(a, "3", "0500 0020 1000");
  EXPECT_EQ(Last(), (Bytes{0x55, 0x00, 0x03, 0x58, 0x02, 0x06, 0x05, 0x00, 0x00, 0x20, 0x10, 0x00, 0x95, 0xAA}));
  a.link.TxSequence = 0xFE;
  TxByHex2(a, "10", "2", "12 3");
  EXPECT_EQ(Last(), (Bytes{0x55, 0x10, 0x02, 0x67, 0xFF, 0x02, 0x12, 0x03, 0x7D, 0xAA}));
  a.link.TxSequence = 4;
  TxByHex(a, "2", " ");
  EXPECT_EQ(Last(), (Bytes{0x55, 0x00, 0x02, 0x57, 0x05, 0x00, 0x5C, 0xAA}));
  EXPECT_EQ(t.link.port.writes.size(), 4u) << "each frame goes out in one write";
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Encoder, GroupingDoesNotMatterAsLongAsPairsLineUp) {
  for (const char* text : {"0201 0001 0002", "020100010002", "02 01 00 01 00 02"}) {
    a.link.TxSequence = 0;
    TxByHex(a, "1", text);
    EXPECT_EQ(Last(), (Bytes{0x55, 0x00, 0x01, 0x56, 0x01, 0x06, 0x02, 0x01, 0x00, 0x01, 0x00, 0x02, 0x63, 0xAA}))
        << text;
  }
  TxByHex(a, "1", "123");
  EXPECT_EQ(Body(), (Bytes{2, 0x12, 0x03}));
  TxByHex(a, "1", "1 2 3");
  EXPECT_EQ(Body(), (Bytes{3, 0x01, 0x02, 0x03}));
  TxByHex(a, "1", "ab C d");
  EXPECT_EQ(Body(), (Bytes{3, 0xAB, 0x0C, 0x0D})) << "lower case, and a lone digit before a blank";
  TxByHex(a, "1", "   ");
  EXPECT_EQ(Last().size(), 8u);
}

TEST_F(Encoder, AddressTexts) {
  for (const char* address : {"1", "01", "1 ", "1 9", "012"}) {
    TxByHex(a, address, "00");
    EXPECT_EQ(Last()[2], 0x01) << address;
  }
  TxByHex(a, "1A", "00");
  EXPECT_EQ(Last()[2], 0x1A);
  TxByHex(a, "fF", "00");
  EXPECT_EQ(Last()[2], 0xFF);
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Encoder, RejectedTextSendsNothingAndLeavesTheCounter) {
  a.link.TxSequence = 9;
  struct Case { const char *address, *command; };
  for (Case c : {Case{"1", ""}, Case{"G", "00"}, Case{"", "00"}, Case{"1G", "00"}, Case{"1", "0G"},
                 Case{"1", "G0"}, Case{"1", "01\t02"}}) {
    TxByHex(a, c.address, c.command);
  }
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>(7, "TxByHex, 出错 !"));
  EXPECT_TRUE(t.link.port.writes.empty());
  EXPECT_EQ(a.link.TxSequence, 9);
  TxByHex(a, "1", "00");
  EXPECT_EQ(Last()[4], 10) << "the next good frame carries the next number";
}

TEST_F(Encoder, TypeTextAndLengthLimits) {
  TxByHex2(a, "", "1", "00");
  EXPECT_EQ(Last()[1], 0x00) << "empty type reads as 0";
  TxByHex2(a, "7fzz", "1", "00");
  EXPECT_EQ(Last()[1], 0x7F) << "leading hex digits";
  TxByHex2(a, "x1", "1", "00");
  EXPECT_EQ(Last()[1], 0x00);
  const size_t before = t.link.port.writes.size();

  TxByHex2(a, "100", "1", "00");
  TxByHex2(a, "1", "1", "G");
  TxByHex(a, "1", std::string(256 * 2, 'A'));
  EXPECT_EQ(t.dialogs.messages,
            (std::vector<std::string>{"TxByHex2, 出错 !", "TxByHex2, 出错 !", "TxByHex, 出错 !"}));
  EXPECT_EQ(t.link.port.writes.size(), before);

  TxByHex(a, "1", std::string(255 * 2, 'A'));
  EXPECT_EQ(Last().size(), 255u + 8);
  EXPECT_EQ(Last()[5], 255);
}

TEST_F(Encoder, SequenceWrapsFrom255ToZero) {
  a.link.TxSequence = 254;
  for (int expected : {255, 0, 1}) {
    TxByHex(a, "1", "00");
    EXPECT_EQ(Last()[4], expected);
  }
}

TEST_F(Encoder, ClosedPortSendsNothingAndSaysSoWithoutAMessageBox) {
  t.link.port.Close();
  a.link.TxSequence = 3;
  TxByHex(a, "1", "0201 0001 0002");
  TxByHex2(a, "0", "1", "00");
  EXPECT_TRUE(t.link.port.writes.empty());
  EXPECT_TRUE(t.link.port.dropped.empty());
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_EQ(t.dialogs.notices.size(), 2u);
  EXPECT_EQ(a.link.TxSequence, 3);
}

}  // namespace
