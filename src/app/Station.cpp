#include "app/Station.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>

#include "app/Language.h"
#include "app/QtPlatform.h"
#include "burner/ProductionLog.h"
#include "images/BatFile.h"
#include "images/BinFile.h"
#include "images/CodeBuffer.h"
#include "images/HexFile.h"
#include "images/RedidoFile.h"

namespace {

std::string Text(const QJsonObject& o, const char* key) { return o.value(key).toString().toStdString(); }

// A unit's record, as the production log has it.
void UnitEnded(TileView& t, const QJsonObject& unit) {
  const std::string result = Text(unit, "result");
  t.phase = result;
  // A search that nothing answered is the fixture's record, no unit's.
  if (!unit.contains("chip_id")) {
    t.state = result == "stopped" ? TileState::Idle : result == "not found" ? TileState::NoUnit : TileState::Failed;
    return;
  }
  t.unitThisRun = true;
  t.chip = unit.contains("chip_id") ? Text(unit, "chip_id") + " " + Text(unit, "chip") : "";
  t.verifySum = Text(unit, "verify_sum");
  t.errors = unit.value("errors").toInt();
  // "2026-12-07T09:30:12+01:00": the time of day is what the operator reads.
  const std::string time = Text(unit, "time");
  t.lastUnit = time.size() >= 19 ? time.substr(11, 8) : time;
  if (result == "verified") {
    t.state = TileState::Good;
    t.percent = 100;
    ++t.good;
  } else if (result == "not found") {
    t.state = TileState::NoUnit;
  } else {
    t.state = TileState::Failed;
    ++t.failed;
  }
}

void Progressed(TileView& t, const QJsonObject& o) {
  const std::string phase = Text(o, "phase");
  t.phase = phase;
  t.percent = static_cast<int>(o.value("done").toDouble() * 100);
  t.errors = o.value("errors").toInt();
  if (phase == "programming" || phase == "verifying") {
    t.state = TileState::Burning;
    return;
  }
  // Between units the last one's colour stays until the next is worked on.
  if (!t.unitThisRun) t.state = TileState::NoUnit;
}

void Summed(TileView& t, const QJsonObject& o) {
  t.summaryThisRun = true;
  const std::string result = Text(o, "result");
  t.phase = result;
  if (t.unitThisRun) return;
  // A fixture check: the chip that answered, nothing written.
  if (result == "found") {
    t.state = TileState::Idle;
    t.chip = Text(o, "chip_id") + " " + Text(o, "chip");
    return;
  }
  // A run that worked on no unit: its end is the tile's.
  if (result == "not found" || result == "no unit")
    t.state = TileState::NoUnit;
  else if (result == "stopped")
    t.state = TileState::Idle;
  else if (result != "done")
    t.state = TileState::Failed;
}

void Put(SettingsStore& s, std::string_view key, std::string_view value) { s.Put(StationSection, key, value); }
std::string Get(SettingsStore& s, std::string_view key) { return s.Get(StationSection, key); }

int Number(std::string_view text, int fallback) {
  int n = 0;
  const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), n);
  return fault == std::errc() && end == text.data() + text.size() ? n : fallback;
}

}  // namespace

void TileStarted(TileView& t) {
  t.running = true;
  t.stopping = t.unitThisRun = t.summaryThisRun = false;
  t.state = TileState::NoUnit;
  t.phase = "starting";
  t.percent = 0;
  t.errors = 0;
  t.message.clear();
}

bool TileLine(TileView& t, std::string_view line) {
  const QJsonObject o =
      QJsonDocument::fromJson(QByteArray(line.data(), static_cast<qsizetype>(line.size()))).object();
  if (o.contains("unit") && o.value("unit").isObject())
    UnitEnded(t, o.value("unit").toObject());
  else if (o.contains("what"))
    Summed(t, o);
  else if (o.contains("phase"))
    Progressed(t, o);
  else
    return false;
  return true;
}

void TileEnded(TileView& t, bool crashed) {
  const bool stopping = t.stopping;
  t.running = t.stopping = false;
  if (!crashed && t.summaryThisRun) return;
  // Stopped before it could take the stop as its button: no unit was touched.
  if (stopping && !t.unitThisRun) {
    t.state = TileState::Idle;
    t.phase = "stopped";
    return;
  }
  t.state = TileState::Failed;
  t.phase = "ended without a summary";
}

uint32_t TileColour(TileState state) {
  switch (state) {
    case TileState::Idle: return 0x9E9E9E;
    case TileState::Burning: return 0x1565C0;
    case TileState::Good: return 0x2E7D32;
    case TileState::Failed: return 0xC62828;
    case TileState::NoUnit: return 0xEF8F00;
  }
  return 0;
}

std::string_view TileStateText(const Ambrelin& a, TileState state) {
  switch (state) {
    case TileState::Idle: return ByLanguage(a, "空闲", "Idle");
    case TileState::Burning: return ByLanguage(a, "烧录中", "Burning");
    case TileState::Good: return ByLanguage(a, "正确", "Good");
    case TileState::Failed: return ByLanguage(a, "失败", "Failed");
    case TileState::NoUnit: return ByLanguage(a, "无目标", "No unit");
  }
  return "";
}

StationSetup LoadStation(SettingsStore& s) {
  StationSetup setup;
  const int count = Number(Get(s, "Fixtures"), 0);
  for (int n = 1; n <= count; ++n)
    setup.fixtures.push_back({Get(s, "Port" + std::to_string(n)), Get(s, "Name" + std::to_string(n))});
  setup.image = Get(s, "Image");
  setup.log = Get(s, "Log");
  setup.expect = Get(s, "Expect");
  setup.operatorName = Get(s, "Operator");
  setup.order = Get(s, "Order");
  setup.station = Get(s, "Station");
  setup.target = std::clamp(Number(Get(s, "Target"), 1), 1, 6);
  setup.fill00 = Get(s, "Fill") == "00";
  setup.autoRepeat = Get(s, "Auto") == "1";
  setup.locked = Get(s, "Locked") == "1";
  return setup;
}

void SaveStation(SettingsStore& s, const StationSetup& setup) {
  Put(s, "Fixtures", std::to_string(setup.fixtures.size()));
  for (size_t k = 0; k < setup.fixtures.size(); ++k) {
    Put(s, "Port" + std::to_string(k + 1), setup.fixtures[k].port);
    Put(s, "Name" + std::to_string(k + 1), setup.fixtures[k].name);
  }
  Put(s, "Image", setup.image);
  Put(s, "Log", setup.log);
  Put(s, "Expect", setup.expect);
  Put(s, "Operator", setup.operatorName);
  Put(s, "Order", setup.order);
  Put(s, "Station", setup.station);
  Put(s, "Target", std::to_string(setup.target));
  Put(s, "Fill", setup.fill00 ? "00" : "FF");
  Put(s, "Auto", setup.autoRepeat ? "1" : "0");
  Put(s, "Locked", setup.locked ? "1" : "0");
}

std::string PortOfEntry(std::string_view entry) {
  const size_t open = entry.find(" (");
  if (entry.starts_with("COM") && open != std::string_view::npos) {
    const std::string_view inside = entry.substr(open + 2);
    return std::string(inside.substr(0, inside.find_first_of(" )")));
  }
  return std::string(entry);
}

std::vector<std::string> ChildArguments(const StationSetup& setup, const Fixture& fixture) {
  std::vector<std::string> args{"burn", "--machine", "--port", PortOfEntry(fixture.port)};
  if (!HasEnding(setup.image, "bat")) args.insert(args.end(), {"--target", std::to_string(setup.target)});
  args.insert(args.end(), {"--fill", setup.fill00 ? "00" : "ff"});
  if (setup.autoRepeat) args.push_back("--auto");
  for (const auto& [option, value] :
       {std::pair{"--log", &setup.log}, {"--expect", &setup.expect}, {"--operator", &setup.operatorName},
        {"--order", &setup.order}, {"--station", &setup.station}})
    if (!value->empty()) args.insert(args.end(), {option, *value});
  // A file name that starts with a dash is still the file.
  args.insert(args.end(), {"--", setup.image});
  return args;
}

std::vector<std::string> CheckArguments(const StationSetup& setup, const Fixture& fixture) {
  // A check is the operator's question at the line: an empty fixture says so
  // within seconds, not after the burn's full search.
  return {"identify", "--json", "--search-seconds", "3", "--port", PortOfEntry(fixture.port),
          "--target", std::to_string(setup.target)};
}

ImageFacts ReadStationImage(Ambrelin& a, const std::string& path, uint8_t fill) {
  ImageFacts facts;
  facts.sha256 = FileSha256(path);
  const std::string image = HasEnding(path, "bat") ? ScriptImagePath(a, path, 1) : path;
  CodeImage scratch;
  Loaded loaded;
  if (HasEnding(image, "hex"))
    loaded = ReadHexFile(scratch, image, fill, 0, FillLast, a.pump);
  else if (HasEnding(image, "tot"))
    loaded = ReadTotFile(scratch, image, fill, 0, FillLast);
  else if (HasEnding(path, "bat") && HasEnding(image, "bin"))
    loaded = ReadBinFile(scratch, image, fill, 0, FillLast);
  else
    loaded.error = ByLanguage(a, "不是Hex, Tot或Bat文件", "Not a .hex, .tot or .bat file");
  facts.name = loaded.name;
  facts.error = loaded.error;
  facts.checksum = loaded.checksum;
  return facts;
}

bool ChecksumMatches(std::string_view expected, int32_t checksum) {
  if (expected.empty()) return true;
  if (expected.starts_with("0x") || expected.starts_with("0X")) expected.remove_prefix(2);
  uint32_t value = 0;
  const auto [end, fault] = std::from_chars(expected.data(), expected.data() + expected.size(), value, 16);
  return fault == std::errc() && end == expected.data() + expected.size() && value == static_cast<uint32_t>(checksum);
}
