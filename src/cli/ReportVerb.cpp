// The line's yield from production logs: a table on stdout, one JSON object,
// or one HTML page that needs nothing beside it.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "app/Utf8Path.h"
#include "burner/ProductionLog.h"
#include "burner/Yield.h"
#include "cli/Cli.h"

namespace {

// A week of hours at most in the page's chart; the tables hold the rest.
constexpr size_t ChartHours = 7 * 24;

std::string Fixed(double value, int decimals = 1) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string Percent(int64_t part, int64_t whole) {
  return whole == 0 ? "-" : Fixed(100.0 * static_cast<double>(part) / static_cast<double>(whole)) + "%";
}

std::string Counts(const std::map<std::string, int64_t>& counts) {
  std::string text;
  for (const auto& [result, count] : counts) text += (text.empty() ? "" : ", ") + result + " " + std::to_string(count);
  return text;
}

std::string Or(const std::string& text) { return text.empty() ? "-" : text; }

std::string Where(const UnreadableLine& u) {
  return u.file + ":" + std::to_string(u.line) + ": " + std::string(LineFaultText(u.why));
}

// The cells of a group's row, in the table's order.
std::vector<std::string> Row(const YieldGroup& g, bool total) {
  return {total ? "total" : g.day,
          total ? "" : Or(g.station),
          total ? "" : g.port,
          total ? "" : Or(g.image),
          std::to_string(g.units),
          std::to_string(g.firstPass) + " (" + Percent(g.firstPass, g.units) + ")",
          std::to_string(g.good),
          std::to_string(g.Failed()),
          std::to_string(g.errors),
          g.attempts ? Fixed(g.medianSeconds) : "-",
          g.attempts ? Fixed(g.p95Seconds) : "-"};
}

const std::vector<std::string> Heads{"day",  "station", "port",   "image",    "units",   "first-pass",
                                     "good", "failed",  "errors", "median s", "p95 s"};

// What did not go well in a group, under its row.
std::string Failures(const YieldGroup& g) {
  std::string text;
  if (!g.failed.empty()) text = "failed: " + Counts(g.failed);
  if (!g.noUnit.empty()) text += (text.empty() ? "" : "; ") + std::string("no unit: ") + Counts(g.noUnit);
  return text;
}

void PrintText(const Yield& y) {
  std::vector<std::vector<std::string>> rows{Heads};
  for (const YieldGroup& g : y.groups) rows.push_back(Row(g, false));
  rows.push_back(Row(y.total, true));
  std::vector<size_t> widths(Heads.size(), 0);
  for (const auto& row : rows)
    for (size_t k = 0; k < row.size(); ++k) widths[k] = std::max(widths[k], row[k].size());
  // Names left, figures right.
  auto print = [&](const std::vector<std::string>& row) {
    std::string line;
    for (size_t k = 0; k < row.size(); ++k) {
      const std::string pad(widths[k] - row[k].size(), ' ');
      line += (k ? "  " : "") + (k < 4 ? row[k] + pad : pad + row[k]);
    }
    while (line.ends_with(' ')) line.pop_back();
    std::cout << line << '\n';
  };
  for (size_t r = 0; r < rows.size(); ++r) {
    print(rows[r]);
    const YieldGroup* g = r == 0 ? nullptr : r <= y.groups.size() ? &y.groups[r - 1] : &y.total;
    if (g && !Failures(*g).empty()) std::cout << "    " << Failures(*g) << '\n';
  }
  std::cout << y.lines << " lines in " << y.files.size() << (y.files.size() == 1 ? " log" : " logs") << ", "
            << y.unreadable << " unreadable\n";
  for (const UnreadableLine& u : y.named) std::cout << "  " << Where(u) << '\n';
  if (y.unreadable > y.named.size()) std::cout << "  and " << y.unreadable - y.named.size() << " more\n";
}

std::string JsonCounts(const std::map<std::string, int64_t>& counts) {
  std::string json = "{";
  for (const auto& [result, count] : counts)
    json += (json.size() > 1 ? "," : "") + JsonText(result) + ":" + std::to_string(count);
  return json + "}";
}

std::string JsonGroup(const YieldGroup& g, bool total) {
  std::string json = "{";
  if (!total)
    json += "\"day\":" + JsonText(g.day) + ",\"station\":" + JsonText(g.station) + ",\"port\":" + JsonText(g.port) +
            ",\"image\":" + JsonText(g.image) + ",";
  json += "\"units\":" + std::to_string(g.units) + ",\"first_pass\":" + std::to_string(g.firstPass) +
          ",\"good\":" + std::to_string(g.good) + ",\"failed\":" + std::to_string(g.Failed()) +
          ",\"failed_by_result\":" + JsonCounts(g.failed) + ",\"no_unit\":" + JsonCounts(g.noUnit) +
          ",\"attempts\":" + std::to_string(g.attempts) + ",\"errors\":" + std::to_string(g.errors) +
          ",\"erase_errors\":" + std::to_string(g.eraseErrors) + ",\"write_errors\":" +
          std::to_string(g.writeErrors) + ",\"verify_errors\":" + std::to_string(g.verifyErrors);
  if (g.attempts)
    json += ",\"median_seconds\":" + Fixed(g.medianSeconds) + ",\"p95_seconds\":" + Fixed(g.p95Seconds);
  return json + "}";
}

void PrintJson(const Yield& y) {
  std::string json = "{\"logs\":[";
  for (size_t k = 0; k < y.files.size(); ++k) json += (k ? "," : "") + JsonText(y.files[k]);
  json += "],\"lines\":" + std::to_string(y.lines) + ",\"groups\":[";
  for (size_t k = 0; k < y.groups.size(); ++k) json += (k ? "," : "") + JsonGroup(y.groups[k], false);
  json += "],\"total\":" + JsonGroup(y.total, true) + ",\"hours\":[";
  for (size_t k = 0; k < y.hours.size(); ++k)
    json += std::string(k ? "," : "") + "{\"hour\":" + JsonText(HourText(y.hours[k].hour)) +
            ",\"good\":" + std::to_string(y.hours[k].good) + ",\"failed\":" + std::to_string(y.hours[k].failed) +
            "}";
  json += "],\"unreadable\":" + std::to_string(y.unreadable) + ",\"unreadable_lines\":[";
  for (size_t k = 0; k < y.named.size(); ++k)
    json += std::string(k ? "," : "") + "{\"log\":" + JsonText(y.named[k].file) +
            ",\"line\":" + std::to_string(y.named[k].line) + ",\"why\":" + JsonText(LineFaultText(y.named[k].why)) +
            "}";
  json += "],\"unopened\":[";
  for (size_t k = 0; k < y.unopened.size(); ++k) json += (k ? "," : "") + JsonText(y.unopened[k]);
  std::cout << json << "]}" << std::endl;
}

std::string Html(std::string_view text) {
  std::string html;
  for (char c : text) {
    switch (c) {
      case '&': html += "&amp;"; break;
      case '<': html += "&lt;"; break;
      case '>': html += "&gt;"; break;
      case '"': html += "&quot;"; break;
      default: html += c;
    }
  }
  return html;
}

constexpr const char* GoodColour = "#2e7d32";
constexpr const char* FailedColour = "#c62828";

// Good units stacked under failed ones, an hour a bar, the day named at
// its first hour.
std::string Chart(const Yield& y) {
  const std::vector<YieldHour> span = HourSpan(y, ChartHours);
  if (span.empty()) return "<p>No units.</p>\n";
  int64_t most = 1;
  for (const YieldHour& h : span) most = std::max(most, h.good + h.failed);
  const double bar = span.size() > 48 ? 6 : 16, left = 40, top = 20, height = 160;
  const double width = std::max(480.0, left + bar * static_cast<double>(span.size()) + 20);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Fixed(width, 0) + "\" height=\"" +
                    Fixed(top + height + 50, 0) + "\" role=\"img\" aria-label=\"good and failed units per hour\">\n";
  auto line = [&](double x1, double y1, double x2, double y2) {
    svg += "<line x1=\"" + Fixed(x1) + "\" y1=\"" + Fixed(y1) + "\" x2=\"" + Fixed(x2) + "\" y2=\"" + Fixed(y2) +
           "\" stroke=\"#888\"/>\n";
  };
  auto text = [&](double x, double yAt, const std::string& words, const char* anchor) {
    svg += "<text x=\"" + Fixed(x) + "\" y=\"" + Fixed(yAt) + "\" text-anchor=\"" + anchor + "\">" + Html(words) +
           "</text>\n";
  };
  line(left, top, left, top + height);
  line(left, top + height, width - 20, top + height);
  text(left - 4, top + 4, std::to_string(most), "end");
  text(left - 4, top + height + 4, "0", "end");
  const size_t every = span.size() > 48 ? 6 : span.size() > 24 ? 3 : 1;
  for (size_t k = 0; k < span.size(); ++k) {
    const YieldHour& h = span[k];
    const double x = left + bar * static_cast<double>(k);
    double base = top + height;
    for (const auto& [count, colour, what] : {std::tuple{h.good, GoodColour, "good"},
                                              std::tuple{h.failed, FailedColour, "failed"}}) {
      if (count == 0) continue;
      const double tall = height * static_cast<double>(count) / static_cast<double>(most);
      base -= tall;
      svg += "<rect x=\"" + Fixed(x + 1) + "\" y=\"" + Fixed(base) + "\" width=\"" + Fixed(bar - 2) +
             "\" height=\"" + Fixed(tall) + "\" fill=\"" + colour + "\"><title>" + HourText(h.hour) + ": " +
             std::to_string(count) + " " + what + "</title></rect>\n";
    }
    const std::string hour = HourText(h.hour);
    if (k % every == 0) text(x + bar / 2, top + height + 16, hour.substr(11, 2), "middle");
    if (k == 0 || hour.substr(11, 2) == "00") text(x, top + height + 34, hour.substr(0, 10), "start");
  }
  return svg + "</svg>\n";
}

std::string HtmlPage(const Yield& y) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Yield</title>\n<style>\n"
      "body { font-family: sans-serif; margin: 2em; color: #222; }\n"
      "table { border-collapse: collapse; margin: 1em 0; }\n"
      "th, td { border: 1px solid #ccc; padding: 0.3em 0.6em; white-space: nowrap; }\n"
      "th { background: #eee; } td.n { text-align: right; } tr.total { font-weight: bold; }\n"
      "td.failed { color: #c62828; } .key span { display: inline-block; width: 1em; height: 1em; margin: 0 0.3em; }\n"
      "svg text { font-size: 11px; fill: #444; }\n"
      "</style>\n</head>\n<body>\n<h1>Yield</h1>\n<p>";
  for (size_t k = 0; k < y.files.size(); ++k) html += (k ? ", " : "") + Html(y.files[k]);
  html += ": " + std::to_string(y.lines) + " lines, " + std::to_string(y.unreadable) + " unreadable.</p>\n";
  html += "<h2>Units per hour</h2>\n<p class=\"key\"><span style=\"background:" + std::string(GoodColour) +
          "\"></span>good<span style=\"background:" + FailedColour + "\"></span>failed</p>\n" + Chart(y);
  html += "<h2>Units</h2>\n<table>\n<tr>";
  for (const std::string& head : Heads) html += "<th>" + Html(head) + "</th>";
  html += "<th>failed by result</th><th>no unit</th></tr>\n";
  auto row = [&](const YieldGroup& g, bool total) {
    const auto cells = Row(g, total);
    html += total ? "<tr class=\"total\">" : "<tr>";
    for (size_t k = 0; k < cells.size(); ++k) html += (k < 4 ? "<td>" : "<td class=\"n\">") + Html(cells[k]) + "</td>";
    html += "<td class=\"failed\">" + Html(Counts(g.failed)) + "</td><td>" + Html(Counts(g.noUnit)) + "</td></tr>\n";
  };
  for (const YieldGroup& g : y.groups) row(g, false);
  row(y.total, true);
  html += "</table>\n";
  if (!y.named.empty()) {
    html += "<h2>Unreadable lines</h2>\n<ul>\n";
    for (const UnreadableLine& u : y.named) html += "<li>" + Html(Where(u)) + "</li>\n";
    if (y.unreadable > y.named.size())
      html += "<li>and " + std::to_string(y.unreadable - y.named.size()) + " more</li>\n";
    html += "</ul>\n";
  }
  return html + "</body>\n</html>\n";
}

}  // namespace

int YieldReport(Parsed& p) {
  const auto logs = p.Positional();
  if (logs.empty()) return p.Usage("one production log at least");
  Yield y;
  for (const std::string& log : logs)
    if (!ReadProductionLog(y, log)) std::cerr << "cannot open the production log " << log << '\n';
  if (y.files.empty()) return ExitImage;
  FinishYield(y);
  if (p.Set("html")) {
    const std::string path = p.Value("html");
    std::ofstream page(Utf8Path(path), std::ios::binary);
    page << HtmlPage(y);
    if (!page.flush()) {
      std::cerr << "cannot write " << path << '\n';
      return ExitFailed;
    }
  }
  if (p.Set("json"))
    PrintJson(y);
  else
    PrintText(y);
  return ExitOk;
}
