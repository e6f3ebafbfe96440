// 200 auto-repeat burns over a line with seeded wire faults, in virtual time.
#include <cstdlib>
#include <iostream>
#include <map>

#include "BurnRig.h"

namespace {

// A cheap adapter on a long cable: every kind of wire fault, seeded.
struct Soak : BurnRig {
  void SetUp() override {
    BurnRig::SetUp();
    WireFaults& f = t.link.port.faults;
    f.random.seed(20261206);
    // Per byte and kind; about one write frame in ten arrives damaged. The
    // variable lets a longer run try a rougher line.
    const char* rate = std::getenv("AMBRELIN_SOAK_BYTE_FAULTS");
    f.drop = f.corrupt = f.duplicate = f.noise = rate && *rate ? std::atof(rate) : 0.0002;
    f.split = 0.05;
    f.late = 0.02;
  }
};

// Where the flash strays from the image, and whether it is the image moved
// by a byte (one lost, another doubled, in the same frame).
std::string Differences(const std::vector<uint8_t>& flash, const std::vector<uint8_t>& image) {
  size_t count = 0, first = image.size(), last = 0;
  bool shifted = true;
  for (size_t k = 0; k < image.size(); ++k) {
    if (flash[k] == image[k]) continue;
    ++count;
    first = std::min(first, k);
    last = k;
    shifted = shifted && k + 1 < image.size() && flash[k] == image[k + 1];
  }
  return std::to_string(count) + " bytes from " + std::to_string(first) + " to " + std::to_string(last) +
         (shifted ? ", the image moved down by one" : "");
}

int Number(std::string_view text, std::string_view prefix) {
  return text.starts_with(prefix) && text.size() > prefix.size() ? std::stoi(std::string(text.substr(prefix.size())))
                                                                  : -1;
}

TEST_F(Soak, TwoHundredAutoRepeatBurnsOverAFaultyLine) {
  constexpr int Burns = 200;
  // Virtual seconds; the error and search limits end any burn long before.
  constexpr double BurnLimit = 3600;
  Chip(0x0101);
  const auto image = Bytes(0x1000, 31);
  File(HexImage("soak.hex", image));
  t.controls.SetTicked(Main::UpdateCheckAutoBurn, true);
  t.controls.SetTicked(Main::UpdateCheckSound, false);

  // Garbage in the flash before each burn, so a block never written shows.
  std::mt19937 garbage(5);
  const auto scramble = [&] {
    for (uint8_t& b : BootFlash(boot, 1)) b = static_cast<uint8_t>(garbage());
  };
  const auto holdsImage = [&] {
    const auto& flash = BootFlash(boot, 1);
    return std::equal(image.begin(), image.end(), flash.begin());
  };

  int burns = 0, good = 0, wrongFlash = 0, hangs = 0, failedButHeld = 0, retries = 0, lastErrors = 0;
  int run = 0;  // one per click; a watchdog only stops the run it was armed for
  bool stopping = false;
  std::map<std::string, int> ends;
  const auto stop = [&] {
    stopping = true;
    At(t.link.scheduler, t.link.scheduler.now, [&] { UpdateButtonUpdate_Click(a); });
  };
  const auto arm = [&] {
    At(t.link.scheduler, t.link.scheduler.now + BurnLimit, [&, armed = burns, r = run] {
      if (r == run && burns == armed && a.link.ReplyWanted && !stopping) {
        ++hangs;
        stop();
      }
    });
  };
  t.controls.textChanged = [&](Control c, std::string_view text) {
    if (c.window != "DesktopForm") return;
    if (c.name == "UpdateLabelBurnError") lastErrors = std::max(lastErrors, Number(text, "出错: "));
    if (c.name != "UpdateLabelBurnTotal" || Number(text, "统计: ") < 1) return;
    ++burns;
    ++good;
    retries += lastErrors;
    lastErrors = 0;
    EXPECT_EQ(State().rfind("校验: 正确0x", 0), 0u) << "burn " << burns << ": " << State();
    EXPECT_NE(StateColour(), Red);
    if (!holdsImage()) {
      ++wrongFlash;
      ADD_FAILURE() << "burn " << burns << " reported good with a flash unlike the image: "
                    << Differences(BootFlash(boot, 1), image);
    }
    if (burns == Burns) return stop();
    scramble();
    arm();
  };

  const double started = t.link.scheduler.now;
  while (burns < Burns && !stopping) {
    ++run;
    scramble();
    arm();
    UpdateButtonUpdate_Click(a);
    if (stopping) break;
    // The run ended by itself: the burn under way failed.
    ++burns;
    retries += lastErrors;
    lastErrors = 0;
    ++ends[State()];
    EXPECT_EQ(StateColour(), Red) << "burn " << burns << " ended with " << State();
    EXPECT_NE(State().rfind("校验: 正确", 0), 0u);
    if (holdsImage()) ++failedButHeld;
  }
  EXPECT_EQ(hangs, 0);
  EXPECT_EQ(wrongFlash, 0);
  EXPECT_EQ(burns, Burns);
  EXPECT_GT(good, Burns / 2) << "the faults are modest; most burns must get through";

  const WireFaultCount& up = t.link.port.toUnitFaults;
  const WireFaultCount& down = t.link.port.toHostFaults;
  std::map<uint16_t, int> requests;
  for (const SimFrame& f : t.link.unit.received)
    if (IsBootRequest(f)) ++requests[f.data[1]];
  std::cout << "soak: " << burns << " burns, " << good << " good, " << burns - good << " red, " << wrongFlash
            << " good with a wrong flash, " << failedButHeld << " red with the image in place, " << hangs
            << " hung; " << t.link.scheduler.now - started << " s on the clock\n"
            << "soak: error counts shown (peak per burn, summed) " << retries << "; frames the unit took: identify "
            << requests[BootIdentify] << ", erase " << requests[BootErase] << ", write " << requests[BootWrite]
            << ", checksum " << requests[BootChecksum] << " (a clean burn takes 8, 32, 1)\n"
            << "soak: to the unit dropped " << up.dropped << ", corrupted " << up.corrupted << ", duplicated "
            << up.duplicated << ", noise " << up.noise << "\n"
            << "soak: to the host dropped " << down.dropped << ", corrupted " << down.corrupted << ", duplicated "
            << down.duplicated << ", noise " << down.noise << ", split " << down.split << ", late " << down.late
            << "\n";
  for (const auto& [text, count] : ends) std::cout << "soak: ended red " << count << "x with " << text << "\n";
  RecordProperty("burns", burns);
  RecordProperty("good", good);
  RecordProperty("wrong_flash", wrongFlash);
  RecordProperty("faults_to_unit", up.dropped + up.corrupted + up.duplicated + up.noise);
  RecordProperty("faults_to_host",
                 down.dropped + down.corrupted + down.duplicated + down.noise + down.split + down.late);
}

}  // namespace
