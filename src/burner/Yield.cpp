#include "burner/Yield.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <tuple>

#include "app/Utf8Path.h"

namespace {

// A hand-made reader of flat JSON objects: a million lines must read in a
// second or so, and a line is only a few known fields.
struct Scan {
  const char* p;
  const char* end;
  std::string& scratch;
  LineFault fault = LineFault::None;

  bool Fail(LineFault why) {
    if (fault == LineFault::None) fault = p >= end ? LineFault::Torn : why;
    return false;
  }
  void Blank() {
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r')) ++p;
  }
  bool Take(char c) {
    Blank();
    if (p < end && *p == c) {
      ++p;
      return true;
    }
    return false;
  }

  static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }
  bool Code(uint32_t& code) {
    if (end - p < 4) {
      p = end;
      return Fail(LineFault::Torn);
    }
    code = 0;
    for (int k = 0; k < 4; ++k) {
      const int digit = HexDigit(*p++);
      if (digit < 0) return Fail(LineFault::NotJson);
      code = code * 16 + static_cast<uint32_t>(digit);
    }
    return true;
  }
  void Utf8(uint32_t code) {
    if (code < 0x80) {
      scratch += static_cast<char>(code);
    } else if (code < 0x800) {
      scratch += static_cast<char>(0xC0 | (code >> 6));
      scratch += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      scratch += static_cast<char>(0xE0 | (code >> 12));
      scratch += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      scratch += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      scratch += static_cast<char>(0xF0 | (code >> 18));
      scratch += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      scratch += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      scratch += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  // After the opening quote. Without escapes the text is the line's own; with
  // them it is unescaped into the scratch, which never grows past the line's
  // length, so earlier views into it stay good.
  bool String(std::string_view& text) {
    const char* from = p;
    while (p < end && *p != '"' && *p != '\\') {
      if (static_cast<unsigned char>(*p) < 0x20) return Fail(LineFault::NotJson);
      ++p;
    }
    if (p >= end) return Fail(LineFault::Torn);
    if (*p == '"') {
      text = std::string_view(from, static_cast<size_t>(p - from));
      ++p;
      return true;
    }
    const size_t start = scratch.size();
    scratch.append(from, static_cast<size_t>(p - from));
    while (p < end && *p != '"') {
      const char c = *p++;
      if (static_cast<unsigned char>(c) < 0x20) return Fail(LineFault::NotJson);
      if (c != '\\') {
        scratch += c;
        continue;
      }
      if (p >= end) return Fail(LineFault::Torn);
      const char e = *p++;
      uint32_t code = 0;
      switch (e) {
        case '"': case '\\': case '/': scratch += e; break;
        case 'b': scratch += '\b'; break;
        case 'f': scratch += '\f'; break;
        case 'n': scratch += '\n'; break;
        case 'r': scratch += '\r'; break;
        case 't': scratch += '\t'; break;
        case 'u':
          if (!Code(code)) return false;
          if (code >= 0xD800 && code < 0xDC00 && end - p >= 6 && p[0] == '\\' && p[1] == 'u') {
            p += 2;
            uint32_t low = 0;
            if (!Code(low)) return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          Utf8(code);
          break;
        default: return Fail(LineFault::NotJson);
      }
    }
    if (p >= end) return Fail(LineFault::Torn);
    ++p;
    text = std::string_view(scratch).substr(start);
    return true;
  }
  bool Number(double& value) {
    const char* from = p;
    while (p < end && (std::isdigit(static_cast<unsigned char>(*p)) || *p == '-' || *p == '+' || *p == '.' ||
                       *p == 'e' || *p == 'E'))
      ++p;
    if (p >= end) return Fail(LineFault::Torn);
    const auto [at, error] = std::from_chars(from, p, value);
    if (error != std::errc() || at != p) return Fail(LineFault::NotJson);
    return true;
  }
  bool Word(std::string_view word) {
    for (char c : word) {
      if (p >= end) return Fail(LineFault::Torn);
      if (*p++ != c) return Fail(LineFault::NotJson);
    }
    return true;
  }

  // One value of any kind, passed over; nested ones too, within reason.
  enum class Kind { String, Number, Null, Other };
  bool Value(Kind& kind, std::string_view& text, double& number, int depth = 0) {
    Blank();
    if (p >= end) return Fail(LineFault::Torn);
    const char c = *p;
    if (c == '"') {
      ++p;
      kind = Kind::String;
      return String(text);
    }
    if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
      kind = Kind::Number;
      return Number(number);
    }
    if (c == 'n') {
      kind = Kind::Null;
      return Word("null");
    }
    kind = Kind::Other;
    if (c == 't') return Word("true");
    if (c == 'f') return Word("false");
    if ((c != '[' && c != '{') || depth > 16) return Fail(LineFault::NotJson);
    const char close = c == '[' ? ']' : '}';
    ++p;
    if (Take(close)) return true;
    do {
      Kind inner;
      if (close == '}') {
        Blank();
        if (p >= end) return Fail(LineFault::Torn);
        if (*p++ != '"' || !String(text)) return Fail(LineFault::NotJson);
        if (!Take(':')) return Fail(LineFault::NotJson);
      }
      if (!Value(inner, text, number, depth + 1)) return false;
    } while (Take(','));
    if (!Take(close)) return Fail(LineFault::NotJson);
    return true;
  }
};

bool Whole(double value) { return value == std::floor(value) && std::fabs(value) < 1e15; }

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

std::tuple<int64_t, unsigned, unsigned> CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

YieldGroup& GroupOf(Yield& y, const YieldLine& line) {
  std::string& key = y.key;
  key.assign(line.time.substr(0, 10));
  for (std::string_view part : {line.station, line.port, line.image}) {
    key += '\x1f';
    key += part;
  }
  auto it = y.groupAt.find(std::string_view(key));
  if (it == y.groupAt.end()) {
    it = y.groupAt.emplace(key, y.groups.size()).first;
    y.groups.push_back({std::string(line.time.substr(0, 10)), std::string(line.station), std::string(line.port),
                        std::string(line.image)});
  }
  return y.groups[it->second];
}

YieldHour& HourAt(Yield& y, int64_t hour) {
  YieldHour& h = y.hourAt[hour];
  h.hour = hour;
  return h;
}

void CloseFailed(Yield& y, const OpenUnit& unit) {
  YieldGroup& group = y.groups[unit.group];
  ++group.units;
  ++group.failed[unit.lastResult];
  ++HourAt(y, unit.hour).failed;
}

void Merge(std::map<std::string, int64_t>& into, const std::map<std::string, int64_t>& from) {
  for (const auto& [result, count] : from) into[result] += count;
}

LineFault ParseObject(Scan& s, YieldLine& out) {
  if (!s.Take('{')) return s.p >= s.end ? LineFault::Torn : LineFault::NotJson;
  bool hasTime = false, hasPort = false, hasResult = false, foreign = false;
  if (!s.Take('}')) {
    do {
      std::string_view key, value;
      s.Blank();
      if (s.p >= s.end) return LineFault::Torn;
      if (*s.p++ != '"') return LineFault::NotJson;
      if (!s.String(key)) return s.fault;
      if (!s.Take(':')) return s.p >= s.end ? LineFault::Torn : LineFault::NotJson;
      Scan::Kind kind;
      double number = 0;
      if (!s.Value(kind, value, number)) return s.fault;
      if (kind == Scan::Kind::Null) continue;
      const bool isText = kind == Scan::Kind::String, isWhole = kind == Scan::Kind::Number && Whole(number);
      // A known field of the wrong kind: some other program's line.
      auto asText = [&](std::string_view& field, bool* has = nullptr) {
        if (!isText) foreign = true;
        field = value;
        if (has) *has = isText;
      };
      auto asCount = [&](int64_t& field) {
        if (!isWhole || number < 0) foreign = true;
        field = static_cast<int64_t>(number);
      };
      if (key == "time") asText(out.time, &hasTime);
      else if (key == "port") asText(out.port, &hasPort);
      else if (key == "result") asText(out.result, &hasResult);
      else if (key == "host") asText(out.host);
      else if (key == "station") asText(out.station);
      else if (key == "image") asText(out.image);
      else if (key == "chip_id") asText(out.chipId);
      else if (key == "errors") asCount(out.errors);
      else if (key == "erase_errors") asCount(out.eraseErrors);
      else if (key == "write_errors") asCount(out.writeErrors);
      else if (key == "verify_errors") asCount(out.verifyErrors);
      else if (key == "target") {
        if (!isWhole || number < 0 || number > 255) foreign = true;
        out.target = static_cast<int>(number);
      } else if (key == "seconds") {
        if (kind != Scan::Kind::Number || number < 0) foreign = true;
        out.seconds = number;
      }
    } while (s.Take(','));
    if (!s.Take('}')) return s.p >= s.end ? LineFault::Torn : LineFault::NotJson;
  }
  s.Blank();
  if (s.p != s.end) return LineFault::NotJson;
  if (foreign || !hasTime || !hasPort || !hasResult || !HourOf(out.time)) return LineFault::NotLogLine;
  return LineFault::None;
}


}  // namespace

std::string_view LineFaultText(LineFault fault) {
  switch (fault) {
    case LineFault::None: return "";
    case LineFault::Torn: return "torn line";
    case LineFault::NotJson: return "not JSON";
    case LineFault::NotLogLine: return "not a production log line";
  }
  return "";
}

LineFault ParseLogLine(std::string_view text, std::string& scratch, YieldLine& out) {
  out = YieldLine{};
  scratch.clear();
  scratch.reserve(text.size());
  Scan s{text.data(), text.data() + text.size(), scratch};
  const LineFault fault = ParseObject(s, out);
  // A record that begins inside this line: a write was cut short before it.
  if (fault == LineFault::NotJson && text.find("{\"time\":", 1) != std::string_view::npos) return LineFault::Torn;
  return fault;
}

void AddLogLine(Yield& y, const YieldLine& line) {
  YieldGroup& group = GroupOf(y, line);
  const size_t groupIndex = static_cast<size_t>(&group - y.groups.data());
  group.errors += line.errors;
  group.eraseErrors += line.eraseErrors;
  group.writeErrors += line.writeErrors;
  group.verifyErrors += line.verifyErrors;
  if (line.chipId.empty()) {
    ++group.noUnit[std::string(line.result)];
    return;
  }
  ++group.attempts;
  if (line.seconds) group.seconds.push_back(*line.seconds);
  const int64_t hour = *HourOf(line.time);

  std::string& key = y.key;
  key.assign(line.host);
  key += '\x1f';
  key += line.station;
  key += '\x1f';
  key += line.port;
  auto it = y.open.find(std::string_view(key));
  if (it != y.open.end() &&
      (it->second.target != line.target || it->second.image != line.image || it->second.chipId != line.chipId)) {
    CloseFailed(y, it->second);
    y.open.erase(it);
    it = y.open.end();
  }
  if (line.result == "verified") {
    const int64_t attempts = it == y.open.end() ? 1 : it->second.attempts + 1;
    if (it != y.open.end()) y.open.erase(it);
    ++group.units;
    ++group.good;
    group.firstPass += attempts == 1;
    ++HourAt(y, hour).good;
    return;
  }
  if (it == y.open.end()) it = y.open.emplace(key, OpenUnit{}).first;
  OpenUnit& unit = it->second;
  if (unit.attempts == 0) {
    unit.target = line.target;
    unit.image = line.image;
    unit.chipId = line.chipId;
  }
  ++unit.attempts;
  unit.lastResult = line.result;
  unit.hour = hour;
  unit.group = groupIndex;
}

bool ReadProductionLog(Yield& y, const std::string& path) {
  std::ifstream file(Utf8Path(path), std::ios::binary);
  if (!file) {
    y.unopened.push_back(path);
    return false;
  }
  y.files.push_back(path);
  // Large blocks; a line cut by a block's end is carried into the next.
  std::string buffer(std::size_t{1} << 22, '\0');
  size_t held = 0, number = 0;
  YieldLine line;
  auto take = [&](std::string_view text) {
    ++number;
    if (text.find_first_not_of(" \t\r") == std::string_view::npos) return;
    ++y.lines;
    const LineFault fault = ParseLogLine(text, y.scratch, line);
    if (fault == LineFault::None) {
      AddLogLine(y, line);
      return;
    }
    ++y.unreadable;
    if (y.named.size() < NamedUnreadableMost) y.named.push_back({path, number, fault});
  };
  for (;;) {
    if (held == buffer.size()) buffer.resize(buffer.size() * 2);
    file.read(buffer.data() + held, static_cast<std::streamsize>(buffer.size() - held));
    const size_t got = static_cast<size_t>(file.gcount());
    const size_t filled = held + got;
    size_t from = 0;
    while (const void* found = std::memchr(buffer.data() + from, '\n', filled - from)) {
      const size_t at = static_cast<size_t>(static_cast<const char*>(found) - buffer.data());
      take(std::string_view(buffer.data() + from, at - from));
      from = at + 1;
    }
    held = filled - from;
    std::memmove(buffer.data(), buffer.data() + from, held);
    if (got == 0) break;
  }
  if (file.bad()) {
    y.files.pop_back();
    y.unopened.push_back(path);
    return false;
  }
  // The last line without its line end: a write cut short reads as torn.
  if (held > 0) take(std::string_view(buffer.data(), held));
  return true;
}

void FinishYield(Yield& y) {
  for (const auto& [port, unit] : y.open) CloseFailed(y, unit);
  y.open.clear();
  y.groupAt.clear();
  std::sort(y.groups.begin(), y.groups.end(), [](const YieldGroup& a, const YieldGroup& b) {
    return std::tie(a.day, a.station, a.port, a.image) < std::tie(b.day, b.station, b.port, b.image);
  });
  YieldGroup& t = y.total;
  t = YieldGroup{};
  for (YieldGroup& g : y.groups) {
    g.medianSeconds = Median(g.seconds);
    g.p95Seconds = Percentile(g.seconds, 95);
    t.units += g.units;
    t.firstPass += g.firstPass;
    t.good += g.good;
    t.attempts += g.attempts;
    t.errors += g.errors;
    t.eraseErrors += g.eraseErrors;
    t.writeErrors += g.writeErrors;
    t.verifyErrors += g.verifyErrors;
    Merge(t.failed, g.failed);
    Merge(t.noUnit, g.noUnit);
    t.seconds.insert(t.seconds.end(), g.seconds.begin(), g.seconds.end());
  }
  t.medianSeconds = Median(t.seconds);
  t.p95Seconds = Percentile(t.seconds, 95);
  y.hours.clear();
  for (const auto& [hour, counts] : y.hourAt) y.hours.push_back(counts);
}

Yield ReadProductionLogs(const std::vector<std::string>& paths) {
  Yield y;
  for (const std::string& path : paths) ReadProductionLog(y, path);
  FinishYield(y);
  return y;
}

std::vector<YieldHour> HourSpan(const Yield& y, size_t most) {
  std::vector<YieldHour> span;
  if (y.hours.empty() || most == 0) return span;
  const int64_t last = y.hours.back().hour;
  const int64_t first = std::max(y.hours.front().hour, last - static_cast<int64_t>(most) + 1);
  for (int64_t hour = first; hour <= last; ++hour) span.push_back({hour});
  for (const YieldHour& h : y.hours)
    if (h.hour >= first) span[static_cast<size_t>(h.hour - first)] = h;
  return span;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  const size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
  const double upper = values[middle];
  if (values.size() % 2 == 1) return upper;
  return (*std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle)) + upper) / 2;
}

double Percentile(std::vector<double> values, double percent) {
  if (values.empty()) return 0;
  const double rank = std::ceil(percent / 100 * static_cast<double>(values.size()));
  const size_t at = static_cast<size_t>(std::clamp(rank, 1.0, static_cast<double>(values.size()))) - 1;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at), values.end());
  return values[at];
}

std::optional<int64_t> HourOf(std::string_view t) {
  if (t.size() < 13 || t[4] != '-' || t[7] != '-' || t[10] != 'T') return std::nullopt;
  int values[4];
  const size_t at[4] = {0, 5, 8, 11}, width[4] = {4, 2, 2, 2};
  for (int k = 0; k < 4; ++k) {
    const char* from = t.data() + at[k];
    const auto [end, error] = std::from_chars(from, from + width[k], values[k]);
    if (error != std::errc() || end != from + width[k]) return std::nullopt;
  }
  const auto [year, month, day, hour] = values;
  if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23) return std::nullopt;
  return DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 24 + hour;
}

std::string HourText(int64_t hour) {
  const int64_t days = hour >= 0 ? hour / 24 : (hour - 23) / 24;
  const auto [year, month, day] = CivilFromDays(days);
  char text[32];
  std::snprintf(text, sizeof text, "%04lld-%02u-%02u %02lld:00", static_cast<long long>(year), month, day,
                static_cast<long long>(hour - days * 24));
  return text;
}
