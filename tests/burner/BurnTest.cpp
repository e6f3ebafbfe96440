// The burn against the simulated unit's boot program, in virtual time, the
// burn page and burner window around it, and 200 auto-repeat burns over a
// line with seeded wire faults.
#include <algorithm>
#include <iostream>
#include <numeric>
#include <sstream>

#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "burner/BurnEngine.h"
#include "burner/BurnPage.h"
#include "images/CodeBuffer.h"
#include "link/TxRx.h"

namespace {

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

using Burn = AppTest;

std::string State(MapControls& c) { return c.Text(Main::UpdateLabelBurnState); }

// The restart request's frame is the burn page's test below.
TEST_F(Burn, WorkedRequestsByteForByteAndTheOldVersionsChecksum) {
  TxBurnCommand(a, 0, 1, BootIdentify, 0);
  a.link.TxSequence = 0x0F;
  TxBurnCommand(a, 0, 2, BootErase, 0x0400);
  a.link.TxSequence = 0xFE;
  TxBurnCommand(a, 0, 1, BootChecksum, 0x1FFF);
  a.link.TxSequence = 0x1F;
  std::array<uint8_t, 128> slice;
  slice.fill(0xFF);
  TxBurnBlock(a, 0, 1, BootWrite, 0x0080, slice);
  Bytes block{0x55, 0x00, 0x01, 0x56, 0x20, 0x84, 0x00, 0x0A, 0x00, 0x80};
  block.insert(block.end(), 128, 0xFF);
  block.insert(block.end(), {0x04, 0xAA});
  EXPECT_EQ(writes, (std::vector<Bytes>{{0x55, 0x00, 0x01, 0x56, 0x01, 0x04, 0x00, 0x01, 0x00, 0x00, 0x5C, 0xAA},
                                        {0x55, 0x00, 0x02, 0x57, 0x10, 0x04, 0x00, 0x07, 0x04, 0x00, 0x76, 0xAA},
                                        {0x55, 0x00, 0x01, 0x56, 0xFF, 0x04, 0x00, 0x05, 0x1F, 0xFF, 0x7C, 0xAA},
                                        block}));

  // One 0x53 goes out as 0x75 either way; the sum counts 0x75 unless the
  // burner window's old-version box is ticked, and the main window's box is not read.
  for (bool old : {false, true}) {
    slice = {};
    slice[5] = 0x53;
    c.SetTicked(Burner::UpdateCheckVerOld, old);
    c.SetTicked(Main::UpdateCheckVerOld, !old);
    a.link.TxSequence = 0;
    TxBurnBlock(a, 0, 1, BootWrite, 0, slice);
    EXPECT_EQ(writes.back()[15], 0x75) << old;
    EXPECT_EQ(slice[5], old ? 0x53 : 0x75) << "exchanged in the slice itself unless old";
    EXPECT_EQ(writes.back()[138], static_cast<uint8_t>(0x55 + 1 + 1 + 0x84 + 0x0A + (old ? 0x53 : 0x75))) << old;
  }
}

TEST(ChipTable, AgreesWithTheTranscription) {
  int rows = 0;
  for (const std::string& line : DataLines("burner/Chips.txt")) {
    std::istringstream fields(line);
    std::string id, end, start, caption;
    int block;
    fields >> id >> end >> block >> start >> std::ws;
    std::getline(fields, caption);
    const Chip& chip = ChipById(id == "other" ? 0x0999 : static_cast<uint16_t>(std::stoi(id, nullptr, 16)));
    EXPECT_EQ(chip.caption, caption) << id;
    EXPECT_EQ(std::make_tuple(chip.end, chip.block, chip.start),
              std::make_tuple(std::stoi(end, nullptr, 16), block, std::stoi(start, nullptr, 0)))
        << id;
    rows += id != "other";
  }
  EXPECT_EQ(rows, static_cast<int>(Chips.size()));
}

TEST_F(Burn, FullImageOnA128ByteBlockChip) {
  const Bytes image = Pattern(0x10000, 1);
  ReadyToBurn(0x0003, HexImage("full.hex", image));
  int barAtVerify = -1;
  When(Main::UpdateLabelBurnState, "等待: 准备校验",
       [&] { barAtVerify = std::min(c.Value(Main::UpdateBarBurn), c.Value(Burner::UpdateBarBurn)); });
  const BurnOutcome outcome = UpdateButtonUpdate_Click(a, 0xFF);
  EXPECT_EQ(std::make_tuple(outcome.end, outcome.identified, outcome.chipId, outcome.verifySum, outcome.good),
            std::make_tuple(BurnEnd::Finished, true, 0x0003, outcome.imageChecksum, 1));
  EXPECT_EQ(c.Text(Main::UpdateLabelDevice), "器件: Philips P89V51RD");
  EXPECT_EQ(Requests(BootErase).size(), 512u);
  EXPECT_EQ(Requests(BootWrite).size(), 512u);
  EXPECT_EQ(Requests(BootChecksum), std::vector<uint16_t>{0xFFFF});
  EXPECT_EQ(BootFlash(boot, 1), image);
  EXPECT_EQ(t.dialogs.played, std::vector<std::string>{"ding.wav"});
  EXPECT_EQ(barAtVerify, 0xFFFF);
  for (Control bar : {Main::UpdateBarBurn, Burner::UpdateBarBurn})
    EXPECT_EQ(std::make_tuple(c.At(bar).minimum, c.At(bar).maximum, c.At(bar).value), std::make_tuple(0, 0xFFFF, 0));
  EXPECT_EQ(boot.restarts, 0) << "restart only when asked";
}

TEST_F(Burn, A512ByteBlockChipFrom1024WithARefusedThirdWrite) {
  // The refusal erases the block again and rewrites all of it.
  const Bytes image = Pattern(0x10000 - 1024, 2);
  ReadyToBurn(0x0832, HexImage("high.hex", image, 1024));
  c.SetTicked(Main::UpdateCheckAutoReboot, true);
  int refused = 0;
  When(Main::UpdateLabelBurnState, "写入: 正确0x480", [&] { boot.refuse[BootWrite] = refused++ == 0; });
  const BurnOutcome outcome = UpdateButtonUpdate_Click(a, 0xFF);
  EXPECT_EQ(std::make_tuple(outcome.end, outcome.errors, outcome.writeErrors), std::make_tuple(BurnEnd::Finished, 1, 1));
  const auto erases = Requests(BootErase), written = Requests(BootWrite);
  ASSERT_EQ(erases.size(), (0x10000u - 1024) / 512 + 1);
  EXPECT_EQ(std::vector<uint16_t>(erases.begin(), erases.begin() + 3), (std::vector<uint16_t>{0x400, 0x400, 0x600}));
  EXPECT_EQ(std::vector<uint16_t>(written.begin(), written.begin() + 8),
            (std::vector<uint16_t>{0x400, 0x480, 0x500, 0x400, 0x480, 0x500, 0x580, 0x600}));
  EXPECT_EQ(c.Text(Main::UpdateLabelBurnError), "出错: 1");
  EXPECT_EQ(a.code.Checksum, CodeChecksum(a.code, 1024, 0xFFFF)) << "reloaded with the chip's range";
  EXPECT_TRUE(std::equal(image.begin(), image.end(), BootFlash(boot, 1).begin() + 1024));
  EXPECT_EQ(BootFlash(boot, 1)[1023], 0xFF) << "below chip start nothing is touched";
  EXPECT_EQ(boot.restarts, 1);
}

TEST_F(Burn, ErrorLimitsPerPhase) {
  ReadyToBurn(0x0101, HexImage("limit.hex", Pattern(0x1000, 4)));
  // The limit counts erase and write together and the verify afresh, as the
  // label shows; the outcome keeps every step's errors and their total.
  const struct {
    const char* name;
    std::function<void()> fault;
    BurnEnd end;
    std::array<int, 3> errors;  // erase, write, verify
    const char *state, *burnerState;
    double seconds;  // the waits out, where the answers are silent
  } cases[] = {
      {"99 refused erases", [&] { boot.refuse[BootErase] = 99; }, BurnEnd::Finished, {99, 0, 0}, "进度: 完成", "进度: 完成", 0},
      {"100 refused erases", [&] { boot.refuse[BootErase] = 100; }, BurnEnd::EraseFailed, {100, 0, 0}, "删除: 错误0x0",
       "删除: 错误", 0},
      {"99 silent writes", [&] { boot.silence[BootWrite] = 99; }, BurnEnd::Finished, {0, 99, 0}, "进度: 完成", "进度: 完成",
       297},
      {"100 silent erases", [&] { boot.silence[BootErase] = 100; }, BurnEnd::EraseFailed, {100, 0, 0}, "结束: 删除失败",
       "结束: 删除失败", 300},
      {"50 and 50", [&] { boot.refuse[BootErase] = 50, boot.silence[BootWrite] = 50; }, BurnEnd::WriteFailed,
       {50, 50, 0}, "结束: 写入失败", "结束: 写入失败", 150},
      {"60 and 60", [&] { boot.refuse[BootErase] = 60, boot.silence[BootChecksum] = 60; }, BurnEnd::Finished,
       {60, 0, 60}, "进度: 完成", "进度: 完成", 480},
      {"100 silent checksums", [&] { boot.silence[BootChecksum] = 100; }, BurnEnd::VerifyFailed, {0, 0, 100},
       "校验:无响应0x1000", "校验:失败", 800},
      {"100 refused checksums", [&] { boot.refuse[BootChecksum] = 100; }, BurnEnd::VerifyFailed, {0, 0, 100},
       "校验: 错误0x1000", "校验: 错误", 0},
  };
  for (const auto& k : cases) {
    t.dialogs.played.clear();
    k.fault();
    const double start = Now();
    const BurnOutcome outcome = UpdateButtonUpdate_Click(a, 0xFF);
    EXPECT_EQ(outcome.end, k.end) << k.name;
    EXPECT_EQ((std::array{outcome.eraseErrors, outcome.writeErrors, outcome.verifyErrors}), k.errors) << k.name;
    EXPECT_EQ(outcome.errors, k.errors[0] + k.errors[1] + k.errors[2]) << k.name;
    EXPECT_EQ(State(c), k.state) << k.name;
    EXPECT_EQ(c.Text(Burner::UpdateLabelBurnState), k.burnerState) << k.name;
    EXPECT_EQ(c.At(Main::UpdateLabelBurnState).colour, k.end == BurnEnd::Finished ? Black : Red) << k.name;
    EXPECT_EQ(c.At(Burner::UpdateLabelBurnState).colour, c.At(Main::UpdateLabelBurnState).colour) << k.name;
    EXPECT_EQ(t.dialogs.played, std::vector<std::string>{k.end == BurnEnd::Finished ? "ding.wav" : "oo.wav"});
    EXPECT_NEAR(Now() - start, k.seconds, 5) << k.name;
  }
  EXPECT_EQ(c.Text(Main::UpdateLabelBurnError), "出错: 100");
}

TEST_F(Burn, ShortAndForeignRepliesAndAWrongSum) {
  ReadyToBurn(0x0101, HexImage("foreign.hex", Pattern(0x1000, 4)));
  // Foreign answers are shown but not counted; a short identify answer, one
  // to another address or one that is no boot answer, is no chip ID.
  boot.foreign[BootErase] = 150;
  boot.foreign[BootChecksum] = 3;
  std::vector<std::string> seen;
  c.textChanged = [&](Control ctl, std::string_view text) {
    if (ctl.name != Main::UpdateLabelBurnState.name || ctl.window != "DesktopForm") return;
    seen.emplace_back(text);
    if (text != "检测: 寻找目标" || seen.size() != 1) return;
    const std::pair<uint8_t, Bytes> odd[] = {{0x05, {0x00, BootIdentify, 0x01, 0x02}},
                                             {HostAddress, {0x05, BootIdentify, 0x01, 0x02}},
                                             {HostAddress, {0x00, BootIdentify}}};
    for (int k = 0; k < 3; ++k)
      At(Now() + k * 0.001, [this, odd = odd[k]] {
        ReceiveEvent(a.link, BuildFrame({UnitReplyType, odd.first, a.link.TxSequence, odd.second}));
      });
  };
  BurnOutcome outcome = UpdateButtonUpdate_Click(a, 0xFF);
  EXPECT_EQ(std::make_tuple(outcome.end, outcome.errors, outcome.chipId), std::make_tuple(BurnEnd::Finished, 0, 0x0101));
  EXPECT_EQ(seen.front(), "检测: 寻找目标");
  EXPECT_NE(std::find(seen.begin(), seen.end(), "删除:通信错0x0"), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), "校验:通信错0x1000"), seen.end());

  // One bit flipped after programming: the sum is asked again, never rewritten.
  t.link.unit.received.clear();
  When(Main::UpdateLabelBurnState, "等待: 准备校验", [&] { BootFlash(boot, 1)[5] ^= 0x01; });
  outcome = UpdateButtonUpdate_Click(a, 0xFF);
  EXPECT_EQ(outcome.end, BurnEnd::VerifyFailed);
  EXPECT_NE(outcome.verifySum, outcome.imageChecksum);
  EXPECT_EQ(Requests(BootChecksum).size(), 100u);
  EXPECT_EQ(Requests(BootWrite).size(), 32u);
}

TEST_F(Burn, LateAnswersDoNotPutTheBurnOneRequestBehind) {
  // An identify answer that missed its short wait comes in together with the
  // first erase's answer, in one receive event; a doubled erase answer comes
  // in during the first write.
  ReadyToBurn(0x0101, HexImage("late.hex", Pattern(0x1000, 4)));
  Bytes ahead;
  port.Received = [&, connected = port.Received](std::span<const uint8_t> bytes) {
    ahead.insert(ahead.end(), bytes.begin(), bytes.end());
    connected(ahead);
    ahead.clear();
  };
  const auto stale = [this](uint8_t command) {
    return BuildFrame({UnitReplyType, HostAddress, a.link.TxSequence, {0x00, command, 0x01, 0x01}});
  };
  c.textChanged = [&](Control ctl, std::string_view text) {
    if (ctl.window != "DesktopForm" || ctl.name != "UpdateLabelBurnState") return;
    if (text == "等待: 准备升级") ahead = stale(BootIdentify);
    if (text == "删除: 正确0x0") At(Now() + 0.001, [this, late = stale(BootErase)] { ReceiveEvent(a.link, late); });
  };
  // Were every answer taken one request late, the erase and the write of a
  // block would refuse each other's answers without end.
  At(600, [this] {
    if (a.link.ReplyWanted) UpdateButtonUpdate_Click(a, 0xFF);
  });
  EXPECT_EQ(UpdateButtonUpdate_Click(a, 0xFF).end, BurnEnd::Finished);
  EXPECT_EQ(c.Text(Main::UpdateLabelBurnError), "出错: ") << "nothing counted, nothing shown";
  EXPECT_EQ(Requests(BootErase).size(), 8u) << "no block erased twice";
  EXPECT_LT(Now(), 3.0) << "no answer waited out";
  EXPECT_TRUE(FlashHoldsImage(1, 0, 0x0FFF));
}

TEST_F(Burn, AutoRepeatBurnsEachFittedUnitOnce) {
  // A unit leaves its boot program after the "next target" request; the
  // next one is fitted two seconds after the burn looks for it, three in all.
  const Bytes image = Pattern(0x400, 10);
  ReadyToBurn(0x0003, HexImage("each.hex", image));
  c.SetTicked(Main::UpdateCheckAutoBurn, true);
  boot.nextUnitAfter = 2;
  boot.units = 3;
  std::vector<bool> erasedWhenFound;
  c.textChanged = [&](Control ctl, std::string_view text) {
    if (ctl.window != "DesktopForm" || text != "等待: 准备升级") return;
    const auto& flash = BootFlash(boot, 1);
    erasedWhenFound.push_back(std::all_of(flash.begin(), flash.begin() + 0x400, [](uint8_t b) { return b == 0xFF; }));
  };
  const BurnOutcome outcome = UpdateButtonUpdate_Click(a, 0xFF);
  EXPECT_EQ(std::make_pair(outcome.end, outcome.good), std::make_pair(BurnEnd::NextNotFound, 3));
  EXPECT_EQ(std::make_pair(boot.fitted, boot.nextTargets), std::make_pair(3, 3));
  EXPECT_EQ(Requests(BootChecksum).size(), 3u) << "each unit verified once";
  EXPECT_EQ(erasedWhenFound, std::vector<bool>(3, true)) << "every unit comes fresh";
  EXPECT_TRUE(FlashHoldsImage(1, 0, 0x3FF));

  // Without a timed next unit the run waits for one fitted by hand (the
  // simulator's signal).
  boot.nextUnitAfter = -1;
  boot.units = 0;
  ASSERT_TRUE(FitNextUnit(boot));
  c.textChanged = [&](Control ctl, std::string_view text) {
    if (ctl.window == "DesktopForm" && text == "统计: 1") At(Now() + 10, [&] { FitNextUnit(boot); });
  };
  EXPECT_EQ(UpdateButtonUpdate_Click(a, 0xFF).good, 2);
  EXPECT_EQ(boot.fitted, 5);
}

TEST_F(Burn, ScriptsRunLineAfterLineAndRepeatUntilStopped) {
  ReadyToBurn(0x0101, WriteFile("job.bat", "1 one.hex\r\n2,two.hex\r\n4 three.bin\r\n"));
  const Bytes two = Pattern(0x900, 12);
  HexImage("one.hex", Pattern(0x800, 11));
  HexImage("two.hex", two);
  WriteFile("three.bin", std::string(0x200, '\x42'));
  c.SetTicked(Main::UpdateCheckAutoReboot, true);
  const BurnOutcome outcome = UpdateButtonUpdate_Click(a, 0xFF);
  EXPECT_EQ(std::make_pair(outcome.end, outcome.good), std::make_pair(BurnEnd::Finished, 3));
  EXPECT_TRUE(std::equal(two.begin(), two.end(), BootFlash(boot, 2).begin()));
  EXPECT_EQ(std::make_tuple(BootFlash(boot, 2)[0x900], BootFlash(boot, 4)[0x1FF], BootFlash(boot, 4)[0x200]),
            std::make_tuple(0xFF, 0x42, 0xFF));
  EXPECT_EQ(c.Index(Burner::UpdateSelectTarget), 3) << "the lists follow the script";

  // Repeated until the stop click, which ends the burn at its next wait; the
  // next unit is fitted a second after the burn looks for its first target again.
  c.SetTicked(Main::UpdateCheckAutoBurn, true);
  boot.nextUnitAfter = 1;
  size_t sentAtStop = 0;
  When(Main::UpdateLabelBurnTotal, "统计: 4", [&] {
    EXPECT_EQ(c.Text(Main::UpdateButtonUpdate), "停止烧录");
    EXPECT_FALSE(c.Enabled(Main::DesktopButtonSelectComSwitch) || c.Enabled(Burner::UpdateSelectTarget));
    UpdateButtonUpdate_Click(a, 0xFF);
    sentAtStop = writes.size();
  });
  t.link.unit.received.clear();
  EXPECT_EQ(UpdateButtonUpdate_Click(a, 0xFF).end, BurnEnd::Stopped);
  EXPECT_EQ(writes.size(), sentAtStop) << "nothing is sent after the stop";
  EXPECT_EQ(c.Text(Main::UpdateButtonUpdate), "开始烧录");
  EXPECT_TRUE(c.Enabled(Main::DesktopButtonSelectComSwitch) && c.Enabled(Main::UpdateSelectTarget) &&
              c.Enabled(Burner::UpdateSelectTarget));
  EXPECT_EQ(t.dialogs.played, std::vector<std::string>(7, "ding.wav"));
  Idle(1);  // what is still on the line reaches the unit
  std::vector<int> verified;
  for (const SimFrame& f : t.link.unit.received)
    if (IsBootRequest(f) && f.data[1] == BootChecksum) verified.push_back(f.address);
  EXPECT_EQ(verified, (std::vector<int>{1, 2, 4, 1}));
  EXPECT_EQ(std::make_pair(boot.nextTargets, boot.restarts), std::make_pair(4, 0)) << "a script never restarts";
  // Not the idle text: the chip may be half programmed.
  for (Control label : {Main::UpdateLabelBurnState, Burner::UpdateLabelBurnState})
    EXPECT_EQ(std::make_pair(c.Text(label), c.At(label).colour), std::make_pair(std::string("结束: 已停止"), Red));
}

TEST_F(Burn, EndsAroundTheSearches) {
  // Too large for the chip: nothing after the identification.
  ReadyToBurn(0x0102, HexImage("ten.hex", Pattern(10 * 1024, 6)));
  EXPECT_EQ(UpdateButtonUpdate_Click(a, 0xFF).end, BurnEnd::TooLarge);
  EXPECT_EQ(c.Text(Burner::UpdateLabelBurnState), "检测:版本错");
  EXPECT_EQ(t.link.unit.received.size(), 1u);

  // Another chip, or none, while waiting for the next target.
  c.SetText(Main::UpdateTextFileName, HexImage("repeat.hex", Pattern(0x400, 7)));
  c.SetTicked(Main::UpdateCheckAutoBurn, true);
  // The next unit, fitted half a second after the burn looks for it, has another chip.
  boot.nextUnitAfter = 0.5;
  When(Main::UpdateLabelBurnTotal, "统计: 1", [&] { boot.chipId = 0x0101; });
  EXPECT_EQ(UpdateButtonUpdate_Click(a, 0xFF).end, BurnEnd::OtherChip);
  EXPECT_EQ(boot.nextTargets, 1);
  EXPECT_EQ(State(c), "检测:目标不同型号");
  t.link.unit.received.clear();
  When(Main::UpdateLabelBurnTotal, "统计: 1", [&] { boot.targets.clear(); });
  EXPECT_EQ(UpdateButtonUpdate_Click(a, 0xFF).end, BurnEnd::NextNotFound);
  EXPECT_EQ(Requests(BootIdentify).size(), 1u + 1u + 1801u);

  // The first search gives up after 1,801 attempts, each after the pre-trigger
  // byte, read as hex like every number of the page.
  writes.clear();
  t.link.unit.received.clear();
  c.SetText(Main::UpdateTextTrig, " 0a5 ");
  const double searchStart = Now();
  const BurnOutcome outcome = UpdateButtonUpdate_Click(a, 0xFF);
  EXPECT_NEAR(Now() - searchStart, 1801 * (0.01 + 0.03), 0.5) << "a pause after the byte, then the wait";
  EXPECT_EQ(outcome.end, BurnEnd::NotFound);
  EXPECT_FALSE(outcome.identified);
  EXPECT_EQ(Requests(BootIdentify), std::vector<uint16_t>(1801, 0));
  EXPECT_EQ(writes[0], Bytes{0xA5});
  EXPECT_EQ(writes.size(), 2u * 1801u);
  EXPECT_EQ(t.dialogs.played, (std::vector<std::string>{"oo.wav", "ding.wav", "ding.wav", "oo.wav", "oo.wav"}))
      << "no failure sound for another chip";
  c.SetTicked(Main::UpdateCheckSound, false);
  c.SetText(Main::UpdateTextFileName, HexImage("ten.hex", Pattern(10 * 1024, 6)));
  boot.targets = {1};
  EXPECT_EQ(UpdateButtonUpdate_Click(a, 0xFF).end, BurnEnd::TooLarge);
  EXPECT_EQ(t.dialogs.played.size(), 5u) << "sounds only when ticked";
}

TEST_F(Burn, IdentifyAsksAndWritesNothingAndSearchesCanBeShort) {
  ReadyToBurn(0x0832, "");
  c.SetText(Main::UpdateTextTrig, "5A");
  const std::vector<uint8_t> before = a.code.Buffer;
  BurnOutcome o = IdentifyTarget(a, 3);
  EXPECT_EQ(std::make_tuple(o.end, o.identified, o.chipId, o.target),
            std::make_tuple(BurnEnd::Finished, true, uint16_t{0x0832}, uint8_t{3}));
  EXPECT_EQ(writes.front(), Bytes{0x5A}) << "the pre-trigger byte first, as the burn sends it";
  EXPECT_EQ(Requests(BootIdentify).size(), t.link.unit.received.size()) << "the identify request alone";
  EXPECT_TRUE(a.code.Buffer == before);
  EXPECT_EQ(a.job, Job::None);
  EXPECT_FALSE(a.link.ReplyWanted);

  // No unit: the search ends after its seconds, long before its 1,801 requests.
  boot.targets.clear();
  t.link.unit.received.clear();
  a.searchSeconds = 1;
  o = IdentifyTarget(a, 3);
  EXPECT_EQ(std::make_pair(o.end, o.identified), std::make_pair(BurnEnd::NotFound, false));
  const size_t asked = Requests(BootIdentify).size();
  EXPECT_GT(asked, 10u);
  EXPECT_LT(asked, 40u);

  // The wait for the next unit of an auto-repeat burn is shortened too.
  c.SetText(Main::UpdateTextTrig, "");
  c.SetText(Main::UpdateTextFileName, HexImage("short.hex", Pattern(0x400, 3)));
  c.SetTicked(Main::UpdateCheckAutoBurn, true);
  boot.targets = {1};
  When(Main::UpdateLabelBurnTotal, "统计: 1", [&] { boot.targets.clear(); });
  t.link.unit.received.clear();
  EXPECT_EQ(UpdateButtonUpdate_Click(a, 0xFF).end, BurnEnd::NextNotFound);
  EXPECT_LT(Requests(BootIdentify).size(), 2u + 30u);
}

TEST_F(Burn, RefusalsBeforeSendingAnything) {
  // A script that could not be burned to its end is refused whole, before the
  // first unit: its later lines are read before the first is burned.
  const std::string good = HexImage("good.hex", Pattern(0x100, 8));
  HexImage("one.hex", Pattern(0x100, 9));
  WriteFile("empty.hex", "");
  const std::string dir = TestFolder();
  const auto file = [&](std::string path) { return [&, path] { c.SetText(Main::UpdateTextFileName, path); }; };
  const auto script = [&](std::string name, std::string text) { return file(WriteFile(name, text)); };
  const struct {
    std::function<void()> setup;
    BurnEnd end;
    const char* state;
    std::string message;  // the box that says why
  } cases[] = {
      {[&] { c.SetIndex(Main::UpdateSelectTarget, -1); }, BurnEnd::NoTarget, "设置: 没选择目标", ""},
      {[&] { c.SetText(Main::UpdateTextTrig, "100"); }, BurnEnd::TrigError, "设置: 预触发出错", ""},
      {[&] { c.SetText(Main::UpdateTextTrig, "5G"); }, BurnEnd::TrigError, "设置: 预触发出错", ""},
      {[&] { c.SetText(Main::UpdateTextTrig, " "); }, BurnEnd::TrigError, "设置: 预触发出错", ""},
      {script("bad.bat", "7 one.hex\r\n"), BurnEnd::NoTarget, "设置: 没选择目标", "BatFile时, 出错 ! 行 1: 目标ID出错"},
      {script("id.bat", "1 one.hex\r\n\r\n"), BurnEnd::NoTarget, "设置: 没选择目标", "BatFile时, 出错 ! 行 2: 目标ID出错"},
      {script("missing.bat", "1 one.hex\r\n2 absent.hex\r\n"), BurnEnd::LoadFailed, "设置: 文件调入出错",
       "BatFile时, 出错 ! 行 2, " + dir + "absent.hex: LoadCode_HexFile时, 出错 !"},
      {script("empty.bat", "1 one.hex\r\n2 empty.hex\r\n"), BurnEnd::LoadFailed, "设置: 文件调入出错",
       "BatFile时, 出错 ! 行 2, " + dir + "empty.hex: LoadCode_HexFile时, 出错 ! 文件无数据"},
      {script("kind.bat", "1 one.hex\r\n2 notes.txt\r\n"), BurnEnd::LoadFailed, "设置: 文件调入出错",
       "BatFile时, 出错 ! 行 2: 不是Hex, Tot或Bin文件 " + dir + "notes.txt"},
      {script("nothing.bat", ""), BurnEnd::LoadFailed, "设置: 文件调入出错", "BatFile时, 出错 ! 文件无数据"},
      {file(dir + "empty.hex"), BurnEnd::LoadFailed, "设置: 文件调入出错", "LoadCode_HexFile时, 出错 ! 文件无数据"},
      {file(""), BurnEnd::LoadFailed, "设置: 文件调入出错", "LoadCode_Include, 出错 ! 文件无数据"},
      {[&] { a.logReady = [] { return false; }; }, BurnEnd::LogFailed, "设置: 生产记录写不进", ""},
      {[&] { port.Close(); }, BurnEnd::PortClosed, "设置: 没有打开串口", ""},
  };
  int records = 0;
  a.targetBurned = [&](const BurnOutcome&) { ++records; };
  for (const auto& k : cases) {
    ReadyToBurn(0x0101, good);
    c.SetText(Main::UpdateTextTrig, "");
    a.logReady = nullptr;
    t.dialogs.messages.clear();
    a.code.Buffer[0] = 0x42;
    k.setup();
    EXPECT_EQ(UpdateButtonUpdate_Click(a, 0xFF).end, k.end) << k.state;
    EXPECT_EQ(State(c), k.state);
    EXPECT_EQ(t.dialogs.messages, k.message.empty() ? std::vector<std::string>{} : std::vector{k.message});
    EXPECT_EQ(c.At(Main::UpdateLabelBurnState).colour, Red);
    EXPECT_EQ(c.Text(Main::UpdateButtonUpdate), "开始烧录");
    EXPECT_EQ(a.code.Buffer[0], 0x42) << "the check leaves the code buffer alone: " << k.message;
  }
  EXPECT_TRUE(Requests(BootIdentify).empty() && port.dropped.empty());
  EXPECT_EQ(records, 0) << "no unit, no line";
}

TEST_F(Burn, OpenViewAndRestartOnTheBurnPage) {
  // An upper-case ending, the 0xFF fill, the name on both windows.
  const std::string bin = WriteFile("PANEL.BIN", "\x01\x02");
  t.dialogs.picks = {bin};
  UpdateButtonOpenFile_Click(a);
  EXPECT_EQ(t.dialogs.filters, std::vector<std::string>{"Burn File|*.bat;*.Txt;*.Hex;*.Bin;*.Tot;*.Val"});
  EXPECT_EQ(std::make_pair(a.code.Buffer[1], a.code.Buffer[0xFFFF]), std::make_pair(uint8_t{0x02}, uint8_t{0xFF}));
  EXPECT_EQ(c.Text(Burner::UpdateTextFileName), bin);
  // A script loads its first line's image and keeps its own name; a cancel changes nothing.
  c.SetTicked(Main::UpdateOptionFull0x00, true);
  WriteFile("Front.HEX", ":020000001234B8\r\n:00000001FF\r\n");
  const std::string script = WriteFile("job.bat", "1 Front.HEX\r\n2 other.hex\r\n");
  t.dialogs.picks = {script};
  UpdateButtonOpenFile_Click(a);
  UpdateButtonOpenFile_Click(a);
  EXPECT_EQ(std::make_pair(a.code.Buffer[1], a.code.Buffer[2]), std::make_pair(uint8_t{0x34}, uint8_t{0x00}));
  EXPECT_EQ(c.Text(Main::UpdateTextFileName), script);
  // Other endings load nothing; a setting file is a job of its own.
  t.dialogs.picks = {WriteFile("notes.doc", "BB"), WriteFile("regs.val", "\"AD9880\"\n\"1A\",\"255\"\n")};
  UpdateButtonOpenFile_Click(a);
  EXPECT_EQ(a.code.Buffer[1], 0x34);
  UpdateButtonOpenFile_Click(a);
  EXPECT_EQ(std::make_pair(a.code.Buffer[0x1A], a.job), std::make_pair(uint8_t{0xFF}, Job::None));
  UpdateButtonView_Click(a);
  EXPECT_EQ(c.Text(Main::Text6).find("003F:00 00"), 57 + 63 * 55u);
  EXPECT_EQ(c.Text(Main::Text6).find("0040:"), std::string::npos);

  ReadyToBurn(0x0101, "");
  writes.clear();
  for (int index : {0, 2, -1}) {
    c.SetIndex(Main::UpdateSelectTarget, index);
    c.SetText(Burner::UpdateLabelBurnState, "");
    a.link.TxSequence = 8;
    UpdateButtonRestart_Click(a);
    EXPECT_EQ(c.Text(Burner::UpdateLabelBurnState), index < 0 ? "设置: 没选择目标" : "进度: ------");
  }
  EXPECT_EQ(writes.back(), (Bytes{0x55, 0x00, 0x03, 0x58, 0x09, 0x04, 0x00, 0x00, 0x00, 0x01, 0x66, 0xAA}));
  EXPECT_EQ(writes[0][2], 1);
  port.Close();
  UpdateButtonRestart_Click(a);
  EXPECT_EQ(State(c), "设置: 没有打开串口");
  EXPECT_EQ(writes.size(), 2u);
}

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
