#pragma once
// The unit's side of the wire: it takes bytes from the host in any chunking,
// decides what each request frame gets back, and shapes the answer with the
// fault knobs a test or a person scripts.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "HdmiChips.h"
#include "BootProgram.h"
#include "DspLoader.h"
#include "SimFrame.h"
#include "SimMemory.h"

// Type byte of the unit's replies; the host drops frames whose type is 0.
inline constexpr uint8_t UnitReplyType = 0x01;

struct SimUnit {
  // Line speed in bits per second, as the port's settings text gives it.
  double baud = 38400;
  // Bytes cross the line at once, to measure the program's own share of the time.
  bool instantWire = false;

  // Fault knobs. A silenced request is logged but neither acted on nor
  // answered, as if it never reached the unit's program.
  bool silent = false;         // every request
  int silentFrames = 0;        // the next K requests
  double replyDelay = 0;       // seconds between a request and its answer
  size_t split = 0;            // answer in pieces of this many bytes (0: whole)
  double splitGap = 0;         // seconds between the pieces' starts, as an adapter's latency leaves them
  std::vector<uint8_t> noise;  // bytes sent in front of every answer

  HdmiChips hdmi;
  SimMemory memory;
  DspLoader dsp;
  BootProgram boot;

  SimReader reader;
  std::vector<SimFrame> received;  // every request frame, in order
};

// One piece the unit puts on the wire: it starts `delay` seconds after the
// request was received or after the previous piece has been sent, whichever
// is later, and reaches the host as one read.
struct SimSend {
  double delay = 0;
  std::vector<uint8_t> bytes;
};

// Takes "38400,N,8,1" or "128000,N,8,1"; false leaves the speed unchanged.
bool SetLineSettings(SimUnit&, std::string_view settings);
// Seconds that `bytes` bytes take on the line: 10 bit times each.
double WireTime(const SimUnit&, size_t bytes);

// The unit's program: the frame it answers a request with, if any. `now`
// is when the request's last byte came in, on the driver's clock.
std::optional<std::vector<uint8_t>> Answer(SimUnit&, const SimFrame& request, double now);

// Bytes from the host, their last one in at `now`; returns what the unit
// sends back, in order.
std::vector<SimSend> Feed(SimUnit&, std::span<const uint8_t> bytes, double now);
