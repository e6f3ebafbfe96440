// The production log: a record for every target a burn is done with, and
// the line each record becomes.
#include <regex>

#include "TestApp.h"
#include "burner/BurnEngine.h"
#include "burner/ProductionLog.h"

namespace {

namespace Main = DesktopFormControls;
using ProductionLog = AppTest;

TEST_F(ProductionLog, EveryVerifiedTargetAndTheFailureAreRecorded) {
  ReadyToBurn(0x0101, HexImage("log.hex", Pattern(0x800, 3)));
  c.SetTicked(Main::UpdateCheckAutoBurn, true);
  t.link.unit.boot.nextUnitAfter = 1;
  std::vector<BurnOutcome> records;
  a.targetBurned = [&](const BurnOutcome& o) { records.push_back(o); };
  // The third unit refuses every erase.
  When(Main::UpdateLabelBurnTotal, "统计: 2", [&] { t.link.unit.boot.refuseChance = 1; });
  const BurnOutcome outcome = UpdateButtonUpdate_Click(a);
  EXPECT_EQ(outcome.end, BurnEnd::EraseFailed);
  ASSERT_EQ(records.size(), 3u);
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(records[k].end, BurnEnd::Finished);
    EXPECT_EQ(records[k].good, k + 1);
    EXPECT_EQ(records[k].verifySum, records[k].imageChecksum);
    EXPECT_EQ(records[k].image, ::testing::TempDir() + "log.hex");
    EXPECT_GT(records[k].seconds, 0.1);
  }
  EXPECT_EQ(records[2].end, BurnEnd::EraseFailed);
  EXPECT_EQ(records[2].errors, 100);

  // A run that ends because no further unit came records nothing more.
  records.clear();
  t.link.unit.boot.refuseChance = 0;
  When(Main::UpdateLabelBurnTotal, "统计: 1", [&] { t.link.unit.boot.targets.clear(); });
  EXPECT_EQ(UpdateButtonUpdate_Click(a).end, BurnEnd::NextNotFound);
  EXPECT_EQ(records.size(), 1u);
}

TEST(ProductionLogLine, FieldsAndEscapes) {
  BurnOutcome o;
  o.end = BurnEnd::VerifyFailed;
  o.target = 2;
  o.image = "C:\\line \"A\".hex";
  o.identified = true;
  o.chipId = 0x0832;
  o.imageChecksum = 0x1234;
  o.verifySum = 0xBEEF;
  o.errors = 100;
  o.seconds = 12.34;
  const std::string line = ProductionLogLine({0, "host", "COM3", "0403:6001 A5X", o});
  EXPECT_EQ(line.substr(line.find(",\"host\"")),
            ",\"host\":\"host\",\"port\":\"COM3\",\"adapter\":\"0403:6001 A5X\",\"target\":2,\"chip_id\":\"0x0832\","
            "\"chip\":\"Redido T89C64SB\",\"image\":\"C:\\\\line \\\"A\\\".hex\",\"image_checksum\":\"0x1234\","
            "\"result\":\"verify failed\",\"verify_sum\":\"0xBEEF\",\"errors\":100,\"seconds\":12.3,\"version\":\"" +
                std::string(ProgramVersion()) + "\"}");
  EXPECT_TRUE(std::regex_match(IsoTime(86400 * 365), std::regex(R"(1971-01-0[12]T\d\d:\d\d:\d\d[+-]\d\d:\d\d)")))
      << IsoTime(86400 * 365);
  EXPECT_EQ(JsonText("a\tb"), "\"a\\u0009b\"");
}

}  // namespace
