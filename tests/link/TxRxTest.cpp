// The link both ways: command texts to frames on the wire; bytes in, reply
// frames held for a waiting job, and what a job's wait keeps when it runs out.
#include <vector>

#include "TestApp.h"
#include "link/TxRx.h"
#include "sim/SimFrame.h"

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

// A reply as the unit sends it: type 1, host address 0.
Bytes Frame(Bytes data, uint8_t type = 0x01) { return BuildFrame({type, 0x00, 7, std::move(data)}); }

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

struct Receive : ::testing::Test {
  LinkState s;
  void SetUp() override { s.ReplyWanted = true; }
  void Event(const Bytes& bytes) { ReceiveEvent(s, bytes); }
  Bytes Buffered() { return Bytes(s.RxBuffer.begin(), s.RxBuffer.begin() + s.RxCount); }
  // The second data byte of the reply held for the job, which it consumes; -1 when none.
  int Held() {
    if (!s.RxFrameReady) return -1;
    s.RxFrameReady = false;
    return s.RxFrame[7];
  }
};

TEST_F(Receive, FrameSplitByteByByteIsTakenOnlyWithItsLastByteAndOnce) {
  const Bytes reply = Frame({0x05, 0x00, 0x00, 0x20, 0x10, 0x3C});
  for (size_t k = 0; k + 1 < reply.size(); ++k) {
    Event({reply[k]});
    ASSERT_FALSE(s.RxFrameReady) << "after byte " << k;
    ASSERT_EQ(s.RxCount, static_cast<int16_t>(k + 1));
  }
  Event({reply.back()});
  EXPECT_EQ(Bytes(s.RxFrame.begin(), s.RxFrame.begin() + reply.size()), reply);
  EXPECT_EQ(Held(), 0x00);
  EXPECT_EQ(s.RxCount, 0);
  Event({});
  EXPECT_FALSE(s.RxFrameReady);
}

TEST_F(Receive, OnlyRepliesAJobCanWaitForAreHeld) {
  const std::pair<uint8_t, bool> firsts[] = {{0x00, true},  {0x05, true},  {0x44, true}, {0x01, false},
                                             {0x02, false}, {0x53, false}, {0xFF, false}};
  for (auto [first, held] : firsts) {
    Event(Frame({first, 0x01}));
    EXPECT_EQ(Held(), held ? 0x01 : -1) << int(first);
  }
  Event(Frame({0x05, 0x01}, 0x00));
  EXPECT_EQ(Held(), -1) << "host frames are never held";
  Event(Join({Frame({0x05, 0x01}, 0x00), Frame({0x05, 0x09})}));
  EXPECT_EQ(Held(), 0x09) << "the reply behind an echo is still taken";
  s.ReplyWanted = false;
  Event(Join({Frame({0x05, 0x01}), Frame({0x44, 0x02})}));
  EXPECT_FALSE(s.RxFrameReady) << "nobody waits: taken and thrown away";
  EXPECT_EQ(s.RxFrame[6], 0x44);
  EXPECT_EQ(s.RxCount, 0);
}

TEST_F(Receive, DamagedFramesCostWhatTheRulesSay) {
  Event(Join({{0x00}, Frame({0x05, 0x01})}));
  EXPECT_EQ(Held(), -1) << "no search for a later start byte";
  EXPECT_EQ(s.RxCount, 0);
  // A bad header sum costs the first four bytes; a bad sum or end byte the
  // frame through its end; an overlong frame is dropped like a bad sum.
  Bytes header = Frame({0x05, 0x01}), sum = header, end = header;
  header[3] ^= 0xFF;
  sum[sum.size() - 2] ^= 0x01;
  end.back() = 0xAB;
  const Bytes damaged[] = {Bytes(header.begin(), header.begin() + 4), sum, end, Frame(Bytes(250, 0x05))};
  for (const Bytes& bad : damaged) {
    Event(Join({bad, Frame({0x05, 0x06})}));
    EXPECT_EQ(s.RxFrame[5], 2);
    EXPECT_EQ(Held(), 0x06);
  }
  Event(Frame(Bytes(249, 0x05)));
  EXPECT_EQ(s.RxFrame[256], 0xAA) << "249 data bytes still fit";
  EXPECT_EQ(Held(), 0x05);
  // A bad sum before the end byte arrives empties the buffer, and no more.
  sum.pop_back();
  Event(sum);
  EXPECT_EQ(s.RxCount, 0);
  Event({0xAA});
  EXPECT_EQ(s.RxCount, 0) << "the late end byte is not a start byte";
}

TEST_F(Receive, AFullBufferIsEmptiedAndBytesBeyondItAreDropped) {
  Event(Frame({0x05}));
  ASSERT_TRUE(s.RxFrameReady);
  Event(Bytes(2048, 0x55));
  EXPECT_EQ(s.RxCount, 2048);
  Event({0x55});
  EXPECT_EQ(s.RxCount, 0);
  EXPECT_TRUE(s.RxFrameReady) << "the held reply survives";
  Event(Bytes(5000, 0x55));
  EXPECT_EQ(s.RxCount, 0) << "filled to the last index, then emptied";
  Event(Bytes(1000, 0x55));
  EXPECT_EQ(s.RxCount, 1000);
}

using Await = AppTest;

TEST_F(Await, TheFrontOfAnAnswerStillArrivingIsKeptForOneMoreWait) {
  a.link.ReplyWanted = true;
  const Bytes answer = Frame({0x00, 0x01, 0x00, 0x03});
  const Bytes damaged{0x55, 0x01, 0x00, 0x56, 0x07, 0xF0};  // its length byte hit by the line
  const auto arrive = [&](double time, Bytes bytes) { At(time, [this, bytes] { ReceiveEvent(a.link, bytes); }); };
  const auto await = [&](double seconds) { return AwaitReply(a, Now() + seconds); };

  // Half an answer 5 ms before the deadline, the rest 15 ms after it.
  arrive(0.025, Bytes(answer.begin(), answer.begin() + 6));
  arrive(0.045, Bytes(answer.begin() + 6, answer.end()));
  EXPECT_EQ(await(0.03).wait, Wait::Timeout);
  Awaited next = await(0.03);
  ASSERT_EQ(next.wait, Wait::Reply) << "taken whole in the next wait";
  EXPECT_EQ(next.reply.data, Bytes({0x00, 0x01, 0x00, 0x03}));

  // A front that stopped coming long before the deadline is dropped with it,
  // and the next answer is heard.
  arrive(Now() + 0.5, damaged);
  EXPECT_EQ(await(3).wait, Wait::Timeout);
  EXPECT_EQ(a.link.RxCount, 0);
  arrive(Now() + 0.01, answer);
  EXPECT_EQ(await(3).wait, Wait::Reply);

  // Kept at one deadline, it is dropped at the next though the answers it
  // swallowed kept it growing; one whose length no frame can have is dropped
  // at once.
  arrive(Now() + 2.99, damaged);
  EXPECT_EQ(await(3).wait, Wait::Timeout);
  EXPECT_EQ(a.link.RxCount, 6);
  arrive(Now() + 2.99, answer);
  EXPECT_EQ(await(3).wait, Wait::Timeout);
  EXPECT_EQ(a.link.RxCount, 0);
  arrive(Now() + 0.01, answer);
  EXPECT_EQ(await(3).wait, Wait::Reply);
  Bytes overlong = damaged;
  overlong[5] = 0xFA;
  arrive(Now() + 2.99, overlong);
  EXPECT_EQ(await(3).wait, Wait::Timeout);
  EXPECT_EQ(a.link.RxCount, 0);
}

}  // namespace
