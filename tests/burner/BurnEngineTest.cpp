#include "BurnRig.h"

#include <set>

#include "images/CodeBuffer.h"

namespace {

std::vector<uint8_t> Frame(std::initializer_list<int> bytes) { return {bytes.begin(), bytes.end()}; }

TEST(BurnFrames, WorkedRequestsByteForByte) {
  TestApp t;
  Ambrelin& a = t.app;
  ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1"));
  TxBurnCommand(a, 0, 1, BootIdentify, 0);
  a.link.TxSequence = 0x0F;
  TxBurnCommand(a, 0, 2, BootErase, 0x0400);
  a.link.TxSequence = 0xFE;
  TxBurnCommand(a, 0, 1, BootChecksum, 0x1FFF);
  a.link.TxSequence = 0x04;
  TxBurnCommand(a, 0, 3, BootControl, ControlRestart);
  a.link.TxSequence = 0x1F;
  std::array<uint8_t, 128> slice;
  slice.fill(0xFF);
  TxBurnBlock(a, 0, 1, BootWrite, 0x0080, slice);
  const auto& w = t.link.port.writes;
  ASSERT_EQ(w.size(), 5u);
  EXPECT_EQ(w[0], Frame({0x55, 0x00, 0x01, 0x56, 0x01, 0x04, 0x00, 0x01, 0x00, 0x00, 0x5C, 0xAA}));
  EXPECT_EQ(w[1], Frame({0x55, 0x00, 0x02, 0x57, 0x10, 0x04, 0x00, 0x07, 0x04, 0x00, 0x76, 0xAA}));
  EXPECT_EQ(w[2], Frame({0x55, 0x00, 0x01, 0x56, 0xFF, 0x04, 0x00, 0x05, 0x1F, 0xFF, 0x7C, 0xAA}));
  EXPECT_EQ(w[3], Frame({0x55, 0x00, 0x03, 0x58, 0x05, 0x04, 0x00, 0x00, 0x00, 0x01, 0x62, 0xAA}));
  std::vector<uint8_t> block = Frame({0x55, 0x00, 0x01, 0x56, 0x20, 0x84, 0x00, 0x0A, 0x00, 0x80});
  block.insert(block.end(), 128, 0xFF);
  block.push_back(0x04);
  block.push_back(0xAA);
  EXPECT_EQ(w[4], block);
  a.link.TxSequence = 0xFF;
  TxBurnCommand(a, 0, 1, BootIdentify, 0);
  EXPECT_EQ(w[5][4], 0x00) << "the sequence wraps";
}

TEST(BurnFrames, ExchangeAndTheOldVersionsChecksum) {
  TestApp t;
  Ambrelin& a = t.app;
  ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1"));
  std::array<uint8_t, 128> slice{};
  slice[5] = 0x53;
  TxBurnBlock(a, 0, 1, BootWrite, 0, slice);
  EXPECT_EQ(slice[5], 0x75) << "exchanged in the slice itself";
  slice = {};
  slice[5] = 0x53;
  t.controls.SetTicked(Burner::UpdateCheckVerOld, true);
  t.controls.SetTicked(Main::UpdateCheckVerOld, false);
  TxBurnBlock(a, 0, 1, BootWrite, 0, slice);
  EXPECT_EQ(slice[5], 0x53) << "only the frame is exchanged";
  const auto fresh = t.link.port.writes[0];
  const auto old = t.link.port.writes[1];
  EXPECT_EQ(fresh[15], 0x75);
  EXPECT_EQ(old[15], 0x75);
  // Same bytes but the sequence; the old sum counts 0x53 where the new counts 0x75.
  EXPECT_EQ(static_cast<uint8_t>(old[138] - fresh[138]), static_cast<uint8_t>(1 + 0x53 - 0x75));
  slice = {};
  slice[0] = 0x75;
  t.controls.SetTicked(Burner::UpdateCheckVerOld, false);
  t.controls.SetTicked(Main::UpdateCheckVerOld, true);
  TxBurnBlock(a, 0, 1, BootWrite, 0, slice);
  EXPECT_EQ(t.link.port.writes[2][10], 0x53) << "the main window's box is not the one read";
  EXPECT_EQ(t.link.port.writes[2][138], static_cast<uint8_t>(fresh[138] + 2 + 0x53 - 0x75));
}

TEST(BurnFrames, ChipTable) {
  std::set<uint16_t> ids;
  for (const Chip& c : Chips) ids.insert(c.id);
  EXPECT_EQ(ids.size(), 25u);
  const Chip& syncMos = ChipById(0x0301);
  EXPECT_EQ(syncMos.caption, "器件: SyncMos 5964");
  EXPECT_EQ(syncMos.block, 512);
  EXPECT_EQ(syncMos.start, 1024);
  EXPECT_EQ(ChipById(0x1020).start, 0x9000);
  EXPECT_EQ(ChipById(0x0107).end, 0xF7FF);
  EXPECT_EQ(ChipById(0x0832).caption, "器件: Redido T89C64SB");
  EXPECT_EQ(ChipById(0x0840).caption, "器件: ReDido T89E32SC");
  const Chip& unknown = ChipById(0x0999);
  EXPECT_EQ(unknown.caption, "器件: 未知");
  EXPECT_EQ(unknown.end, 0xFFFF);
  EXPECT_EQ(unknown.block, 128);
  EXPECT_EQ(unknown.start, 0);
}

using Burn = BurnRig;

TEST_F(Burn, FullImageOnA128ByteBlockChip) {
  Chip(0x0003);
  const auto image = Bytes(0x10000, 1);
  File(HexImage("full.hex", image));
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "进度: 完成");
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelDevice), "器件: Philips P89V51RD");
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnTotal), "统计: 1");
  EXPECT_EQ(t.controls.Text(Main::UpdateButtonUpdate), "开始烧录");
  EXPECT_EQ(Requests(BootErase).size(), 512u);
  EXPECT_EQ(Requests(BootWrite).size(), 512u);
  EXPECT_EQ(Requests(BootChecksum), std::vector<uint16_t>{0xFFFF});
  EXPECT_EQ(BootFlash(boot, 1), image);
  EXPECT_EQ(t.dialogs.played, std::vector<std::string>{"ding.wav"});
  EXPECT_FALSE(a.link.ReplyWanted);
  EXPECT_TRUE(t.controls.Enabled(Main::UpdateSelectTarget));
  EXPECT_EQ(t.controls.Value(Main::UpdateBarBurn), 0);
  EXPECT_EQ(t.controls.At(Main::UpdateBarBurn).maximum, 0xFFFF);
  EXPECT_EQ(boot.restarts, 0) << "restart only when asked";
}

TEST_F(Burn, FullImageOnA512ByteBlockChipStartingAt1024) {
  Chip(0x0832);
  t.controls.SetTicked(Main::UpdateOptionFull0xff, false);
  t.controls.SetTicked(Main::UpdateOptionFull0x00, true);
  t.controls.SetTicked(Main::UpdateCheckAutoReboot, true);
  const auto image = Bytes(0x10000 - 1024, 2);
  File(HexImage("high.hex", image, 1024));
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "进度: 完成");
  const auto erases = Requests(BootErase);
  ASSERT_EQ(erases.size(), (0x10000u - 1024) / 512);
  EXPECT_EQ(erases.front(), 0x0400);
  const auto writes = Requests(BootWrite);
  ASSERT_EQ(writes.size(), erases.size() * 4);
  EXPECT_EQ(std::vector<uint16_t>(writes.begin(), writes.begin() + 4),
            (std::vector<uint16_t>{0x0400, 0x0480, 0x0500, 0x0580}));
  EXPECT_EQ(Requests(BootChecksum), std::vector<uint16_t>{0xFFFF});
  EXPECT_EQ(a.code.Checksum, CodeChecksum(a.code, 1024, 0xFFFF)) << "reloaded with the chip's range";
  const auto& flash = BootFlash(boot, 1);
  EXPECT_TRUE(std::equal(image.begin(), image.end(), flash.begin() + 1024));
  EXPECT_EQ(flash[1023], 0xFF) << "below chip start nothing is touched";
  EXPECT_EQ(boot.restarts, 1);
}

TEST_F(Burn, RefusedThirdWriteErasesAndRewritesTheWholeBlock) {
  Chip(0x0101);
  File(HexImage("small.hex", Bytes(0x1000, 3)));
  int refused = 0;
  When(Main::UpdateLabelBurnState, "写入: 正确0x80", [&] {
    if (refused++ == 0) boot.refuse[BootWrite] = 1;
  });
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "进度: 完成");
  const auto writes = Requests(BootWrite);
  ASSERT_GE(writes.size(), 7u);
  EXPECT_EQ(std::vector<uint16_t>(writes.begin(), writes.begin() + 7),
            (std::vector<uint16_t>{0x000, 0x080, 0x100, 0x000, 0x080, 0x100, 0x180}));
  const auto erases = Requests(BootErase);
  EXPECT_EQ(std::vector<uint16_t>(erases.begin(), erases.begin() + 3), (std::vector<uint16_t>{0, 0, 0x200}));
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnError), "出错: 1");
  ExpectFlashHoldsImage(1, 0, 0x0FFF);
}

struct Limits : BurnRig {
  void SetUp() override {
    BurnRig::SetUp();
    Chip(0x0101);
    File(HexImage("limit.hex", Bytes(0x1000, 4)));
  }
};

TEST_F(Limits, NinetyNineRefusedErasesThenSuccess) {
  boot.refuse[BootErase] = 99;
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "进度: 完成");
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnError), "出错: 99");
  ExpectFlashHoldsImage(1, 0, 0x0FFF);
}

TEST_F(Limits, HundredthRefusalEndsRed) {
  boot.refuse[BootErase] = 100;
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "删除: 错误0x0");
  EXPECT_EQ(StateColour(), Red);
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnError), "出错: 100");
  EXPECT_EQ(Requests(BootWrite).size(), 0u);
  EXPECT_EQ(t.dialogs.played, std::vector<std::string>{"oo.wav"});
}

TEST_F(Limits, SilencesCountAcrossBlocksAndTheHundredthGivesUp) {
  boot.silence[BootWrite] = 99;
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "进度: 完成");
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnError), "出错: 99");
  boot.silence[BootWrite] = 100;
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "结束: 写入失败");
  EXPECT_EQ(BurnerState(), "结束: 写入失败");
  EXPECT_EQ(StateColour(), Red);
}

TEST_F(Limits, VerifyCountsAfresh) {
  boot.refuse[BootErase] = 60;
  boot.silence[BootChecksum] = 60;
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "进度: 完成") << "60 in programming and 60 in verifying stay under the limit";
  boot.silence[BootChecksum] = 100;
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(BurnerState(), "校验:失败");
  EXPECT_EQ(State(), "校验:无响应0x1000") << "the main window keeps the last no-reply text";
}

TEST_F(Limits, ForeignFramesAreShownButNotCounted) {
  boot.foreign[BootErase] = 150;
  boot.foreign[BootChecksum] = 3;
  std::vector<std::string> seen;
  t.controls.textChanged = [&](Control c, std::string_view text) {
    if (c.window == "DesktopForm" && c.name == "UpdateLabelBurnState") seen.emplace_back(text);
  };
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "进度: 完成");
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnError), "出错: 0");
  EXPECT_NE(std::find(seen.begin(), seen.end(), "删除:通信错0x0"), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), "校验:通信错0x1000"), seen.end());
}

TEST_F(Limits, LateAnswersDoNotPutTheBurnOneRequestBehind) {
  // An identify answer that missed its short wait comes in together with the
  // first erase's answer, in one receive event; a doubled erase answer comes
  // in during the first write.
  std::vector<uint8_t> ahead;
  t.link.port.Received = [&, connected = t.link.port.Received](std::span<const uint8_t> bytes) {
    ahead.insert(ahead.end(), bytes.begin(), bytes.end());
    connected(ahead);
    ahead.clear();
  };
  const auto stale = [this](uint8_t command) {
    return BuildFrame({UnitReplyType, HostAddress, a.link.TxSequence, {0x00, command, 0x01, 0x01}});
  };
  t.controls.textChanged = [&](Control c, std::string_view text) {
    if (c.window != "DesktopForm" || c.name != "UpdateLabelBurnState") return;
    if (text == "等待: 准备升级") ahead = stale(BootIdentify);
    if (text == "删除: 正确0x0")
      At(t.link.scheduler, t.link.scheduler.now + 0.001,
         [this, late = stale(BootErase)] { ReceiveEvent(a.link, late); });
  };
  // Were every answer taken one request late, the erase and the write of a
  // block would refuse each other's answers without end.
  At(t.link.scheduler, 600, [this] {
    if (a.link.ReplyWanted) UpdateButtonUpdate_Click(a);
  });
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "进度: 完成");
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnError), "出错: ") << "nothing counted, nothing shown";
  EXPECT_EQ(Requests(BootErase).size(), 8u) << "no block erased twice";
  EXPECT_LT(t.link.scheduler.now, 3.0) << "no answer waited out";
  ExpectFlashHoldsImage(1, 0, 0x0FFF);
}

TEST_F(Limits, AShortIdentifyAnswerIsNotTakenForAChipId) {
  When(Main::UpdateLabelBurnState, "检测: 寻找目标", [this] {
    ReceiveEvent(a.link, BuildFrame({UnitReplyType, HostAddress, a.link.TxSequence, {0x00, BootIdentify}}));
  });
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelDevice), "器件: Stc 89C51");
  EXPECT_EQ(State(), "进度: 完成");
}

TEST_F(Limits, CorruptRepliesAreLostAndCountAsSilence) {
  // A byte in front of a reply costs the receive path the whole reply.
  t.controls.textChanged = [&](Control c, std::string_view text) {
    if (text == "等待: 准备升级") t.link.unit.noise = {0x00};
    if (c.name == "UpdateLabelBurnError" && text == "出错: 3") t.link.unit.noise.clear();
  };
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "进度: 完成");
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnError), "出错: 3");
  ExpectFlashHoldsImage(1, 0, 0x0FFF);
}

TEST_F(Limits, WrongChecksumIsAskedAgainWithoutRewriting) {
  // One bit cleared in the flash after programming: the sum is wrong for good.
  When(Main::UpdateLabelBurnState, "等待: 准备校验", [&] { BootFlash(boot, 1)[5] ^= 0x01; });
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnError), "出错: 100");
  EXPECT_EQ(State().rfind("校验: 错误0x", 0), 0u);
  EXPECT_EQ(Requests(BootChecksum).size(), 100u);
  EXPECT_EQ(Requests(BootWrite).size(), 32u);
  EXPECT_EQ(t.dialogs.played, std::vector<std::string>{"oo.wav"});
}

TEST_F(Burn, ScriptOfThreeLinesRepeatsUntilStopped) {
  Chip(0x0101);
  HexImage("one.hex", Bytes(0x800, 11));
  HexImage("two.hex", Bytes(0x900, 12));
  HexImage("three.hex", Bytes(0xA00, 13));
  File(WriteFile("job.bat", "1 one.hex\r\n2,two.hex\r\n3 three.hex\r\n"));
  t.controls.SetTicked(Main::UpdateCheckAutoBurn, true);
  t.controls.SetTicked(Main::UpdateCheckAutoReboot, true);
  When(Main::UpdateLabelBurnTotal, "统计: 4", [&] { UpdateButtonUpdate_Click(a); });
  UpdateButtonUpdate_Click(a);
  // What is still on the line reaches the unit.
  t.link.pump.WaitUntil(t.link.scheduler.now + 1, [] { return false; });
  std::vector<int> verified;
  for (const SimFrame& f : t.link.unit.received)
    if (IsBootRequest(f) && f.data[1] == BootChecksum) verified.push_back(f.address);
  EXPECT_EQ(verified, (std::vector<int>{1, 2, 3, 1}));
  EXPECT_EQ(boot.nextTargets, 4);
  EXPECT_EQ(boot.restarts, 0) << "a script never asks for the restart";
  EXPECT_EQ(State(), "进度: ------");
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnTotal), "统计: ");
  EXPECT_EQ(t.controls.Index(Burner::UpdateSelectTarget), 1) << "the list follows the script";
  const auto three = Bytes(0xA00, 13);
  EXPECT_TRUE(std::equal(three.begin(), three.end(), BootFlash(boot, 3).begin()));
  const auto two = Bytes(0x900, 12);
  EXPECT_TRUE(std::equal(two.begin(), two.end(), BootFlash(boot, 2).begin()));
  EXPECT_EQ(BootFlash(boot, 2)[0x900], 0xFF);
}

TEST_F(Burn, ScriptWithoutRepeatFinishesAfterItsLastLine) {
  Chip(0x0101);
  HexImage("a.hex", Bytes(0x100, 21));
  WriteFile("b.bin", std::string(0x200, '\x42'));
  File(WriteFile("two.bat", "2 a.hex\r\n4 b.bin\r\n"));
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "进度: 完成");
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnTotal), "统计: 2");
  EXPECT_EQ(BootFlash(boot, 4)[0x1FF], 0x42);
  EXPECT_EQ(BootFlash(boot, 4)[0x200], 0xFF);
  EXPECT_EQ(BootFlash(boot, 2)[0x100], 0xFF);
}

TEST_F(Burn, StopClickEndsTheBurnAtItsNextWait) {
  Chip(0x0003);
  File(HexImage("stop.hex", Bytes(0x10000, 5)));
  size_t sentAtStop = 0;
  When(Main::UpdateLabelBurnState, "写入: 正确0x1000", [&] {
    EXPECT_EQ(t.controls.Text(Main::UpdateButtonUpdate), "停止烧录");
    EXPECT_FALSE(t.controls.Enabled(Main::DesktopButtonSelectComSwitch));
    UpdateButtonUpdate_Click(a);
    sentAtStop = t.link.port.writes.size();
  });
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(t.link.port.writes.size(), sentAtStop) << "nothing is sent after the stop";
  EXPECT_EQ(State(), "进度: ------");
  EXPECT_EQ(t.controls.Text(Main::UpdateButtonUpdate), "开始烧录");
  EXPECT_TRUE(t.controls.Enabled(Main::DesktopButtonSelectComSwitch));
  EXPECT_TRUE(t.controls.Enabled(Burner::UpdateSelectTarget));
  EXPECT_FALSE(a.link.ReplyWanted);
  EXPECT_TRUE(t.dialogs.played.empty());
}

TEST_F(Burn, ImageLargerThanTheChipSendsNothingAfterIdentify) {
  Chip(0x0102);
  File(HexImage("ten.hex", Bytes(10 * 1024, 6)));
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "检测:MCU空间不足");
  EXPECT_EQ(BurnerState(), "检测:版本错");
  EXPECT_EQ(StateColour(), Red);
  EXPECT_EQ(t.link.unit.received.size(), 1u);
  EXPECT_EQ(t.dialogs.played, std::vector<std::string>{"oo.wav"});
}

TEST_F(Burn, AnotherChipWhileWaitingForTheNextTarget) {
  Chip(0x0101);
  File(HexImage("repeat.hex", Bytes(0x400, 7)));
  t.controls.SetTicked(Main::UpdateCheckAutoBurn, true);
  When(Main::UpdateLabelBurnTotal, "统计: 1", [&] { boot.chipId = 0x0102; });
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "检测:目标不同型号");
  EXPECT_EQ(StateColour(), Red);
  EXPECT_EQ(boot.nextTargets, 1);
  EXPECT_EQ(t.dialogs.played, std::vector<std::string>{"ding.wav"}) << "no failure sound for another chip";
}

TEST_F(Burn, NextTargetNeverAppears) {
  Chip(0x0101);
  File(HexImage("gone.hex", Bytes(0x400, 8)));
  t.controls.SetTicked(Main::UpdateCheckAutoBurn, true);
  When(Main::UpdateLabelBurnTotal, "统计: 1", [&] { boot.targets.clear(); });
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "等待:目标没有出现");
  EXPECT_EQ(Requests(BootIdentify).size(), 1u + 1u + 1801u);
}

TEST_F(Burn, FirstSearchGivesUpAfter1801Attempts) {
  boot.targets.clear();
  t.controls.SetTicked(Main::UpdateCheckSound, false);
  // Read as hex like every number of the page: leading zeros and either case.
  t.controls.SetText(Main::UpdateTextTrig, "0a5");
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "检测:目标没有出现");
  EXPECT_EQ(Requests(BootIdentify), std::vector<uint16_t>(1801, 0));
  EXPECT_EQ(t.link.port.writes[0], std::vector<uint8_t>{0xA5}) << "the pre-trigger byte goes first";
  EXPECT_EQ(t.link.port.writes.size(), 2u * 1801u);
  EXPECT_TRUE(t.dialogs.played.empty()) << "sounds only when ticked";
}

TEST_F(Burn, RefusalsBeforeSendingAnything) {
  t.controls.SetIndex(Main::UpdateSelectTarget, -1);
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "设置: 没选择目标");
  t.controls.SetIndex(Main::UpdateSelectTarget, 0);
  for (const char* trig : {"1FF", "5G", " "}) {
    t.controls.SetText(Main::UpdateTextTrig, trig);
    EXPECT_EQ(UpdateButtonUpdate_Click(a).end, BurnEnd::TrigError) << trig;
    EXPECT_EQ(State(), "设置: 预触发出错");
    EXPECT_EQ(StateColour(), Red);
  }
  t.controls.SetText(Main::UpdateTextTrig, "");
  File(WriteFile("bad.bat", "7 one.hex\r\n"));
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "设置: 没选择目标");
  t.link.port.Close();
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "设置: 没有打开串口");
  EXPECT_TRUE(t.link.port.writes.empty());
  EXPECT_TRUE(t.link.port.dropped.empty());
  EXPECT_EQ(t.controls.Text(Main::UpdateButtonUpdate), "开始烧录");
}

TEST_F(Burn, FailedLoadEndsTheBurnBeforeAnyErase) {
  File(::testing::TempDir() + "absent.hex");
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"LoadCode_HexFile时, 出错 !"});
  EXPECT_EQ(State(), "设置: 文件调入出错");
  EXPECT_EQ(StateColour(), Red);
  EXPECT_TRUE(Requests(BootErase).empty());
  File(WriteFile("broken.hex", ":020000001234B8\r\nnot a record\r\n"));
  t.dialogs.messages.clear();
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"文件格式出错"});
  EXPECT_TRUE(Requests(BootErase).empty());
  EXPECT_GE(a.code.Checksum, 0);
}

TEST_F(Burn, BinaryImagesBurnAsThePageLoadedThem) {
  Chip(0x0101);
  a.code.Buffer.assign(a.code.Buffer.size(), 0x3C);
  a.code.Length = 0x0FFF;
  a.code.Checksum = CodeChecksum(a.code, 0, 0x0FFF);
  File(::testing::TempDir() + "page.bin");
  UpdateButtonUpdate_Click(a);
  EXPECT_EQ(State(), "进度: 完成");
  EXPECT_EQ(BootFlash(boot, 1)[0x0FFF], 0x3C);
}

TEST_F(Burn, BurnerWindowSpeaksEnglish) {
  a.Language = 1;
  Chip(0x0101);
  File(HexImage("english.hex", Bytes(0x400, 9)));
  std::vector<std::string> burner;
  t.controls.textChanged = [&](Control c, std::string_view text) {
    if (c.window == "BurnDesktop") burner.emplace_back(text);
  };
  UpdateButtonUpdate_Click(a);
  for (const char* text : {"Total: ", "Error:  ", "Stop", "State: Find...", "State: Start", "Del  : Del Ok",
                           "Burn : Burn Ok", "State: Check Sum", "State: Check Ok", "Total: 1", "State: Finish",
                           "Start"})
    EXPECT_NE(std::find(burner.begin(), burner.end(), text), burner.end()) << text;
  EXPECT_EQ(State(), "进度: 完成") << "the main window stays Chinese";
  EXPECT_EQ(t.controls.Text(Main::UpdateLabelBurnTotal), "统计: 1");
}

}  // namespace
