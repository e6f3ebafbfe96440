// The simulated unit's HDMI register banks and memory, as the wire sees them.
#include <gtest/gtest.h>

#include "sim/SimUnit.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Data bytes of the unit's one answer to a request with these data bytes.
std::optional<Bytes> Ask(SimUnit& unit, Bytes data, uint8_t address = 0x03, uint8_t sequence = 9) {
  const auto answer = Answer(unit, {0x00, address, sequence, std::move(data)});
  if (!answer) return std::nullopt;
  SimReader reader;
  const auto frames = ReadFrames(reader, *answer);
  EXPECT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].type, UnitReplyType);
  EXPECT_EQ(frames[0].address, 0x00) << "replies go to the host";
  EXPECT_EQ(frames[0].sequence, sequence);
  return frames[0].data;
}

TEST(HdmiChips, ReadsRepeatTheRequestWithTheValueAndWritesLand) {
  SimUnit unit;
  const std::pair<uint8_t, RegisterBank*> chips[] = {
      {0x10, &unit.hdmi.ad8197}, {0x20, &unit.hdmi.ad9880}, {0x30, &unit.hdmi.ad9889}};
  for (auto [code, bank] : chips) {
    EXPECT_EQ(Ask(unit, {0x05, 0x00, 0x00, code, 0x41, 0x00}),
              (Bytes{0x05, 0x00, 0x00, code, 0x41, (*bank)[0x41]}));
    EXPECT_EQ(Ask(unit, {0x05, 0x00, 0x00, static_cast<uint8_t>(code + 1), 0x41, 0x5A}),
              (Bytes{0x05, 0x00, 0x00, static_cast<uint8_t>(code + 1), 0x41, 0x5A}));
    EXPECT_EQ((*bank)[0x41], 0x5A);
    EXPECT_EQ(Ask(unit, {0x05, 0x00, 0x00, code, 0x41, 0x00})->back(), 0x5A);
  }
  // Each chip keeps its own bank.
  EXPECT_NE(PowerOnBank(0x20), PowerOnBank(0x30));
  unit.hdmi.ad9880[0xFF] = 0x12;
  EXPECT_EQ(Ask(unit, {0x05, 0x00, 0x00, 0x30, 0xFF, 0x00})->back(), PowerOnBank(0x30)[0xFF]);
}

TEST(HdmiChips, OtherCommandsGetTheGeneralAnswer) {
  SimUnit unit;
  for (const Bytes& other : {Bytes{0x05, 0x00, 0x00, 0x01, 0x00, 0x00}, Bytes{0x05, 0x00, 0x00, 0x40, 0x00, 0x00},
                             Bytes{0x05, 0x00, 0x00, 0x22, 0x00, 0x00}, Bytes{0x05, 0x00, 0x00, 0x20, 0x00},
                             Bytes{0x44, 0x70, 0xA1, 0x00, 0x00, 0x00}, Bytes{0x44, 0x10, 0x00}})
    EXPECT_EQ(Ask(unit, other), (Bytes{other[0]}));
}

TEST(HdmiChips, FaultsAtOneRegister) {
  SimUnit unit;
  unit.hdmi.silentAt = 0x40;
  EXPECT_FALSE(Ask(unit, {0x05, 0x00, 0x00, 0x20, 0x40, 0x00}));
  EXPECT_TRUE(Ask(unit, {0x05, 0x00, 0x00, 0x20, 0x3F, 0x00}));
  EXPECT_TRUE(Ask(unit, {0x05, 0x00, 0x00, 0x21, 0x40, 0x07})) << "writes are still answered";
  unit.hdmi = {};
  unit.hdmi.wrongRegisterAt = 0x40;
  EXPECT_EQ((*Ask(unit, {0x05, 0x00, 0x00, 0x30, 0x40, 0x00}))[4], 0x41);
  unit.hdmi = {};
  unit.hdmi.wrongChipAt = 0x40;
  EXPECT_EQ((*Ask(unit, {0x05, 0x00, 0x00, 0x30, 0x40, 0x00}))[3], 0x20);
  EXPECT_EQ((*Ask(unit, {0x05, 0x00, 0x00, 0x20, 0x40, 0x00}))[3], 0x30);
}

TEST(SimMemory, WritesAreReadBackPerPortAndSubAddress) {
  SimUnit unit;
  EXPECT_EQ(Ask(unit, {0x44, 0x10, 0x00, 0x07}), (Bytes{0x44, 0x10, 0x00, 0x07, 0x00}));
  EXPECT_EQ(Ask(unit, {0x44, 0x10, 0x01, 0x07, 0x00, 0x5A}, 0x3A), (Bytes{0x44, 0x10, 0x01, 0x07, 0x00, 0x5A}));
  EXPECT_EQ(Ask(unit, {0x44, 0x10, 0x00, 0x07}, 0x3A)->back(), 0x5A);
  EXPECT_EQ(Ask(unit, {0x44, 0x11, 0x00, 0x07}, 0x3A)->back(), 0x00) << "another sub-address";
  EXPECT_EQ(Ask(unit, {0x44, 0x10, 0x00, 0x07}, 0x3B)->back(), 0x00) << "another port";
  EXPECT_EQ((unit.memory.blocks[{0x3A, 0x10}][0x07]), 0x5A);
}

}  // namespace
