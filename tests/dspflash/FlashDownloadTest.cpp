// The DSP flash download against the simulated unit, in virtual time.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestApp.h"
#include "dspflash/FlashDownload.h"
#include "dspflash/FlashFile.h"
#include "images/Files.h"
#include "link/TxRx.h"
#include "panels/DecoderFormControls.h"

namespace {

namespace C = DecoderFormControls;

using Bytes = std::vector<uint8_t>;

// Wire time of one block: the 144-byte write and the 12-byte answer.
constexpr double BlockSeconds = (144 + 12) * 10 / 128000.0;

class Download : public ::testing::Test {
 protected:
  TestApp t;
  Ambrelin& a = t.app;
  DspLoader& dsp = t.link.unit.dsp;
  // Every text the info label showed, and when.
  std::vector<std::pair<double, std::string>> info;

  void SetUp() override {
    t.link.port.Open(1, "38400,N,8,1");
    t.controls.textChanged = [this](Control c, std::string_view text) {
      if (c.name == C::AudioFlashBurnInfo.name) info.emplace_back(t.link.pump.Now(), text);
    };
  }
  void ClickAt(double time) {
    At(t.link.scheduler, time, [this] { AudioFlashDownload_Click(a); });
  }
  std::string Text(Control c) { return t.controls.Text(c); }
  bool Shown(const std::string& text) {
    return std::ranges::any_of(info, [&](const auto& entry) { return entry.second == text; });
  }
  // The commands as the unit received them: command byte and flash address.
  std::vector<std::pair<uint8_t, uint32_t>> Commands() {
    std::vector<std::pair<uint8_t, uint32_t>> commands;
    for (const SimFrame& f : t.link.unit.received) {
      const uint32_t at = f.data.size() >= 8 ? uint32_t(f.data[4]) << 24 | f.data[5] << 16 | f.data[6] << 8 | f.data[7] : 0;
      commands.emplace_back(f.data[3], at);
    }
    return commands;
  }
  // The job's end as every way out leaves it.
  void ExpectEnded() {
    EXPECT_FALSE(a.link.ReplyWanted);
    EXPECT_EQ(Text(C::AudioFlashDownload), "开始烧录");
    EXPECT_EQ(t.link.port.settings, "128000,N,8,1") << "the port stays at the download's speed";
  }
};

TEST_F(Download, EggWithFlashOverlayArrivesByteForByte) {
  std::string egg;
  for (int line = 0; line < 3000; ++line) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", line * 2654435761u);
    egg += text + std::string("\r\n");
  }
  OpenEggFile(a, WriteFile("dl.Img", egg));
  OpenFlashFile(a, WriteFile("dl-patch.Img", "# [000100]\n00 00 00\n# [07FFF0]\n01 23 45 67 89 AB CD EF\n"));
  ASSERT_TRUE(t.dialogs.messages.empty());
  ASSERT_EQ(a.code.Buffer[0x101], 0x00);
  ASSERT_EQ(a.code.Buffer[0x7FFF7], 0xEF);
  // The loader wakes late, and the counter wraps on the way.
  dsp.ping.silent = 10;
  a.link.TxSequence = 213;

  AudioFlashDownload_Click(a);

  EXPECT_TRUE(dsp.flash == a.code.Buffer) << "the flash holds the image";
  EXPECT_EQ(std::make_tuple(dsp.pings, dsp.erases, dsp.writes), std::make_tuple(1, 128, 4096));
  const auto commands = Commands();
  ASSERT_EQ(commands.size(), 11u + 128 + 4096);
  for (size_t k = 0; k < 11; ++k) EXPECT_EQ(commands[k].first, 0x10);
  for (uint32_t block = 0; block < 4096; ++block) {
    const size_t at = 11 + block + block / 32 + 1;
    if (block % 32 == 0) {
      ASSERT_EQ(commands[at - 1], std::make_pair(uint8_t{0x14}, block * 128)) << block;
    }
    ASSERT_EQ(commands[at], std::make_pair(uint8_t{0x13}, block * 128)) << block;
  }
  // The 35th frame after the handshake is the erase of the second sector.
  const Bytes secondErase{0x55, 0x00, 0x02, 0x57, 0x02, 0x08, 0x44, 0x49, 0x70, 0x14, 0x00, 0x00, 0x10, 0x00, 0x82, 0xAA};
  EXPECT_EQ(t.link.port.writes[11 + 33], secondErase);
  EXPECT_EQ(BuildFrame(t.link.unit.received.back()).size(), 144u);

  ExpectEnded();
  EXPECT_EQ(Text(C::AudioFlashBurnInfo), "烧录: 完成");
  EXPECT_EQ(Text(C::AudioFlashBurnTime), "时间: 完成");
  EXPECT_EQ(Text(C::AudioFlashBurnError), "出错: ------") << "a silent ping is no error";
  EXPECT_EQ(t.controls.Value(C::AudioFlashBar), 0);
  EXPECT_EQ(info.front().second, "等待: 等待中...");
  EXPECT_EQ(info[1], std::make_pair(info[1].first, std::string("等待: 已找到目标")));
  EXPECT_NEAR(info[1].first, 10.0, 0.01) << "ten silent pings of a second each";
  EXPECT_TRUE(Shown("删除:0x0") && Shown("删除: 完成0x0") && Shown("烧录: 0x80") && Shown("删除:0x7F000") &&
              Shown("烧录: 0x7FF80"));
  // The job is paced by the wire alone.
  EXPECT_NEAR(t.link.pump.Now() - info[1].first, 4096 * BlockSeconds + 128 * 28 * 10 / 128000.0, 0.01);
}

TEST_F(Download, WorkedFramesOfPingAndWrite) {
  dsp.ping.silent = 11;
  AudioFlashDownload_Click(a);
  EXPECT_EQ(t.link.port.writes.front(), (Bytes{0x55, 0x00, 0x02, 0x57, 0x01, 0x04, 0x44, 0x49, 0x70, 0x10, 0x69, 0xAA}));

  Bytes ones(128, 0xFF);
  a.link.TxSequence = 2;
  FlashWrite(a, 0x00, 0x02, 0, ones);
  Bytes expected{0x55, 0x00, 0x02, 0x57, 0x03, 0x88, 0x44, 0x49, 0x70, 0x13, 0x00, 0x00, 0x00, 0x00};
  expected.insert(expected.end(), 128, 0xFF);
  expected.insert(expected.end(), {0x72, 0xAA});
  EXPECT_EQ(t.link.port.writes.back(), expected);

  Bytes block(130);
  for (size_t k = 0; k < block.size(); ++k) block[k] = static_cast<uint8_t>(k);
  a.link.TxSequence = 255;
  FlashWrite(a, 0x10, 0x07, 0x1080, block);
  const Bytes& frame = t.link.port.writes.back();
  ASSERT_EQ(frame.size(), 144u) << "only 128 of the bytes go";
  EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 14),
            (Bytes{0x55, 0x10, 0x07, 0x6C, 0x00, 0x88, 0x44, 0x49, 0x70, 0x13, 0x00, 0x00, 0x10, 0x80}));
  EXPECT_EQ(frame[141], 127);
  const auto frames = ReadFrames(t.link.unit.reader, frame);
  ASSERT_EQ(frames.size(), 1u) << "a well-formed frame to the unit";
}

TEST_F(Download, FlashWriteRefusesAShortBlockAndAClosedPort) {
  a.link.TxSequence = 9;
  FlashWrite(a, 0x00, 0x02, 0, Bytes(127));
  t.link.port.Close();
  FlashWrite(a, 0x00, 0x02, 0, Bytes(128));
  EXPECT_EQ(t.dialogs.messages, (std::vector<std::string>(2, "FlashWrite,意想不到的错 !")));
  EXPECT_TRUE(t.link.port.writes.empty() && t.link.port.dropped.empty());
  EXPECT_EQ(a.link.TxSequence, 9);
}

TEST_F(Download, NoLoaderMeansElevenPingsAndNotFound) {
  t.link.unit.silent = true;
  AudioFlashDownload_Click(a);
  EXPECT_EQ(Commands(), (std::vector<std::pair<uint8_t, uint32_t>>(11, {0x10, 0})));
  EXPECT_EQ(Text(C::AudioFlashBurnInfo), "等待: 找不到目标");
  EXPECT_NEAR(t.link.pump.Now(), 11.0, 0.05) << "a little over a second a ping";
  EXPECT_EQ(Text(C::AudioFlashBurnError), "出错: ------");
  EXPECT_EQ(Text(C::AudioFlashBurnTime), "时间: ------");
  ExpectEnded();
}

TEST_F(Download, APortThatRefusesTheSpeedEndsAtOnce) {
  struct StuckPort : FakePort {
    using FakePort::FakePort;
    bool SetSettings(std::string_view text) override { return text != "128000,N,8,1" && FakePort::SetSettings(text); }
  } stuck{t.link.scheduler, t.link.unit};
  ASSERT_TRUE(stuck.Open(1, "38400,N,8,1"));
  Ambrelin b{t.controls, stuck, t.link.pump, t.dialogs, t.settings, ""};
  ConnectPort(b);
  for (uint8_t language : {0, 1}) {
    b.Language = language;
    EXPECT_EQ(AudioFlashDownload_Click(b).end, DownloadEnd::BaudRefused);
    EXPECT_EQ(Text(C::AudioFlashBurnInfo), language ? "State: the port cannot run at 128000 baud" : "状态: 串口不支持128000波特");
  }
  EXPECT_EQ(t.controls.At(C::AudioFlashBurnInfo).colour, 255u);
  EXPECT_EQ(t.link.pump.Now(), 0.0);
  EXPECT_TRUE(stuck.writes.empty());
}

TEST_F(Download, RefusalsAreRetriedWithoutLimitAndEveryOneCounts) {
  std::fill(a.code.Buffer.begin(), a.code.Buffer.end(), 0x3C);
  dsp.erase.fail = 3;
  dsp.write.fail = 20;
  dsp.write.silent = 10;
  AudioFlashDownload_Click(a);
  EXPECT_EQ(Text(C::AudioFlashBurnInfo), "烧录: 完成");
  EXPECT_TRUE(dsp.flash == a.code.Buffer);
  EXPECT_EQ(Text(C::AudioFlashBurnError), "出错: 33");
  EXPECT_TRUE(Shown("删除: 失败0x0") && Shown("烧录: 失败0x0"));
  // Every try of the first block carries the same bytes to the same address.
  const auto& writes = t.link.port.writes;
  const auto first = std::find_if(writes.begin(), writes.end(), [](const Bytes& w) { return w.size() == 144; });
  for (auto w = first; w != first + 31; ++w) {
    EXPECT_TRUE(std::equal(w->begin() + 5, w->end() - 2, first->begin() + 5)) << w - first;
    EXPECT_EQ((*w)[4], static_cast<uint8_t>((*first)[4] + (w - first)));
  }
  EXPECT_EQ(dsp.writes, 4096);
  EXPECT_EQ(t.link.unit.received.size(), 1u + 131 + 4096 + 30);
}

TEST_F(Download, ElevenTimeoutsEndTheJobWhereItStands) {
  dsp.write.silent = 11;
  AudioFlashDownload_Click(a);
  EXPECT_EQ(Text(C::AudioFlashBurnInfo), "烧录: 无响应0x0");
  EXPECT_EQ(Text(C::AudioFlashBurnError), "出错: 11");
  EXPECT_EQ(dsp.writes, 0);
  EXPECT_NEAR(t.link.pump.Now(), 33.0, 0.1);
  ExpectEnded();

  TestApp u;
  u.link.port.Open(1, "38400,N,8,1");
  u.link.unit.dsp.erase.silent = 11;
  AudioFlashDownload_Click(u.app);
  EXPECT_EQ(u.controls.Text(C::AudioFlashBurnInfo), "删除: 无响应0x0");
  EXPECT_EQ(u.controls.Text(C::AudioFlashBurnError), "出错: 11");
  EXPECT_FALSE(u.app.link.ReplyWanted);
}

TEST_F(Download, WhatArrivesWhileAWriteIsLostDoesNotCoverIt) {
  // The first write never reaches the loader. Meanwhile a doubled "Done" of
  // the erase arrives, or the front of an answer whose length byte the line
  // damaged. Either way the write must go again once its wait runs out, and
  // the answers after it must be heard.
  for (int arrival = 0; arrival < 2; ++arrival) {
    TestApp u;
    u.link.port.Open(1, "38400,N,8,1");
    u.link.unit.dsp.write.silent = 1;
    uint8_t eraseSequence = 0;
    u.controls.textChanged = [&](Control c, std::string_view text) {
      if (c.name != C::AudioFlashBurnInfo.name) return;
      if (text == "删除:0x0") eraseSequence = static_cast<uint8_t>(u.app.link.TxSequence + 1);
      if (text == "烧录: 0x0" && u.link.unit.received.size() == 2)
        At(u.link.scheduler, u.link.pump.Now() + 0.5, [&] {
          const Bytes stale = BuildFrame({UnitReplyType, 0x00, eraseSequence, {0x44, 0x49, 0x70, DspDone}});
          const Bytes damaged{0x55, UnitReplyType, 0x00, static_cast<uint8_t>(0x55 + UnitReplyType), 0x07, 0xF0};
          ReceiveEvent(u.app.link, arrival == 0 ? stale : damaged);
        });
      if (text == "烧录: 0x100") AudioFlashDownload_Click(u.app);
    };
    AudioFlashDownload_Click(u.app);
    std::vector<uint32_t> writes;
    for (const SimFrame& f : u.link.unit.received)
      if (f.data[3] == DspWrite) writes.push_back(uint32_t(f.data[6]) << 8 | f.data[7]);
    EXPECT_EQ(writes, (std::vector<uint32_t>{0x00, 0x00, 0x80})) << arrival;
    EXPECT_EQ(u.controls.Text(C::AudioFlashBurnError), "出错: 1") << arrival;
    EXPECT_NEAR(u.link.pump.Now(), 3.0, 0.1) << arrival;
  }
}

TEST_F(Download, ALateAnswerFromALoaderThatDoesNotEchoIsWaitedOut) {
  // The first erase is lost and sent again; the answer to its first send
  // then comes late, while the first write is lost. Taken for the write's, it
  // would leave the block unwritten.
  dsp.numbering = DspNumbering::Zero;
  dsp.erase.silent = 1;
  dsp.write.silent = 1;
  At(t.link.scheduler, 3.5, [this] { ReceiveEvent(a.link, BuildFrame({UnitReplyType, 0x00, 0, {0x44, 0x49, 0x70, DspDone}})); });
  t.controls.textChanged = [this](Control c, std::string_view text) {
    if (c.name == C::AudioFlashBurnInfo.name && text == "烧录: 0x100") AudioFlashDownload_Click(a);
  };
  EXPECT_EQ(AudioFlashDownload_Click(a).errors, 2);
  std::vector<uint32_t> writes;
  for (const SimFrame& f : t.link.unit.received)
    if (f.data[3] == DspWrite) writes.push_back(uint32_t(f.data[6]) << 8 | f.data[7]);
  EXPECT_EQ(writes, (std::vector<uint32_t>{0x00, 0x00, 0x80}));
}

TEST_F(Download, EveryWayOfNumberingAnswersIsHeardAfterLostRequests) {
  // A loader with a count of its own keeps step with our numbers until a
  // request is lost, and then stays behind: after a few timeouts it must be
  // heard again, not cost three seconds a block.
  for (DspNumbering numbering : {DspNumbering::Echo, DspNumbering::Zero, DspNumbering::OwnCount}) {
    TestApp u;
    u.link.port.Open(1, "38400,N,8,1");
    std::fill(u.app.code.Buffer.begin(), u.app.code.Buffer.end(), 0xA5);
    u.link.unit.dsp.numbering = numbering;
    u.link.unit.dsp.write.silent = 2;
    const DownloadOutcome outcome = AudioFlashDownload_Click(u.app);
    const int n = static_cast<int>(numbering);
    EXPECT_EQ(outcome.end, DownloadEnd::Done) << n;
    EXPECT_TRUE(u.link.unit.dsp.flash == u.app.code.Buffer) << n;
    EXPECT_LE(outcome.errors, 4) << n;
    EXPECT_LT(u.link.pump.Now(), 4096 * BlockSeconds + 128 * 28 * 10 / 128000.0 + 4 * 3 + 1) << n;
  }
}

TEST_F(Download, SecondClickStopsWithinOneWait) {
  ClickAt(5.0);
  AudioFlashDownload_Click(a);
  EXPECT_LT(t.link.pump.Now(), 5.0 + 1e-9) << "no wait after the stop";
  const size_t sent = t.link.port.writes.size();
  ExpectEnded();
  EXPECT_TRUE(info.back().second.starts_with("烧录: 0x")) << "the info label keeps its last text";
  // Five seconds in, a tenth of fifty is done.
  EXPECT_NEAR(t.controls.Value(C::AudioFlashBar), 10, 1);
  const std::string left = Text(C::AudioFlashBurnTime);
  ASSERT_TRUE(left.starts_with("时间: ")) << left;
  EXPECT_NEAR(std::stod(left.substr(std::string("时间:").size())), 45.0, 1.0);
  t.link.pump.WaitUntil(60, [] { return false; });
  EXPECT_EQ(t.link.port.writes.size(), sent);
  EXPECT_FALSE(a.link.RxFrameReady && a.link.ReplyWanted);
}

TEST_F(Download, StopDuringTheHandshake) {
  t.link.unit.silent = true;
  ClickAt(2.5);
  AudioFlashDownload_Click(a);
  EXPECT_DOUBLE_EQ(t.link.pump.Now(), 2.5);
  EXPECT_EQ(t.link.unit.received.size(), 3u);
  EXPECT_EQ(Text(C::AudioFlashBurnInfo), "等待: 等待中...");
  ExpectEnded();
}

TEST_F(Download, AnswersNotMeantForTheJobAreIgnored) {
  // A misaddressed answer and a refused ping do not count as found.
  for (int setup = 0; setup < 2; ++setup) {
    TestApp u;
    u.link.port.Open(1, "38400,N,8,1");
    (setup == 0 ? u.link.unit.dsp.misaddressed : u.link.unit.dsp.ping.fail) = 2;
    double found = 0;
    u.controls.textChanged = [&](Control c, std::string_view text) {
      if (c.name == C::AudioFlashBurnInfo.name && text == "等待: 已找到目标") found = u.link.pump.Now();
    };
    At(u.link.scheduler, 2.5, [&] { AudioFlashDownload_Click(u.app); });
    AudioFlashDownload_Click(u.app);
    EXPECT_NEAR(found, 2.0, 0.01) << setup;
    EXPECT_EQ(u.link.unit.dsp.pings, setup == 0 ? 3 : 1) << setup;
  }
}

}  // namespace
