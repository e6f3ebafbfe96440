#include <gtest/gtest.h>

#include "sim/VirtualLink.h"

namespace {

using Bytes = std::vector<uint8_t>;

const Bytes Request = BuildFrame({0x00, 0x01, 0x01, {0x02, 0x01, 0x00, 0x01, 0x00, 0x02}});
const Bytes Reply = BuildFrame({UnitReplyType, 0x00, 0x01, {0x02}});
constexpr double ByteTime = 10 / 38400.0;

// Records every receive event with the virtual time it ran at.
struct Arrivals {
  std::vector<double> times;
  Bytes bytes;
  void Attach(VirtualLink& link) {
    link.port.Received = [this, &link](std::span<const uint8_t> b) {
      times.push_back(link.scheduler.now);
      bytes.insert(bytes.end(), b.begin(), b.end());
    };
  }
};

TEST(SimPump, WaitsForTheConditionOrTheDeadline) {
  Scheduler scheduler;
  VirtualPump pump{scheduler};
  std::vector<int> order;
  At(scheduler, 2.0, [&] { order.push_back(2); });
  At(scheduler, 1.0, [&] { order.push_back(1); });
  At(scheduler, 1.0, [&] { order.push_back(11); });
  At(scheduler, 5.0, [&] { order.push_back(5); });

  EXPECT_TRUE(pump.WaitUntil(0.5, [] { return true; }));
  EXPECT_EQ(pump.Now(), 0.0);
  EXPECT_TRUE(pump.WaitUntil(10.0, [&] { return order.size() == 2; }));
  EXPECT_EQ(pump.Now(), 1.0);
  // An event due exactly at the deadline still runs before the wait gives up.
  EXPECT_TRUE(pump.WaitUntil(2.0, [&] { return order.size() == 3; }));
  EXPECT_FALSE(pump.WaitUntil(3.0, [] { return false; }));
  EXPECT_EQ(pump.Now(), 3.0);
  EXPECT_EQ(order, (std::vector<int>{1, 11, 2}));
  // A deadline already passed never turns the clock back.
  EXPECT_FALSE(pump.WaitUntil(1.0, [] { return false; }));
  EXPECT_EQ(pump.Now(), 3.0);
}

TEST(SimPort, ListsOpensAndRefuses) {
  VirtualLink link;
  link.port.present = {{1, "/dev/ttyS0"}, {3, "/dev/ttyUSB0"}};
  link.port.busy = 3;
  EXPECT_EQ(link.port.Ports().size(), 2u);
  EXPECT_FALSE(link.port.Open(2, "38400,N,8,1"));
  EXPECT_FALSE(link.port.Open(3, "38400,N,8,1"));
  EXPECT_FALSE(link.port.Open(1, "fast"));
  EXPECT_FALSE(link.port.IsOpen());
  EXPECT_TRUE(link.port.Open(1, "38400,N,8,1"));
  EXPECT_FALSE(link.port.Probe(1));
  EXPECT_TRUE(link.port.SetSettings("128000,N,8,1"));
  EXPECT_DOUBLE_EQ(link.unit.baud, 128000);
  link.port.Close();
  EXPECT_TRUE(link.port.Probe(1));
  link.port.Write(Request);
  EXPECT_EQ(link.port.dropped.size(), 1u);
  EXPECT_TRUE(link.port.writes.empty());
  link.pump.WaitUntil(1.0, [] { return false; });
  EXPECT_TRUE(link.unit.received.empty());
}

TEST(SimPort, RequestAndReplyTakeTheirWireTime) {
  VirtualLink link;
  Arrivals arrivals;
  arrivals.Attach(link);
  ASSERT_TRUE(link.port.Open(1, "38400,N,8,1"));
  link.port.Write(Request);
  link.port.Write(Request);  // queued behind the first on the wire
  EXPECT_TRUE(link.unit.received.empty());
  EXPECT_TRUE(link.pump.WaitUntil(1.0, [&] { return !link.unit.received.empty(); }));
  EXPECT_DOUBLE_EQ(link.pump.Now(), 14 * ByteTime);
  EXPECT_TRUE(link.pump.WaitUntil(1.0, [&] { return arrivals.times.size() == 2; }));
  // The first reply crosses while the second request is still on the wire.
  EXPECT_DOUBLE_EQ(arrivals.times[0], (14 + 9) * ByteTime);
  EXPECT_DOUBLE_EQ(arrivals.times[1], (28 + 9) * ByteTime);
  Bytes both = Reply;
  both.insert(both.end(), Reply.begin(), Reply.end());
  EXPECT_EQ(arrivals.bytes, both);
  EXPECT_EQ(link.port.writes, (std::vector<Bytes>{Request, Request}));
}

TEST(SimPort, SplitNoiseAndDelayReachTheHostAsScripted) {
  VirtualLink link;
  Arrivals arrivals;
  arrivals.Attach(link);
  link.unit.noise = {0x13};
  link.unit.split = 5;
  link.unit.replyDelay = 0.5;
  ASSERT_TRUE(link.port.Open(1, "38400,N,8,1"));
  link.port.Write(Request);
  link.pump.WaitUntil(5.0, [] { return false; });
  Bytes expected{0x13};
  expected.insert(expected.end(), Reply.begin(), Reply.end());
  EXPECT_EQ(arrivals.bytes, expected);
  ASSERT_EQ(arrivals.times.size(), 2u);
  EXPECT_DOUBLE_EQ(arrivals.times[0], 14 * ByteTime + 0.5 + 5 * ByteTime);
  EXPECT_DOUBLE_EQ(arrivals.times[1], 14 * ByteTime + 0.5 + 10 * ByteTime);
}

TEST(SimPort, RepliesInFlightAreLostWhenThePortCloses) {
  VirtualLink link;
  Arrivals arrivals;
  arrivals.Attach(link);
  link.unit.replyDelay = 1.0;
  ASSERT_TRUE(link.port.Open(1, "38400,N,8,1"));
  link.port.Write(Request);
  link.pump.WaitUntil(0.5, [] { return false; });
  link.port.Close();
  ASSERT_TRUE(link.port.Open(1, "38400,N,8,1"));
  link.pump.WaitUntil(5.0, [] { return false; });
  EXPECT_EQ(link.unit.received.size(), 1u);
  EXPECT_TRUE(arrivals.times.empty());
}

}  // namespace
