#pragma once
// The program without a screen, over the simulated unit in virtual time: the
// one fixture every job test starts from, and the few helpers they share.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "Fakes.h"
#include "app/Ambrelin.h"
#include "app/DesktopFormControls.h"
#include "app/MapControls.h"
#include "app/Utf8Path.h"
#include "link/ComPort.h"
#include "sim/VirtualLink.h"

using Bytes = std::vector<uint8_t>;

// The running test's own folder, ending in the separator: ctest runs the
// tests of one program side by side, and two writing one.hex at once would
// each burn the other's image.
inline std::string TestFolder() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::filesystem::path folder =
      std::filesystem::path(::testing::TempDir()) / (std::string(test->test_suite_name()) + "." + test->name());
  std::filesystem::create_directories(folder);
  return Utf8Text(folder / "");
}

inline std::string WriteFile(const std::string& name, const std::string& content) {
  const std::string path = TestFolder() + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

inline Bytes ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The lines of a data file beside the tests, without comments and blank lines.
inline std::vector<std::string> DataLines(const std::string& name) {
  std::ifstream file(std::string(AMBRELIN_TEST_SOURCE) + "/" + name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);)
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  EXPECT_FALSE(lines.empty()) << name;
  return lines;
}

// The fields of a data row written as "| a | b |", each without the one blank
// that pads it on either side.
inline std::vector<std::string> Fields(const std::string& row) {
  std::vector<std::string> fields;
  for (size_t at = row.find('|'), next; at != std::string::npos && (next = row.find('|', at + 1)) != std::string::npos;
       at = next)
    fields.push_back(next - at >= 3 ? row.substr(at + 2, next - at - 3) : "");
  return fields;
}

// A frame's data bytes in groups of two, as command texts are written.
inline std::string DataText(std::span<const uint8_t> frame) {
  std::string text;
  char pair[4];
  for (size_t i = 6; i + 2 < frame.size(); ++i) {
    std::snprintf(pair, sizeof pair, i > 6 && i % 2 == 0 ? " %02X" : "%02X", frame[i]);
    text += pair;
  }
  return text;
}

// Bytes with plenty of 0x53 and 0x75 among them, so the burn's exchange matters.
inline Bytes Pattern(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (uint8_t& b : bytes) {
    const unsigned r = random() % 8;
    b = r == 0 ? 0x53 : r == 1 ? 0x75 : static_cast<uint8_t>(random());
  }
  return bytes;
}

// One Intel HEX data record, with CR LF.
inline std::string HexRecord(uint32_t address, std::span<const uint8_t> bytes) {
  char field[16];
  std::snprintf(field, sizeof field, ":%02X%04X00", static_cast<unsigned>(bytes.size()), address & 0xFFFF);
  std::string line = field;
  unsigned sum = static_cast<unsigned>(bytes.size() + (address >> 8) + address);
  for (uint8_t b : bytes) {
    std::snprintf(field, sizeof field, "%02X", b);
    line += field;
    sum += b;
  }
  std::snprintf(field, sizeof field, "%02X\r\n", -sum & 0xFF);
  return line + field;
}

// An Intel HEX file of 16-byte records from `base`; returns its path.
inline std::string HexImage(const std::string& name, const Bytes& bytes, uint32_t base = 0) {
  std::string text;
  for (size_t at = 0; at < bytes.size(); at += 16)
    text += HexRecord(static_cast<uint32_t>(base + at), std::span(bytes).subspan(at, std::min<size_t>(16, bytes.size() - at)));
  return WriteFile(name, text + ":00000001FF\r\n");
}

// A cheap adapter on a long cable: every kind of wire fault, seeded; per
// byte and kind. The variable lets a longer run try a rougher line.
inline void FaultyLine(WireFaults& f, unsigned seed) {
  f.random.seed(seed);
  const char* rate = std::getenv("AMBRELIN_SOAK_BYTE_FAULTS");
  f.drop = f.corrupt = f.duplicate = f.noise = rate && *rate ? std::atof(rate) : 0.0002;
  f.split = 0.05;
  f.late = 0.02;
}

struct TestApp {
  MapControls controls;
  RecordedDialogs dialogs;
  MapSettings settings;
  VirtualLink link;
  Ambrelin app{controls, link.port, link.pump, dialogs, settings, TestFolder() + "ambrelin-data"};
  // Opened, the port runs as the main window opens it.
  explicit TestApp(bool open = false) {
    ConnectPort(app);
    if (open) link.port.Open("/dev/ttyS0", "38400,N,8,1");
  }
};

// One program with its port open.
struct AppTest : ::testing::Test {
  TestApp t{true};
  Ambrelin& a = t.app;
  MapControls& c = t.controls;
  FakePort& port = t.link.port;
  BootProgram& boot = t.link.unit.boot;
  std::vector<Bytes>& writes = t.link.port.writes;

  std::string Sent() const { return writes.empty() ? "nothing" : DataText(writes.back()); }
  double Now() { return t.link.pump.Now(); }
  void Idle(double seconds) { t.link.pump.WaitUntil(Now() + seconds, [] { return false; }); }
  void At(double time, std::function<void()> event) { ::At(t.link.scheduler, time, std::move(event)); }
  // Runs `action` at the next wait after `text` appears on `control`.
  void When(Control control, std::string text, std::function<void()> action) {
    c.textChanged = [this, control, text, action](Control changed, std::string_view now) {
      if (changed.window == control.window && changed.name == control.name && now == text) At(Now(), action);
    };
  }
  // The burn page ready for target 1 of a unit whose boot program runs on `chip`.
  void ReadyToBurn(uint16_t chip, const std::string& path) {
    namespace Main = DesktopFormControls;
    BootChip(boot, chip);
    for (Control list : {Main::UpdateSelectTarget, Control{"BurnDesktop", "UpdateSelectTarget", ""}})
      c.SetEntries(list, {"ID = 1", "ID = 2", "ID = 3", "ID = 4", "ID = 5", "ID = 6"});
    c.SetIndex(Main::UpdateSelectTarget, 0);
    c.SetTicked(Main::UpdateOptionFull0xff, true);
    c.SetTicked(Main::UpdateCheckSound, true);
    c.SetText(Main::UpdateTextFileName, path);
  }
  // The parameters of the boot requests the unit received with this command.
  std::vector<uint16_t> Requests(uint16_t command) {
    std::vector<uint16_t> parameters;
    for (const SimFrame& f : t.link.unit.received)
      if (IsBootRequest(f) && f.data[1] == command) parameters.push_back(static_cast<uint16_t>(f.data[2] << 8 | f.data[3]));
    return parameters;
  }
  // Whether the target's flash holds the code buffer from `start` to `end`.
  bool FlashHoldsImage(uint8_t target, int32_t start, int32_t end) {
    const auto& flash = BootFlash(boot, target);
    return std::equal(flash.begin() + start, flash.begin() + end + 1, a.code.Buffer.begin() + start);
  }
};
