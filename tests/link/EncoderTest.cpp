// Command texts to frames on the wire.
#include "TestApp.h"
#include "link/TxRx.h"

namespace {

using Encoder = AppTest;

TEST_F(Encoder, WorkedFramesByteForByte) {
  TxByHex(a, "1", "0201 0001 0002");
  TxByHex(a, "3", "0500 0020 1000");
  a.link.TxSequence = 0xFE;
  TxByHex2(a, "10", "2", "12 3");
  a.link.TxSequence = 4;
  TxByHex(a, "2", " ");
  EXPECT_EQ(writes, (std::vector<Bytes>{
                        {0x55, 0x00, 0x01, 0x56, 0x01, 0x06, 0x02, 0x01, 0x00, 0x01, 0x00, 0x02, 0x63, 0xAA},
                        {0x55, 0x00, 0x03, 0x58, 0x02, 0x06, 0x05, 0x00, 0x00, 0x20, 0x10, 0x00, 0x95, 0xAA},
                        {0x55, 0x10, 0x02, 0x67, 0xFF, 0x02, 0x12, 0x03, 0x7D, 0xAA},
                        {0x55, 0x00, 0x02, 0x57, 0x05, 0x00, 0x5C, 0xAA}}))
      << "each frame goes out in one write";
  a.link.TxSequence = 255;
  TxByHex(a, "1", "00");
  EXPECT_EQ(writes.back()[4], 0) << "the sequence wraps";
}

TEST_F(Encoder, TextsToTypeAddressAndData) {
  const std::string many(255 * 2, 'A'), tooMany(256 * 2, 'A');
  const struct {
    const char* type;  // null: TxByHex
    std::string address, command;
    const char* sent;  // type, address and data bytes, or the message
  } cases[] = {
      {nullptr, "1", "020100010002", "00 01 0201 0001 0002"}, {nullptr, "1", "02 01 00 01 00 02", "00 01 0201 0001 0002"},
      {nullptr, "1", "123", "00 01 1203"},   {nullptr, "1", "1 2 3", "00 01 0102 03"},
      {nullptr, "1", "ab C d", "00 01 AB0C 0D"},  // lower case, and a lone digit before a blank
      {nullptr, "01", "00", "00 01 00"},     {nullptr, "1 9", "00", "00 01 00"},   {nullptr, "012", "00", "00 01 00"},
      {nullptr, "1A", "00", "00 1A 00"},     {nullptr, "fF", "00", "00 FF 00"},    {"", "1", "00", "00 01 00"},
      {"7fzz", "1", "00", "7F 01 00"},       {"x1", "1", "00", "00 01 00"},       // the type's leading hex digits
      {nullptr, "1", "", "TxByHex, 出错 !"},  {nullptr, "G", "00", "TxByHex, 出错 !"}, {nullptr, "", "00", "TxByHex, 出错 !"},
      {nullptr, "1G", "00", "TxByHex, 出错 !"}, {nullptr, "1", "0G", "TxByHex, 出错 !"}, {nullptr, "1", "01\t02", "TxByHex, 出错 !"},
      {nullptr, "1", tooMany, "TxByHex, 出错 !"}, {"100", "1", "00", "TxByHex2, 出错 !"}, {"1", "1", "G", "TxByHex2, 出错 !"},
  };
  for (const auto& k : cases) {
    t.dialogs.messages.clear();
    const uint8_t sequence = a.link.TxSequence;
    const bool sent = k.type ? TxByHex2(a, k.type, k.address, k.command) : TxByHex(a, k.address, k.command);
    char head[8];
    std::snprintf(head, sizeof head, "%02X %02X ", writes.back()[1], writes.back()[2]);
    EXPECT_EQ(sent ? head + Sent() : t.dialogs.messages.at(0), k.sent) << k.address << " " << k.command;
    EXPECT_EQ(a.link.TxSequence, static_cast<uint8_t>(sequence + sent)) << "a refused text leaves the counter";
  }
  EXPECT_TRUE(TxByHex(a, "1", many));
  EXPECT_EQ(writes.back()[5], 255);

  // A closed port sends nothing and says so without a message box.
  port.Close();
  t.dialogs.messages.clear();
  EXPECT_FALSE(TxByHex(a, "1", "0201 0001 0002") || TxByHex2(a, "0", "1", "00"));
  EXPECT_TRUE(port.dropped.empty() && t.dialogs.messages.empty());
  EXPECT_EQ(t.dialogs.notices.size(), 2u);
}

}  // namespace
