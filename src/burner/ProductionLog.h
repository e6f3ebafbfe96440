#pragma once
// The production log: a line of JSON for every target a burn is done with,
// so that a line's records say which unit got which image and how it ended.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "burner/BurnEngine.h"

// Who worked and for what, as the line names them; each left out when empty.
struct ProductionWho {
  std::string operatorName, order, station;
};

struct ProductionRecord {
  std::time_t time = 0;
  std::string host, port, adapter;  // the adapter's identity, if it gives one
  BurnOutcome outcome;
  // Of the image file, in lower-case hex; empty when it could not be read.
  std::string imageSha256;
  ProductionWho who;
};

// A DSP flash download's line: the same head as a burn's, its own result.
struct DownloadRecord {
  std::time_t time = 0;
  std::string host, port, adapter;
  ProductionWho who;
  std::string image, imageSha256;  // the Egg image, as named
  std::optional<int32_t> imageChecksum;
  std::string result;
  int64_t errors = 0;
  std::optional<int32_t> address;  // where a download that did not end done stood
  double seconds = 0;
};

// The settings that name the windows' log file.
inline constexpr std::string_view ProductionSection = "Production", ProductionLogKey = "Log";

// How a burn's end reads in a log or a summary.
std::string_view BurnResult(BurnEnd);
// Local time in ISO 8601 with the zone: "2026-12-07T09:30:00+01:00".
std::string IsoTime(std::time_t);
// A text as a JSON string, quotes included.
std::string JsonText(std::string_view);
// A number as "0x" and four upper-case hex digits.
std::string HexWord(uint32_t);
// One JSON object, no line end. What is not known of the unit is left out:
// the chip until it answered, the sums until they were read or heard.
std::string ProductionLogLine(const ProductionRecord&);
std::string DownloadLogLine(const DownloadRecord&);
// The version the program reports.
std::string_view ProgramVersion();
