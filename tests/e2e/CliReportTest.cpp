// ambrelin-cli report over a production log, with lines it cannot read: the
// figures in the table, the JSON object and the HTML page, and the exit codes.
// That the report reads what a burn writes is the yield test's.
#include <gtest/gtest.h>

#include <string>

#include "RunCli.h"

namespace {

// Two good units, one whose every erase was refused, and a port that did not
// open (no chip, so no unit); then a write cut short, another program's line
// and some text: the text, the JSON object and the HTML page all from it.
TEST(CliReport, TheFiguresAndTheLinesItCouldNotReadInEachForm) {
  const std::string log = FreshLog("report");
  const auto entry = [](const char* port, const char* result, int errors) {
    return std::string(R"({"time":"2026-12-07T09:30:00+01:00","port":")") + port + R"(","target":1,"chip_id":)" +
           (errors < 0 ? "null" : "\"0x0101\"") + R"(,"image":"report.hex","result":")" + result + R"(","errors":)" +
           std::to_string(std::max(errors, 0)) + "}\n";
  };
  std::ofstream(log) << entry("/dev/pts/81", "verified", 0) << entry("/dev/pts/82", "erase failed", 100)
                     << entry("/dev/pts/83", "verified", 0) << entry("/dev/no-such-port", "cannot open", -1)
                     << entry("/dev/pts/81", "verified", 0).substr(0, 60) << "\n{\"event\":\"shift start\"}\nno JSON here\n";
  CliRun run = RunCli({"report", log});
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_GE(lines.size(), 9u) << run.out;
  EXPECT_TRUE(lines[0].starts_with("day ")) << run.out;
  // total, units, first-pass, good, failed, errors
  std::vector<std::string> total;
  for (const std::string& line : lines)
    if (line.starts_with("total ")) {
      std::istringstream words(line);
      for (std::string word; words >> word && total.size() < 7;) total.push_back(word);
    }
  EXPECT_EQ(total, (std::vector<std::string>{"total", "3", "2", "(66.7%)", "2", "1", "100"})) << run.out;
  // Under the rows of the ports and the total.
  EXPECT_EQ(Count(run.out, "\n    failed: erase failed 1\n"), 1u) << run.out;
  EXPECT_EQ(Count(run.out, "\n    no unit: cannot open 1\n"), 1u) << run.out;
  EXPECT_EQ(Count(run.out, "\n    failed: erase failed 1; no unit: cannot open 1\n"), 1u) << run.out;
  EXPECT_NE(run.out.find("7 lines in 1 log, 3 unreadable\n  " + log + ":5: torn line\n  " + log +
                         ":6: not a production log line\n  " + log + ":7: not JSON\n"),
            std::string::npos)
      << run.out;

  const std::string page = ::testing::TempDir() + "report-" + std::to_string(getpid()) + ".html";
  run = RunCli({"report", "--json", "--html", page, log});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"total\":{\"units\":3,\"first_pass\":2,\"good\":2,\"failed\":1,\"failed_by_result\":{\"erase "
                         "failed\":1},\"no_unit\":{\"cannot open\":1},\"attempts\":3,\"errors\":100,"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\"unreadable\":3,\"unreadable_lines\":[{\"log\":\"" + log + "\",\"line\":5,\"why\":\"torn line\"}"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(Count(run.out, "\"port\":\"/dev/no-such-port\""), 1u) << run.out;

  const std::string html = Slurp(page);
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>") && html.ends_with("</html>\n"));
  EXPECT_EQ(Count(html, "<svg "), 1u);
  for (const char* outside : {"<script", "<link", "src=", "href=", "url("}) EXPECT_EQ(Count(html, outside), 0u) << outside;
  EXPECT_NE(html.find("<tr class=\"total\"><td>total</td><td></td><td></td><td></td><td class=\"n\">3</td>"),
            std::string::npos)
      << html;
  // The chart's bars, good and failed, carry their counts.
  size_t good = 0, failed = 0;
  for (const std::string& line : Lines(html)) {
    if (!line.starts_with("<rect ")) continue;
    const size_t colon = line.rfind(": ");
    const size_t count = std::stoul(line.substr(colon + 2));
    (line.find(" good</title>") != std::string::npos ? good : failed) += count;
  }
  EXPECT_EQ(std::make_pair(good, failed), std::make_pair(size_t{2}, size_t{1})) << html;
  EXPECT_NE(html.find(log + ":7: not JSON"), std::string::npos);
}

TEST(CliReport, ExitCodes) {
  EXPECT_EQ(RunCli({"report"}).status, 64);
  const CliRun none = RunCli({"report", "/no/such.log"});
  EXPECT_EQ(none.status, 5);
  EXPECT_EQ(none.err, "cannot open the production log /no/such.log\n");
  const std::string empty = TempFile("empty.log", "");
  const CliRun some = RunCli({"report", "/no/such.log", empty});
  EXPECT_EQ(some.status, 0) << "one log was read";
  EXPECT_NE(some.out.find("0 lines in 1 log, 0 unreadable"), std::string::npos) << some.out;
  EXPECT_EQ(RunCli({"report", "--html", "/no/such/folder/page.html", empty}).status, 1);
}

}  // namespace
