#include "SimUnit.h"

#include <algorithm>
#include <charconv>

bool SetLineSettings(SimUnit& unit, std::string_view settings) {
  long baud = 0;
  const auto [end, error] =
      std::from_chars(settings.data(), settings.data() + settings.size(), baud);
  if (error != std::errc{} || baud <= 0) return false;
  if (end != settings.data() + settings.size() && *end != ',') return false;
  unit.baud = static_cast<double>(baud);
  return true;
}

double WireTime(const SimUnit& unit, size_t bytes) {
  if (unit.instantWire) return 0;
  return static_cast<double>(bytes) * 10.0 / unit.baud;
}

std::optional<std::vector<uint8_t>> Answer(SimUnit& unit, const SimFrame& request, double now) {
  if (IsDspCommand(request)) return DspAnswer(unit.dsp, unit.baud, request);
  if (IsHdmiRegisterRequest(request)) return AnswerHdmi(unit.hdmi, request);
  if (IsMemoryRequest(request)) return AnswerMemory(unit.memory, request);
  if (IsBootRequest(request)) return BootAnswer(unit.boot, request, now);
  SimFrame reply{UnitReplyType, 0, request.sequence, {}};
  if (!request.data.empty()) reply.data.push_back(request.data.front());
  return BuildFrame(reply);
}

namespace {

bool Silenced(SimUnit& unit) {
  if (unit.silentFrames > 0) {
    --unit.silentFrames;
    return true;
  }
  return unit.silent;
}

void Shape(const SimUnit& unit, const std::vector<uint8_t>& frame, std::vector<SimSend>& out) {
  std::vector<uint8_t> bytes = unit.noise;
  bytes.insert(bytes.end(), frame.begin(), frame.end());
  const size_t piece = unit.split ? unit.split : bytes.size();
  for (size_t at = 0; at < bytes.size(); at += piece) {
    const size_t end = std::min(bytes.size(), at + piece);
    out.push_back({unit.replyDelay + static_cast<double>(at / piece) * unit.splitGap,
                   {bytes.begin() + static_cast<std::ptrdiff_t>(at),
                    bytes.begin() + static_cast<std::ptrdiff_t>(end)}});
  }
}

}  // namespace

std::vector<SimSend> Feed(SimUnit& unit, std::span<const uint8_t> bytes, double now) {
  std::vector<SimSend> out;
  for (SimFrame& request : ReadFrames(unit.reader, bytes)) {
    unit.received.push_back(request);
    if (Silenced(unit)) continue;
    if (const auto reply = Answer(unit, request, now)) Shape(unit, *reply, out);
  }
  return out;
}
