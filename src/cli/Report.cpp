// How a job of the command line shows itself: progress while it runs and
// one summary when it ends.
#include <cstdio>
#include <iostream>

#include "burner/ProductionLog.h"
#include "cli/Cli.h"
#include "cli/Terminal.h"
#include "link/ComPort.h"

namespace {

std::string_view PhaseName(Phase phase) {
  switch (phase) {
    case Phase::Search: return "searching";
    case Phase::Wait: return "waiting for the unit";
    case Phase::Program: return "programming";
    case Phase::Verify: return "verifying";
  }
  return "";
}

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", seconds);
  return text;
}

Reporter::Mode ModeOf(const Parsed& p) {
  using Mode = Reporter::Mode;
  if (p.Set("machine")) return Mode::Machine;
  if (p.Set("json")) return Mode::Json;
  if (p.Set("quiet")) return Mode::Quiet;
  if (p.Set("verbose")) return Mode::Verbose;
  return OutputIsTerminal() ? Mode::Live : Mode::Phases;
}

}  // namespace

Reporter::Reporter(const Parsed& p, std::string whatText, Ambrelin& app)
    : mode(ModeOf(p)), what(std::move(whatText)), lineOut(&std::cout), a(app), started(app.pump.Now()) {
  a.progress = [this](const Progress& progress) { Show(progress); };
}

Reporter::~Reporter() { a.progress = nullptr; }

void Reporter::Show(const Progress& p) {
  const double elapsed = a.pump.Now() - started;
  const double span = std::max(1, p.last - p.first + 1);
  const double done = std::clamp((p.address - p.first) / span, 0.0, 1.0);
  const bool changed = phase != p.phase;
  phase = p.phase;
  if (changed && p.phase == Phase::Program) programStarted = a.pump.Now();
  switch (mode) {
    case Mode::Machine:
      std::cout << "{\"phase\":" << JsonText(PhaseName(p.phase)) << ",\"done\":" << done
                << ",\"address\":" << JsonText(HexWord(static_cast<uint32_t>(p.address))) << ",\"errors\":" << p.errors << "}" << std::endl;
      return;
    case Mode::Phases:
      if (!changed) return;
      std::cout << what << ": " << PhaseName(p.phase);
      if (p.phase == Phase::Program) std::cout << " " << HexWord(static_cast<uint32_t>(p.first)) << "-" << HexWord(static_cast<uint32_t>(p.last));
      std::cout << std::endl;
      return;
    case Mode::Live: {
      std::string line = what + "  " + std::string(PhaseName(p.phase));
      if (p.phase == Phase::Program) {
        char percent[16];
        std::snprintf(percent, sizeof percent, "%3.0f%%", done * 100);
        line += std::string("  ") + percent + "  " + HexWord(static_cast<uint32_t>(p.address));
      }
      line += "  errors " + std::to_string(p.errors) + "  " + Seconds(elapsed);
      // The rate since programming began, taken as constant for the rest.
      const double programming = a.pump.Now() - programStarted;
      if (p.phase == Phase::Program && done > 0.01) line += "  left " + Seconds(programming * (1 - done) / done);
      std::cout << "\r" << line << EraseLineEnd << std::flush;
      live = true;
      return;
    }
    case Mode::Verbose:
    case Mode::Quiet:
    case Mode::Json: return;
  }
}

void Reporter::Summary(std::vector<Field> fields) {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f", a.pump.Now() - started);
  fields.push_back({"seconds", "time", seconds, true, " s"});
  if (mode == Mode::Json || mode == Mode::Machine) {
    std::string json = "{\"what\":" + JsonText(what);
    for (const Field& f : fields)
      if (!f.text.empty()) json += ",\"" + f.key + "\":" + (f.number ? f.text : JsonText(f.text));
    std::cout << json << "}" << std::endl;
    return;
  }
  if (live) std::cout << "\r" << EraseLineEnd << std::flush;
  // A field without a label goes on with the one before it.
  std::string line = what + ":";
  for (const Field& f : fields) {
    if (f.text.empty() || f.key == "exit" || !f.onLine) continue;
    line += (f.label.empty() || line.ends_with(':') ? " " : ", ") + (f.label.empty() ? "" : f.label + " ") + f.text + f.unit;
  }
  *lineOut << line << std::endl;
}

int Reporter::PortFailed(const CliSession& session) {
  if (mode != Mode::Json && mode != Mode::Machine) return ExitPort;
  const PortCause& cause = session.cause;
  Summary({{"result", "", "cannot open"},
           {"exit", "", std::to_string(ExitPort), true},
           {"device", "", session.device},
           {"cause", "", std::string(FaultName(cause.fault))},
           {"pid", "", cause.pid > 0 ? std::to_string(cause.pid) : "", true},
           {"group", "", cause.group},
           {"message", "", OpenFailedText(a, session.device.empty() ? session.portText : session.device, cause)}});
  return ExitPort;
}
