// Memory batches: the port text, the command frames, the pacing, the result
// files and the dumps, against the simulated unit in virtual time.
#include <gtest/gtest.h>

#include <filesystem>

#include "images/Files.h"
#include "TestApp.h"
#include "batch/Basic.h"
#include "batch/Batch.h"

namespace {

namespace Main = DesktopFormControls;
using Bytes = std::vector<uint8_t>;

struct Batch : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  MapControls& c = t.controls;
  std::vector<Bytes>& writes = t.link.port.writes;
  const BatchSlot& slot = BatchSlots::All[0];
  void SetUp() override {
    ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1"));
    for (const BatchSlot& s : BatchSlots::All) std::filesystem::remove(BatchResultPath(a, s));
  }
  // The command bytes of a frame.
  static Bytes Data(const Bytes& frame) { return Bytes(frame.begin() + 6, frame.end() - 2); }
};

TEST_F(Batch, WorkedFramesForAReadAndAWrite) {
  a.link.TxSequence = 0xF9;  // location 7 goes out with the counter at 00 before it
  BatchCommandRW(a, "3A:10", "R", 8);
  ASSERT_EQ(writes.size(), 8u);
  EXPECT_EQ(writes[7], (Bytes{0x55, 0x00, 0x3A, 0x8F, 0x01, 0x04, 0x44, 0x10, 0x00, 0x07, 0xEF, 0xAA}));

  writes.clear();
  a.link.TxSequence = 0xFA;
  a.code.Buffer[7] = 0x5A;
  a.code.Buffer[0] = 0x00;
  a.code.Buffer[1] = 0x05;
  BatchCommandRW(a, "3A:10", "W", 8);
  ASSERT_EQ(writes.size(), 8u);
  EXPECT_EQ(writes[7], (Bytes{0x55, 0x00, 0x3A, 0x8F, 0x02, 0x06, 0x44, 0x10, 0x01, 0x07, 0x00, 0x5A, 0x4D, 0xAA}));
  EXPECT_EQ(Data(writes[0]), (Bytes{0x44, 0x10, 0x01, 0x00, 0x00, 0x00}));
  EXPECT_EQ(Data(writes[1]), (Bytes{0x44, 0x10, 0x01, 0x01, 0x00, 0x05}));
  // Any mode but "W" reads.
  writes.clear();
  BatchCommandRW(a, "3A:10", "w", 1);
  EXPECT_EQ(Data(writes.at(0)), (Bytes{0x44, 0x10, 0x00, 0x00}));
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Batch, PortTextRules) {
  const struct {
    const char* text;
    uint8_t port;
    Bytes head;
  } good[] = {
      {"3a:1", 0x3A, {0x44, 0x01}}, {"3:10", 0x03, {0x44, 0x10}}, {"3A:105", 0x3A, {0x44, 0x10}},
      {"3A:1G", 0x3A, {0x44, 0x01}}, {"03:ff", 0x03, {0x44, 0xFF}}, {"3A x:7", 0x3A, {0x44, 0x07}},
  };
  for (const auto& g : good) {
    writes.clear();
    BatchCommandRW(a, g.text, "R", 256);
    ASSERT_EQ(writes.size(), 256u) << g.text;
    EXPECT_EQ(writes[0][2], g.port) << g.text;
    Bytes first = g.head, last = g.head;
    first.insert(first.end(), {0x00, 0x00});
    last.insert(last.end(), {0x00, 0xFF});
    EXPECT_EQ(Data(writes[0]), first) << g.text;
    EXPECT_EQ(Data(writes[255]), last) << g.text;
  }
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Batch, MalformedPortTextIsRefusedOnceAndSendsNothing) {
  // The last three name no port or a sub-address that is not hex: every
  // command would be refused by the encoder, so the batch refuses them whole.
  for (const char* bad : {"", "3", "3A", "3A:", "3A 10", ":10", "G:10", "3A:G1", "3A:-"}) {
    t.dialogs.messages.clear();
    const double start = t.link.pump.Now();
    BatchCommandRW(a, bad, "R", 256);
    EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"BatchCommandRW,出错"}) << bad;
    EXPECT_EQ(t.link.pump.Now(), start) << bad;
  }
  EXPECT_TRUE(writes.empty());
}

TEST_F(Batch, PacedFromEachSendWithTheWindowLive) {
  bool ranMeanwhile = false;
  At(t.link.scheduler, 10.0, [&] { ranMeanwhile = true; });
  const double start = t.link.pump.Now();
  BatchCommandRW(a, "3A:10", "R", 256);
  const double took = t.link.pump.Now() - start;
  EXPECT_GE(took, 25.6);
  EXPECT_LT(took, 25.6 + 0.1) << "no more than the pacing";
  EXPECT_TRUE(ranMeanwhile);
  // Replies were taken and thrown away as they came.
  EXPECT_EQ(t.link.unit.received.size(), 256u);
  EXPECT_FALSE(a.link.RxFrameReady);
  EXPECT_EQ(a.link.RxCount, 0);
}

TEST_F(Batch, ReadSavesTheClearedBufferAndShowsBothDumps) {
  a.BatchReadBuffer.fill(7);
  a.code.Buffer[0] = 0x02;
  a.code.Buffer[255] = 0xFF;
  c.SetText(slot.port, "3A:10");
  BatchButtonRead_Click(a, slot);
  EXPECT_EQ(writes.size(), 256u);
  const Bytes saved = ReadFile(BatchResultPath(a, slot));
  EXPECT_EQ(saved, Bytes(256, 0x00));
  EXPECT_TRUE(std::all_of(a.BatchReadBuffer.begin(), a.BatchReadBuffer.end(), [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(c.Text(Main::BatchTxText), HexDump(a.code.Buffer, 255));
  EXPECT_EQ(c.Text(Main::BatchRxText), HexDump(Bytes(256, 0), 255));
  EXPECT_EQ(c.Text(Main::Text6), c.Text(Main::BatchRxText));
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Batch, FailedBatchStillWritesTheFileAndTheDumps) {
  c.SetText(slot.port, "3A");
  BatchButtonRead_Click(a, slot);
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"BatchCommandRW,出错"});
  EXPECT_TRUE(writes.empty());
  EXPECT_EQ(ReadFile(BatchResultPath(a, slot)).size(), 256u);
  EXPECT_EQ(c.Text(Main::BatchRxText), HexDump(Bytes(256, 0), 255));
}

TEST_F(Batch, WriteReloadsTheFileSendsItAndKeepsTheReadBuffer) {
  Bytes image(300);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 3 + 1);
  const std::string path = WriteFile("batch-image.bin", std::string(image.begin(), image.end()));
  c.SetText(slot.file, path);
  c.SetText(slot.port, "3A:10");
  a.code.Buffer[0] = 0x99;  // stale: the file is loaded again
  a.BatchReadBuffer[0] = 9;
  BatchButtonWrite_Click(a, slot);
  ASSERT_EQ(writes.size(), 256u);
  const auto& memory = t.link.unit.memory.blocks[{0x3A, 0x10}];
  EXPECT_TRUE(std::equal(memory.begin(), memory.end(), image.begin()));
  const Bytes saved = ReadFile(BatchResultPath(a, slot));
  ASSERT_EQ(saved.size(), 256u);
  EXPECT_EQ(saved[0], 9);
  EXPECT_EQ(c.Text(Main::BatchTxText), HexDump(image, 255));
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Batch, OpenLoadsAndShowsTheImageAndACancelChangesNothing) {
  const std::string path = WriteFile("open.bin", std::string("\x02\x00\x4C", 3));
  c.SetText(Main::BatchRxText, "接收数据");
  t.dialogs.picks = {path};
  const BatchSlot& third = BatchSlots::All[2];
  BatchButtonOpen_Click(a, third);
  EXPECT_EQ(t.dialogs.filters.back(), "Burn File|*.bat;*.Txt;*.Hex;*.Bin;*.Tot;*.Val");
  EXPECT_EQ(c.Text(third.file), path);
  EXPECT_EQ(c.Text(Main::BatchTxText).substr(57, 13), "0000:02 00 4C");
  EXPECT_EQ(c.Text(Main::BatchRxText), "接收数据");

  c.SetText(Main::BatchTxText, "发送数据");
  BatchButtonOpen_Click(a, third);
  EXPECT_EQ(c.Text(third.file), path);
  EXPECT_EQ(c.Text(Main::BatchTxText), "发送数据");
  EXPECT_TRUE(writes.empty());
}

TEST_F(Batch, EachSlotHasItsOwnResultFile) {
  std::vector<std::string> names;
  for (const BatchSlot& s : BatchSlots::All) {
    c.SetText(s.port, "3");  // refused at once, still saved
    BatchButtonRead_Click(a, s);
    EXPECT_TRUE(std::filesystem::exists(BatchResultPath(a, s)));
    names.push_back(std::filesystem::path(BatchResultPath(a, s)).filename().string());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"VellBatchRead1.Bin", "VellBatchRead2.Bin", "VellBatchRead3.Bin"}));
}

TEST_F(Batch, UnwritableResultFileIsReported) {
  std::filesystem::create_directories(BatchResultPath(a, slot));  // a folder where the file should go
  c.SetText(slot.port, "3");
  BatchButtonRead_Click(a, slot);
  EXPECT_EQ(t.dialogs.messages, (std::vector<std::string>{"BatchCommandRW,出错", "SaveFile_Bin, 出错 !"}));
  std::filesystem::remove(BatchResultPath(a, slot));
}

}  // namespace
