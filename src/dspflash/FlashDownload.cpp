#include "dspflash/FlashDownload.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Job.h"
#include "app/Language.h"
#include "dspflash/FlashOpen.h"
#include "dspflash/NumberText.h"
#include "images/CodeBuffer.h"
#include "link/Frame.h"
#include "link/TxRx.h"
#include "panels/DecoderFormControls.h"

namespace C = DecoderFormControls;

namespace {

constexpr std::string_view LoaderAddress = "02";
constexpr uint8_t LoaderAddressByte = 0x02;
constexpr int Attempts = 11;
constexpr double PingWait = 1.0, CommandWait = 3.0;
constexpr int32_t FlashSize = 0x80000, SectorSize = 0x1000, BlockSize = 128;
constexpr uint8_t LoaderDone = 0x10, LoaderFailed = 0x11;
// The bar reaches 100 with the last block.
constexpr double BarStep = 5243.0;
constexpr uint32_t Black = 0, Red = 255;

enum class Answer { Done, Failed, Timeout, Stopped, Lost };

// How many commands in a row must be answered under an earlier send's number
// before the loader is taken to count its answers itself.
constexpr int OwnCountEvidence = 2;
// How long after its send an answer may still come in late.
constexpr double LateWindow = CommandWait + 1.0;

struct Downloading {
  Ambrelin& a;
  DownloadOutcome outcome{DownloadEnd::Done};
  double start = 0;
  // Whether the loader answers with the sequence number of the request. When
  // it does, only the sends of the command in hand can acknowledge it: a late
  // or doubled "Done" for an earlier command would otherwise cover a write
  // that never reached the loader.
  bool echoes = false;
  std::vector<uint8_t> sent;
  std::vector<double> sentAt;
  // Commands in a row whose answer carried an earlier send's number. A loader
  // that numbers its answers itself falls one behind for good after a lost
  // request, and then answers every command so: a retry's answer carries the
  // send before it. An echoing loader does that only when an answer is later
  // than the whole wait, and never for command after command.
  int behind = 0;
};

void Info(Ambrelin& a, const std::string& text) { a.controls.SetText(C::AudioFlashBurnInfo, text); }

std::string At(int32_t address) { return "0x" + HexText(static_cast<uint32_t>(address)); }

void Report(const Downloading& job, Phase phase) {
  if (job.a.progress)
    job.a.progress({Job::Download, phase, job.outcome.address, 0, FlashSize - 1, job.outcome.errors});
}

void CountError(Downloading& job) {
  ++job.outcome.errors;
  job.a.controls.SetText(C::AudioFlashBurnError, "出错:" + NumberText(job.outcome.errors));
  Report(job, Phase::Program);
}

bool Sent(const Downloading& job, uint8_t sequence) {
  return std::find(job.sent.begin(), job.sent.end(), sequence) != job.sent.end();
}

bool FromLoader(const Reply& reply) {
  const auto& d = reply.data;
  return reply.address == HostAddress && d.size() >= 4 && d[0] == 0x44 && d[1] == 0x49 && d[2] == 0x70;
}

// Waits for the flash loader's answer to the command in hand until the
// deadline. Other frames are dropped and the wait goes on; so is a refusal
// when only a success counts (the ping).
Answer Await(Downloading& job, double deadline, bool refusalCounts, Reply& reply) {
  for (;;) {
    Awaited awaited = AwaitReply(job.a, deadline);
    switch (awaited.wait) {
      case Wait::PortClosed: return Answer::Lost;
      case Wait::Stopped: return Answer::Stopped;
      case Wait::Timeout: return Answer::Timeout;
      case Wait::Reply: break;
    }
    reply = std::move(awaited.reply);
    const auto& d = reply.data;
    if (!FromLoader(reply) || (job.echoes && !Sent(job, reply.sequence))) continue;
    if (d[3] == LoaderDone) return Answer::Done;
    if (d[3] == LoaderFailed && refusalCounts) return Answer::Failed;
  }
}

// Once a command has its answer, its other sends may still be answered: the
// answer taken may have been an earlier send's, late or straddling its wait,
// and then the last send's is still to come. A loader that does not echo
// gives no way to tell such an answer from the next command's, and taken for
// it, it would cover a write that never reached the loader: so they are
// waited out before anything more is sent, until every send's time is up or
// each of the others has been answered.
Answer Answered(Downloading& job) {
  const size_t others = job.echoes ? 0 : job.sentAt.size() - 1;
  const double until = job.sentAt.back() + LateWindow;
  job.sent.clear();
  job.sentAt.clear();
  for (size_t heard = 0; heard < others;) {
    Awaited awaited = AwaitReply(job.a, until);
    switch (awaited.wait) {
      case Wait::PortClosed: return Answer::Lost;
      case Wait::Stopped: return Answer::Stopped;
      case Wait::Timeout: return Answer::Done;
      case Wait::Reply: break;
    }
    heard += FromLoader(awaited.reply);
  }
  return Answer::Done;
}

// Up to 11 pings, a second each, until the loader answers one. Its answer
// tells whether it echoes sequence numbers.
Answer Handshake(Downloading& job) {
  Ambrelin& a = job.a;
  Reply reply;
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    TxByHex(a, LoaderAddress, "444970 10");
    job.sent.push_back(a.link.TxSequence);
    job.sentAt.push_back(a.pump.Now());
    const Answer answer = Await(job, a.pump.Now() + PingWait, false, reply);
    if (answer == Answer::Done) {
      // A loader that does not echo may answer with 0, which a ping carries
      // once the counter wraps: only another number shows an echo.
      job.echoes = reply.sequence != 0 && reply.sequence == job.sent.back();
      return Answered(job);
    }
    if (answer != Answer::Timeout) return answer;
  }
  return Answer::Timeout;
}

// One command, sent again after each timeout, up to 11 times.
Answer Exchange(Downloading& job, const std::function<void()>& send) {
  Reply reply;
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    send();
    job.sent.push_back(job.a.link.TxSequence);
    job.sentAt.push_back(job.a.pump.Now());
    const Answer answer = Await(job, job.a.pump.Now() + CommandWait, true, reply);
    if (answer == Answer::Done || answer == Answer::Failed) {
      job.behind = reply.sequence == job.sent.back() ? 0 : job.behind + 1;
      if (job.behind >= OwnCountEvidence) job.echoes = false;
      if (const Answer drained = Answered(job); drained != Answer::Done) return drained;
    }
    if (answer != Answer::Timeout) return answer;
    CountError(job);
  }
  return Answer::Timeout;
}

// How the download ends when a command gets no answer it can use.
DownloadEnd Ended(Answer answer, DownloadEnd silent) {
  return answer == Answer::Lost ? DownloadEnd::PortLost : answer == Answer::Stopped ? DownloadEnd::Stopped : silent;
}

// A refused erase is started again, as often as the loader refuses it.
std::optional<DownloadEnd> Erase(Downloading& job) {
  Ambrelin& a = job.a;
  const int32_t address = job.outcome.address;
  const std::string at = At(address);
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(address));
  Info(a, "删除:" + at);
  for (;;) {
    const Answer answer = Exchange(job, [&] { TxByHex(a, LoaderAddress, std::string("444970 14 ") + hex); });
    if (answer == Answer::Done) {
      Info(a, "删除: 完成" + at);
      return std::nullopt;
    }
    if (answer != Answer::Failed) return Ended(answer, DownloadEnd::EraseNoResponse);
    CountError(job);
    Info(a, "删除: 失败" + at);
  }
}

// A refused block is copied and written again, as often as the loader refuses it.
std::optional<DownloadEnd> Write(Downloading& job) {
  Ambrelin& a = job.a;
  const int32_t address = job.outcome.address;
  const std::string at = At(address);
  for (;;) {
    Info(a, "烧录: " + at);
    std::array<uint8_t, BlockSize> block;
    std::copy_n(a.code.Buffer.begin() + address, BlockSize, block.begin());
    const Answer answer = Exchange(job, [&] { FlashWrite(a, 0x00, LoaderAddressByte, address, block); });
    if (answer == Answer::Done) return std::nullopt;
    if (answer != Answer::Failed) return Ended(answer, DownloadEnd::WriteNoResponse);
    CountError(job);
    Info(a, "烧录: 失败" + at);
  }
}

void ShowProgress(Downloading& job) {
  Ambrelin& a = job.a;
  const int32_t address = job.outcome.address;
  a.controls.SetValue(C::AudioFlashBar, static_cast<int>(std::lrint(address / BarStep)));
  // The rate so far, taken as constant for the rest.
  const double left = static_cast<double>(FlashSize - address) / address * (a.pump.Now() - job.start);
  a.controls.SetText(C::AudioFlashBurnTime, "时间:" + NumberText(static_cast<float>(left)));
}

DownloadEnd Download(Downloading& job) {
  Ambrelin& a = job.a;
  Info(a, "等待: 等待中...");
  Report(job, Phase::Search);
  const Answer found = Handshake(job);
  if (found != Answer::Done) return Ended(found, DownloadEnd::NotFound);

  Info(a, "等待: 已找到目标");
  a.controls.SetText(C::AudioFlashBurnError, "出错: ------");
  job.start = a.pump.Now();
  int32_t& address = job.outcome.address;
  while (address < FlashSize) {
    if (address % SectorSize == 0)
      if (const auto end = Erase(job)) return *end;
    if (const auto end = Write(job)) return *end;
    address += BlockSize;
    ShowProgress(job);
    Report(job, Phase::Program);
  }
  return DownloadEnd::Done;
}

// Names what wrote the code buffer since the DSP image was opened.
std::string ImageChangedText(const Ambrelin& a) {
  const CodeOwner& owner = a.code.owner;
  std::string chinese, english;
  switch (owner.writer) {
    case CodeWriter::Image: chinese = "调入 " + owner.file + " "; english = "loading " + owner.file; break;
    case CodeWriter::Batch: chinese = "批处理调入 " + owner.file + " "; english = "a batch loading " + owner.file; break;
    case CodeWriter::CodeBox: chinese = "代码框调入"; english = "the code box's load"; break;
    case CodeWriter::Registers: chinese = "寄存器读取"; english = "a register read"; break;
    case CodeWriter::None:
    case CodeWriter::DspImage:
      return std::string(ByLanguage(a, "状态: 映像没有完整调入, 请重新打开", "State: the image was not read whole; open it again"));
  }
  return a.Language == 1 ? "State: the image was changed by " + english + "; open it again"
                         : "状态: 映像已被" + chinese + "改写, 请重新打开";
}

// The end's text on the info label; a stop leaves the last one.
void ShowEnd(Ambrelin& a, const DownloadOutcome& outcome) {
  const std::string at = At(outcome.address);
  switch (outcome.end) {
    case DownloadEnd::Done:
      a.controls.SetText(C::AudioFlashBurnTime, "时间: 完成");
      Info(a, "烧录: 完成");
      a.controls.SetValue(C::AudioFlashBar, 0);
      break;
    case DownloadEnd::NotFound: Info(a, "等待: 找不到目标"); break;
    case DownloadEnd::EraseNoResponse: Info(a, "删除: 无响应" + at); break;
    case DownloadEnd::WriteNoResponse: Info(a, "烧录: 无响应" + at); break;
    case DownloadEnd::PortLost: Info(a, "状态: 没有打开串口"); break;
    case DownloadEnd::PortClosed:
      a.controls.SetColour(C::AudioFlashBurnInfo, Red);
      Info(a, std::string(ByLanguage(a, "状态: 没有打开串口", "State: the port is not open")));
      break;
    case DownloadEnd::ImageChanged:
      a.controls.SetColour(C::AudioFlashBurnInfo, Red);
      Info(a, ImageChangedText(a));
      break;
    case DownloadEnd::BaudRefused:
      a.controls.SetColour(C::AudioFlashBurnInfo, Red);
      Info(a, std::string(ByLanguage(a, "状态: 串口不支持128000波特", "State: the port cannot run at 128000 baud")));
      break;
    case DownloadEnd::Stopped:
    case DownloadEnd::Busy: break;
  }
}

}  // namespace

void FlashWrite(Ambrelin& a, uint8_t type, uint8_t address, int32_t flashAddress, std::span<const uint8_t> data) {
  if (data.size() < BlockSize || !a.port.IsOpen()) {
    a.dialogs.MessageBox("FlashWrite,意想不到的错 !");
    return;
  }
  std::array<uint8_t, 8 + BlockSize> command{0x44, 0x49, 0x70, 0x13};
  const auto at = static_cast<uint32_t>(flashAddress);
  for (int k = 0; k < 4; ++k) command[4 + k] = static_cast<uint8_t>(at >> (24 - 8 * k));
  std::copy_n(data.begin(), BlockSize, command.begin() + 8);
  a.port.Write(EncodeFrame(a.link, type, address, command));
}

DownloadOutcome AudioFlashDownload_Click(Ambrelin& a) {
  // A click while the download runs is its stop request; while another job
  // runs, the port's speed and the flag that job waits on are not ours.
  const bool stop = a.job == Job::Download;
  std::optional<RunningJob> running;
  if (!stop && !running.emplace(a, Job::Download)) return {DownloadEnd::Busy};
  Downloading job{a};
  a.controls.SetColour(C::AudioFlashBurnInfo, Black);
  // A closed port takes no speed either; it is not the speed's fault.
  if (!stop && !a.port.IsOpen()) {
    job.outcome.end = DownloadEnd::PortClosed;
  } else if (!stop && !HoldsDspImage(a.code)) {
    job.outcome.end = DownloadEnd::ImageChanged;
  } else if (!a.port.SetSettings("128000,N,8,1") && !stop) {
    job.outcome.end = DownloadEnd::BaudRefused;
  } else if (!stop) {
    a.link.ReplyWanted = true;
    a.controls.SetText(C::AudioFlashDownload, "停止烧录");
    job.outcome.end = Download(job);
  } else {
    job.outcome.end = DownloadEnd::Stopped;
  }
  ShowEnd(a, job.outcome);
  a.link.ReplyWanted = false;
  a.controls.SetText(C::AudioFlashDownload, "开始烧录");
  return job.outcome;
}
