#pragma once
// Virtual time for tests: a clock that jumps from one simulated event to the
// next, an event pump over it, and a serial port wired to the simulated unit
// with the line's wire time in both directions. A burn of minutes on the wire
// runs in milliseconds and still shows its real duration on the clock.
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "SimUnit.h"
#include "app/Platform.h"

struct Scheduler {
  double now = 0;
  // Keyed by due time; equal times keep the order they were scheduled in.
  std::multimap<double, std::function<void()>> queue;
};

// Runs `event` at `time`, or at once on the next step if `time` has passed.
void At(Scheduler&, double time, std::function<void()> event);
// Runs the earliest event due at or before `limit`, moving the clock to its
// time; false when there is none.
bool RunNext(Scheduler&, double limit);

struct VirtualPump : EventPump {
  explicit VirtualPump(Scheduler& s) : scheduler(s) {}
  double Now() override;
  bool WaitUntil(double deadline, const std::function<bool()>& condition) override;
  // Runs what is due now; the clock does not move.
  void Yield() override;

  Scheduler& scheduler;
};

// Faults of a poor line, drawn from `random` so a seed repeats them. Per byte,
// in either direction: dropped, one bit flipped, sent twice, or preceded by a
// noise byte. Per reply: delivered as two receive events, or held back a
// further lateMin..lateMax seconds. All off by default.
struct WireFaults {
  double drop = 0, corrupt = 0, duplicate = 0, noise = 0;
  double split = 0, late = 0;
  double lateMin = 0.5, lateMax = 3;
  std::mt19937 random{1};
};

// What the faults did, for one direction of the line.
struct WireFaultCount {
  int dropped = 0, corrupted = 0, duplicated = 0, noise = 0, split = 0, late = 0;
};

struct FakePort : SerialPort {
  FakePort(Scheduler& s, SimUnit& u) : scheduler(s), unit(u) {}
  std::map<int, std::string> Ports() override;
  bool Probe(int number) override;
  std::string Identity(int number) override { return identities.contains(number) ? identities[number] : ""; }
  PortCause Open(const std::string& device, std::string_view settings) override;
  bool SetSettings(std::string_view settings) override;
  void Close() override;
  // The adapter is pulled out: the port closes and reports it lost.
  void Vanish();
  bool IsOpen() override;
  void Write(std::span<const uint8_t>) override;

  Scheduler& scheduler;
  SimUnit& unit;

  std::map<int, std::string> present{{1, "/dev/ttyS0"}};
  std::map<int, std::string> identities;  // of USB adapters
  int busy = 0;    // a present number another program holds
  int opened = 0;  // the number of the device open, 0 while closed
  std::string settings;

  std::vector<std::vector<uint8_t>> writes;   // one entry per Write while open
  std::vector<std::vector<uint8_t>> dropped;  // Writes while closed

  // When each direction of the line is free again.
  double toUnitFree = 0, toHostFree = 0;
  // Bumped on every close, so that bytes still on the wire to a port that
  // was closed in the meantime are lost as they would be.
  uint64_t session = 0;

  WireFaults faults;
  WireFaultCount toUnitFaults, toHostFaults;
};

// Everything a job test needs, wired together:
//   VirtualLink link;
//   Ambrelin app{controls, link.port, link.pump, dialogs, settings};
struct VirtualLink {
  VirtualLink() = default;
  // The parts point at each other; a copy would point at the original.
  VirtualLink(const VirtualLink&) = delete;
  VirtualLink& operator=(const VirtualLink&) = delete;

  Scheduler scheduler;
  VirtualPump pump{scheduler};
  SimUnit unit;
  FakePort port{scheduler, unit};
};
