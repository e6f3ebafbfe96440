// ambrelin-cli's help, usage errors and the verbs that need no unit, the
// production log's report among them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "RunCli.h"
#include "fontgen/CharBorn.h"

namespace {

TEST(Cli, HelpVersionAndUsageErrors) {
  CliRun run = RunCli({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* verb : {"ports", "pin", "send", "font", "image", "hex2tot", "dump", "burn", "identify", "restart",
                           "hdmi-dump", "batch", "dsp-download"})
    EXPECT_NE(run.out.find(std::string("\n  ") + verb + " "), std::string::npos) << verb;
  run = RunCli({"burn", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.starts_with("Usage: ambrelin-cli burn [options] FILE\n")) << run.out;
  EXPECT_NE(run.out.find("\n  --fill 00|ff  "), std::string::npos) << run.out;
  EXPECT_EQ(RunCli({"--version"}).out, "ambrelin-cli 0.1\n");

  // One line that names the fault, one that points to the help.
  const std::pair<std::vector<std::string>, std::string> bad[] = {
      {{}, "ambrelin-cli: a verb is required"},
      {{"launch"}, "ambrelin-cli: no verb 'launch'"},
      {{"burn", "--port", "COM1", "--target", "7", "x.hex"}, "burn: --target must be 1 to 6"},
      {{"burn", "--port", "COM1", "x.hex"}, "burn: --target is required unless FILE is a .bat script"},
      {{"burn", "--port", "COM1", "--target", "1", "--trig", "1FF", "x.hex"}, "burn: --trig must be a byte in hex"},
      {{"burn", "--port", "COM1", "--target", "1", "--colour", "x.hex"}, "burn: unknown option 'colour'"},
      {{"image", "x.hex", "--fill", "7"}, "image: --fill must be 00 or ff"},
      {{"dump", "x.hex", "--last", "lots"}, "dump: --last must be an address in hex"},
      {{"send", "--port", "COM1", "--address", "1", "--wait", "-1", "00"}, "send: --wait must be a number"},
      {{"pin", "COM257", "/dev/null"}, "pin: 'COM257' is not COM1 to COM256"},
      {{"hdmi-dump", "--port", "COM1", "--chip", "8197"}, "hdmi-dump: --chip must be 9880 or 9889"},
      {{"batch", "--port", "COM1"}, "batch: either --read or --write FILE"},
      {{"dsp-download", "x.Img"}, "dsp-download: --port is required"},
      {{"burn", "--port", "COM1", "--target", "1", "--expect", "F16,x", "x.hex"}, "burn: --expect must be checksums"},
      {{"burn", "--port", "COM1", "--target", "1", "--search-seconds", "0", "x.hex"},
       "burn: --search-seconds must be a number of seconds above 0"},
      {{"identify", "--port", "COM1"}, "identify: --target is required"},
      {{"font", "--display", "7", "--order", "AZ"}, "font: 'Z' names no segment of the 7 segment display"},
  };
  for (const auto& [args, message] : bad) {
    run = RunCli(args);
    EXPECT_EQ(run.status, 64) << message;
    EXPECT_EQ(run.err.rfind(message, 0), 0u) << run.err;
    EXPECT_NE(run.err.find("--help'.\n"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << message;
  }
}

TEST(Cli, FontPrintsTheTableAsBornMakesIt) {
  CliRun run = RunCli({"font", "--display", "7", "--order", "aglmhcx"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, BornText(LedDisplay::Seg7, FontFormat::Uchar, "AGLMHCX         ", false));
  // Blanks and dashes leave bits unused.
  run = RunCli({"font", "--display", "16", "--order", "A-C DEFGHIJKLMXY", "--reverse", "--format", "asm"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, BornText(LedDisplay::Seg16, FontFormat::Asm, "A C DEFGHIJKLMXY", true));
}

TEST(Cli, ImagesAreDescribedConvertedAndDumped) {
  const std::string hex = TempFile("cli.hex", ":0400000002004C535B\r\n:00000001FF\r\n");
  // Addresses are hex, never octal: 0100 is 256.
  CliRun run = RunCli({"image", hex, "--fill", "00", "--start", "0", "--end", "3"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\n校验: 0xA1\n长度: 0x3\n调入行数: 1\n"), std::string::npos) << run.out;
  run = RunCli({"image", hex, "--fill", "FF", "--start", "0100", "--end", "0101", "--lang", "en"});
  EXPECT_NE(run.out.find("\nSum: 0x1FE\n"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.rfind("Date: 20", 0), 0u) << run.out;

  run = RunCli({"hex2tot", hex});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string tot = ::testing::TempDir() + "cli.Tot";
  EXPECT_EQ(run.out, tot + "\n");
  // The Tot carries the whole 64 KiB image, its 0xFF fill included.
  run = RunCli({"dump", tot, "--fill", "00", "--last", "F"});
  EXPECT_EQ(run.out,
            ";    00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n\r\n"
            "0000:02 00 4C 53 FF FF FF FF FF FF FF FF FF FF FF FF \r\n");

  const std::string egg = TempFile("cli-egg.Img", "00112233\r\n44556677\r\n");
  const std::string flash = TempFile("cli-flash.Img", "# [000001]\n5a 5b\n");
  run = RunCli({"image", egg, flash});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, egg + ": 0x8 bytes, 2 lines\n" + flash + ": 2 bytes overwritten, 2 lines\nchecksum 0xFA66\n");
}

TEST(Cli, BadFilesAreRefusedWithTheLoadersMessage) {
  const std::string folder = ::testing::TempDir() + "folder.hex";
  std::filesystem::create_directories(folder);
  const std::pair<std::string, std::string> refused[] = {
      {::testing::TempDir() + "absent.hex", "LoadCode_HexFile时, 出错 !\n"},
      {folder, "LoadCode_HexFile时, 出错 !\n"},
      {TempFile("short.Img", "0011223\n"), "数据长度出错: 1\n"},
      {TempFile("notes.xyz", ":00000001FF\n"), "not an image file: " + ::testing::TempDir() + "notes.xyz\n"},
  };
  for (const auto& [file, message] : refused) {
    const CliRun run = RunCli({"image", file});
    EXPECT_EQ(run.status, 5) << file;
    EXPECT_EQ(run.err, message) << file;
    EXPECT_EQ(run.out, "") << file;
  }
  // A file that holds nothing, or a HEX file cut short, by every verb that loads one.
  const std::pair<std::string, std::string> empty[] = {
      {TempFile("empty.hex", ""), "LoadCode_HexFile时, 出错 ! 文件无数据\n"},
      {TempFile("cut.hex", ":0400000002004C535B\r\n"), "LoadCode_HexFile时, 出错 ! 缺少结束记录\n"},
  };
  for (const auto& [file, message] : empty)
    for (const char* verb : {"image", "dump", "hex2tot"}) {
      const CliRun run = RunCli({verb, file});
      EXPECT_EQ(std::make_pair(run.status, run.err), std::make_pair(5, message)) << verb << " " << file;
      EXPECT_EQ(run.out, "") << verb << " " << file;
    }
  EXPECT_FALSE(std::filesystem::exists(::testing::TempDir() + "cut.Tot"));
}

// The report over a production log of two good units, one whose every erase
// was refused, and a port that did not open (no chip, so no unit); then a
// write cut short, another program's line and some text: the text, the JSON
// object and the HTML page all from it. That it reads what a burn writes is
// the yield test's.
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
