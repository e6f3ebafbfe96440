#pragma once
// The burn against the simulated unit's boot program, in virtual time.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "burner/BurnEngine.h"
#include "images/Files.h"
#include "link/TxRx.h"

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

// Bytes with plenty of 0x53 and 0x75 among them, so the exchange matters.
inline std::vector<uint8_t> Bytes(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(size);
  for (uint8_t& b : bytes) {
    const unsigned r = random() % 8;
    b = r == 0 ? 0x53 : r == 1 ? 0x75 : static_cast<uint8_t>(random());
  }
  return bytes;
}

// An Intel HEX file of 16-byte records from `base`.
inline std::string HexImage(const std::string& name, const std::vector<uint8_t>& bytes, uint32_t base = 0) {
  std::string text;
  char field[16];
  for (size_t at = 0; at < bytes.size(); at += 16) {
    const size_t n = std::min<size_t>(16, bytes.size() - at);
    const uint32_t address = base + static_cast<uint32_t>(at);
    unsigned sum = static_cast<unsigned>(n + (address >> 8) + (address & 0xFF));
    std::snprintf(field, sizeof field, ":%02X%04X00", static_cast<unsigned>(n), address);
    text += field;
    for (size_t k = 0; k < n; ++k) {
      std::snprintf(field, sizeof field, "%02X", bytes[at + k]);
      text += field;
      sum += bytes[at + k];
    }
    std::snprintf(field, sizeof field, "%02X\r\n", (0x100 - (sum & 0xFF)) & 0xFF);
    text += field;
  }
  return WriteFile(name, text + ":00000001FF\r\n");
}

// The target lists as the windows fill them.
inline void TargetLists(MapControls& controls) {
  const std::vector<std::string> ids{"ID = 1", "ID = 2", "ID = 3", "ID = 4", "ID = 5", "ID = 6"};
  controls.SetEntries(Main::UpdateSelectTarget, ids);
  controls.SetEntries(Burner::UpdateSelectTarget, ids);
}

struct BurnRig : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  BootProgram& boot = t.link.unit.boot;

  void SetUp() override {
    ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1"));
    TargetLists(t.controls);
    t.controls.SetIndex(Main::UpdateSelectTarget, 0);
    t.controls.SetTicked(Main::UpdateOptionFull0xff, true);
    t.controls.SetTicked(Main::UpdateCheckSound, true);
  }
  void Chip(uint16_t id) { BootChip(boot, id); }
  void File(const std::string& path) { t.controls.SetText(Main::UpdateTextFileName, path); }
  std::string State() { return t.controls.Text(Main::UpdateLabelBurnState); }
  std::string BurnerState() { return t.controls.Text(Burner::UpdateLabelBurnState); }
  uint32_t StateColour() { return t.controls.At(Main::UpdateLabelBurnState).colour; }
  // The requests the unit received with this command, by their parameter.
  std::vector<uint16_t> Requests(uint16_t command) {
    std::vector<uint16_t> parameters;
    for (const SimFrame& f : t.link.unit.received)
      if (IsBootRequest(f) && f.data[1] == command) parameters.push_back(static_cast<uint16_t>(f.data[2] << 8 | f.data[3]));
    return parameters;
  }
  // Runs `action` at the next wait after `text` appears on `c`.
  void When(Control c, const std::string& text, std::function<void()> action) {
    t.controls.textChanged = [this, c, text, action](Control changed, std::string_view now) {
      if (changed.window == c.window && changed.name == c.name && now == text)
        At(t.link.scheduler, t.link.scheduler.now, action);
    };
  }
  // The flash from chip start to chip end against the code buffer.
  void ExpectFlashHoldsImage(uint8_t target, int32_t start, int32_t end) {
    const auto& flash = BootFlash(boot, target);
    for (int32_t k = start; k <= end; ++k)
      ASSERT_EQ(flash[static_cast<size_t>(k)], a.code.Buffer[static_cast<size_t>(k)]) << "at " << k;
  }
};
