#pragma once
// The line's yield, read back from production logs: units, first-pass good,
// failures by result, errors and cycle times per day, station, port and
// image, and good and failed units per hour.
//
// A unit is what a port burned until it verified. A line with a chip (the
// unit answered) is an attempt on a unit; the attempts on one port that
// follow a failed one with the same target, image and chip are the same
// unit's, until one verifies. A unit that never verified counts as failed,
// by the result of its last attempt. A line without a chip (no unit
// answered, the port would not open, the image was refused) is no unit's: it
// is counted by its result on its own. A unit is counted in the day and hour
// of its last line, as the log writes them (the station's local time).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One log line as the yield reads it; the views point into the line, or into
// the scratch text that took its unescaped strings.
struct YieldLine {
  std::string_view time, host, station, port, image, result, chipId;
  int target = 0;
  int64_t errors = 0, eraseErrors = 0, writeErrors = 0, verifyErrors = 0;
  std::optional<double> seconds;
};

// Why a line could not be read.
enum class LineFault { None, Torn, NotJson, NotLogLine };
std::string_view LineFaultText(LineFault);

// Reads one line of a production log: a flat JSON object with at least
// `time` (ISO 8601), `port` and `result`. Other fields, and values of any
// kind in them, are passed over. `scratch` keeps unescaped strings.
LineFault ParseLogLine(std::string_view line, std::string& scratch, YieldLine& out);

struct YieldGroup {
  std::string day, station, port, image;
  int64_t units = 0, firstPass = 0, good = 0, attempts = 0;
  std::map<std::string, int64_t> failed;  // failed units, by their last attempt's result
  std::map<std::string, int64_t> noUnit;  // lines on which no unit answered, by result
  int64_t errors = 0, eraseErrors = 0, writeErrors = 0, verifyErrors = 0;
  std::vector<double> seconds;  // of the attempts
  double medianSeconds = 0, p95Seconds = 0;
  int64_t Failed() const { return units - good; }
};

// Hours are counted from 1970-01-01 00:00 of the local time as written.
struct YieldHour {
  int64_t hour = 0, good = 0, failed = 0;
};

struct UnreadableLine {
  std::string file;
  size_t line = 0;
  LineFault why = LineFault::None;
};

struct StringHash {
  using is_transparent = void;
  size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
template <typename T>
using StringMap = std::unordered_map<std::string, T, StringHash, std::equal_to<>>;

// A unit whose last attempt failed: a later attempt may still verify it.
struct OpenUnit {
  int target = 0;
  std::string image, chipId, lastResult;
  int64_t attempts = 0, hour = 0;
  size_t group = 0;
};

inline constexpr size_t NamedUnreadableMost = 100;

struct Yield {
  std::vector<YieldGroup> groups;  // in order of day, station, port, image once finished
  YieldGroup total;                // every group's figures together
  std::vector<YieldHour> hours;    // in order, once finished; only hours with units
  size_t lines = 0;                // read, blank ones aside
  size_t unreadable = 0;
  std::vector<UnreadableLine> named;  // the first NamedUnreadableMost unreadable lines
  std::vector<std::string> files, unopened;

  // While reading: where each group is, and each port's unit still open.
  StringMap<size_t> groupAt;
  StringMap<OpenUnit> open;
  std::map<int64_t, YieldHour> hourAt;
  std::string key, scratch;
};

// Adds one line that was read.
void AddLogLine(Yield&, const YieldLine&);
// Adds every line of one log; false when it cannot be opened.
bool ReadProductionLog(Yield&, const std::string& path);
// Ends the units still open as failed, sorts the groups and hours and works
// out the cycle times.
void FinishYield(Yield&);
// Reads the logs in the order given (a port's lines continue from one file to
// the next) and finishes.
Yield ReadProductionLogs(const std::vector<std::string>& paths);

// The hours up to the last one with units, at most `most` of them, each
// hour there, with or without units: what a chart of the hours draws.
std::vector<YieldHour> HourSpan(const Yield&, size_t most);

// The median: the middle value, or the mean of the two middle ones; 0 for none.
double Median(std::vector<double> values);
// The nearest-rank percentile: the smallest value with at least `percent` of
// the values at or below it; 0 for none.
double Percentile(std::vector<double> values, double percent);
// "2026-12-07T09" as hours since 1970, and back as "2026-12-07 09:00";
// nothing when the text is no such date.
std::optional<int64_t> HourOf(std::string_view isoTime);
std::string HourText(int64_t hour);
