#include "VirtualLink.h"

#include <algorithm>
#include <utility>

void At(Scheduler& scheduler, double time, std::function<void()> event) {
  scheduler.queue.emplace(std::max(time, scheduler.now), std::move(event));
}

bool RunNext(Scheduler& scheduler, double limit) {
  if (scheduler.queue.empty() || scheduler.queue.begin()->first > limit) return false;
  auto node = scheduler.queue.extract(scheduler.queue.begin());
  scheduler.now = std::max(scheduler.now, node.key());
  // Taken off the queue first: the event may schedule or wait itself.
  node.mapped()();
  return true;
}

double VirtualPump::Now() { return scheduler.now; }

bool VirtualPump::WaitUntil(double deadline, const std::function<bool()>& condition) {
  if (condition()) return true;
  while (RunNext(scheduler, deadline))
    if (condition()) return true;
  scheduler.now = std::max(scheduler.now, deadline);
  return condition();
}

void VirtualPump::Yield() {
  while (RunNext(scheduler, scheduler.now)) {
  }
}

std::map<int, std::string> FakePort::Ports() { return present; }

bool FakePort::Probe(int number) {
  return present.contains(number) && number != busy && number != opened;
}

bool FakePort::Open(int number, std::string_view text) {
  if (opened || !Probe(number) || !SetSettings(text)) return false;
  opened = number;
  return true;
}

bool FakePort::SetSettings(std::string_view text) {
  if (!SetLineSettings(unit, text)) return false;
  settings = text;
  return true;
}

void FakePort::Close() {
  if (!opened) return;
  opened = 0;
  ++session;
}

bool FakePort::IsOpen() { return opened != 0; }

void FakePort::Write(std::span<const uint8_t> bytes) {
  if (!opened) {
    dropped.emplace_back(bytes.begin(), bytes.end());
    return;
  }
  writes.emplace_back(bytes.begin(), bytes.end());
  toUnitFree = std::max(toUnitFree, scheduler.now) + WireTime(unit, bytes.size());
  At(scheduler, toUnitFree, [this, sent = writes.back()] {
    for (SimSend& piece : Feed(unit, sent)) {
      toHostFree =
          std::max(toHostFree, scheduler.now + piece.delay) + WireTime(unit, piece.bytes.size());
      At(scheduler, toHostFree, [this, from = session, bytes = std::move(piece.bytes)] {
        if (opened && session == from && Received) Received(bytes);
      });
    }
  });
}
