// The production log: a record for every target a burn is done with, and
// the line each record becomes.
#include <chrono>
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
  const BurnOutcome outcome = UpdateButtonUpdate_Click(a, 0xFF);
  EXPECT_EQ(outcome.end, BurnEnd::EraseFailed);
  ASSERT_EQ(records.size(), 3u);
  for (int k = 0; k < 2; ++k)
    EXPECT_EQ(std::make_tuple(records[k].end, records[k].good, records[k].verifySum, records[k].image, records[k].seconds > 0.1),
              std::make_tuple(BurnEnd::Finished, k + 1, records[k].imageChecksum, TestFolder() + "log.hex", true));
  EXPECT_EQ(std::make_tuple(records[2].end, records[2].errors, records[2].eraseErrors, records[2].identified, records[2].imageChecksum),
            std::make_tuple(BurnEnd::EraseFailed, 100, 100, true, records[0].imageChecksum));
  EXPECT_FALSE(records[2].verifySum) << "no sum was heard from the third unit";

  // A run that ends because no further unit came, or is stopped while it
  // waits for one, records nothing more.
  for (bool stop : {false, true}) {
    records.clear();
    t.link.unit.boot.refuseChance = 0;
    t.link.unit.boot.targets = {1};
    When(Main::UpdateLabelBurnTotal, "统计: 1", [&] {
      t.link.unit.boot.targets.clear();
      if (stop) At(Now() + 10, [&] { UpdateButtonUpdate_Click(a, 0xFF); });
    });
    EXPECT_EQ(UpdateButtonUpdate_Click(a, 0xFF).end, stop ? BurnEnd::Stopped : BurnEnd::NextNotFound);
    EXPECT_EQ(records.size(), 1u);
  }
}

TEST_F(ProductionLog, AScriptLineIsRecordedWithItsOwnImageAndNothingOfTheLineBefore) {
  ReadyToBurn(0x0101, WriteFile("log.bat", "1 log-one.hex\r\n2 log-two.hex\r\n"));
  HexImage("log-one.hex", Pattern(0x400, 5));
  HexImage("log-two.hex", Pattern(0x400, 6));
  boot.silence[BootWrite] = 3;
  boot.targets = {1};
  std::vector<BurnOutcome> records;
  a.targetBurned = [&](const BurnOutcome& o) { records.push_back(o); };
  EXPECT_EQ(UpdateButtonUpdate_Click(a, 0xFF).end, BurnEnd::NotFound);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(std::make_tuple(records[0].image, records[0].writeErrors, records[0].errors),
            std::make_tuple(TestFolder() + "log-one.hex", 3, 3));
  EXPECT_TRUE(records[0].imageChecksum && records[0].verifySum);
  const BurnOutcome& second = records[1];
  EXPECT_EQ(std::make_tuple(second.target, second.image), std::make_tuple(2, TestFolder() + "log-two.hex"));
  EXPECT_FALSE(second.identified || second.imageChecksum || second.verifySum);
  EXPECT_EQ(second.errors, 0);
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
  o.eraseErrors = 42;
  o.verifyErrors = 100;
  o.errors = 142;
  o.seconds = 12.34;
  const std::string line = ProductionLogLine({0, "host", "COM3", "0403:6001 A5X", o, "9f86d08188"});
  EXPECT_EQ(line.substr(line.find(",\"host\"")),
            ",\"host\":\"host\",\"port\":\"COM3\",\"adapter\":\"0403:6001 A5X\",\"target\":2,\"chip_id\":\"0x0832\","
            "\"chip\":\"Redido T89C64SB\",\"image\":\"C:\\\\line \\\"A\\\".hex\",\"image_sha256\":\"9f86d08188\","
            "\"image_checksum\":\"0x1234\",\"result\":\"verify failed\",\"verify_sum\":\"0xBEEF\",\"errors\":142,"
            "\"erase_errors\":42,\"write_errors\":0,\"verify_errors\":100,\"seconds\":12.3,\"version\":\"" +
                std::string(ProgramVersion()) + "\"}");
  // What was not heard or read of the unit is not written at all.
  const std::string unknown = ProductionLogLine({0, "host", "COM3", "", {BurnEnd::NotFound, 1, "a.hex"}, ""});
  EXPECT_EQ(unknown.substr(unknown.find(",\"target\"")),
            ",\"target\":1,\"image\":\"a.hex\",\"result\":\"not found\",\"errors\":0,\"erase_errors\":0,"
            "\"write_errors\":0,\"verify_errors\":0,\"seconds\":0.0,\"version\":\"" + std::string(ProgramVersion()) + "\"}");
  EXPECT_EQ(JsonText("a\tb"), "\"a\\u0009b\"");
}

// The machine's local time and its offset from UTC: in any zone, the fields
// less the offset give the moment back.
TEST(ProductionLogLine, LocalTimeLessItsOffsetIsTheMoment) {
  using namespace std::chrono;
  const std::regex iso(R"((\d{4})-(\d\d)-(\d\d)T(\d\d):(\d\d):(\d\d)([+-])(\d\d):(\d\d))");
  // The ends of two years and a summer's day.
  for (const std::time_t time : {31535999, 1780000000, 1798761599}) {
    const std::string text = IsoTime(time);
    std::smatch f;
    ASSERT_TRUE(std::regex_match(text, f, iso)) << text;
    const auto n = [&](int i) { return std::stoi(f[i]); };
    const sys_seconds local = sys_days{year{n(1)} / n(2) / n(3)} + hours{n(4)} + minutes{n(5)} + seconds{n(6)};
    const minutes offset = (f[7] == "-" ? -1 : 1) * (hours{n(8)} + minutes{n(9)});
    EXPECT_EQ((local - offset).time_since_epoch().count(), time) << text;
  }
}

}  // namespace
