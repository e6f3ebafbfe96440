#include <gtest/gtest.h>

#include "sim/SimFrame.h"

namespace {

using Bytes = std::vector<uint8_t>;

const Bytes SoundFrame{0x55, 0x00, 0x01, 0x56, 0x01, 0x06, 0x02,
                       0x01, 0x00, 0x01, 0x00, 0x02, 0x63, 0xAA};
const Bytes TypedFrame{0x55, 0x10, 0x02, 0x67, 0xFF, 0x02, 0x12, 0x03, 0x7D, 0xAA};

TEST(SimFrame, BuildsTheWorkedFrames) {
  EXPECT_EQ(BuildFrame({0x00, 0x01, 0x01, {0x02, 0x01, 0x00, 0x01, 0x00, 0x02}}), SoundFrame);
  EXPECT_EQ(
      BuildFrame({0x00, 0x03, 0x02, {0x05, 0x00, 0x00, 0x20, 0x10, 0x00}}),
      (Bytes{0x55, 0x00, 0x03, 0x58, 0x02, 0x06, 0x05, 0x00, 0x00, 0x20, 0x10, 0x00, 0x95, 0xAA}));
  EXPECT_EQ(BuildFrame({0x10, 0x02, 0xFF, {0x12, 0x03}}), TypedFrame);
  EXPECT_EQ(BuildFrame({0x00, 0x02, 0x05, {}}),
            (Bytes{0x55, 0x00, 0x02, 0x57, 0x05, 0x00, 0x5C, 0xAA}));
}

TEST(SimFrame, ReadsFramesWhateverTheChunking) {
  Bytes stream = SoundFrame;
  stream.insert(stream.end(), TypedFrame.begin(), TypedFrame.end());
  const std::vector<SimFrame> expected{{0x00, 0x01, 0x01, {0x02, 0x01, 0x00, 0x01, 0x00, 0x02}},
                                       {0x10, 0x02, 0xFF, {0x12, 0x03}}};
  for (size_t chunk : {size_t{1}, size_t{3}, size_t{13}, stream.size()}) {
    SimReader reader;
    std::vector<SimFrame> frames;
    for (size_t at = 0; at < stream.size(); at += chunk) {
      const auto piece = std::span(stream).subspan(at, std::min(chunk, stream.size() - at));
      for (SimFrame& f : ReadFrames(reader, piece)) frames.push_back(f);
    }
    EXPECT_EQ(frames, expected) << "chunks of " << chunk;
    EXPECT_TRUE(reader.buffer.empty());
  }
}

TEST(SimFrame, ResynchronisesOnTheNextStartByte) {
  Bytes badHeader = SoundFrame;
  badHeader[3] ^= 1;
  Bytes badSum = TypedFrame;
  badSum[8] ^= 1;
  Bytes badEnd = TypedFrame;
  badEnd.back() = 0x00;
  for (const Bytes& damaged : {Bytes{0x00, 0x13, 0x55, 0x55}, badHeader, badSum, badEnd}) {
    SimReader reader;
    Bytes stream = damaged;
    stream.insert(stream.end(), SoundFrame.begin(), SoundFrame.end());
    const auto frames = ReadFrames(reader, stream);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].sequence, 0x01);
    EXPECT_TRUE(reader.buffer.empty());
  }
}

TEST(SimFrame, KeepsAnIncompleteFrameAndDropsGarbage) {
  SimReader reader;
  EXPECT_TRUE(ReadFrames(reader, Bytes{0x01, 0x02, 0x03}).empty());
  EXPECT_TRUE(reader.buffer.empty());
  const Bytes head(SoundFrame.begin(), SoundFrame.end() - 1);
  EXPECT_TRUE(ReadFrames(reader, head).empty());
  EXPECT_EQ(reader.buffer, head);
  EXPECT_EQ(ReadFrames(reader, Bytes{0xAA}).size(), 1u);
}

}  // namespace
