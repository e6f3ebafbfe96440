// 200 auto-repeat burns over a line with seeded wire faults, in virtual time.
#include <iostream>
#include <numeric>

#include "TestApp.h"
#include "burner/BurnEngine.h"

namespace {

namespace Main = DesktopFormControls;

using Soak = AppTest;

TEST_F(Soak, TwoHundredAutoRepeatBurnsOverAFaultyLine) {
  constexpr int Burns = 200;
  // Virtual seconds; the error and search limits end any burn long before.
  constexpr double BurnLimit = 3600;
  // About one write frame in ten arrives damaged.
  FaultyLine(port.faults, 20261206);
  const auto image = Pattern(0x1000, 31);
  ReadyToBurn(0x0101, HexImage("soak.hex", image));
  c.SetTicked(Main::UpdateCheckAutoBurn, true);
  c.SetTicked(Main::UpdateCheckSound, false);
  boot.nextUnitAfter = 0.5;

  // Garbage in the flash before each burn, so a block never written shows;
  // a fresh unit comes erased, so it is scrambled again as programming starts.
  std::mt19937 garbage(5);
  const auto scramble = [&] {
    for (uint8_t& b : BootFlash(boot, 1)) b = static_cast<uint8_t>(garbage());
  };
  const auto holdsImage = [&] { return std::equal(image.begin(), image.end(), BootFlash(boot, 1).begin()); };
  // Two bits flipped the opposite ways in one write frame keep both the
  // frame's sum and the chip's: no burn can see that. A wrong flash with
  // another sum is the program's fault, a stale checksum answer taken.
  const auto sum = [](auto begin, auto end) { return std::accumulate(begin, end, 0u) & 0xFFFF; };
  const auto sumMatches = [&] { return sum(image.begin(), image.end()) == sum(BootFlash(boot, 1).begin(), BootFlash(boot, 1).begin() + 0x1000); };
  const auto state = [&] { return c.Text(Main::UpdateLabelBurnState); };

  int burns = 0, good = 0, unseen = 0, hangs = 0;
  int run = 0;  // one per click; a watchdog only stops the run it was armed for
  bool stopping = false;
  const auto stop = [&] {
    stopping = true;
    At(Now(), [&] { UpdateButtonUpdate_Click(a, 0xFF); });
  };
  const auto arm = [&] {
    At(Now() + BurnLimit, [&, armed = burns, r = run] {
      if (r == run && burns == armed && a.link.ReplyWanted && !stopping) {
        ++hangs;
        stop();
      }
    });
  };
  c.textChanged = [&](Control ctl, std::string_view text) {
    if (ctl.window != "DesktopForm") return;
    if (ctl.name == "UpdateLabelBurnState" && text == "等待: 准备升级") scramble();
    if (ctl.name != "UpdateLabelBurnTotal" || text == "统计: " || text == "统计: 0") return;
    ++burns;
    ++good;
    EXPECT_TRUE(state().starts_with("校验: 正确0x")) << "burn " << burns << ": " << state();
    if (!holdsImage()) {
      EXPECT_TRUE(sumMatches()) << "burn " << burns << " reported good with a flash unlike the image";
      unseen += sumMatches();
    }
    if (burns == Burns) return stop();
    scramble();
    arm();
  };

  while (burns < Burns && !stopping) {
    ++run;
    scramble();
    arm();
    const BurnOutcome outcome = UpdateButtonUpdate_Click(a, 0xFF);
    if (stopping) break;
    // The run ended by itself: the burn under way failed.
    ++burns;
    EXPECT_NE(outcome.end, BurnEnd::Finished) << "burn " << burns;
    EXPECT_EQ(c.At(Main::UpdateLabelBurnState).colour, Red) << "burn " << burns << " ended with " << state();
  }
  EXPECT_EQ(hangs, 0);
  EXPECT_EQ(burns, Burns);
  EXPECT_GT(good, Burns / 2) << "the faults are modest; most burns must get through";

  const WireFaultCount &up = port.toUnitFaults, &down = port.toHostFaults;
  std::cout << "soak: " << burns << " burns, " << good << " good, " << unseen << " good with a double fault no sum sees; "
            << Now() << " s; faults to the unit " << up.dropped + up.corrupted + up.duplicated + up.noise << ", to the host "
            << down.dropped + down.corrupted + down.duplicated + down.noise + down.split + down.late << "\n";
}

}  // namespace
