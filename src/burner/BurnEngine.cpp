#include "burner/BurnEngine.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/Language.h"
#include "burner/BurnPage.h"
#include "images/BatFile.h"
#include "images/BinFile.h"
#include "images/CodeBuffer.h"
#include "images/HexFile.h"
#include "images/RedidoFile.h"
#include "link/TxRx.h"

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

const std::array<Chip, 25> Chips{{
    {0x0001, "器件: Philips P89V51RB", 0x3FFF, 128, 0},
    {0x0002, "器件: Philips P89V51RC", 0x7FFF, 128, 0},
    {0x0003, "器件: Philips P89V51RD", 0xFFFF, 128, 0},
    {0x0101, "器件: Stc 89C51", 0x0FFF, 512, 0},
    {0x0102, "器件: Stc 89C52", 0x1FFF, 512, 0},
    {0x0103, "器件: Stc 89C53", 0x37FF, 512, 0},
    {0x0107, "器件: Stc 89C516", 0xF7FF, 512, 0},
    {0x0201, "器件: Sst 89E52", 0x1FFF, 128, 0},
    {0x0202, "器件: Sst 89E54", 0x3FFF, 128, 0},
    {0x0203, "器件: Sst 89E58", 0x7FFF, 128, 0},
    {0x0204, "器件: Sst 89E516", 0xFFFF, 128, 0},
    {0x0301, "器件: SyncMos 5964", 0xFFFF, 512, 1024},
    {0x0402, "器件: MegaWin 89E52", 0x1FFF, 512, 0},
    {0x0405, "器件: MegaWin 89E58", 0x7FFF, 512, 0},
    {0x0406, "器件: MegaWin 89E515", 0xF7FF, 512, 0},
    {0x0501, "器件: Nuvoton N76E003", 0x43FF, 128, 0},
    {0x0800, "器件: ReDido T89V16PA", 0x3FFF, 128, 0},
    {0x0801, "器件: ReDido T89V64PA", 0xFFFF, 128, 0},
    {0x0811, "器件: ReDido T89C08SA", 0x1FFF, 512, 0},
    {0x0832, "器件: Redido T89C64SB", 0xFFFF, 512, 1024},
    {0x0840, "器件: ReDido T89E32SC", 0x7FFF, 128, 0},
    {0x0850, "器件: Redido T89E08MA", 0x1FFF, 512, 0},
    {0x0851, "器件: Redido T89E32MA", 0x7FFF, 512, 0},
    {0x0852, "器件: Redido T89E64MA", 0xF7FF, 512, 0},
    {0x1020, "器件: Stm8S105 32K", 0xFFFF, 128, 0x9000},
}};

const Chip& ChipById(uint16_t id) {
  const auto row = std::find_if(Chips.begin(), Chips.end(), [id](const Chip& c) { return c.id == id; });
  return row == Chips.end() ? UnknownChip : *row;
}

namespace {

// Texts of the burn, as the main window and the burner window show them.
constexpr BurnText StateTrigError{"设置: 预触发出错", "设置: 预触发出错", "State: Trig Error"};
constexpr BurnText StateLoadFailed{"设置: 文件调入出错", "设置: 文件调入出错", "State: File Error"};
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

constexpr int Attempts = 1801;
constexpr int ErrorLimit = 100;
constexpr double TrigPause = 0.01, FirstSearchWait = 0.03, NextTargetWait = 0.05;
constexpr double EraseWait = 3, WriteWait = 3, ChecksumWait = 8, FinishWait = 0.5;
// A load stores its checksum only once its bytes are all in; one still at
// this mark afterwards has failed and shown its own message.
constexpr int32_t NotLoaded = -1;

enum class Reply { Valid, Refused, Other, None, Stopped };

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

void EnableChoices(Ambrelin& a, bool enabled) {
  a.controls.SetEnabled(Main::UpdateSelectTarget, enabled);
  a.controls.SetEnabled(Main::DesktopButtonSelectComSwitch, enabled);
  a.controls.SetEnabled(Burner::UpdateSelectTarget, enabled);
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

uint16_t ReplyWord(const Ambrelin& a) { return static_cast<uint16_t>(a.link.RxFrame[8] << 8 | a.link.RxFrame[9]); }

bool IsBootCommand(uint8_t byte) {
  return byte == BootIdentify || byte == BootChecksum || byte == BootErase || byte == BootWrite;
}

// Waits for the next frame the receive path holds, or the deadline, or a stop.
// A port that has gone away stops the burn as a stop click would, in red.
Reply Await(Ambrelin& a, uint8_t command, double deadline) {
  for (;;) {
    switch (AwaitReply(a, deadline)) {
      case Wait::PortClosed:
        ShowBurnState(a, StatePortClosed, Red);
        Sound(a, false);
        a.link.ReplyWanted = false;
        return Reply::Stopped;
      case Wait::Stopped: return Reply::Stopped;
      case Wait::Timeout: return Reply::None;
      case Wait::Reply: break;
    }
    a.link.RxFrameReady = false;
    const auto& frame = a.link.RxFrame;
    if (frame[2] != HostAddress || frame[6] != 0x00) return Reply::Other;
    // The chip ID and the checksum are two bytes after the command: a shorter
    // answer would leave older bytes in their place.
    const bool carriesWord = command == BootIdentify || command == BootChecksum;
    if (frame[7] == command) return frame[5] >= (carriesWord ? 4 : 2) ? Reply::Valid : Reply::Other;
    if (frame[7] == BootRefusal) return Reply::Refused;
    // A late answer to an earlier request. Taken as this one's, it would put
    // every later answer one request behind, and the erase and the write of a
    // block would refuse each other's answers for ever.
    if (!IsBootCommand(frame[7])) return Reply::Other;
  }
}

// Frames that are not an identify reply are dropped and the window stays open.
std::optional<uint16_t> AwaitIdentify(Ambrelin& a, double seconds) {
  const double deadline = a.pump.Now() + seconds;
  for (;;) {
    switch (Await(a, BootIdentify, deadline)) {
      case Reply::Valid: return ReplyWord(a);
      case Reply::None:
      case Reply::Stopped: return std::nullopt;
      default: break;
    }
  }
}

// One byte in hex, blanks around it allowed.
std::optional<uint8_t> TrigByte(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty() || text.size() > 2) return std::nullopt;
  uint8_t value = 0;
  for (char c : text) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (digit < 0) return std::nullopt;
    value = static_cast<uint8_t>(value * 16 + digit);
  }
  return value;
}

std::optional<uint8_t> ChooseTarget(Ambrelin& a, const std::string& path, bool script, int line) {
  int id = a.controls.Index(Main::UpdateSelectTarget) + 1;
  if (script) id = ScriptTargetId(a, path, line);
  if (id < 1 || id > 6) {
    ShowBurnState(a, StateNoTarget, Red);
    return std::nullopt;
  }
  if (script) {
    a.controls.SetIndex(Main::UpdateSelectTarget, id - 1);
    a.controls.SetIndex(Burner::UpdateSelectTarget, id - 1);
  }
  return static_cast<uint8_t>(id);
}

// A stop that came while a script or an image was read leaves its own text.
std::optional<uint16_t> FirstSearch(Ambrelin& a, uint8_t target) {
  if (Stopped(a)) return std::nullopt;
  ShowBurnState(a, StateFirstSearch, Black);
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    if (Stopped(a)) return std::nullopt;
    const std::string trig = a.controls.Text(Main::UpdateTextTrig);
    if (!trig.empty()) {
      const auto byte = TrigByte(trig);
      if (!byte) {
        ShowBurnState(a, StateTrigError, Red);
        return std::nullopt;
      }
      a.port.Write(std::span(&*byte, 1));
      a.pump.WaitUntil(a.pump.Now() + TrigPause, [&a] { return Stopped(a); });
    }
    TxBurnCommand(a, HostAddress, target, BootIdentify, 0);
    if (const auto id = AwaitIdentify(a, FirstSearchWait)) return id;
  }
  if (Stopped(a)) return std::nullopt;
  ShowBurnState(a, StateFirstSearchFailed, Red);
  Sound(a, false);
  return std::nullopt;
}

// Reloads hex, Tot and script images with the chip's range; other images
// are burned as the burn page loaded them. False when a load failed.
bool LoadImage(Ambrelin& a, const std::string& path, bool script, int line, const Chip& chip) {
  const uint8_t fill = FillOption(a);
  const std::string image = script ? ScriptImagePath(a, path, line) : path;
  const int32_t before = a.code.Checksum;
  a.code.Checksum = NotLoaded;
  if (path.empty())
    LoadCode_Include(a, fill, chip.start, chip.end);
  else if (HasEnding(image, "hex"))
    LoadCode_HexFile(a, image, fill, chip.start, chip.end);
  else if (HasEnding(image, "tot"))
    LoadCode_TotFile(a, image, fill, chip.start, chip.end);
  else if (script && HasEnding(image, "bin"))
    LoadCode_BinFile(a, image, fill, chip.start, chip.end);
  else
    a.code.Checksum = before;
  if (a.code.Checksum != NotLoaded) return true;
  a.code.Checksum = before;
  ShowBurnState(a, StateLoadFailed, Red);
  Sound(a, false);
  return false;
}

bool NextTarget(Ambrelin& a, uint8_t target, uint16_t chipId) {
  if (Stopped(a)) return false;
  ShowBurnState(a, StateWaiting, Black);
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    if (Stopped(a)) return false;
    TxBurnCommand(a, HostAddress, target, BootIdentify, 0);
    const auto id = AwaitIdentify(a, NextTargetWait);
    if (!id) continue;
    if (*id == chipId) return true;
    ShowBurnState(a, StateOtherChip, Red);
    return false;
  }
  if (Stopped(a)) return false;
  ShowBurnState(a, StateNotFound, Red);
  Sound(a, false);
  return false;
}

// Counts a refusal or a silence; true when it was the last one allowed.
bool CountError(Ambrelin& a, int& errors) {
  ShowErrors(a, ++errors);
  return errors >= ErrorLimit;
}

enum class Block { Written, Again, Failed };

// The writes of one erased block; a failed write has the whole block erased
// and written again.
Block WriteBlock(Ambrelin& a, uint8_t target, int32_t& address, int chunks, int& errors) {
  const int32_t blockStart = address;
  std::array<uint8_t, 128> slice{};
  while (chunks > 0) {
    std::copy_n(a.code.Buffer.begin() + address, slice.size(), slice.begin());
    TxBurnBlock(a, HostAddress, target, BootWrite, static_cast<uint16_t>(address), slice);
    switch (Await(a, BootWrite, a.pump.Now() + WriteWait)) {
      case Reply::Stopped: return Block::Failed;
      case Reply::None:
        if (CountError(a, errors)) {
          ShowBurnState(a, WriteAbort, Red);
          Sound(a, false);
          return Block::Failed;
        }
        ShowBurnState(a, WriteNoReply, Red, static_cast<uint32_t>(address));
        break;
      case Reply::Refused:
        ShowBurnState(a, WriteRefused, Red, static_cast<uint32_t>(address));
        if (CountError(a, errors)) {
          Sound(a, false);
          return Block::Failed;
        }
        break;
      case Reply::Other:
        ShowBurnState(a, WriteOther, Red, static_cast<uint32_t>(address));
        ShowErrors(a, errors);
        break;
      case Reply::Valid:
        ShowBurnState(a, WriteOk, Black, static_cast<uint32_t>(address));
        ShowBars(a, address);
        address += 128;
        --chunks;
        continue;
    }
    address = blockStart;
    return Block::Again;
  }
  return Block::Written;
}

// Erase and write from chip start to chip end; leaves `address` one past it.
bool Program(Ambrelin& a, uint8_t target, const Chip& chip, int32_t& address) {
  ShowBurnState(a, StateProgram, Black);
  a.controls.SetRange(Main::UpdateBarBurn, 0, chip.end);
  a.controls.SetRange(Burner::UpdateBarBurn, 0, chip.end);
  int errors = 0;
  address = chip.start;
  while (address <= chip.end) {
    if (Stopped(a)) return false;
    TxBurnCommand(a, HostAddress, target, BootErase, static_cast<uint16_t>(address));
    switch (Await(a, BootErase, a.pump.Now() + EraseWait)) {
      case Reply::Stopped: return false;
      case Reply::None:
        if (CountError(a, errors)) {
          ShowBurnState(a, EraseAbort, Red);
          Sound(a, false);
          return false;
        }
        ShowBurnState(a, EraseNoReply, Red, static_cast<uint32_t>(address));
        continue;
      case Reply::Refused:
        ShowBurnState(a, EraseRefused, Red, static_cast<uint32_t>(address));
        if (CountError(a, errors)) {
          Sound(a, false);
          return false;
        }
        continue;
      case Reply::Other:
        ShowBurnState(a, EraseOther, Red, static_cast<uint32_t>(address));
        ShowErrors(a, errors);
        continue;
      case Reply::Valid:
        ShowBurnState(a, EraseOk, Black, static_cast<uint32_t>(address));
        if (WriteBlock(a, target, address, chip.block == 512 ? 4 : 1, errors) == Block::Failed) return false;
    }
  }
  return true;
}

// Asks for the chip's checksum until it matches the code checksum. A refusal
// counts like a wrong sum, so a boot program that keeps refusing ends the
// burn at the error limit instead of holding it for ever.
bool Verify(Ambrelin& a, uint8_t target, const Chip& chip, int32_t address) {
  ShowBars(a, chip.end);
  ShowBurnState(a, StateVerify, Black);
  int errors = 0;
  for (;;) {
    if (Stopped(a)) return false;
    TxBurnCommand(a, HostAddress, target, BootChecksum, static_cast<uint16_t>(chip.end));
    const Reply reply = Await(a, BootChecksum, a.pump.Now() + ChecksumWait);
    const uint16_t sum = ReplyWord(a);
    switch (reply) {
      case Reply::Stopped: return false;
      case Reply::None:
        if (CountError(a, errors)) {
          a.controls.SetText(Burner::UpdateLabelBurnState, ByLanguage(a, "校验:失败", "Check: Error"));
          Sound(a, false);
          return false;
        }
        ShowBurnState(a, CheckNoReply, Red, static_cast<uint32_t>(address));
        continue;
      case Reply::Other:
        ShowBurnState(a, CheckOther, Red, static_cast<uint32_t>(address));
        ShowErrors(a, errors);
        continue;
      case Reply::Refused:
      case Reply::Valid:
        if (reply == Reply::Valid && sum == a.code.Checksum) {
          ShowBurnState(a, CheckOk, Black, sum);
          Sound(a, true);
          return true;
        }
        ShowBurnState(a, CheckWrong, Red, reply == Reply::Valid ? sum : static_cast<uint32_t>(address));
        if (CountError(a, errors)) {
          Sound(a, false);
          return false;
        }
    }
  }
}

void Finish(Ambrelin& a, uint8_t target, bool restart) {
  if (restart && a.controls.Ticked(Main::UpdateCheckAutoReboot))
    TxBurnCommand(a, HostAddress, target, BootControl, ControlRestart);
  ShowBurnState(a, StateFinished, Black);
  AwaitReply(a, a.pump.Now() + FinishWait);
  a.link.RxFrameReady = false;
}

void Burn(Ambrelin& a) {
  if (!a.port.IsOpen()) return ShowBurnState(a, StatePortClosed, Red);
  const std::string path = a.controls.Text(Main::UpdateTextFileName);
  const bool script = HasEnding(path, "bat");
  int good = 0;
  for (int line = 1;;) {
    const auto target = ChooseTarget(a, path, script, line);
    if (!target) return;
    const auto chipId = FirstSearch(a, *target);
    if (!chipId) return;
    const Chip& chip = ChipById(*chipId);
    a.controls.SetText(Main::UpdateLabelDevice, chip.caption);
    if (!LoadImage(a, path, script, line, chip)) return;
    if (a.code.Length > chip.end) {
      ShowBurnState(a, StateTooLarge, Red);
      return Sound(a, false);
    }
    for (;;) {
      if (!NextTarget(a, *target, *chipId)) return;
      int32_t address = 0;
      if (!Program(a, *target, chip, address) || !Verify(a, *target, chip, address)) return;
      ShowTotal(a, ++good);
      const bool repeat = a.controls.Ticked(Main::UpdateCheckAutoBurn);
      if (repeat) TxBurnCommand(a, HostAddress, *target, BootControl, ControlNextTarget);
      if (script) {
        if (++line <= ScriptLineCount(a, path)) break;
        if (!repeat) return Finish(a, *target, false);
        line = 1;
        break;
      }
      if (!repeat) return Finish(a, *target, true);
    }
  }
}

}  // namespace

void ShowBurnState(Ambrelin& a, const BurnText& text, uint32_t colour) {
  a.controls.SetColour(Main::UpdateLabelBurnState, colour);
  a.controls.SetText(Main::UpdateLabelBurnState, text.main);
  a.controls.SetText(Burner::UpdateLabelBurnState, ByLanguage(a, text.chinese, text.english));
}

void ShowBurnState(Ambrelin& a, const BurnText& text, uint32_t colour, uint32_t value) {
  ShowBurnState(a, text, colour);
  a.controls.SetText(Main::UpdateLabelBurnState, std::string(text.main) + HexText(value));
}

namespace {

uint8_t Exchanged(uint8_t byte) { return byte == 0x53 ? 0x75 : byte == 0x75 ? 0x53 : byte; }

// The whole request around its data bytes, the sequence advanced first.
std::vector<uint8_t> BurnFrame(Ambrelin& a, uint8_t type, uint8_t address, std::span<const uint8_t> data) {
  a.link.TxSequence = a.link.TxSequence < 255 ? static_cast<uint8_t>(a.link.TxSequence + 1) : 0;
  std::vector<uint8_t> frame{0x55, type, address, static_cast<uint8_t>(0x55 + type + address), a.link.TxSequence,
                             static_cast<uint8_t>(data.size())};
  frame.insert(frame.end(), data.begin(), data.end());
  uint8_t sum = 0;
  for (size_t k = 0; k < frame.size(); ++k)
    if (k != 3) sum = static_cast<uint8_t>(sum + frame[k]);
  frame.push_back(sum);
  frame.push_back(0xAA);
  return frame;
}

}  // namespace

void ShowBurnIdle(Ambrelin& a) {
  a.controls.SetText(Main::UpdateLabelBurnState, StateIdle.main);
  a.controls.SetText(Burner::UpdateLabelBurnState, ByLanguage(a, StateIdle.chinese, StateIdle.english));
}

void TxBurnCommand(Ambrelin& a, uint8_t type, uint8_t address, uint16_t command, uint16_t parameter) {
  const uint8_t data[] = {static_cast<uint8_t>(command >> 8), static_cast<uint8_t>(command),
                          static_cast<uint8_t>(parameter >> 8), static_cast<uint8_t>(parameter)};
  a.port.Write(BurnFrame(a, type, address, data));
}

void TxBurnBlock(Ambrelin& a, uint8_t type, uint8_t address, uint16_t command, uint16_t addressWord,
                 std::array<uint8_t, 128>& slice) {
  const bool old = a.controls.Ticked(Burner::UpdateCheckVerOld);
  if (!old) std::transform(slice.begin(), slice.end(), slice.begin(), Exchanged);
  std::vector<uint8_t> data{static_cast<uint8_t>(command >> 8), static_cast<uint8_t>(command),
                            static_cast<uint8_t>(addressWord >> 8), static_cast<uint8_t>(addressWord)};
  data.insert(data.end(), slice.begin(), slice.end());
  std::vector<uint8_t> frame = BurnFrame(a, type, address, data);
  // The old boot program sums the bytes before their exchange.
  constexpr ptrdiff_t SliceAt = 10;
  if (old) std::transform(frame.begin() + SliceAt, frame.end() - 2, frame.begin() + SliceAt, Exchanged);
  a.port.Write(frame);
}

void UpdateButtonUpdate_Click(Ambrelin& a) {
  a.link.ReplyWanted = !a.link.ReplyWanted;
  Both(a, Main::UpdateLabelBurnTotal, Burner::UpdateLabelBurnTotal, "统计: ", "Total: ");
  Both(a, Main::UpdateLabelBurnError, Burner::UpdateLabelBurnError, "出错: ", "Error:  ");
  if (!a.link.ReplyWanted) {
    ShowBurnIdle(a);
    return CleanUp(a);
  }
  EnableChoices(a, false);
  ShowButtons(a, true);
  Burn(a);
  CleanUp(a);
}
