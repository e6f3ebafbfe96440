// The yield read back from production logs: the lines the log writes, the
// lines it cannot read, what makes a unit, and the figures.
#include <fstream>

#include "TestApp.h"
#include "burner/ProductionLog.h"
#include "burner/Yield.h"

namespace {

// A log line as the burn writes it, from the same code.
std::string Written(const std::string& port, BurnEnd end, bool identified, double seconds, uint8_t target = 1,
                    const std::string& image = "panel.hex", uint16_t chip = 0x0101, int hour = 9) {
  ProductionRecord r;
  std::tm when{.tm_hour = hour, .tm_mday = 7, .tm_mon = 11, .tm_year = 126, .tm_isdst = -1};
  r.time = std::mktime(&when);
  r.host = "line-3";
  r.port = port;
  r.outcome.end = end;
  r.outcome.target = target;
  r.outcome.image = image;
  r.outcome.identified = identified;
  r.outcome.chipId = chip;
  r.outcome.seconds = seconds;
  r.outcome.errors = end == BurnEnd::Finished ? 2 : 100;
  return ProductionLogLine(r);
}

Yield Read(const std::vector<std::string>& lines) {
  Yield y;
  YieldLine line;
  for (const std::string& text : lines) {
    EXPECT_EQ(ParseLogLine(text, y.scratch, line), LineFault::None) << text;
    AddLogLine(y, line);
  }
  FinishYield(y);
  return y;
}

TEST(Yield, MedianAndNearestRankPercentile) {
  EXPECT_EQ(std::make_tuple(Median({}), Percentile({}, 95), Median({7}), Percentile({7}, 95)), std::make_tuple(0.0, 0.0, 7.0, 7.0));
  EXPECT_EQ(std::make_pair(Median({5, 1, 3}), Median({4, 1, 3, 2})), std::make_pair(3.0, 2.5));
  std::vector<double> twenty;
  for (int k = 20; k >= 1; --k) twenty.push_back(k);
  EXPECT_EQ(Percentile(twenty, 95), 19) << "the 19th of 20 is the first with 95% at or below";
}

TEST(Yield, ReadsWhatTheLogWritesEscapesIncluded) {
  std::string scratch;
  YieldLine line;
  const std::string text = Written("COM3", BurnEnd::VerifyFailed, true, 23.9, 2, "C:\\line \"A\".hex", 0x0832);
  ASSERT_EQ(ParseLogLine(text, scratch, line), LineFault::None) << text;
  EXPECT_EQ(line.time.substr(0, 13), "2026-12-07T09");
  EXPECT_EQ(std::make_tuple(line.host, line.port, line.image, line.result, line.chipId, line.target),
            std::make_tuple("line-3", "COM3", "C:\\line \"A\".hex", "verify failed", "0x0832", 2));
  EXPECT_EQ(std::make_tuple(line.errors, line.seconds), std::make_tuple(100, std::optional<double>(23.9)));

  ASSERT_EQ(ParseLogLine(R"( {"time":"2026-12-07T23:59:59+08:00", "port":"\u4E3A\ud83d\ude00\u0080\u0800", "result":"verified",)"
                         R"("station":"A","extra":{"list":[1,true,null,"}"]},"chip_id":null} )",
                         scratch, line),
            LineFault::None);
  EXPECT_EQ(line.port, "\xE4\xB8\xBA\xF0\x9F\x98\x80\xC2\x80\xE0\xA0\x80");
  EXPECT_EQ(line.station, "A");
  EXPECT_TRUE(line.chipId.empty()) << "null is not known";
}

TEST(Yield, LinesItCannotReadSayWhy) {
  std::string scratch;
  YieldLine line;
  const std::string good = Written("COM3", BurnEnd::Finished, true, 20, 1, "C:\\x\t\"A\".hex");
  // Every write cut short is torn, wherever it was cut.
  for (size_t size = 1; size < good.size(); ++size)
    ASSERT_EQ(ParseLogLine(good.substr(0, size), scratch, line), LineFault::Torn) << good.substr(0, size);
  EXPECT_EQ(ParseLogLine(good.substr(0, 80) + good, scratch, line), LineFault::Torn) << "a line written over it";
  for (const char* text : {"hello", "{'time':1}", "{\"time\":\"x\"} trailing", "{\"a\":01x}", "{\"a\":x}", "{\"a\":\"\\q\"}"})
    EXPECT_EQ(ParseLogLine(text, scratch, line), LineFault::NotJson) << text;
  for (const char* text : {"{}", "[1,2]", R"({"time":"2026-12-07T09:00:00Z","port":"COM1"})",
                           R"({"time":"yesterday","port":"COM1","result":"verified"})",
                           R"({"time":"2026-12-07T09:00:00Z","port":5,"result":"verified"})",
                           R"({"time":"2026-12-07T09:00:00Z","port":"COM1","result":"verified","errors":-1})"})
    EXPECT_NE(ParseLogLine(text, scratch, line), LineFault::None) << text;
  EXPECT_EQ(ParseLogLine("{}", scratch, line), LineFault::NotLogLine);
}

TEST(Yield, AUnitIsAPortsAttemptsUntilOneVerifies) {
  const Yield y = Read({
      Written("COM1", BurnEnd::WriteFailed, true, 30),
      Written("COM2", BurnEnd::Finished, true, 20),
      Written("COM1", BurnEnd::VerifyFailed, true, 31),
      Written("COM2", BurnEnd::NotFound, false, 55),  // an empty fixture: no unit
      Written("COM1", BurnEnd::Finished, true, 22, 1, "panel.hex", 0x0101, 10),
      Written("COM2", BurnEnd::EraseFailed, true, 5),
      Written("COM2", BurnEnd::Finished, true, 21, 2),   // another target: another unit
      Written("COM2", BurnEnd::PortLost, true, 3, 2, "panel.hex", 0x0003),  // another chip
      Written("COM2", BurnEnd::Finished, true, 24),
      Written("COM1", BurnEnd::Stopped, true, 0, 1, "other.hex"),  // never verified, at once
  });
  ASSERT_EQ(y.groups.size(), 3u);
  const YieldGroup &other = y.groups[0], &one = y.groups[1], &two = y.groups[2];
  EXPECT_EQ(std::make_tuple(one.port, one.image, other.image, two.port), std::make_tuple("COM1", "panel.hex", "other.hex", "COM2"));
  EXPECT_EQ(std::make_tuple(one.units, one.good, one.firstPass, one.attempts), std::make_tuple(1, 1, 0, 3));
  EXPECT_EQ(std::make_tuple(other.units, other.good, other.failed.at("stopped")), std::make_tuple(1, 0, 1));
  EXPECT_EQ(std::make_tuple(two.units, two.good, two.firstPass, two.attempts), std::make_tuple(5, 3, 3, 5));
  EXPECT_EQ(two.failed, (std::map<std::string, int64_t>{{"erase failed", 1}, {"port lost", 1}}));
  EXPECT_EQ(two.noUnit, (std::map<std::string, int64_t>{{"not found", 1}}));
  EXPECT_EQ(std::make_tuple(one.medianSeconds, one.p95Seconds), std::make_tuple(30.0, 31.0));
  EXPECT_EQ(two.errors, 2 * 3 + 100 * 3);

  EXPECT_EQ(std::make_tuple(y.total.units, y.total.good, y.total.firstPass, y.total.Failed()),
            std::make_tuple(7, 4, 3, 3));
  ASSERT_EQ(y.hours.size(), 2u);
  EXPECT_EQ(std::make_tuple(HourText(y.hours[0].hour), y.hours[0].good, y.hours[0].failed),
            std::make_tuple("2026-12-07 09:00", 3, 3));
  EXPECT_EQ(std::make_tuple(HourText(y.hours[1].hour), y.hours[1].good, y.hours[1].failed),
            std::make_tuple("2026-12-07 10:00", 1, 0));
}

TEST(Yield, HoursAcrossDaysAndTheChartsSpan) {
  EXPECT_EQ(HourOf("2026-12-31T23:10:00+01:00").value() + 1, HourOf("2027-01-01T00:00:00+01:00").value());
  EXPECT_EQ(HourText(*HourOf("2028-02-29T07:00")), "2028-02-29 07:00");
  EXPECT_EQ(HourText(0), "1970-01-01 00:00");
  EXPECT_FALSE(HourOf("2026-13-01T00"));
  // Every day of four years, a leap day among them, reads back as written.
  const int64_t from = *HourOf("2027-01-01T05");
  for (int64_t hour = from; hour < from + 4 * 366 * 24; hour += 24) {
    std::string text = HourText(hour);
    text[10] = 'T';
    ASSERT_EQ(HourOf(text), hour) << text;
  }
  Yield y;
  y.hours = {{100, 1, 0}, {103, 2, 1}, {104, 0, 1}};
  const auto span = HourSpan(y, 4);
  ASSERT_EQ(span.size(), 4u);
  EXPECT_EQ(std::make_tuple(span[0].hour, span[0].good, span[2].hour, span[2].good, span[3].failed),
            std::make_tuple(101, 0, 103, 2, 1));
  EXPECT_EQ(HourSpan(y, 100).size(), 5u);
}

TEST(Yield, ALogFileIsReadWholeAndItsBadLinesNamed) {
  // Larger than a read block, its last line cut short without a line end.
  const std::string path = TestFolder() + "yield.log";
  const std::string good = Written("COM1", BurnEnd::Finished, true, 20);
  {
    std::ofstream log(path, std::ios::binary);
    for (int k = 0; k < 15000; ++k) log << good << (k == 7000 ? "\r\n\n" : "\n");
    log << "{\"not\":\"ours\"}\n" << good.substr(0, 50);
  }
  Yield y;
  ASSERT_TRUE(ReadProductionLog(y, path));
  EXPECT_FALSE(ReadProductionLog(y, path + ".none"));
  FinishYield(y);
  EXPECT_EQ(std::make_tuple(y.lines, y.total.units, y.total.firstPass, y.unreadable), std::make_tuple(15002, 15000, 15000, 2));
  ASSERT_EQ(y.named.size(), 2u);
  EXPECT_EQ(std::make_tuple(y.named[0].line, y.named[0].why), std::make_tuple(15002, LineFault::NotLogLine));
  EXPECT_EQ(std::make_tuple(y.named[1].line, y.named[1].why), std::make_tuple(15003, LineFault::Torn));
  EXPECT_EQ(y.unopened, std::vector<std::string>{path + ".none"});
  std::remove(path.c_str());
}

}  // namespace
