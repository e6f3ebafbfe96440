#include "burner/ProductionLog.h"

#include <cstdio>

#include "app/LocalTime.h"
#include "burner/ChipTable.h"

std::string_view BurnResult(BurnEnd end) {
  switch (end) {
    case BurnEnd::Finished: return "verified";
    case BurnEnd::Stopped: return "stopped";
    case BurnEnd::Busy: return "busy";
    case BurnEnd::PortClosed: return "port closed";
    case BurnEnd::PortLost: return "port lost";
    case BurnEnd::NoTarget: return "no target";
    case BurnEnd::TrigError: return "pre-trigger error";
    case BurnEnd::NotFound:
    case BurnEnd::NextNotFound: return "not found";
    case BurnEnd::LoadFailed: return "image error";
    case BurnEnd::LogFailed: return "log error";
    case BurnEnd::PortFailed: return "cannot open";
    case BurnEnd::WrongImage: return "wrong image";
    case BurnEnd::TooLarge: return "image too large";
    case BurnEnd::OtherChip: return "other chip";
    case BurnEnd::EraseFailed: return "erase failed";
    case BurnEnd::WriteFailed: return "write failed";
    case BurnEnd::VerifyFailed: return "verify failed";
  }
  return "";
}

std::string IsoTime(std::time_t time) {
  const LocalTime local = LocalTimeAt(time);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local.fields);
  // The zone as ISO 8601's extended form has it: +01:00, not +0100.
  const auto offset = std::chrono::duration_cast<std::chrono::minutes>(local.offset).count();
  const auto away = offset < 0 ? -offset : offset;
  char zone[16];
  std::snprintf(zone, sizeof zone, "%c%02d:%02d", offset < 0 ? '-' : '+', static_cast<int>(away / 60),
                static_cast<int>(away % 60));
  return std::string(text) + zone;
}

std::string JsonText(std::string_view text) {
  std::string json = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + '"';
}

std::string HexWord(uint32_t value) {
  char text[12];
  std::snprintf(text, sizeof text, "0x%04X", value);
  return text;
}

namespace {

// Where and when, who and for what: the fields every line begins with.
std::string Head(std::time_t time, const std::string& host, const std::string& port, const std::string& adapter,
                 const ProductionWho& who) {
  std::string line = "{\"time\":" + JsonText(IsoTime(time)) + ",\"host\":" + JsonText(host) +
                     ",\"port\":" + JsonText(port) + ",\"adapter\":" + JsonText(adapter);
  for (const auto& [key, value] :
       {std::pair{"operator", &who.operatorName}, {"order", &who.order}, {"station", &who.station}})
    if (!value->empty()) line += ",\"" + std::string(key) + "\":" + JsonText(*value);
  return line;
}

std::string Seconds(double value) {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f", value);
  return seconds;
}

}  // namespace

std::string ProductionLogLine(const ProductionRecord& r) {
  const BurnOutcome& o = r.outcome;
  std::string line = Head(r.time, r.host, r.port, r.adapter, r.who);
  if (o.target != 0) line += ",\"target\":" + std::to_string(o.target);
  if (o.identified)
    line += ",\"chip_id\":" + JsonText(HexWord(o.chipId)) + ",\"chip\":" + JsonText(ChipName(ChipById(o.chipId)));
  if (!o.image.empty()) line += ",\"image\":" + JsonText(o.image);
  if (!r.imageSha256.empty()) line += ",\"image_sha256\":" + JsonText(r.imageSha256);
  if (o.imageChecksum) line += ",\"image_checksum\":" + JsonText(HexWord(static_cast<uint32_t>(*o.imageChecksum)));
  line += ",\"result\":" + JsonText(BurnResult(o.end));
  if (o.verifySum) line += ",\"verify_sum\":" + JsonText(HexWord(*o.verifySum));
  line += ",\"errors\":" + std::to_string(o.errors) + ",\"erase_errors\":" + std::to_string(o.eraseErrors) +
          ",\"write_errors\":" + std::to_string(o.writeErrors) + ",\"verify_errors\":" +
          std::to_string(o.verifyErrors) + ",\"seconds\":" + Seconds(o.seconds) +
          ",\"version\":" + JsonText(ProgramVersion()) + "}";
  return line;
}

std::string DownloadLogLine(const DownloadRecord& r) {
  std::string line = Head(r.time, r.host, r.port, r.adapter, r.who);
  if (!r.image.empty()) line += ",\"image\":" + JsonText(r.image);
  if (!r.imageSha256.empty()) line += ",\"image_sha256\":" + JsonText(r.imageSha256);
  if (r.imageChecksum) line += ",\"image_checksum\":" + JsonText(HexWord(static_cast<uint32_t>(*r.imageChecksum)));
  line += ",\"result\":" + JsonText(r.result) + ",\"errors\":" + std::to_string(r.errors);
  if (r.address) line += ",\"address\":" + JsonText(HexWord(static_cast<uint32_t>(*r.address)));
  return line + ",\"seconds\":" + Seconds(r.seconds) + ",\"version\":" + JsonText(ProgramVersion()) + "}";
}

std::string_view ProgramVersion() { return AMBRELIN_VERSION; }
