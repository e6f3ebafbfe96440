// Complete DSP downloads over a line with seeded wire faults, in virtual time.
#include <iostream>

#include "TestApp.h"
#include "dspflash/FlashDownload.h"
#include "panels/DecoderFormControls.h"

namespace {

namespace C = DecoderFormControls;

// One download for each way a loader numbers its answers.
TEST(DspSoak, ThreeDownloadsOverAFaultyLine) {
  // Virtual seconds; eleven timeouts end any command long before.
  constexpr double Limit = 24 * 3600;
  int run = 0;
  for (DspNumbering numbering : {DspNumbering::Echo, DspNumbering::Zero, DspNumbering::OwnCount}) {
    TestApp t(true);
    Ambrelin& a = t.app;
    t.link.unit.dsp.numbering = numbering;
    // About one write frame in nine arrives damaged.
    FaultyLine(t.link.port.faults, 7000 + run);
    std::mt19937 random(++run);
    for (uint8_t& b : a.code.Buffer) b = static_cast<uint8_t>(random());
    bool hung = false;
    At(t.link.scheduler, Limit, [&] {
      if (!a.link.ReplyWanted) return;
      hung = true;
      AudioFlashDownload_Click(a);
    });

    const DownloadOutcome outcome = AudioFlashDownload_Click(a);
    EXPECT_FALSE(hung || a.link.ReplyWanted) << "download " << run;
    size_t differing = 0;
    for (size_t k = 0; k < a.code.Buffer.size(); ++k) differing += t.link.unit.dsp.flash[k] != a.code.Buffer[k];
    if (outcome.end == DownloadEnd::Done)
      EXPECT_EQ(differing, 0u) << "download " << run << " reported complete with bytes unlike the image";
    else
      EXPECT_TRUE(outcome.end == DownloadEnd::EraseNoResponse || outcome.end == DownloadEnd::WriteNoResponse ||
                  outcome.end == DownloadEnd::NotFound)
          << "download " << run;
    const WireFaultCount &up = t.link.port.toUnitFaults, &down = t.link.port.toHostFaults;
    std::cout << "dsp soak: download " << run << " ended with " << t.controls.Text(C::AudioFlashBurnInfo) << ", "
              << outcome.errors << " errors, " << differing << " bytes unlike the image, " << t.link.pump.Now()
              << " s; " << t.link.unit.dsp.erases << " erases, " << t.link.unit.dsp.writes
              << " writes (a clean download takes 128, 4096); faults to the loader "
              << up.dropped + up.corrupted + up.duplicated + up.noise << ", to the host "
              << down.dropped + down.corrupted + down.duplicated + down.noise + down.split + down.late << "\n";
  }
}

}  // namespace
