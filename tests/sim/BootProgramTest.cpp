#include <gtest/gtest.h>

#include "sim/SimUnit.h"

namespace {

SimFrame Request(uint8_t target, uint16_t command, uint16_t parameter) {
  return {0x00, target, 0x01,
          {0x00, static_cast<uint8_t>(command), static_cast<uint8_t>(parameter >> 8), static_cast<uint8_t>(parameter)}};
}

SimFrame WriteRequest(uint8_t target, uint16_t address, const std::vector<uint8_t>& bytes) {
  SimFrame f = Request(target, 10, address);
  f.data.insert(f.data.end(), bytes.begin(), bytes.end());
  return f;
}

// The data bytes of the reply, or nothing when there is none.
std::vector<uint8_t> Data(SimUnit& unit, const SimFrame& request) {
  const auto reply = Answer(unit, request);
  if (!reply) return {};
  SimReader reader;
  const auto frames = ReadFrames(reader, *reply);
  EXPECT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].address, 0x00);
  EXPECT_NE(frames[0].type, 0x00);
  return frames[0].data;
}

using Bytes = std::vector<uint8_t>;

TEST(BootProgram, IdentifiesWithItsChipIdOnItsTargetsOnly) {
  SimUnit unit;
  BootChip(unit.boot, 0x0832);
  EXPECT_EQ(Data(unit, Request(2, 1, 0)), (Bytes{0x00, 0x01, 0x08, 0x32}));
  EXPECT_EQ(unit.boot.chipStart, 1024);
  EXPECT_EQ(unit.boot.blockSize, 512);
  unit.boot.targets = {2};
  EXPECT_TRUE(Data(unit, Request(3, 1, 0)).empty());
  EXPECT_FALSE(IsBootRequest({0x00, 1, 1, {0x02, 0x01, 0x00, 0x01, 0x00, 0x02}})) << "a panel command";
}

TEST(BootProgram, ErasesWholeBlocksAndWritesUndoingTheExchange) {
  SimUnit unit;
  BootChip(unit.boot, 0x0101);
  auto& flash = BootFlash(unit.boot, 1);
  flash.assign(flash.size(), 0x00);
  EXPECT_EQ(Data(unit, Request(1, 7, 0x0200)), (Bytes{0x00, 0x07}));
  EXPECT_EQ(flash[0x01FF], 0x00);
  EXPECT_EQ(flash[0x0200], 0xFF);
  EXPECT_EQ(flash[0x03FF], 0xFF);
  EXPECT_EQ(flash[0x0400], 0x00);
  EXPECT_EQ(Data(unit, Request(1, 7, 0x0280)), (Bytes{0x00, 0x02})) << "not a block start";

  Bytes wire(128, 0x11);
  wire[0] = 0x75;
  wire[1] = 0x53;
  EXPECT_EQ(Data(unit, WriteRequest(1, 0x0280, wire)), (Bytes{0x00, 0x0A}));
  EXPECT_EQ(flash[0x0280], 0x53);
  EXPECT_EQ(flash[0x0281], 0x75);
  EXPECT_EQ(flash[0x0282], 0x11);
  // Written again without an erase: bits only clear.
  Bytes again(128, 0x22);
  Data(unit, WriteRequest(1, 0x0280, again));
  EXPECT_EQ(flash[0x0282], 0x00);
  EXPECT_EQ(Data(unit, WriteRequest(1, 0x0281, wire)), (Bytes{0x00, 0x02}));
}

TEST(BootProgram, ChecksumFromChipStartAndControlRequests) {
  SimUnit unit;
  BootChip(unit.boot, 0x0301);
  auto& flash = BootFlash(unit.boot, 4);
  flash.assign(flash.size(), 0x00);
  flash[1023] = 0x80;  // below chip start: not counted
  flash[1024] = 0x01;
  flash[0x2000] = 0xFF;
  flash[0x2001] = 0xFF;  // beyond the requested end
  EXPECT_EQ(Data(unit, Request(4, 5, 0x2000)), (Bytes{0x00, 0x05, 0x01, 0x00}));
  EXPECT_TRUE(Data(unit, Request(4, 0, 1)).empty());
  EXPECT_TRUE(Data(unit, Request(4, 0, 2)).empty());
  EXPECT_EQ(unit.boot.restarts, 1);
  EXPECT_EQ(unit.boot.nextTargets, 1);
}

TEST(BootProgram, FaultKnobsByCountAndAtRandom) {
  SimUnit unit;
  unit.boot.refuse[7] = 2;
  unit.boot.silence[1] = 1;
  unit.boot.foreign[5] = 1;
  EXPECT_EQ(Data(unit, Request(1, 7, 0)), (Bytes{0x00, 0x02}));
  EXPECT_EQ(Data(unit, Request(1, 7, 0)), (Bytes{0x00, 0x02}));
  EXPECT_EQ(Data(unit, Request(1, 7, 0)), (Bytes{0x00, 0x07}));
  EXPECT_TRUE(Data(unit, Request(1, 1, 0)).empty());
  EXPECT_EQ(Data(unit, Request(1, 1, 0)).size(), 4u);
  EXPECT_NE(Data(unit, Request(1, 5, 0xFFFF))[1], 0x05);
  EXPECT_EQ(Data(unit, Request(1, 5, 0xFFFF))[1], 0x05);

  auto refusals = [](unsigned seed) {
    SimUnit u;
    u.boot.refuseChance = 0.3;
    u.boot.random.seed(seed);
    std::vector<bool> refused;
    for (int k = 0; k < 200; ++k) refused.push_back(Data(u, Request(1, 7, 0))[1] == 0x02);
    EXPECT_EQ(Data(u, Request(1, 1, 0))[1], 0x01) << "identify is spared";
    return refused;
  };
  const auto first = refusals(7);
  EXPECT_EQ(first, refusals(7)) << "a seed repeats";
  const auto count = std::count(first.begin(), first.end(), true);
  EXPECT_GT(count, 30);
  EXPECT_LT(count, 90);
}

}  // namespace
