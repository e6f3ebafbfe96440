// Complete DSP downloads over a line with seeded wire faults, in virtual time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>

#include "TestApp.h"
#include "dspflash/FlashDownload.h"
#include "panels/DecoderFormControls.h"

namespace {

namespace C = DecoderFormControls;

// One download for each way a loader numbers its answers.
TEST(DspSoak, ThreeDownloadsOverAFaultyLine) {
  constexpr DspNumbering Numberings[] = {DspNumbering::Echo, DspNumbering::Zero, DspNumbering::OwnCount};
  constexpr int Downloads = 3;
  // Virtual seconds; eleven timeouts end any command long before.
  constexpr double Limit = 24 * 3600;
  int complete = 0, wrongFlash = 0, hangs = 0;
  for (int run = 0; run < Downloads; ++run) {
    TestApp t;
    Ambrelin& a = t.app;
    ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1"));
    t.link.unit.dsp.numbering = Numberings[run];
    WireFaults& f = t.link.port.faults;
    f.random.seed(7000 + run);
    // Per byte and kind, as for the burns; about one write frame in nine
    // arrives damaged. The variable lets a longer run try a rougher line.
    const char* rate = std::getenv("AMBRELIN_SOAK_BYTE_FAULTS");
    f.drop = f.corrupt = f.duplicate = f.noise = rate && *rate ? std::atof(rate) : 0.0002;
    f.split = 0.05;
    f.late = 0.02;
    std::mt19937 random(run + 1);
    for (uint8_t& b : a.code.Buffer) b = static_cast<uint8_t>(random());

    bool hung = false;
    At(t.link.scheduler, Limit, [&] {
      if (!a.link.ReplyWanted) return;
      hung = true;
      AudioFlashDownload_Click(a);
    });
    const DownloadOutcome outcome = AudioFlashDownload_Click(a);
    EXPECT_FALSE(hung) << "download " << run;
    hangs += hung;
    EXPECT_FALSE(a.link.ReplyWanted);

    const std::string info = t.controls.Text(C::AudioFlashBurnInfo);
    const bool held = t.link.unit.dsp.flash == a.code.Buffer;
    // Where the flash strays, and whether that stretch was erased and never written.
    size_t differing = 0, first = 0;
    bool erased = true;
    for (size_t k = 0; k < a.code.Buffer.size(); ++k) {
      if (t.link.unit.dsp.flash[k] == a.code.Buffer[k]) continue;
      if (differing++ == 0) first = k;
      erased = erased && t.link.unit.dsp.flash[k] == 0xFF;
    }
    if (outcome.end == DownloadEnd::Done) {
      ++complete;
      if (!held) ++wrongFlash;
      EXPECT_TRUE(held) << "download " << run << " reported complete with " << differing
                        << " bytes unlike the image from " << first << (erased ? ", left erased" : "");
    } else {
      EXPECT_TRUE(outcome.end == DownloadEnd::EraseNoResponse || outcome.end == DownloadEnd::WriteNoResponse ||
                  outcome.end == DownloadEnd::NotFound)
          << "download " << run << " ended with " << info;
    }
    const WireFaultCount& up = t.link.port.toUnitFaults;
    const WireFaultCount& down = t.link.port.toHostFaults;
    std::cout << "dsp soak: download " << run << " (numbering " << static_cast<int>(Numberings[run]) << ") ended with " << info << ", "
              << t.controls.Text(C::AudioFlashBurnError) << ", " << differing << " bytes unlike the image, "
              << t.link.scheduler.now << " s on the clock; loader carried out " << t.link.unit.dsp.erases
              << " erases, " << t.link.unit.dsp.writes << " writes (a clean download takes 128, 4096)\n"
              << "dsp soak:   to the loader dropped " << up.dropped << ", corrupted " << up.corrupted
              << ", duplicated " << up.duplicated << ", noise " << up.noise << "; to the host dropped "
              << down.dropped << ", corrupted " << down.corrupted << ", duplicated " << down.duplicated << ", noise "
              << down.noise << ", split " << down.split << ", late " << down.late << "\n";
  }
  std::cout << "dsp soak: " << Downloads << " downloads, " << complete << " complete, " << wrongFlash
            << " complete with a wrong flash, " << hangs << " hung\n";
  RecordProperty("complete", complete);
  RecordProperty("wrong_flash", wrongFlash);
}

}  // namespace
