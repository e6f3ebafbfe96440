#include <gtest/gtest.h>

#include "sim/SimUnit.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Request(uint8_t sequence, Bytes data) {
  return BuildFrame({0x00, 0x01, sequence, std::move(data)});
}

Bytes Joined(const std::vector<SimSend>& sends) {
  Bytes all;
  for (const SimSend& s : sends) all.insert(all.end(), s.bytes.begin(), s.bytes.end());
  return all;
}

TEST(SimUnit, AcknowledgesEachRequestWithItsSequenceAndFirstByte) {
  SimUnit unit;
  Bytes stream = Request(0x07, {0x05, 0x00, 0x20});
  const Bytes empty = Request(0x08, {});
  stream.insert(stream.end(), empty.begin(), empty.end());
  Bytes replies;
  for (uint8_t byte : stream) {  // one byte at a time, as a slow line delivers them
    const Bytes r = Joined(Feed(unit, std::span(&byte, 1)));
    replies.insert(replies.end(), r.begin(), r.end());
  }
  Bytes expected = BuildFrame({UnitReplyType, 0x00, 0x07, {0x05}});
  const Bytes second = BuildFrame({UnitReplyType, 0x00, 0x08, {}});
  expected.insert(expected.end(), second.begin(), second.end());
  EXPECT_EQ(replies, expected);
  ASSERT_EQ(unit.received.size(), 2u);
  EXPECT_EQ(unit.received[0], (SimFrame{0x00, 0x01, 0x07, {0x05, 0x00, 0x20}}));
}

TEST(SimUnit, SilenceSkipsAnswersButLogsRequests) {
  SimUnit unit;
  unit.silentFrames = 2;
  EXPECT_TRUE(Feed(unit, Request(1, {0x44})).empty());
  EXPECT_TRUE(Feed(unit, Request(2, {0x44})).empty());
  EXPECT_FALSE(Feed(unit, Request(3, {0x44})).empty());
  unit.silent = true;
  EXPECT_TRUE(Feed(unit, Request(4, {0x44})).empty());
  EXPECT_EQ(unit.received.size(), 4u);
}

TEST(SimUnit, ShapesAnswersWithNoiseSplitAndDelay) {
  SimUnit unit;
  unit.noise = {0x00, 0xFF};
  unit.split = 4;
  unit.replyDelay = 0.25;
  const auto sends = Feed(unit, Request(9, {0x02}));
  Bytes expected = unit.noise;
  const Bytes reply = BuildFrame({UnitReplyType, 0x00, 0x09, {0x02}});
  expected.insert(expected.end(), reply.begin(), reply.end());
  EXPECT_EQ(Joined(sends), expected);
  ASSERT_EQ(sends.size(), 3u);  // 2 + 9 bytes in pieces of 4
  EXPECT_EQ(sends[2].bytes.size(), 3u);
  EXPECT_DOUBLE_EQ(sends[0].delay, 0.25);
  EXPECT_DOUBLE_EQ(sends[1].delay, 0.0);
}

TEST(SimUnit, TakesTheSpeedFromTheSettingsText) {
  SimUnit unit;
  EXPECT_TRUE(SetLineSettings(unit, "128000,N,8,1"));
  EXPECT_DOUBLE_EQ(WireTime(unit, 128), 0.01);
  for (const char* bad : {"", "N,8,1", "0,N,8,1", "38400x,N,8,1"})
    EXPECT_FALSE(SetLineSettings(unit, bad)) << bad;
  EXPECT_DOUBLE_EQ(unit.baud, 128000);
  EXPECT_TRUE(SetLineSettings(unit, "38400,N,8,1"));
  EXPECT_DOUBLE_EQ(WireTime(unit, 14), 14 * 10 / 38400.0);
}

}  // namespace
