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

PortCause FakePort::Open(const std::string& device, std::string_view text) {
  auto it = std::find_if(present.begin(), present.end(), [&](const auto& p) { return p.second == device; });
  if (it == present.end()) return {PortFault::NoDevice};
  if (!Probe(it->first)) return {PortFault::InUse};
  if (!SetSettings(text)) return {PortFault::Other, 0, {}, "no such line settings"};
  opened = it->first;
  return {};
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

void FakePort::Vanish() {
  if (!opened) return;
  Close();
  if (Lost) Lost();
}

bool FakePort::IsOpen() { return opened != 0; }

namespace {

// A zero chance draws nothing, so a port without faults keeps its sequence.
bool Chance(WireFaults& faults, double p) {
  return p > 0 && std::uniform_real_distribution<double>(0, 1)(faults.random) < p;
}

std::vector<uint8_t> Mangle(WireFaults& faults, WireFaultCount& count, std::vector<uint8_t> bytes) {
  std::vector<uint8_t> out;
  out.reserve(bytes.size());
  for (uint8_t b : bytes) {
    if (Chance(faults, faults.noise)) {
      out.push_back(static_cast<uint8_t>(faults.random()));
      ++count.noise;
    }
    if (Chance(faults, faults.drop)) {
      ++count.dropped;
      continue;
    }
    if (Chance(faults, faults.corrupt)) {
      b ^= static_cast<uint8_t>(1u << faults.random() % 8);
      ++count.corrupted;
    }
    out.push_back(b);
    if (Chance(faults, faults.duplicate)) {
      out.push_back(b);
      ++count.duplicated;
    }
  }
  return out;
}

}  // namespace

void FakePort::Write(std::span<const uint8_t> bytes) {
  if (!opened) {
    dropped.emplace_back(bytes.begin(), bytes.end());
    return;
  }
  writes.emplace_back(bytes.begin(), bytes.end());
  std::vector<uint8_t> sent = Mangle(faults, toUnitFaults, writes.back());
  toUnitFree = std::max(toUnitFree, scheduler.now) + WireTime(unit, sent.size());
  At(scheduler, toUnitFree, [this, sent = std::move(sent)] {
    for (SimSend& piece : Feed(unit, sent, scheduler.now)) {
      std::vector<uint8_t> reply = Mangle(faults, toHostFaults, std::move(piece.bytes));
      toHostFree = std::max(toHostFree, scheduler.now + piece.delay) + WireTime(unit, reply.size());
      double due = toHostFree;
      // Held back past the line's own pace, as a buffering adapter does.
      if (Chance(faults, faults.late)) {
        due += std::uniform_real_distribution<double>(faults.lateMin, faults.lateMax)(faults.random);
        ++toHostFaults.late;
      }
      auto deliver = [this, from = session](std::vector<uint8_t> part) {
        return [this, from, part = std::move(part)] {
          if (opened && session == from && Received) Received(part);
        };
      };
      if (reply.size() > 1 && Chance(faults, faults.split)) {
        const size_t cut = 1 + faults.random() % (reply.size() - 1);
        std::vector<uint8_t> rest(reply.begin() + static_cast<ptrdiff_t>(cut), reply.end());
        reply.resize(cut);
        At(scheduler, due - WireTime(unit, rest.size()), deliver(std::move(reply)));
        At(scheduler, due, deliver(std::move(rest)));
        ++toHostFaults.split;
      } else {
        At(scheduler, due, deliver(std::move(reply)));
      }
    }
  });
}
