// Memory batches against the simulated unit in virtual time: the port text,
// the frames, the pacing, the result files and the dumps.
#include <filesystem>

#include "TestApp.h"
#include "batch/Basic.h"
#include "batch/Batch.h"

namespace {

namespace Main = DesktopFormControls;

struct Batch : AppTest {
  const BatchSlot& slot = BatchSlots::All[0];
  void SetUp() override {
    for (const BatchSlot& s : BatchSlots::All) std::filesystem::remove_all(BatchResultPath(a, s));
    std::filesystem::remove_all(TestFolder() + "fresh-data");
  }
};

const std::string Header = ";    00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n\r\n";

TEST_F(Batch, WorkedFramesForAReadAndAWriteAndThePacing) {
  a.link.TxSequence = 0xF9;  // location 7 goes out with the counter at 00 before it
  BatchCommandRW(a, "3A:10", "R", 8);
  ASSERT_EQ(writes.size(), 8u);
  EXPECT_EQ(writes[7], (Bytes{0x55, 0x00, 0x3A, 0x8F, 0x01, 0x04, 0x44, 0x10, 0x00, 0x07, 0xEF, 0xAA}));
  a.link.TxSequence = 0xFA;
  a.code.Buffer[7] = 0x5A;
  a.code.Buffer[1] = 0x05;
  BatchCommandRW(a, "3A:10", "W", 8);
  EXPECT_EQ(writes[15], (Bytes{0x55, 0x00, 0x3A, 0x8F, 0x02, 0x06, 0x44, 0x10, 0x01, 0x07, 0x00, 0x5A, 0x4D, 0xAA}));
  EXPECT_EQ(DataText(writes[9]), "4410 0101 0005");
  BatchCommandRW(a, "3A:10", "w", 1);
  EXPECT_EQ(Sent(), "4410 0000") << "any mode but W reads";

  // Paced from each send, with the window live.
  t.link.unit.received.clear();
  const double start = Now();
  bool ranMeanwhile = false;
  At(start + 10.0, [&] { ranMeanwhile = true; });
  EXPECT_EQ(BatchCommandRW(a, "3A:10", "R", 300).sent, 256) << "one byte names the location";
  EXPECT_GE(Now() - start, 25.6);
  EXPECT_LT(Now() - start, 25.6 + 0.1) << "no more than the pacing";
  EXPECT_TRUE(ranMeanwhile);
  // Replies were taken and thrown away as they came.
  EXPECT_EQ(t.link.unit.received.size(), 256u);
  EXPECT_FALSE(a.link.RxFrameReady);
  EXPECT_EQ(a.link.RxCount, 0);
}

TEST_F(Batch, PortTexts) {
  const struct {
    const char* text;
    const char* head;  // port and first group of the commands; empty when refused
  } cases[] = {
      {"3a:1", "3A 4401"}, {"3:10", "03 4410"}, {"3A:105", "3A 4410"}, {"3A:1G", "3A 4401"}, {"03:ff", "03 44FF"},
      {"3A x:7", "3A 4407"}, {"", ""}, {"3", ""}, {"3A", ""}, {"3A:", ""}, {"3A 10", ""}, {":10", ""}, {"G:10", ""},
      {"3A:G1", ""}, {"3A:-", ""},
  };
  for (const auto& k : cases) {
    writes.clear();
    t.dialogs.messages.clear();
    const double start = Now();
    const BatchOutcome outcome = BatchCommandRW(a, k.text, "R", 256);
    const bool good = *k.head != 0;
    EXPECT_EQ(outcome.end, good ? BatchEnd::Sent : BatchEnd::BadPortText) << k.text;
    EXPECT_EQ(outcome.sent, good ? 256 : 0) << k.text;
    EXPECT_EQ(t.dialogs.messages, std::vector<std::string>(!good, "BatchCommandRW,出错")) << k.text;
    if (!good) {
      EXPECT_EQ(Now(), start) << k.text;
      continue;
    }
    char first[16];
    std::snprintf(first, sizeof first, "%02X %s", writes[0][2], DataText(writes[0]).substr(0, 4).c_str());
    EXPECT_EQ(first, std::string(k.head)) << k.text;
    EXPECT_EQ(DataText(writes[255]).substr(5), "00FF") << k.text;
  }
  port.Close();
  EXPECT_EQ(BatchCommandRW(a, "3A:10", "R", 256).end, BatchEnd::PortClosed);
}

TEST_F(Batch, ReadWriteAndOpenSaveTheResultAndShowTheDumps) {
  a.BatchReadBuffer.fill(7);
  a.code.Buffer[255] = 0xFF;
  a.dataFolder = TestFolder() + "fresh-data";  // made when missing
  c.SetText(slot.port, "3A:10");
  BatchOutcome outcome = BatchButtonRead_Click(a, slot);
  EXPECT_EQ(outcome.sent, 256);
  EXPECT_TRUE(outcome.saved);
  EXPECT_TRUE(BatchResultPath(a, BatchSlots::All[2]).ends_with("/VellBatchRead3.Bin"));
  EXPECT_EQ(ReadFile(BatchResultPath(a, slot)), Bytes(256, 0x00)) << "the read buffer, cleared";
  EXPECT_EQ(a.BatchReadBuffer[1024], 0);
  EXPECT_EQ(c.Text(Main::BatchTxText), HexDump(a.code.Buffer, 255));
  EXPECT_EQ(c.Text(Main::BatchRxText), HexDump(Bytes(256, 0), 255));
  EXPECT_EQ(c.Text(Main::Text6), c.Text(Main::BatchRxText));

  // A write reloads its file, sends its first 256 bytes and keeps the read buffer.
  Bytes image(300);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 3 + 1);
  c.SetText(slot.file, WriteFile("batch-image.bin", std::string(image.begin(), image.end())));
  a.code.Buffer[0] = 0x99;
  a.BatchReadBuffer[0] = 9;
  outcome = BatchButtonWrite_Click(a, slot);
  EXPECT_EQ(outcome.sent, 256);
  const auto& memory = t.link.unit.memory.blocks[{0x3A, 0x10}];
  EXPECT_TRUE(std::equal(memory.begin(), memory.end(), image.begin()));
  EXPECT_EQ(ReadFile(BatchResultPath(a, slot))[0], 9);
  EXPECT_EQ(c.Text(Main::BatchTxText), HexDump(image, 255));
  EXPECT_TRUE(t.dialogs.messages.empty());

  // A port text that is refused still saves the result; a folder in its place is reported.
  std::filesystem::create_directories(BatchResultPath(a, BatchSlots::All[1]));
  c.SetText(BatchSlots::All[1].port, "3");
  outcome = BatchButtonRead_Click(a, BatchSlots::All[1]);
  EXPECT_EQ(std::make_tuple(outcome.end, outcome.sent, outcome.saved), std::make_tuple(BatchEnd::BadPortText, 0, false));
  EXPECT_EQ(t.dialogs.messages, (std::vector<std::string>{"BatchCommandRW,出错", "SaveFile_Bin, 出错 !"}));

  // Open loads the chosen image and shows it.
  a.code.Buffer[0x10000] = 5;  // outside the image's checksum range
  const std::string path = HexImage("open.hex", {0x02, 0x00, 0x4C});
  t.dialogs.picks = {path};
  BatchButtonOpen_Click(a, BatchSlots::All[2]);
  EXPECT_EQ(c.Text(BatchSlots::All[2].file), path);
  EXPECT_EQ(c.Text(Main::BatchTxText).substr(Header.size(), 16), "0000:02 00 4C 00") << "a 0x00 fill";
  EXPECT_EQ(a.code.Checksum, 0x02 + 0x4C);
}

}  // namespace
