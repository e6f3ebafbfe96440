#include "dspflash/FlashDownload.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "dspflash/NumberText.h"
#include "images/CodeBuffer.h"
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

enum class Reply { Done, Failed, Timeout, Stopped };

struct Job {
  Ambrelin& a;
  int64_t errors = 0;
  int32_t address = 0;
  double start = 0;
  // Whether the loader answers with the sequence number of the request. When
  // it does, only the sends of the command in hand can acknowledge it: a late
  // or doubled "Done" for an earlier command would otherwise cover a write
  // that never reached the loader.
  bool echoes = false;
  std::vector<uint8_t> sent;
};

void Info(Ambrelin& a, const std::string& text) { a.controls.SetText(C::AudioFlashBurnInfo, text); }

std::string At(int32_t address) { return "0x" + HexText(static_cast<uint32_t>(address)); }

void CountError(Job& job) {
  ++job.errors;
  job.a.controls.SetText(C::AudioFlashBurnError, "出错:" + NumberText(job.errors));
}

// Waits for the flash loader's answer to the command in hand until the
// deadline. Other frames are dropped and the wait goes on; so is a refusal
// when only a success counts (the ping). A port that has gone away ends the
// job as a stop click would, with the label saying why.
Reply Await(Job& job, double deadline, bool refusalCounts) {
  LinkState& link = job.a.link;
  for (;;) {
    switch (AwaitReply(job.a, deadline)) {
      case Wait::PortClosed: Info(job.a, "状态: 没有打开串口"); return Reply::Stopped;
      case Wait::Stopped: return Reply::Stopped;
      case Wait::Timeout: return Reply::Timeout;
      case Wait::Reply: break;
    }
    link.RxFrameReady = false;
    const auto& f = link.RxFrame;
    const bool fromLoader = f[2] == HostAddress && f[5] >= 4 && f[6] == 0x44 && f[7] == 0x49 && f[8] == 0x70;
    if (!fromLoader || (job.echoes && std::find(job.sent.begin(), job.sent.end(), f[4]) == job.sent.end())) continue;
    if (f[9] == LoaderDone) return Reply::Done;
    if (f[9] == LoaderFailed && refusalCounts) return Reply::Failed;
  }
}

// Up to 11 pings, a second each, until the loader answers one. Its answer
// tells whether it echoes sequence numbers.
Reply Handshake(Job& job) {
  Ambrelin& a = job.a;
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    TxByHex(a, LoaderAddress, "444970 10");
    job.sent.push_back(a.link.TxSequence);
    const Reply reply = Await(job, a.pump.Now() + PingWait, false);
    // A loader that does not echo may answer with 0, which a ping carries
    // once the counter wraps: only another number shows an echo.
    if (reply == Reply::Done) job.echoes = a.link.RxFrame[4] != 0 && a.link.RxFrame[4] == job.sent.back();
    if (reply != Reply::Timeout) return reply;
  }
  return Reply::Timeout;
}

// One command, sent again after each timeout, up to 11 times.
Reply Exchange(Job& job, const std::function<void()>& send) {
  job.sent.clear();
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    send();
    job.sent.push_back(job.a.link.TxSequence);
    const Reply reply = Await(job, job.a.pump.Now() + CommandWait, true);
    if (reply != Reply::Timeout) return reply;
    CountError(job);
  }
  return Reply::Timeout;
}

// A refused erase is started again, as often as the loader refuses it.
bool Erase(Job& job) {
  Ambrelin& a = job.a;
  const std::string at = At(job.address);
  char address[9];
  std::snprintf(address, sizeof address, "%08X", static_cast<unsigned>(job.address));
  Info(a, "删除:" + at);
  for (;;) {
    const Reply reply = Exchange(job, [&] { TxByHex(a, LoaderAddress, std::string("444970 14 ") + address); });
    if (reply == Reply::Done) {
      Info(a, "删除: 完成" + at);
      return true;
    }
    if (reply == Reply::Timeout) Info(a, "删除: 无响应" + at);
    if (reply != Reply::Failed) return false;
    CountError(job);
    Info(a, "删除: 失败" + at);
  }
}

// A refused block is copied and written again, as often as the loader refuses it.
bool Write(Job& job) {
  Ambrelin& a = job.a;
  const std::string at = At(job.address);
  for (;;) {
    Info(a, "烧录: " + at);
    std::array<uint8_t, BlockSize> block;
    std::copy_n(a.code.Buffer.begin() + job.address, BlockSize, block.begin());
    const Reply reply = Exchange(job, [&] { FlashWrite(a, 0x00, LoaderAddressByte, job.address, block); });
    if (reply == Reply::Done) return true;
    if (reply == Reply::Timeout) Info(a, "烧录: 无响应" + at);
    if (reply != Reply::Failed) return false;
    CountError(job);
    Info(a, "烧录: 失败" + at);
  }
}

void ShowProgress(Job& job) {
  Ambrelin& a = job.a;
  a.controls.SetValue(C::AudioFlashBar, static_cast<int>(std::lrint(job.address / BarStep)));
  // The rate so far, taken as constant for the rest.
  const double left = static_cast<double>(FlashSize - job.address) / job.address * (a.pump.Now() - job.start);
  a.controls.SetText(C::AudioFlashBurnTime, "时间:" + NumberText(static_cast<float>(left)));
}

void Download(Ambrelin& a) {
  Info(a, "等待: 等待中...");
  Job job{a};
  const Reply found = Handshake(job);
  if (found == Reply::Timeout) Info(a, "等待: 找不到目标");
  if (found != Reply::Done) return;

  a.link.RxFrameReady = false;
  Info(a, "等待: 已找到目标");
  a.controls.SetText(C::AudioFlashBurnError, "出错: ------");
  job.start = a.pump.Now();
  while (job.address < FlashSize) {
    if (job.address % SectorSize == 0 && !Erase(job)) return;
    if (!Write(job)) return;
    job.address += BlockSize;
    ShowProgress(job);
  }
  a.controls.SetText(C::AudioFlashBurnTime, "时间: 完成");
  Info(a, "烧录: 完成");
  a.controls.SetValue(C::AudioFlashBar, 0);
}

}  // namespace

void FlashWrite(Ambrelin& a, uint8_t type, uint8_t address, int32_t flashAddress, std::span<const uint8_t> data) {
  if (data.size() < BlockSize || !a.port.IsOpen()) {
    a.dialogs.MessageBox("FlashWrite,意想不到的错 !");
    return;
  }
  a.link.TxSequence = a.link.TxSequence < 255 ? static_cast<uint8_t>(a.link.TxSequence + 1) : 0;
  std::array<uint8_t, 144> frame{0x55, type, address, static_cast<uint8_t>(0x55 + type + address), a.link.TxSequence,
                                 0x88, 0x44, 0x49, 0x70, 0x13};
  const auto at = static_cast<uint32_t>(flashAddress);
  for (int k = 0; k < 4; ++k) frame[10 + k] = static_cast<uint8_t>(at >> (24 - 8 * k));
  std::copy_n(data.begin(), BlockSize, frame.begin() + 14);
  uint8_t sum = 0;
  for (size_t k = 0; k < 142; ++k)
    if (k != 3) sum = static_cast<uint8_t>(sum + frame[k]);
  frame[142] = sum;
  frame[143] = 0xAA;
  a.port.Write(frame);
}

void AudioFlashDownload_Click(Ambrelin& a) {
  a.port.SetSettings("128000,N,8,1");
  a.link.ReplyWanted = !a.link.ReplyWanted;
  if (a.link.ReplyWanted) {
    a.controls.SetText(C::AudioFlashDownload, "停止烧录");
    Download(a);
  }
  a.link.ReplyWanted = false;
  a.controls.SetText(C::AudioFlashDownload, "开始烧录");
}
