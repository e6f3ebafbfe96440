// The simulated DSP flash loader: what it answers, what it does to its flash,
// and its fault knobs.
#include <gtest/gtest.h>

#include "sim/SimUnit.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Command(uint8_t command, uint32_t address = 0, Bytes block = {}) {
  Bytes data{0x44, 0x49, 0x70, command};
  if (command != DspPing)
    for (int shift = 24; shift >= 0; shift -= 8) data.push_back(static_cast<uint8_t>(address >> shift));
  data.insert(data.end(), block.begin(), block.end());
  return data;
}

// The status byte of the answer, 0 for none; a misaddressed answer gives 0x100 + status.
int Ask(SimUnit& unit, const Bytes& data, uint8_t address = DspLoaderAddress) {
  static uint8_t sequence = 0;
  const auto sends = Feed(unit, BuildFrame({0x00, address, ++sequence, data}));
  if (sends.empty()) return 0;
  SimReader reader;
  const auto frames = ReadFrames(reader, sends.front().bytes);
  EXPECT_EQ(frames.size(), 1u);
  const SimFrame& f = frames.front();
  EXPECT_EQ(f.type, UnitReplyType);
  EXPECT_EQ(f.sequence, sequence);
  EXPECT_EQ(Bytes(f.data.begin(), f.data.begin() + 3), (Bytes{0x44, 0x49, 0x70}));
  return f.data[3] + (f.address == 0 ? 0 : 0x100);
}

SimUnit AtSpeed() {
  SimUnit unit;
  EXPECT_TRUE(SetLineSettings(unit, "128000,N,8,1"));
  return unit;
}

TEST(DspLoader, HearsOnlyAt128000Baud) {
  SimUnit unit;
  EXPECT_EQ(Ask(unit, Command(DspPing)), 0);
  SetLineSettings(unit, "128000,N,8,1");
  EXPECT_EQ(Feed(unit, BuildFrame({0x00, 0x02, 0x01, Command(DspPing)})).front().bytes,
            (Bytes{0x55, 0x01, 0x00, 0x56, 0x01, 0x04, 0x44, 0x49, 0x70, 0x10, 0x68, 0xAA}));
  EXPECT_EQ(unit.dsp.pings, 1);
  // Other addresses and other commands are not the loader's.
  EXPECT_FALSE(IsDspCommand({0x00, 0x03, 1, Command(DspPing)}));
  EXPECT_FALSE(IsDspCommand({0x00, 0x02, 1, {0x44, 0x49, 0x71, 0x10}}));
  EXPECT_FALSE(IsDspCommand({0x00, 0x02, 1, {0x44, 0x49, 0x70}}));
}

TEST(DspLoader, EraseSetsTheWholeSectorAndWritingOnlyClearsBits) {
  SimUnit unit = AtSpeed();
  DspLoader& dsp = unit.dsp;
  EXPECT_EQ(Ask(unit, Command(DspErase, 0x7F123)), DspDone) << "the sector that holds the address";
  EXPECT_EQ(std::count(dsp.flash.begin(), dsp.flash.end(), 0xFF), 0x1000);
  EXPECT_EQ(dsp.flash[0x7F000], 0xFF);
  EXPECT_EQ(dsp.flash[0x7FFFF], 0xFF);
  EXPECT_EQ(dsp.flash[0x7EFFF], 0x00);

  EXPECT_EQ(Ask(unit, Command(DspWrite, 0x7FF80, Bytes(128, 0xF0))), DspDone);
  EXPECT_EQ(Ask(unit, Command(DspWrite, 0x7FF80, Bytes(128, 0x3C))), DspDone);
  EXPECT_EQ(dsp.flash[0x7FF80], 0x30) << "a second write without an erase shows";
  EXPECT_EQ(dsp.flash[0x7FF7F], 0xFF);
  EXPECT_EQ(Ask(unit, Command(DspWrite, 0x1000, Bytes(128, 0xFF))), DspDone);
  EXPECT_EQ(dsp.flash[0x1000], 0x00) << "an unerased sector stays as it was";
  EXPECT_EQ(std::make_pair(dsp.erases, dsp.writes), std::make_pair(1, 3));
}

TEST(DspLoader, MalformedOrOutsideCommandsAreRefusedAndChangeNothing) {
  SimUnit unit = AtSpeed();
  const auto before = unit.dsp.flash;
  EXPECT_EQ(Ask(unit, Command(DspErase, 0x80000)), DspFailed);
  EXPECT_EQ(Ask(unit, Command(DspWrite, 0x7FF81, Bytes(128, 0))), DspFailed);
  EXPECT_EQ(Ask(unit, Command(DspWrite, 0, Bytes(127, 0))), DspFailed);
  EXPECT_EQ(Ask(unit, Command(0x15, 0)), DspFailed);
  Bytes longPing = Command(DspPing);
  longPing.push_back(0);
  EXPECT_EQ(Ask(unit, longPing), DspFailed);
  EXPECT_TRUE(unit.dsp.flash == before);
  EXPECT_EQ(unit.dsp.pings + unit.dsp.erases + unit.dsp.writes, 0);
}

TEST(DspLoader, FaultsPerCommandAndMisaddressedAnswers) {
  SimUnit unit = AtSpeed();
  DspLoader& dsp = unit.dsp;
  dsp.erase.fail = 2;
  dsp.write.silent = 1;
  dsp.ping.silent = 1;
  EXPECT_EQ(Ask(unit, Command(DspPing)), 0);
  EXPECT_EQ(Ask(unit, Command(DspPing)), DspDone);
  EXPECT_EQ(Ask(unit, Command(DspErase, 0)), DspFailed);
  EXPECT_EQ(Ask(unit, Command(DspErase, 0)), DspFailed);
  EXPECT_EQ(dsp.flash[0], 0x00) << "a refused erase erases nothing";
  EXPECT_EQ(Ask(unit, Command(DspErase, 0)), DspDone);
  EXPECT_EQ(Ask(unit, Command(DspWrite, 0, Bytes(128, 0x12))), 0);
  EXPECT_EQ(dsp.flash[0], 0xFF) << "an ignored write writes nothing";
  dsp.misaddressed = 1;
  EXPECT_EQ(Ask(unit, Command(DspWrite, 0, Bytes(128, 0x12))), 0x100 + DspDone);
  EXPECT_EQ(Ask(unit, Command(DspPing)), DspDone);
  EXPECT_EQ(dsp.flash[0], 0x12);
}

TEST(DspLoader, RandomFaultsRepeatFromTheirSeed) {
  auto run = [](unsigned seed) {
    SimUnit unit = AtSpeed();
    unit.dsp.random.seed(seed);
    unit.dsp.failChance = 0.2;
    unit.dsp.silentChance = 0.1;
    std::vector<int> answers;
    for (int k = 0; k < 1000; ++k) answers.push_back(Ask(unit, Command(DspPing)));
    return answers;
  };
  const auto first = run(7);
  EXPECT_EQ(run(7), first);
  EXPECT_NE(run(8), first);
  const int silent = static_cast<int>(std::count(first.begin(), first.end(), 0));
  const int refused = static_cast<int>(std::count(first.begin(), first.end(), DspFailed));
  EXPECT_NEAR(silent, 100, 40);
  EXPECT_NEAR(refused, 200, 50);
  EXPECT_EQ(silent + refused + std::count(first.begin(), first.end(), DspDone), 1000);
}

}  // namespace
