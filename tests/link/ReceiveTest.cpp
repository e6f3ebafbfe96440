#include <gtest/gtest.h>

#include <vector>

#include "link/TxRx.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A reply as the unit sends it: type 1, host address 0.
Bytes Frame(Bytes data, uint8_t type = 0x01, uint8_t sequence = 7) {
  Bytes f{0x55, type, 0x00, static_cast<uint8_t>(0x55 + type), sequence, static_cast<uint8_t>(data.size())};
  f.insert(f.end(), data.begin(), data.end());
  uint8_t sum = 0;
  for (size_t k = 0; k < f.size(); ++k)
    if (k != 3) sum = static_cast<uint8_t>(sum + f[k]);
  f.push_back(sum);
  f.push_back(0xAA);
  return f;
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

Bytes Buffered(const LinkState& s) { return Bytes(s.RxBuffer.begin(), s.RxBuffer.begin() + s.RxCount); }

struct Receive : ::testing::Test {
  LinkState s;
  void Event(const Bytes& bytes) { ReceiveEvent(s, bytes); }
};

TEST_F(Receive, FrameSplitByteByByteIsTakenOnlyWithItsLastByteAndOnce) {
  s.ReplyWanted = true;
  const Bytes reply = Frame({0x05, 0x00, 0x00, 0x20, 0x10, 0x3C});
  for (size_t k = 0; k + 1 < reply.size(); ++k) {
    Event({reply[k]});
    ASSERT_FALSE(s.RxFrameReady) << "after byte " << k;
    ASSERT_EQ(s.RxCount, static_cast<int16_t>(k + 1));
  }
  Event({reply.back()});
  EXPECT_TRUE(s.RxFrameReady);
  EXPECT_EQ(s.RxCount, 0);
  EXPECT_EQ(Bytes(s.RxFrame.begin(), s.RxFrame.begin() + reply.size()), reply);
  s.RxFrameReady = false;
  Event({});
  EXPECT_FALSE(s.RxFrameReady);
}

TEST_F(Receive, FramesNobodyWaitsForAreTakenAndThrownAway) {
  Event(Join({Frame({0x05, 0x01}), Frame({0x44, 0x02})}));
  EXPECT_FALSE(s.RxFrameReady);
  EXPECT_EQ(s.RxCount, 0);
  EXPECT_EQ(s.RxFrame[6], 0x44) << "both frames were taken, the second last";
}

TEST_F(Receive, HoldRuleKeepsOnlyRepliesAJobCanWaitFor) {
  s.ReplyWanted = true;
  for (int first : {0x00, 0x05, 0x44}) {
    Event(Frame({static_cast<uint8_t>(first), 0x01}));
    EXPECT_TRUE(s.RxFrameReady) << first;
    s.RxFrameReady = false;
  }
  for (int first : {0x01, 0x02, 0x53, 0xFF}) {
    Event(Frame({static_cast<uint8_t>(first), 0x01}));
    EXPECT_FALSE(s.RxFrameReady) << first;
  }
  EXPECT_EQ(s.RxCount, 0);
}

TEST_F(Receive, FrameBehindAHeldReplyWaitsForTheNextEventAfterItIsConsumed) {
  s.ReplyWanted = true;
  const Bytes second = Frame({0x05, 0x02});
  Event(Join({Frame({0x05, 0x01}), second}));
  ASSERT_TRUE(s.RxFrameReady);
  EXPECT_EQ(s.RxFrame[7], 0x01);
  EXPECT_EQ(Buffered(s), second);

  Event({});  // more bytes while the first is still held change nothing
  EXPECT_EQ(s.RxFrame[7], 0x01);

  s.RxFrameReady = false;  // the job consumes the reply
  EXPECT_EQ(Buffered(s), second);
  Event({});
  ASSERT_TRUE(s.RxFrameReady);
  EXPECT_EQ(s.RxFrame[7], 0x02);
  EXPECT_EQ(s.RxCount, 0);
}

TEST_F(Receive, AWaitingJobGetsTheFrameBehindWithoutAnotherEvent) {
  s.ReplyWanted = true;
  Event(Join({Frame({0x05, 0x01}), Frame({0x05, 0x02}), Bytes{0x55, 0x01}}));
  ASSERT_TRUE(ReplyHeld(s));
  EXPECT_EQ(s.RxFrame[7], 0x01);
  s.RxFrameReady = false;
  ASSERT_TRUE(ReplyHeld(s)) << "the unit sends nothing more until asked";
  EXPECT_EQ(s.RxFrame[7], 0x02);
  s.RxFrameReady = false;
  EXPECT_FALSE(ReplyHeld(s)) << "the front of a frame still coming stays";
  EXPECT_EQ(Buffered(s), (Bytes{0x55, 0x01}));
}

TEST_F(Receive, HostFramesAreNeverHeld) {
  s.ReplyWanted = true;
  Event(Frame({0x05, 0x01}, 0x00));
  EXPECT_FALSE(s.RxFrameReady);
  EXPECT_EQ(s.RxCount, 0);
  Event(Join({Frame({0x05, 0x01}, 0x00), Frame({0x05, 0x09})}));
  EXPECT_TRUE(s.RxFrameReady) << "the reply behind an echo is still taken";
  EXPECT_EQ(s.RxFrame[7], 0x09);
}

TEST_F(Receive, DiscardRules) {
  s.ReplyWanted = true;
  // No search for a later start byte.
  Event(Join({{0x00}, Frame({0x05})}));
  EXPECT_EQ(s.RxCount, 0);
  EXPECT_FALSE(s.RxFrameReady);

  // A bad header checksum costs the first four bytes only; the rest must
  // start a frame or go too.
  Bytes bad = Frame({0x05, 0x01});
  bad[3] ^= 0xFF;
  Event(Join({Bytes(bad.begin(), bad.begin() + 4), Frame({0x05, 0x02})}));
  ASSERT_TRUE(s.RxFrameReady);
  EXPECT_EQ(s.RxFrame[7], 0x02);
  s.RxFrameReady = false;

  // A bad checksum drops the frame through its end byte, and the next frame lives.
  bad = Frame({0x05, 0x01});
  bad[bad.size() - 2] ^= 0x01;
  Event(Join({bad, Frame({0x05, 0x03})}));
  ASSERT_TRUE(s.RxFrameReady);
  EXPECT_EQ(s.RxFrame[7], 0x03);
  s.RxFrameReady = false;

  // A wrong end byte drops through its own position.
  bad = Frame({0x05, 0x01});
  bad.back() = 0xAB;
  Event(Join({bad, Frame({0x05, 0x04})}));
  ASSERT_TRUE(s.RxFrameReady);
  EXPECT_EQ(s.RxFrame[7], 0x04);
}

TEST_F(Receive, BadChecksumBeforeTheEndByteArrivesEmptiesTheBufferAndNoMore) {
  Bytes bad = Frame({0x05, 0x01});
  bad[bad.size() - 2] ^= 0x01;
  bad.pop_back();
  Event(bad);
  EXPECT_EQ(s.RxCount, 0);
  Event({0xAA});
  EXPECT_EQ(s.RxCount, 0) << "the late end byte is not a start byte";
}

TEST_F(Receive, OverlongFrameIsDroppedLikeABadChecksum) {
  s.ReplyWanted = true;
  Bytes data(250, 0x05);
  Event(Join({Frame(data), Frame({0x05, 0x06})}));
  ASSERT_TRUE(s.RxFrameReady);
  EXPECT_EQ(s.RxFrame[5], 2);
  EXPECT_EQ(s.RxFrame[7], 0x06);

  s.RxFrameReady = false;
  Event(Frame(Bytes(249, 0x05)));
  ASSERT_TRUE(s.RxFrameReady) << "249 data bytes still fit";
  EXPECT_EQ(s.RxFrame[256], 0xAA);
}

TEST_F(Receive, FullBufferBehindAHeldReplyIsEmptiedInTheSameEvent) {
  s.ReplyWanted = true;
  Event(Frame({0x05}));
  ASSERT_TRUE(s.RxFrameReady);
  Event(Bytes(2048, 0x55));
  EXPECT_EQ(s.RxCount, 2048);
  Event({0x55});
  EXPECT_EQ(s.RxCount, 0);
  EXPECT_TRUE(s.RxFrameReady) << "the held reply survives";
}

TEST_F(Receive, BytesBeyondTheBufferAreDroppedNotWritten) {
  s.ReplyWanted = true;
  Event(Frame({0x05}));
  Event(Bytes(5000, 0x55));
  EXPECT_EQ(s.RxCount, 0);  // filled to the last index, then emptied
  Event(Bytes(1000, 0x55));
  EXPECT_EQ(s.RxCount, 1000);
}

}  // namespace
