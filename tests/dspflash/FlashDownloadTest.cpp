// The DSP flash download against the simulated unit, in virtual time.
#include <algorithm>

#include "TestApp.h"
#include "dspflash/FlashDownload.h"
#include "link/TxRx.h"
#include "panels/DecoderFormControls.h"

namespace {

namespace C = DecoderFormControls;

// Wire time of the whole image: per block the 144-byte write and the 12-byte
// answer, per sector the 16-byte erase and its answer.
constexpr double ImageSeconds = 4096 * (144 + 12) * 10 / 128000.0 + 128 * 28 * 10 / 128000.0;

struct Download : AppTest {
  DspLoader& dsp = t.link.unit.dsp;
  // Every text the info label showed, and when.
  std::vector<std::pair<double, std::string>> info;

  void SetUp() override {
    c.textChanged = [this](Control ctl, std::string_view text) {
      if (ctl.name == C::AudioFlashBurnInfo.name) info.emplace_back(Now(), text);
    };
  }
  bool Shown(const std::string& text) {
    return std::ranges::any_of(info, [&](const auto& entry) { return entry.second == text; });
  }
  // The job's end as every way out leaves it.
  void ExpectEnded() {
    EXPECT_FALSE(a.link.ReplyWanted);
    EXPECT_EQ(c.Text(C::AudioFlashDownload), "开始烧录");
    EXPECT_EQ(port.settings, "128000,N,8,1") << "the port stays at the download's speed";
  }
};

// The commands as the unit received them: command byte and flash address.
std::vector<std::pair<uint8_t, uint32_t>> Commands(TestApp& t, int only = -1) {
  std::vector<std::pair<uint8_t, uint32_t>> commands;
  for (const SimFrame& f : t.link.unit.received)
    if (only < 0 || f.data[3] == only)
      commands.emplace_back(f.data[3], f.data.size() < 8 ? 0 : f.data[4] << 24 | f.data[5] << 16 | f.data[6] << 8 | f.data[7]);
  return commands;
}

TEST_F(Download, WholeImageArrivesByteForByte) {
  // What an image opened last holds is the job test's; the download sends the buffer.
  a.code.Buffer = Pattern(a.code.Buffer.size(), 21);
  // The loader wakes late, refusing its first pings, and the counter wraps on the way.
  dsp.ping.silent = 8;
  dsp.ping.fail = 2;
  a.link.TxSequence = 213;

  Progress last{};
  a.progress = [&](const Progress& p) { last = p; };
  const DownloadOutcome outcome = AudioFlashDownload_Click(a);
  EXPECT_EQ(std::make_tuple(last.job, last.first, last.last, last.address), std::make_tuple(Job::Download, 0, 0x7FFFF, 0x80000));
  EXPECT_EQ(std::make_tuple(outcome.end, outcome.errors, outcome.address), std::make_tuple(DownloadEnd::Done, 0, 0x80000))
      << "a silent or refused ping is no error";
  EXPECT_TRUE(dsp.flash == a.code.Buffer) << "the flash holds the image";
  EXPECT_EQ(std::make_tuple(dsp.pings, dsp.erases, dsp.writes), std::make_tuple(1, 128, 4096));
  // Eleven pings, then each sector's erase before its 32 writes.
  std::vector<std::pair<uint8_t, uint32_t>> expected(11, {0x10, 0});
  for (uint32_t block = 0; block < 4096; ++block) {
    if (block % 32 == 0) expected.emplace_back(0x14, block * 128);
    expected.emplace_back(0x13, block * 128);
  }
  EXPECT_TRUE(Commands(t) == expected);
  EXPECT_TRUE(std::all_of(writes.begin(), writes.end(), [](const Bytes& f) { return f[1] == 0x00; })) << "type 0";
  // The 35th frame after the handshake is the erase of the second sector.
  EXPECT_EQ(writes[11 + 33],
            (Bytes{0x55, 0x00, 0x02, 0x57, 0x02, 0x08, 0x44, 0x49, 0x70, 0x14, 0x00, 0x00, 0x10, 0x00, 0x82, 0xAA}));
  ExpectEnded();
  EXPECT_EQ(std::make_tuple(c.Text(C::AudioFlashBurnInfo), c.Text(C::AudioFlashBurnTime), c.Value(C::AudioFlashBar),
                            c.Text(C::AudioFlashBurnError)),
            std::make_tuple("烧录: 完成", "时间: 完成", 0, "出错: ------"));
  EXPECT_EQ(info[1].second, "等待: 已找到目标");
  EXPECT_NEAR(info[1].first, 10.0, 0.01) << "ten unanswered pings of a second each: a refusal is no find";
  EXPECT_TRUE(Shown("删除: 完成0x0") && Shown("删除:0x7F000") && Shown("烧录: 0x7FF80"));
  EXPECT_NEAR(Now() - info[1].first, ImageSeconds, 0.01) << "paced by the wire alone";
}

TEST_F(Download, WorkedFramesOfPingAndWrite) {
  // No loader answers: eleven pings, a little over a second each.
  dsp.ping.silent = 11;
  EXPECT_EQ(AudioFlashDownload_Click(a).end, DownloadEnd::NotFound);
  EXPECT_EQ(writes.front(), (Bytes{0x55, 0x00, 0x02, 0x57, 0x01, 0x04, 0x44, 0x49, 0x70, 0x10, 0x69, 0xAA}));
  EXPECT_EQ(Commands(t), (std::vector<std::pair<uint8_t, uint32_t>>(11, {0x10, 0})));
  EXPECT_NEAR(Now(), 11.0, 0.05);
  EXPECT_EQ(c.Text(C::AudioFlashBurnInfo) + " " + c.Text(C::AudioFlashBurnTime), "等待: 找不到目标 时间: ------");
  ExpectEnded();

  a.link.TxSequence = 2;
  FlashWrite(a, 0x00, 0x02, 0, Bytes(128, 0xFF));
  Bytes expected{0x55, 0x00, 0x02, 0x57, 0x03, 0x88, 0x44, 0x49, 0x70, 0x13, 0x00, 0x00, 0x00, 0x00};
  expected.insert(expected.end(), 128, 0xFF);
  expected.insert(expected.end(), {0x72, 0xAA});
  EXPECT_EQ(writes.back(), expected);

  Bytes block(130);
  for (size_t k = 0; k < block.size(); ++k) block[k] = static_cast<uint8_t>(k);
  a.link.TxSequence = 255;
  FlashWrite(a, 0x10, 0x07, 0x1080, block);
  ASSERT_EQ(writes.back().size(), 144u) << "only 128 of the bytes go";
  EXPECT_EQ(Bytes(writes.back().begin(), writes.back().begin() + 14),
            (Bytes{0x55, 0x10, 0x07, 0x6C, 0x00, 0x88, 0x44, 0x49, 0x70, 0x13, 0x00, 0x00, 0x10, 0x80}));
  EXPECT_EQ(ReadFrames(t.link.unit.reader, writes.back()).size(), 1u) << "a well-formed frame to the unit";

  // A short block and a closed port send nothing and use no number.
  FlashWrite(a, 0x00, 0x02, 0, Bytes(127));
  port.Close();
  FlashWrite(a, 0x00, 0x02, 0, Bytes(128));
  EXPECT_EQ(t.dialogs.messages, (std::vector<std::string>(2, "FlashWrite,意想不到的错 !")));
  EXPECT_TRUE(port.dropped.empty());
  EXPECT_EQ(a.link.TxSequence, 0);
}

TEST_F(Download, APortClosedOrRefusingTheSpeedEndsAtOnceSayingWhich) {
  struct StuckPort : FakePort {
    using FakePort::FakePort;
    bool SetSettings(std::string_view text) override { return text != "128000,N,8,1" && FakePort::SetSettings(text); }
  } stuck{t.link.scheduler, t.link.unit};
  ASSERT_EQ(stuck.Open("/dev/ttyS0", "38400,N,8,1").fault, PortFault::None);
  Ambrelin b{t.controls, stuck, t.link.pump, t.dialogs, t.settings, ""};
  ConnectPort(b);
  port.Close();
  const std::tuple<Ambrelin*, DownloadEnd, const char*, const char*> cases[] = {
      {&a, DownloadEnd::PortClosed, "状态: 没有打开串口", "State: the port is not open"},
      {&b, DownloadEnd::BaudRefused, "状态: 串口不支持128000波特", "State: the port cannot run at 128000 baud"},
  };
  for (auto [app, end, chinese, english] : cases)
    for (const uint8_t language : {uint8_t{0}, uint8_t{1}}) {
      app->Language = language;
      EXPECT_EQ(AudioFlashDownload_Click(*app).end, end);
      EXPECT_EQ(c.Text(C::AudioFlashBurnInfo), language ? english : chinese);
      EXPECT_EQ(c.At(C::AudioFlashBurnInfo).colour, 255u);
      EXPECT_EQ(std::make_pair(app->job, app->link.ReplyWanted), std::make_pair(Job::None, false));
    }
  EXPECT_EQ(Now(), 0.0);
  EXPECT_TRUE(stuck.writes.empty() && port.writes.empty() && port.dropped.empty());
  ASSERT_EQ(port.Open("/dev/ttyS0", "38400,N,8,1").fault, PortFault::None);
  t.link.unit.silent = true;
  AudioFlashDownload_Click(a);
  EXPECT_EQ(c.At(C::AudioFlashBurnInfo).colour, 0u) << "the next download starts black";
}

TEST_F(Download, RefusalsAreRetriedWithoutLimitAndEveryOneCounts) {
  dsp.erase.fail = 3;
  dsp.write.fail = 20;
  const DownloadOutcome outcome = AudioFlashDownload_Click(a);
  EXPECT_EQ(std::make_pair(outcome.end, outcome.errors), std::make_pair(DownloadEnd::Done, int64_t{23}));
  EXPECT_TRUE(Shown("删除: 失败0x0") && Shown("烧录: 失败0x0"));
  EXPECT_TRUE(dsp.flash == a.code.Buffer);
}

TEST_F(Download, ElevenTimeoutsEndTheJobWhereItStands) {
  for (bool erase : {false, true}) {
    TestApp u(true);
    (erase ? u.link.unit.dsp.erase : u.link.unit.dsp.write).silent = 11;
    const DownloadOutcome outcome = AudioFlashDownload_Click(u.app);
    EXPECT_EQ(std::make_tuple(outcome.end, outcome.errors, outcome.address, u.link.unit.dsp.writes, u.app.link.ReplyWanted),
              std::make_tuple(erase ? DownloadEnd::EraseNoResponse : DownloadEnd::WriteNoResponse, 11, 0, 0, false));
    EXPECT_EQ(u.controls.Text(C::AudioFlashBurnInfo) + " " + u.controls.Text(C::AudioFlashBurnError),
              erase ? "删除: 无响应0x0 出错: 11" : "烧录: 无响应0x0 出错: 11");
    EXPECT_NEAR(u.link.pump.Now(), 33.0, 0.1);
  }
}

TEST_F(Download, NothingThatArrivesWhileTheFirstWriteIsLostCoversIt) {
  // The first write never reaches the loader; the first erase's answer
  // straddles its wait and is taken for the second erase, whose own answer
  // comes as late. The write must go again once its wait runs out: an
  // echoing loader's stale answer told by its number, one that numbers 0
  // waited out.
  for (DspNumbering numbering : {DspNumbering::Echo, DspNumbering::Zero}) {
    TestApp u(true);
    std::fill(u.app.code.Buffer.begin(), u.app.code.Buffer.end(), 0xA5);
    DspLoader& loader = u.link.unit.dsp;
    loader.numbering = numbering;
    loader.write.silent = 1;
    u.controls.textChanged = [&](Control ctl, std::string_view text) {
      if (ctl.name != C::AudioFlashBurnInfo.name) return;
      SimUnit& unit = u.link.unit;
      if (text == "删除:0x0") unit.replyDelay = 2.99, unit.split = 6, unit.splitGap = 0.02;
      if (text == "删除: 完成0x0") unit.replyDelay = unit.splitGap = 0;
      if (text == "烧录: 0x100") AudioFlashDownload_Click(u.app);
    };
    // One error for each send waited out: the write, and the erase kept over its wait.
    const int n = static_cast<int>(numbering);
    EXPECT_EQ(AudioFlashDownload_Click(u.app).errors, 2) << n;
    EXPECT_EQ(Commands(u, DspErase).size(), 2u) << n;
    EXPECT_EQ(Commands(u, DspWrite), (std::vector<std::pair<uint8_t, uint32_t>>{{0x13, 0}, {0x13, 0}, {0x13, 0x80}})) << n;
    EXPECT_TRUE(std::equal(u.app.code.Buffer.begin(), u.app.code.Buffer.begin() + 0x100, loader.flash.begin())) << n;
  }
}

TEST_F(Download, EveryWayOfNumberingAnswersIsHeardAfterLostRequests) {
  // A loader with a count of its own keeps step with our numbers until a
  // request is lost, and then stays behind: after a few timeouts it must be
  // heard again, not cost three seconds a block.
  for (DspNumbering numbering : {DspNumbering::Echo, DspNumbering::Zero, DspNumbering::OwnCount}) {
    TestApp u(true);
    std::fill(u.app.code.Buffer.begin(), u.app.code.Buffer.end(), 0xA5);
    u.link.unit.dsp.numbering = numbering;
    u.link.unit.dsp.write.silent = 2;
    const DownloadOutcome outcome = AudioFlashDownload_Click(u.app);
    const int n = static_cast<int>(numbering);
    EXPECT_EQ(outcome.end, DownloadEnd::Done) << n;
    EXPECT_TRUE(u.link.unit.dsp.flash == u.app.code.Buffer) << n;
    EXPECT_LE(outcome.errors, 4) << n;
    // Four timeouts, and a loader that does not echo has its last send waited out.
    EXPECT_LT(u.link.pump.Now(), ImageSeconds + 4 * 3 + 4 + 1) << n;
  }
}

TEST_F(Download, SecondClickStopsWithinOneWait) {
  // Two answers from another address before the loader's own are no find.
  dsp.misaddressed = 2;
  At(7.0, [this] { AudioFlashDownload_Click(a); });
  EXPECT_EQ(AudioFlashDownload_Click(a).end, DownloadEnd::Stopped);
  EXPECT_LT(Now(), 7.0 + 1e-9) << "no wait after the stop";
  ExpectEnded();
  EXPECT_EQ(info[1].second, "等待: 已找到目标");
  EXPECT_NEAR(info[1].first, 2.0, 0.01);
  EXPECT_TRUE(info.back().second.starts_with("烧录: 0x")) << "the info label keeps its last text";
  // Five seconds into the download, a tenth of fifty is done.
  EXPECT_NEAR(c.Value(C::AudioFlashBar), 10, 1);
  const std::string left = c.Text(C::AudioFlashBurnTime);
  ASSERT_TRUE(left.starts_with("时间: ")) << left;
  EXPECT_NEAR(std::stod(left.substr(std::string("时间:").size())), 45.0, 1.0);
  const size_t sent = writes.size();
  Idle(60);
  EXPECT_EQ(writes.size(), sent);
}

}  // namespace
