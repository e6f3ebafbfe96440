// Verbs of the burner: the burn itself and the restart request, the same
// engine as the windows over a headless control map.
#include <iostream>
#include <map>

#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/Hex.h"
#include "app/Job.h"
#include "burner/BurnEngine.h"
#include "burner/BurnPage.h"
#include "burner/ChipTable.h"
#include "burner/ProductionLog.h"
#include "cli/Cli.h"
#include "images/CodeBuffer.h"

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

namespace {

// The target lists as the windows fill them, so a target can be chosen.
void TargetLists(MapControls& c, int target) {
  const std::vector<std::string> ids{"ID = 1", "ID = 2", "ID = 3", "ID = 4", "ID = 5", "ID = 6"};
  c.SetEntries(Main::UpdateSelectTarget, ids);
  c.SetEntries(Burner::UpdateSelectTarget, ids);
  c.SetIndex(Main::UpdateSelectTarget, target - 1);
}

// --target: 1 to 6, or 0 when not given; nothing (and said) for another value.
std::optional<int> TargetOption(const Parsed& p) {
  if (!p.Set("target")) return 0;
  const std::string id = p.Value("target");
  if (id.size() == 1 && id[0] >= '1' && id[0] <= '6') return id[0] - '0';
  p.Usage("--target must be 1 to 6");
  return std::nullopt;
}

// An auto-repeat run ends when the line has no more units to offer.
bool Done(const BurnOutcome& o) { return o.end == BurnEnd::Finished || (o.end == BurnEnd::NextNotFound && o.good > 0); }

int ExitOf(const BurnOutcome& o) {
  if (Done(o)) return ExitOk;
  switch (o.end) {
    case BurnEnd::Stopped: return ExitStopped;
    case BurnEnd::PortClosed:
    case BurnEnd::PortFailed: return ExitPort;
    case BurnEnd::LogFailed: return ExitLog;
    case BurnEnd::PortLost: return ExitPortLost;
    case BurnEnd::NotFound:
    case BurnEnd::NextNotFound: return ExitNoTarget;
    case BurnEnd::OtherChip: return ExitOtherChip;
    case BurnEnd::NoTarget:
    case BurnEnd::LoadFailed:
    case BurnEnd::WrongImage:
    case BurnEnd::TooLarge: return ExitImage;
    case BurnEnd::EraseFailed:
    case BurnEnd::WriteFailed:
    case BurnEnd::VerifyFailed: return ExitJob;
    case BurnEnd::TrigError: return ExitUsage;
    default: return ExitFailed;
  }
}

std::vector<Reporter::Field> BurnSummary(const BurnOutcome& o, int exit) {
  std::vector<Reporter::Field> fields{{"result", "", Done(o) ? "done" : std::string(BurnResult(o.end))},
                                      {"exit", "", std::to_string(exit), true},
                                      {"verified", "verified", o.good ? std::to_string(o.good) : "", true}};
  if (o.identified)
    fields.insert(fields.end(), {{"chip_id", "chip", HexWord(o.chipId)},
                                 {"chip", "", std::string(ChipName(ChipById(o.chipId)))}});
  // The line names the steps that had errors; --json gives each count.
  std::string steps;
  for (const auto& [step, count] :
       {std::pair{"erase", o.eraseErrors}, {"write", o.writeErrors}, {"verify", o.verifyErrors}})
    if (count > 0) steps += (steps.empty() ? " (" : ", ") + std::string(step) + " " + std::to_string(count);
  if (!steps.empty()) steps += ")";
  fields.insert(fields.end(),
                {{"image", "image", o.image},
                 {"image_checksum", "checksum", o.imageChecksum ? HexWord(static_cast<uint32_t>(*o.imageChecksum)) : ""},
                 {"verify_sum", "verify", o.verifySum ? HexWord(*o.verifySum) : ""},
                 {"errors", "errors", std::to_string(o.errors), true, steps},
                 {"erase_errors", "", std::to_string(o.eraseErrors), true, "", false},
                 {"write_errors", "", std::to_string(o.writeErrors), true, "", false},
                 {"verify_errors", "", std::to_string(o.verifyErrors), true, "", false}});
  // Where programming stood, for the ends that can come while it runs.
  const bool programming = o.end == BurnEnd::EraseFailed || o.end == BurnEnd::WriteFailed ||
                           o.end == BurnEnd::VerifyFailed || o.end == BurnEnd::Stopped || o.end == BurnEnd::PortLost;
  if (!Done(o) && o.identified && programming)
    fields.push_back({"address", "stopped at", HexWord(static_cast<uint32_t>(o.address))});
  return fields;
}

// The burner window's captions as they change, in its language.
void PrintLabels(MapControls& c) {
  c.textChanged = [shown = std::map<std::string, std::string, std::less<>>()](Control changed,
                                                                               std::string_view text) mutable {
    if (changed.window != Burner::BurnDesktop.window) return;
    if (changed.name != Burner::UpdateLabelBurnState.name && changed.name != Burner::UpdateLabelBurnError.name &&
        changed.name != Burner::UpdateLabelBurnTotal.name)
      return;
    std::string& last = shown[std::string(changed.name)];
    if (last == text) return;
    last = text;
    std::cout << text << std::endl;
  };
}

// What the operator was told to burn: --expect and --expect-sha256.
struct Expected {
  std::vector<int32_t> sums;  // one for an image, one a line for a script
  std::string sha256;         // lower case
};

// Nothing (and said) when a value is no checksum or no SHA-256.
std::optional<Expected> ExpectedOf(const Parsed& p) {
  Expected expected;
  if (p.Set("expect")) {
    const std::string list = p.Value("expect");
    for (size_t from = 0; from <= list.size();) {
      size_t to = list.find(',', from);
      if (to == std::string::npos) to = list.size();
      std::string text = list.substr(from, to - from);
      if (text.starts_with("0x") || text.starts_with("0X")) text.erase(0, 2);
      const auto sum = HexValue(text, 0xFFFF);
      if (!sum) {
        p.Usage("--expect must be checksums in hex, 0 to FFFF, separated by commas");
        return std::nullopt;
      }
      expected.sums.push_back(static_cast<int32_t>(*sum));
      from = to + 1;
    }
  }
  if (p.Set("expect-sha256")) {
    expected.sha256 = p.Value("expect-sha256");
    for (char& c : expected.sha256) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (expected.sha256.size() != 64 || expected.sha256.find_first_not_of("0123456789abcdef") != std::string::npos) {
      p.Usage("--expect-sha256 must be 64 hex digits");
      return std::nullopt;
    }
  }
  return expected;
}

// Why the file is not the image expected, naming both values; nothing when
// it is. `found` takes the checksum the summary shows.
std::optional<std::string> NotExpected(Ambrelin& a, const std::string& file, uint8_t fill, const Expected& expected,
                                       std::optional<int32_t>& found) {
  if (!expected.sha256.empty()) {
    const std::string sha256 = FileSha256(file);
    if (sha256 != expected.sha256)
      return "not the expected image " + file + ": SHA-256 " + expected.sha256 + " expected, " + sha256 + " found";
  }
  if (expected.sums.empty()) return std::nullopt;
  const auto sums = BurnFileChecksums(a, file, fill);
  if (!sums) return "not the expected image " + file + ": it does not load";
  if (sums->size() == 1) found = sums->front();
  if (sums->size() != expected.sums.size())
    return "not the expected script " + file + ": " + std::to_string(expected.sums.size()) + " checksums expected, " +
           std::to_string(sums->size()) + " lines found";
  for (size_t k = 0; k < sums->size(); ++k) {
    if ((*sums)[k] == expected.sums[k]) continue;
    const std::string where = sums->size() == 1 ? "" : " (script line " + std::to_string(k + 1) + ")";
    return "not the expected image " + file + where + ": checksum " +
           HexWord(static_cast<uint32_t>(expected.sums[k])) + " expected, " +
           HexWord(static_cast<uint32_t>((*sums)[k])) + " found";
  }
  return std::nullopt;
}

// The image or script and the log, before any port is opened: a burn that
// could not run to its end, burn what was not expected, or could not be
// recorded, touches no unit. Nothing when the burn may go ahead.
std::optional<int> Refused(const Parsed& p, const std::string& what, const std::string& file, uint8_t fill,
                           const Expected& expected, const std::string& log) {
  CliSession check("", p.English());
  BurnOutcome refused;
  refused.image = file;
  std::optional<std::string> unexpected;
  // The engine loads these itself; any other file would leave it the code
  // buffer as nothing loaded it.
  if (!HasEnding(file, "hex") && !HasEnding(file, "tot") && !HasEnding(file, "bat")) {
    std::cerr << "not an image the burn takes: " << file << '\n';
    refused.end = BurnEnd::LoadFailed;
  } else if (const auto refusal = CheckBurnFile(check.a, file)) {
    std::cerr << refusal->message << '\n';
    refused.end = refusal->end;
  } else if ((unexpected = NotExpected(check.a, file, fill, expected, refused.imageChecksum))) {
    std::cerr << *unexpected << '\n';
    refused.end = BurnEnd::WrongImage;
  } else if (!log.empty() && !CanAppend(log)) {
    std::cerr << "cannot write the production log " << log << '\n';
    refused.end = BurnEnd::LogFailed;
  } else {
    return std::nullopt;
  }
  const int exit = ExitOf(refused);
  Reporter(p, what, check.a).Summary(BurnSummary(refused, exit));
  return exit;
}

}  // namespace

int Burn(Parsed& p) {
  const auto ports = p.Values("port");
  if (ports.empty()) return p.Usage("--port is required");
  const auto files = p.Positional();
  if (files.size() != 1) return p.Usage(files.empty() ? "an image or a script is required" : "one image at a time");
  const std::string& file = files[0];
  const auto target = TargetOption(p);
  if (!target) return ExitUsage;
  if (!HasEnding(file, "bat") && *target == 0) return p.Usage("--target is required unless FILE is a .bat script");
  const auto fill = p.Fill();
  if (!fill) return ExitUsage;
  const auto trig = p.Hex("trig", 0xFF);
  if (!trig) return p.Usage("--trig must be a byte in hex, 00 to FF");
  const auto searchSeconds = p.Seconds("search-seconds");
  if (!searchSeconds) return ExitUsage;
  const auto expected = ExpectedOf(p);
  if (!expected) return ExitUsage;
  const std::string log = p.Set("log") ? p.Value("log") : "";
  const ProductionWho who = p.Who();
  std::string what = "burn";
  for (const std::string& port : ports) what += " " + port;
  if (const auto exit = Refused(p, what, file, *fill, *expected, log)) return *exit;
  if (ports.size() > 1) return GangBurn(p);

  CliSession session(ports[0], p.English());
  Ambrelin& a = session.a;
  a.searchSeconds = *searchSeconds;
  MapControls& c = session.controls;
  c.SetText(Main::UpdateTextFileName, file);
  TargetLists(c, *target);
  c.SetText(Main::UpdateTextTrig, *trig ? TwoHexDigits(static_cast<int>(**trig)) : "");
  c.SetTicked(Main::UpdateCheckAutoBurn, p.Set("auto"));
  c.SetTicked(Main::UpdateCheckAutoReboot, p.Set("reboot"));
  c.SetTicked(Burner::UpdateCheckVerOld, p.Set("old"));

  Reporter reporter(p, what, a);
  if (reporter.mode == Reporter::Mode::Verbose) PrintLabels(c);
  if (!session.Open("38400,N,8,1")) {
    // A gang's table and log tell a port that could not be opened from a
    // unit that did not answer.
    const BurnOutcome failed{BurnEnd::PortFailed, static_cast<uint8_t>(*target), file};
    if (!log.empty() && !AppendLine(log, ProductionLogLine(BurnRecord(failed, session.portText, "", who))))
      std::cerr << "cannot write the production log " << log << '\n';
    return reporter.PortFailed(session);
  }
  bool logFailed = false;
  const bool machine = reporter.mode == Reporter::Mode::Machine;
  if (!log.empty() || machine) {
    a.targetBurned = [&session, &a, &logFailed, log, who, machine](const BurnOutcome& o) {
      const std::string line = ProductionLogLine(BurnRecord(o, session.portText, session.Adapter(), who));
      // The parent (a gang, the station window) hears of every unit as it ends.
      if (machine) std::cout << "{\"unit\":" << line << "}" << std::endl;
      if (log.empty() || AppendLine(log, line)) return;
      std::cerr << "cannot write the production log " << log << '\n';
      logFailed = true;
      // Units that would go unrecorded are not burned: the run stops as Ctrl-C would stop it.
      if (a.job == Job::Burn && a.link.ReplyWanted) UpdateButtonUpdate_Click(a, 0xFF);
    };
  }
  // The stop click does not read the fill.
  OnInterrupt([&a] {
    if (a.job == Job::Burn) UpdateButtonUpdate_Click(a, 0xFF);
  });
  const BurnOutcome outcome = UpdateButtonUpdate_Click(a, *fill);
  const int exit =
      WasInterrupted() ? static_cast<int>(ExitStopped) : logFailed ? static_cast<int>(ExitLog) : ExitOf(outcome);
  reporter.Summary(BurnSummary(outcome, exit));
  return exit;
}

int Restart(Parsed& p) {
  if (!p.Set("port")) return p.Usage("--port is required");
  const auto target = TargetOption(p);
  if (!target) return ExitUsage;
  if (*target == 0) return p.Usage("--target is required");
  CliSession session(p.Value("port"), p.English());
  TargetLists(session.controls, *target);
  if (!session.Open("38400,N,8,1")) return ExitPort;
  UpdateButtonRestart_Click(session.a);
  // The request leaves before the port is let go.
  session.a.pump.WaitUntil(session.a.pump.Now() + 0.1, [] { return false; });
  return ExitOk;
}

int Identify(Parsed& p) {
  const auto ports = p.Values("port");
  if (ports.empty()) return p.Usage("--port is required");
  const auto target = TargetOption(p);
  if (!target) return ExitUsage;
  if (*target == 0) return p.Usage("--target is required");
  const auto trig = p.Hex("trig", 0xFF);
  if (!trig) return p.Usage("--trig must be a byte in hex, 00 to FF");
  const auto searchSeconds = p.Seconds("search-seconds");
  if (!searchSeconds) return ExitUsage;
  if (ports.size() > 1) return IdentifyPorts(p);

  CliSession session(ports[0], p.English());
  Ambrelin& a = session.a;
  TargetLists(session.controls, *target);
  session.controls.SetText(Main::UpdateTextTrig, *trig ? TwoHexDigits(static_cast<int>(**trig)) : "");
  a.searchSeconds = *searchSeconds;
  Reporter reporter(p, "identify " + session.portText, a);
  if (!session.Open("38400,N,8,1")) return reporter.PortFailed(session);
  OnInterrupt([&a] { a.link.ReplyWanted = false; });
  const BurnOutcome o = IdentifyTarget(a, static_cast<uint8_t>(*target));
  const int exit = WasInterrupted() ? static_cast<int>(ExitStopped)
                   : o.identified   ? static_cast<int>(ExitOk)
                                    : ExitOf(o);
  std::vector<Reporter::Field> fields{
      {"result", "", o.identified ? "found" : o.end == BurnEnd::NotFound ? "no unit" : std::string(BurnResult(o.end))},
      {"exit", "", std::to_string(exit), true},
      {"port", "", session.portText, false, "", false},
      {"adapter", "adapter", session.Adapter()}};
  if (o.identified)
    fields.insert(fields.end(), {{"chip_id", "chip", HexWord(o.chipId)},
                                 {"chip", "", std::string(ChipName(ChipById(o.chipId)))}});
  reporter.Summary(fields);
  return exit;
}
