#include "burner/BurnEngine.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/Hex.h"
#include "app/Job.h"
#include "app/Language.h"
#include "images/BatFile.h"
#include "images/CodeBuffer.h"
#include "images/BinFile.h"
#include "images/HexFile.h"
#include "images/LoadCode.h"
#include "images/RedidoFile.h"
#include "images/TextLines.h"
#include "link/Frame.h"
#include "link/TxRx.h"

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

namespace {

// Texts of the burn, as the main window and the burner window show them.
constexpr BurnText StateTrigError{"设置: 预触发出错", "设置: 预触发出错", "State: Trig Error"};
constexpr BurnText StateLoadFailed{"设置: 文件调入出错", "设置: 文件调入出错", "State: File Error"};
constexpr BurnText StateLogFailed{"设置: 生产记录写不进", "设置: 生产记录写不进", "State: Log Error"};
constexpr BurnText StateFirstSearch{"检测: 寻找目标", "检测: 寻找目标", "State: Find..."};
constexpr BurnText StateFirstSearchFailed{"检测:目标没有出现", "检测:目标没有出现", "State: No Find MCU"};
constexpr BurnText StateTooLarge{"检测:MCU空间不足", "检测:版本错", "State: Ver Error"};
constexpr BurnText StateWaiting{"等待: 寻找目标", "等待: 寻找目标", "State: Find..."};
constexpr BurnText StateNotFound{"等待:目标没有出现", "等待:目标没有出现", "Error:  No Find"};
constexpr BurnText StateOtherChip{"检测:目标不同型号", "检测:目标不同型号", "Error:  MCU ID Error"};
constexpr BurnText StateProgram{"等待: 准备升级", "等待: 准备升级", "State: Start"};
constexpr BurnText EraseOk{"删除: 正确0x", "删除: 正确", "Del  : Del Ok"};
constexpr BurnText EraseRefused{"删除: 错误0x", "删除: 错误", "Del  : Del Error"};
constexpr BurnText EraseOther{"删除:通信错0x", "删除:通信错", "Del  : Comm Error"};
constexpr BurnText EraseNoReply{"删除:无响应0x", "删除: 无响应", "Del  : No respond"};
constexpr BurnText EraseAbort{"结束: 删除失败", "结束: 删除失败", "Del  : Abort"};
constexpr BurnText WriteOk{"写入: 正确0x", "写入: 正确", "Burn : Burn Ok"};
constexpr BurnText WriteRefused{"写入: 错误0x", "写入: 错误", "Burn : Burn Error"};
constexpr BurnText WriteOther{"写入:通信错0x", "写入: 通信错", "Burn : Comm Error"};
constexpr BurnText WriteNoReply{"写入:无响应0x", "写入:无响应", "Burn : No respond"};
constexpr BurnText WriteAbort{"结束: 写入失败", "结束: 写入失败", "Burn : Abort"};
constexpr BurnText StateVerify{"等待: 准备校验", "等待: 准备校验", "State: Check Sum"};
constexpr BurnText CheckOk{"校验: 正确0x", "校验: 正确", "State: Check Ok"};
constexpr BurnText CheckWrong{"校验: 错误0x", "校验: 错误", "State: Check Error"};
constexpr BurnText CheckOther{"校验:通信错0x", "校验: 通信错", "校验: 通信错"};
constexpr BurnText CheckNoReply{"校验:无响应0x", "校验:无响应", "Check: No respond"};
constexpr BurnText StateFinished{"进度: 完成", "进度: 完成", "State: Finish"};

constexpr BurnText CheckAbort{"", "校验:失败", "Check: Error"};

constexpr int Attempts = 1801;
constexpr int ErrorLimit = 100;
constexpr double TrigPause = 0.01, FirstSearchWait = 0.03, NextTargetWait = 0.05;
constexpr double EraseWait = 3, WriteWait = 3, ChecksumWait = 8, FinishWait = 0.5;

// The end captions; the step failures have shown theirs already.
struct EndText {
  BurnEnd end;
  BurnText text;
  bool failSound;
};
constexpr EndText EndTexts[] = {
    {BurnEnd::Finished, StateFinished, false},     {BurnEnd::PortClosed, StatePortClosed, false},
    {BurnEnd::PortLost, StatePortClosed, true},    {BurnEnd::NoTarget, StateNoTarget, false},
    {BurnEnd::TrigError, StateTrigError, false},   {BurnEnd::NotFound, StateFirstSearchFailed, true},
    {BurnEnd::LoadFailed, StateLoadFailed, true},  {BurnEnd::TooLarge, StateTooLarge, true},
    {BurnEnd::NextNotFound, StateNotFound, true},  {BurnEnd::OtherChip, StateOtherChip, false},
    {BurnEnd::EraseFailed, {}, true},              {BurnEnd::WriteFailed, {}, true},
    {BurnEnd::VerifyFailed, {}, true},
    {BurnEnd::LogFailed, StateLogFailed, false},
    // Shown by the stop click already, unless an answer came with it.
    {BurnEnd::Stopped, StateStopped, false},
};

// What came back for a request of the burn.
enum class Answer { Valid, Refused, Other, None, Stopped, Lost };

// One step of the programming: its request's wait, its texts for each answer,
// how the burn ends when the step gives up and where its errors are counted.
struct BurnStep {
  uint16_t command;
  double wait;
  BurnText ok, refused, other, noReply, abort;
  BurnEnd failed;
  int BurnOutcome::*errors;
};
constexpr BurnStep EraseStep{BootErase, EraseWait, EraseOk, EraseRefused, EraseOther, EraseNoReply, EraseAbort,
                             BurnEnd::EraseFailed, &BurnOutcome::eraseErrors};
constexpr BurnStep WriteStep{BootWrite, WriteWait, WriteOk, WriteRefused, WriteOther, WriteNoReply, WriteAbort,
                             BurnEnd::WriteFailed, &BurnOutcome::writeErrors};
// The boot program's refusal of a checksum request counts like a wrong sum, so
// one that keeps refusing ends the burn at the error limit.
constexpr BurnStep CheckStep{BootChecksum, ChecksumWait, CheckOk, CheckWrong, CheckOther, CheckNoReply, CheckAbort,
                             BurnEnd::VerifyFailed, &BurnOutcome::verifyErrors};

struct Burning {
  Ambrelin& a;
  uint8_t fill;
  const Chip* chip = &UnknownChip;
  double targetStart = 0;
  // The chip of the first identification, which every later target must be.
  uint16_t firstChip = 0;
  // The error label's count: erase and write together, the verify afresh.
  int shownErrors = 0;
  // A unit is being worked on that has no record yet.
  bool open = false;
  BurnOutcome outcome;
};

void Report(const Burning& b, Phase phase) {
  if (b.a.progress)
    b.a.progress({Job::Burn, phase, b.outcome.address, b.chip->start, b.chip->end, b.outcome.errors});
}

// A production log hears of every target the burn is done with, once.
void Record(Burning& b, BurnEnd end) {
  b.outcome.seconds = b.a.pump.Now() - b.targetStart;
  b.open = false;
  if (!b.a.targetBurned) return;
  BurnOutcome record = b.outcome;
  record.end = end;
  b.a.targetBurned(record);
}

// The next unit starts with nothing heard; its image stays the same.
void NextUnit(Burning& b) {
  BurnOutcome& o = b.outcome;
  o.identified = false;
  o.verifySum.reset();
  o.eraseErrors = o.writeErrors = o.verifyErrors = o.errors = 0;
  o.address = 0;
  b.targetStart = b.a.pump.Now();
}

void Both(Ambrelin& a, Control main, Control burner, const std::string& chinese, const std::string& english) {
  a.controls.SetText(main, chinese);
  a.controls.SetText(burner, ByLanguage(a, chinese, english));
}

void ShowErrors(Ambrelin& a, int count) {
  const std::string n = std::to_string(count);
  Both(a, Main::UpdateLabelBurnError, Burner::UpdateLabelBurnError, "出错: " + n, "Error: " + n);
}

void ShowTotal(Ambrelin& a, int count) {
  const std::string n = std::to_string(count);
  Both(a, Main::UpdateLabelBurnTotal, Burner::UpdateLabelBurnTotal, "统计: " + n, "Total: " + n);
}

void ShowBars(Ambrelin& a, int value) {
  a.controls.SetValue(Main::UpdateBarBurn, value);
  a.controls.SetValue(Burner::UpdateBarBurn, value);
}

void ShowButtons(Ambrelin& a, bool burning) {
  Both(a, Main::UpdateButtonUpdate, Burner::UpdateButtonUpdate, burning ? "停止烧录" : "开始烧录",
       burning ? "Stop" : "Start");
}

// The port switch rests while any job runs (the job guard sees to it). The
// file boxes show the file that is burned until the burn ends.
void EnableChoices(Ambrelin& a, bool enabled) {
  a.controls.SetEnabled(Main::UpdateSelectTarget, enabled);
  a.controls.SetEnabled(Burner::UpdateSelectTarget, enabled);
  a.controls.SetEnabled(Main::UpdateTextFileName, enabled);
  a.controls.SetEnabled(Burner::UpdateTextFileName, enabled);
}

// The sound's own result is no concern of the burn.
void Sound(Ambrelin& a, bool success) {
  if (a.controls.Ticked(Main::UpdateCheckSound)) a.dialogs.Play(success ? "ding.wav" : "oo.wav");
}

void CleanUp(Ambrelin& a) {
  a.link.RxFrameReady = false;
  EnableChoices(a, true);
  ShowBars(a, 0);
  a.link.ReplyWanted = false;
  ShowButtons(a, false);
}

bool Stopped(const Ambrelin& a) { return !a.link.ReplyWanted; }

// Shows how the burn ended and returns its outcome.
BurnOutcome End(Burning& b, BurnEnd end) {
  b.outcome.end = end;
  // A verified target has been recorded already; an end before any unit, or
  // while no further unit answered, is no unit's, and so is a stop before
  // any unit answered.
  if (b.open && !(end == BurnEnd::Stopped && !b.outcome.identified)) Record(b, end);
  for (const EndText& e : EndTexts) {
    if (e.end != end) continue;
    if (!e.text.main.empty()) ShowBurnState(b.a, e.text, end == BurnEnd::Finished ? Black : Red);
    if (e.failSound) Sound(b.a, false);
  }
  // A lost port ends the burn as a stop click would.
  if (end == BurnEnd::PortLost) b.a.link.ReplyWanted = false;
  return b.outcome;
}

bool IsBootCommand(uint8_t byte) {
  return byte == BootIdentify || byte == BootChecksum || byte == BootErase || byte == BootWrite;
}

// Waits for the answer to `command` until the deadline; `reply` holds it when valid.
Answer Await(Ambrelin& a, uint8_t command, double deadline, Reply& reply) {
  for (;;) {
    Awaited awaited = AwaitReply(a, deadline);
    switch (awaited.wait) {
      case Wait::PortClosed: return Answer::Lost;
      case Wait::Stopped: return Answer::Stopped;
      case Wait::Timeout: return Answer::None;
      case Wait::Reply: break;
    }
    reply = std::move(awaited.reply);
    const auto& d = reply.data;
    if (reply.address != HostAddress || d.size() < 2 || d[0] != 0x00) return Answer::Other;
    // The chip ID and the checksum are a word after the command.
    const bool carriesWord = command == BootIdentify || command == BootChecksum;
    if (d[1] == command) return d.size() >= (carriesWord ? 4u : 2u) ? Answer::Valid : Answer::Other;
    if (d[1] == BootRefusal) return Answer::Refused;
    // A late answer to an earlier request. Taken as this one's, it would put
    // every later answer one request behind, and the erase and the write of a
    // block would refuse each other's answers for ever.
    if (!IsBootCommand(d[1])) return Answer::Other;
  }
}

// Frames that are not an identify reply are dropped and the window stays open.
// Nothing when none came; `lost` tells a port that went away.
std::optional<uint16_t> AwaitIdentify(Ambrelin& a, double seconds, bool& lost) {
  const double deadline = a.pump.Now() + seconds;
  Reply reply;
  for (;;) {
    switch (Await(a, BootIdentify, deadline, reply)) {
      case Answer::Valid: return ReplyWord(reply, 2);
      case Answer::Lost: lost = true; return std::nullopt;
      case Answer::None:
      case Answer::Stopped: return std::nullopt;
      default: break;
    }
  }
}

// Counts a refusal or a silence of the step; true when it was the last one
// allowed.
bool CountError(Burning& b, const BurnStep& step) {
  ++(b.outcome.*step.errors);
  ++b.outcome.errors;
  ShowErrors(b.a, ++b.shownErrors);
  Report(b, b.outcome.address > b.chip->end ? Phase::Verify : Phase::Program);
  return b.shownErrors >= ErrorLimit;
}

enum class Step { Done, Again, End };

// Shows what the answer to a step's request was and counts its errors;
// `value` follows the caption. End when the burn has to stop here.
Step Judge(Burning& b, const BurnStep& step, Answer answer, uint32_t value) {
  Ambrelin& a = b.a;
  switch (answer) {
    case Answer::Stopped: b.outcome.end = BurnEnd::Stopped; return Step::End;
    case Answer::Lost: b.outcome.end = BurnEnd::PortLost; return Step::End;
    case Answer::Valid: ShowBurnState(a, step.ok, Black, value); return Step::Done;
    case Answer::Other:
      ShowBurnState(a, step.other, Red, value);
      ShowErrors(a, b.shownErrors);
      return Step::Again;
    case Answer::Refused:
      ShowBurnState(a, step.refused, Red, value);
      break;
    case Answer::None:
      if (!CountError(b, step)) {
        ShowBurnState(a, step.noReply, Red, value);
        return Step::Again;
      }
      // Only silence shows a giving-up text; the verify's is the burner window's alone.
      if (step.abort.main.empty())
        a.controls.SetText(Burner::UpdateLabelBurnState, ByLanguage(a, step.abort.chinese, step.abort.english));
      else
        ShowBurnState(a, step.abort, Red);
      b.outcome.end = step.failed;
      return Step::End;
  }
  if (!CountError(b, step)) return Step::Again;
  b.outcome.end = step.failed;
  return Step::End;
}

// Sends a step's request and judges its answer.
Step Attempt(Burning& b, const BurnStep& step, uint32_t value, const std::function<void()>& send, Reply& reply) {
  send();
  return Judge(b, step, Await(b.a, static_cast<uint8_t>(step.command), b.a.pump.Now() + step.wait, reply), value);
}

std::optional<uint8_t> TrigByte(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  const auto value = HexValue(text, 0xFF);
  if (!value) return std::nullopt;
  return static_cast<uint8_t>(*value);
}

std::optional<uint8_t> ChooseTarget(Ambrelin& a, const std::string& path, bool script, int line) {
  int id = a.controls.Index(Main::UpdateSelectTarget) + 1;
  if (script) id = ScriptTargetId(a, path, line);
  if (id < 1 || id > 6) return std::nullopt;
  if (script) {
    a.controls.SetIndex(Main::UpdateSelectTarget, id - 1);
    a.controls.SetIndex(Burner::UpdateSelectTarget, id - 1);
  }
  return static_cast<uint8_t>(id);
}

// The design's count of attempts, or fewer when the search has its seconds;
// the first attempt is always made.
bool SearchGoesOn(Ambrelin& a, int attempt, double started) {
  return attempt == 0 || (attempt < Attempts && (a.searchSeconds <= 0 || a.pump.Now() - started < a.searchSeconds));
}

// The chip ID of the boot program that answered, or how the search ended. A
// stop that came while a script or an image was read ends it before it starts.
std::optional<BurnEnd> FirstSearch(Burning& b) {
  Ambrelin& a = b.a;
  if (Stopped(a)) return BurnEnd::Stopped;
  ShowBurnState(a, StateFirstSearch, Black);
  Report(b, Phase::Search);
  const double started = a.pump.Now();
  for (int attempt = 0; SearchGoesOn(a, attempt, started); ++attempt) {
    if (Stopped(a)) return BurnEnd::Stopped;
    const std::string trig = a.controls.Text(Main::UpdateTextTrig);
    if (!trig.empty()) {
      const auto byte = TrigByte(trig);
      if (!byte) return BurnEnd::TrigError;
      a.port.Write(std::span(&*byte, 1));
      a.pump.WaitUntil(a.pump.Now() + TrigPause, [&a] { return Stopped(a); });
    }
    // From the first request on, whatever answers or not is this target's.
    b.open = true;
    TxBurnCommand(a, HostAddress, b.outcome.target, BootIdentify, 0);
    bool lost = false;
    const auto id = AwaitIdentify(a, FirstSearchWait, lost);
    if (lost) return BurnEnd::PortLost;
    if (id) {
      b.firstChip = b.outcome.chipId = *id;
      b.outcome.identified = true;
      return std::nullopt;
    }
  }
  return Stopped(a) ? BurnEnd::Stopped : BurnEnd::NotFound;
}

// Reloads hex, Tot and script images with the chip's range; other images
// are burned as the burn page loaded them. False when a load failed.
bool LoadImage(Ambrelin& a, uint8_t fill, const std::string& path, bool script, int line, const Chip& chip,
               std::string& image) {
  image = script ? ScriptImagePath(a, path, line) : path;
  if (path.empty()) return static_cast<bool>(LoadCode_Include(a, fill, chip.start, chip.end));
  if (HasEnding(image, "hex")) return static_cast<bool>(LoadCode_HexFile(a, image, fill, chip.start, chip.end));
  if (HasEnding(image, "tot")) return static_cast<bool>(LoadCode_TotFile(a, image, fill, chip.start, chip.end));
  if (script && HasEnding(image, "bin"))
    return static_cast<bool>(LoadCode_BinFile(a, image, fill, chip.start, chip.end));
  // Only while nothing else has written the buffer since the page loaded it.
  const CodeOwner& owner = a.code.owner;
  if (owner.writer == CodeWriter::Image && owner.whole && owner.file == image) return true;
  a.dialogs.MessageBox(ByLanguage(a, "映像已被改写, 请重新打开文件 !", "The image was changed since it was opened; open it again !"));
  return false;
}

std::optional<BurnEnd> NextTarget(Burning& b) {
  Ambrelin& a = b.a;
  if (Stopped(a)) return BurnEnd::Stopped;
  ShowBurnState(a, StateWaiting, Black);
  Report(b, Phase::Wait);
  const double started = a.pump.Now();
  for (int attempt = 0; SearchGoesOn(a, attempt, started); ++attempt) {
    if (Stopped(a)) return BurnEnd::Stopped;
    TxBurnCommand(a, HostAddress, b.outcome.target, BootIdentify, 0);
    bool lost = false;
    const auto id = AwaitIdentify(a, NextTargetWait, lost);
    if (lost) return BurnEnd::PortLost;
    if (!id) continue;
    // The unit that answered is the one worked on now, whichever chip it is.
    b.open = true;
    b.outcome.chipId = *id;
    b.outcome.identified = true;
    if (*id == b.firstChip) return std::nullopt;
    return BurnEnd::OtherChip;
  }
  return Stopped(a) ? BurnEnd::Stopped : BurnEnd::NextNotFound;
}

// The writes of one erased block; a failed write has the whole block erased
// and written again.
Step WriteBlock(Burning& b, int chunks) {
  Ambrelin& a = b.a;
  int32_t& address = b.outcome.address;
  const int32_t blockStart = address;
  std::array<uint8_t, 128> slice{};
  Reply reply;
  for (; chunks > 0; --chunks) {
    std::copy_n(a.code.Buffer.begin() + address, slice.size(), slice.begin());
    const auto send = [&] { TxBurnBlock(a, HostAddress, b.outcome.target, BootWrite, static_cast<uint16_t>(address), slice); };
    const Step step = Attempt(b, WriteStep, static_cast<uint32_t>(address), send, reply);
    if (step != Step::Done) {
      address = blockStart;
      return step;
    }
    ShowBars(a, address);
    address += 128;
    Report(b, Phase::Program);
  }
  return Step::Done;
}

// Erase and write from chip start to chip end; leaves the address one past it.
std::optional<BurnEnd> Program(Burning& b, const Chip& chip) {
  Ambrelin& a = b.a;
  ShowBurnState(a, StateProgram, Black);
  a.controls.SetRange(Main::UpdateBarBurn, 0, chip.end);
  a.controls.SetRange(Burner::UpdateBarBurn, 0, chip.end);
  b.shownErrors = 0;
  int32_t& address = b.outcome.address;
  address = chip.start;
  Report(b, Phase::Program);
  Reply reply;
  while (address <= chip.end) {
    if (Stopped(a)) return BurnEnd::Stopped;
    const auto send = [&] { TxBurnCommand(a, HostAddress, b.outcome.target, BootErase, static_cast<uint16_t>(address)); };
    Step step = Attempt(b, EraseStep, static_cast<uint32_t>(address), send, reply);
    if (step == Step::Done) step = WriteBlock(b, chip.block == 512 ? 4 : 1);
    if (step == Step::End) return b.outcome.end;
  }
  return std::nullopt;
}

// Asks for the chip's checksum until it matches the code checksum.
std::optional<BurnEnd> Verify(Burning& b, const Chip& chip) {
  Ambrelin& a = b.a;
  ShowBars(a, chip.end);
  ShowBurnState(a, StateVerify, Black);
  b.shownErrors = 0;
  b.outcome.imageChecksum = a.code.Checksum;
  Report(b, Phase::Verify);
  const auto at = static_cast<uint32_t>(b.outcome.address);
  Reply reply;
  for (;;) {
    if (Stopped(a)) return BurnEnd::Stopped;
    TxBurnCommand(a, HostAddress, b.outcome.target, BootChecksum, static_cast<uint16_t>(chip.end));
    Answer answer = Await(a, BootChecksum, a.pump.Now() + ChecksumWait, reply);
    uint32_t value = at;
    if (answer == Answer::Valid) {
      b.outcome.verifySum = ReplyWord(reply, 2);
      value = *b.outcome.verifySum;
      if (value != static_cast<uint32_t>(a.code.Checksum)) answer = Answer::Refused;
    }
    switch (Judge(b, CheckStep, answer, value)) {
      case Step::Done: Sound(a, true); return std::nullopt;
      case Step::End: return b.outcome.end;
      case Step::Again: break;
    }
  }
}

BurnOutcome Finish(Burning& b, bool restart) {
  Ambrelin& a = b.a;
  if (restart && a.controls.Ticked(Main::UpdateCheckAutoReboot))
    TxBurnCommand(a, HostAddress, b.outcome.target, BootControl, ControlRestart);
  const BurnOutcome outcome = End(b, BurnEnd::Finished);
  AwaitReply(a, a.pump.Now() + FinishWait);
  return outcome;
}

BurnOutcome Burn(Ambrelin& a, uint8_t fill) {
  Burning b{a, fill};
  b.targetStart = a.pump.Now();
  if (!a.port.IsOpen()) return End(b, BurnEnd::PortClosed);
  const std::string path = a.controls.Text(Main::UpdateTextFileName);
  const bool script = HasEnding(path, "bat");
  // A script's targets are checked with its images.
  if (!script && !ChooseTarget(a, path, false, 1)) return End(b, BurnEnd::NoTarget);
  // No unit is touched by a burn that could not run to its end.
  if (const auto refusal = CheckBurnFile(a, path)) {
    a.dialogs.MessageBox(refusal->message);
    return End(b, refusal->end);
  }
  if (a.logReady && !a.logReady()) return End(b, BurnEnd::LogFailed);
  for (int line = 1;;) {
    const auto target = ChooseTarget(a, path, script, line);
    if (!target) return End(b, BurnEnd::NoTarget);
    b.outcome.target = *target;
    b.outcome.image = script ? ScriptImagePath(a, path, line) : path;
    b.outcome.identified = false;
    b.outcome.imageChecksum.reset();
    if (const auto end = FirstSearch(b)) return End(b, *end);
    const Chip& chip = ChipById(b.outcome.chipId);
    b.chip = &chip;
    a.controls.SetText(Main::UpdateLabelDevice, chip.caption);
    if (!LoadImage(a, b.fill, path, script, line, chip, b.outcome.image)) return End(b, BurnEnd::LoadFailed);
    b.outcome.imageChecksum = a.code.Checksum;
    if (a.code.Length > chip.end) return End(b, BurnEnd::TooLarge);
    for (;;) {
      if (const auto end = NextTarget(b)) return End(b, *end);
      if (const auto end = Program(b, chip)) return End(b, *end);
      if (const auto end = Verify(b, chip)) return End(b, *end);
      ShowTotal(a, ++b.outcome.good);
      Record(b, BurnEnd::Finished);
      const bool repeat = a.controls.Ticked(Main::UpdateCheckAutoBurn);
      if (repeat) TxBurnCommand(a, HostAddress, b.outcome.target, BootControl, ControlNextTarget);
      if (script && ++line > ScriptLineCount(a, path)) {
        if (!repeat) return Finish(b, false);
        line = 1;
      }
      if (!script && !repeat) return Finish(b, true);
      NextUnit(b);
      if (script) break;
    }
  }
}

}  // namespace

void ShowBurnState(Ambrelin& a, const BurnText& text, uint32_t colour) {
  a.controls.SetColour(Main::UpdateLabelBurnState, colour);
  a.controls.SetColour(Burner::UpdateLabelBurnState, colour);
  a.controls.SetText(Main::UpdateLabelBurnState, text.main);
  a.controls.SetText(Burner::UpdateLabelBurnState, ByLanguage(a, text.chinese, text.english));
}

void ShowBurnState(Ambrelin& a, const BurnText& text, uint32_t colour, uint32_t value) {
  ShowBurnState(a, text, colour);
  a.controls.SetText(Main::UpdateLabelBurnState, std::string(text.main) + HexText(value));
}

namespace {

uint8_t Exchanged(uint8_t byte) { return byte == 0x53 ? 0x75 : byte == 0x75 ? 0x53 : byte; }

}  // namespace

void ShowBurnIdle(Ambrelin& a) {
  a.controls.SetText(Main::UpdateLabelBurnState, StateIdle.main);
  a.controls.SetText(Burner::UpdateLabelBurnState, ByLanguage(a, StateIdle.chinese, StateIdle.english));
}

void TxBurnCommand(Ambrelin& a, uint8_t type, uint8_t address, uint16_t command, uint16_t parameter) {
  const uint8_t data[] = {static_cast<uint8_t>(command >> 8), static_cast<uint8_t>(command),
                          static_cast<uint8_t>(parameter >> 8), static_cast<uint8_t>(parameter)};
  a.port.Write(EncodeFrame(a.link, type, address, data));
}

void TxBurnBlock(Ambrelin& a, uint8_t type, uint8_t address, uint16_t command, uint16_t addressWord,
                 std::array<uint8_t, 128>& slice) {
  const bool old = a.controls.Ticked(Burner::UpdateCheckVerOld);
  std::vector<uint8_t> data{static_cast<uint8_t>(command >> 8), static_cast<uint8_t>(command),
                            static_cast<uint8_t>(addressWord >> 8), static_cast<uint8_t>(addressWord)};
  data.insert(data.end(), slice.begin(), slice.end());
  // The old boot program sums the bytes before their exchange.
  const std::vector<uint8_t> summed = data;
  std::transform(data.begin() + 4, data.end(), data.begin() + 4, Exchanged);
  if (!old) std::copy(data.begin() + 4, data.end(), slice.begin());
  a.port.Write(old ? EncodeFrame(a.link, type, address, data, summed) : EncodeFrame(a.link, type, address, data));
}

namespace {

bool IsBurnImage(const std::string& path) {
  return HasEnding(path, "hex") || HasEnding(path, "tot") || HasEnding(path, "bin");
}

// An image as the burn page opens it, addresses 0 to FFFF, into an image of
// its own; the fill and the chip's range do not decide whether it loads.
Loaded ReadImage(Ambrelin& a, CodeImage& scratch, const std::string& image, uint8_t fill = 0xFF) {
  if (HasEnding(image, "hex")) return ReadHexFile(scratch, image, fill, 0, FillLast, a.pump);
  if (HasEnding(image, "tot")) return ReadTotFile(scratch, image, fill, 0, FillLast);
  return ReadBinFile(scratch, image, fill, 0, FillLast);
}

}  // namespace

std::optional<BurnRefusal> CheckBurnFile(Ambrelin& a, const std::string& path) {
  CodeImage scratch;
  if (!HasEnding(path, "bat")) {
    // Text and setting files are burned as the burn page loaded them.
    if (!path.empty() && !IsBurnImage(path)) return std::nullopt;
    const Loaded loaded = path.empty() ? ReadHexText(scratch, a.controls.Text(Main::DesktopTextCode1), 0xFF, 0,
                                                     FillLast, a.pump)
                                       : ReadImage(a, scratch, path);
    if (loaded) return std::nullopt;
    return BurnRefusal{BurnEnd::LoadFailed, loaded.error};
  }
  constexpr std::string_view ScriptFailed = "BatFile时, 出错 !";
  const auto lines = ReadLines(path);
  if (!lines) return BurnRefusal{BurnEnd::LoadFailed, std::string(ScriptFailed)};
  if (lines->empty()) return BurnRefusal{BurnEnd::LoadFailed, std::string(ScriptFailed) + NoData};
  for (int line = 1; line <= static_cast<int>(lines->size()); ++line) {
    const std::string where = std::string(ScriptFailed) + " 行 " + std::to_string(line);
    const int id = ScriptTargetId(a, path, line);
    if (id < 1 || id > 6) return BurnRefusal{BurnEnd::NoTarget, where + ": 目标ID出错"};
    // A line whose image the burn does not load would burn the line before's.
    const std::string image = ScriptImagePath(a, path, line);
    if (!IsBurnImage(image))
      return BurnRefusal{BurnEnd::LoadFailed,
                         where + (image.empty() ? ": 没有文件名" : ": 不是Hex, Tot或Bin文件 " + image)};
    const Loaded loaded = ReadImage(a, scratch, image);
    if (!loaded) return BurnRefusal{BurnEnd::LoadFailed, where + ", " + image + ": " + loaded.error};
  }
  return std::nullopt;
}

BurnOutcome UpdateButtonUpdate_Click(Ambrelin& a, uint8_t fill) {
  // A click while the burn runs is its stop request; while another job runs,
  // it must not touch the flag that job waits on.
  const bool stop = a.job == Job::Burn;
  std::optional<RunningJob> job;
  if (!stop && !job.emplace(a, Job::Burn)) return {BurnEnd::Busy};
  a.link.ReplyWanted = !stop;
  Both(a, Main::UpdateLabelBurnTotal, Burner::UpdateLabelBurnTotal, "统计: ", "Total: ");
  Both(a, Main::UpdateLabelBurnError, Burner::UpdateLabelBurnError, "出错: ", "Error:  ");
  if (stop) {
    ShowBurnState(a, StateStopped, Red);
    CleanUp(a);
    return {BurnEnd::Stopped};
  }
  EnableChoices(a, false);
  ShowButtons(a, true);
  const BurnOutcome outcome = Burn(a, fill);
  CleanUp(a);
  return outcome;
}

std::optional<std::vector<int32_t>> BurnFileChecksums(Ambrelin& a, const std::string& path, uint8_t fill) {
  std::vector<std::string> images{path};
  if (HasEnding(path, "bat")) {
    images.clear();
    for (int line = 1; line <= ScriptLineCount(a, path); ++line) images.push_back(ScriptImagePath(a, path, line));
  }
  CodeImage scratch;
  std::vector<int32_t> sums;
  for (const std::string& image : images) {
    const Loaded loaded = ReadImage(a, scratch, image, fill);
    if (!loaded) return std::nullopt;
    sums.push_back(loaded.checksum);
  }
  return sums;
}

BurnOutcome IdentifyTarget(Ambrelin& a, uint8_t target) {
  const RunningJob job(a, Job::Burn);
  if (!job) return {BurnEnd::Busy, target};
  Burning b{a, 0xFF};
  b.outcome.target = target;
  b.targetStart = a.pump.Now();
  if (!a.port.IsOpen()) {
    b.outcome.end = BurnEnd::PortClosed;
    return b.outcome;
  }
  a.link.ReplyWanted = true;
  const auto end = FirstSearch(b);
  a.link.ReplyWanted = false;
  a.link.RxFrameReady = false;
  b.outcome.end = end.value_or(BurnEnd::Finished);
  b.outcome.seconds = a.pump.Now() - b.targetStart;
  if (b.outcome.identified) {
    a.controls.SetText(Main::UpdateLabelDevice, ChipById(b.outcome.chipId).caption);
    ShowBurnIdle(a);
  } else if (b.outcome.end == BurnEnd::NotFound) {
    ShowBurnState(a, StateFirstSearchFailed, Red);
  }
  return b.outcome;
}
