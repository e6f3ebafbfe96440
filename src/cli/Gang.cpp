// A gang burn: one child process a port, each with its own event loop and its
// own job, their progress gathered into a line each and a table at the end.
#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>

#include "app/ChildProcess.h"
#include "burner/ProductionLog.h"
#include "cli/Cli.h"
#include "cli/Terminal.h"

namespace {

struct Unit {
  std::string port;
  std::unique_ptr<QProcess> process;
  std::string status = "starting";
  QJsonObject summary;
  int exit = -1;
};

std::string Text(const QJsonObject& o, const char* key) {
  const QJsonValue v = o.value(key);
  return v.isString() ? v.toString().toStdString() : v.isDouble() ? QString::number(v.toDouble()).toStdString() : "";
}

// The child's arguments: the parent's, with this one port, no display
// options and none of what the parent has checked once for all (the image
// against the expected one).
QStringList ChildArguments(const Parsed& p, const std::string& port, const char* output) {
  QStringList list{QString::fromUtf8(p.verb.name.data(), static_cast<qsizetype>(p.verb.name.size())), "--port",
                   QString::fromStdString(port), output};
  const std::vector<std::string> taken{"--port", "--expect", "--expect-sha256"};
  for (size_t k = 0; k < p.args.size(); ++k) {
    const std::string& arg = p.args[k];
    if (std::ranges::find(taken, arg) != taken.end()) {
      ++k;
      continue;
    }
    const bool valueTaken =
        std::ranges::any_of(taken, [&arg](const std::string& o) { return arg.starts_with(o + "="); });
    if (valueTaken || arg == "--json" || arg == "--quiet" || arg == "--verbose") continue;
    list << QString::fromStdString(arg);
  }
  return list;
}

std::string StatusOf(const QJsonObject& progress) {
  char text[96];
  const std::string phase = Text(progress, "phase");
  if (phase == "programming")
    std::snprintf(text, sizeof text, "programming %3.0f%%  %s  errors %s", progress.value("done").toDouble() * 100,
                  Text(progress, "address").c_str(), Text(progress, "errors").c_str());
  else
    std::snprintf(text, sizeof text, "%s  errors %s", phase.c_str(), Text(progress, "errors").c_str());
  return text;
}

void Table(const std::vector<Unit>& units) {
  size_t width = 4;
  for (const Unit& u : units) width = std::max(width, u.port.size());
  std::printf("%-*s  %-14s  %-28s  %-6s  %-6s  %s\n", static_cast<int>(width), "port", "result", "chip", "verify",
              "errors", "seconds");
  for (const Unit& u : units) {
    const QJsonObject& s = u.summary;
    const std::string chip = Text(s, "chip_id").empty() ? "-" : Text(s, "chip_id") + " " + Text(s, "chip");
    std::printf("%-*s  %-14s  %-28s  %-6s  %-6s  %.1f\n", static_cast<int>(width), u.port.c_str(),
                s.isEmpty() ? "no summary" : Text(s, "result").c_str(), chip.c_str(), Text(s, "verify_sum").c_str(),
                Text(s, "errors").c_str(), s.value("seconds").toDouble());
  }
}

}  // namespace

int GangBurn(Parsed& p) {
  const bool json = p.Set("json"), quiet = p.Set("quiet") || json;
  const bool live = !quiet && OutputIsTerminal();
  std::vector<Unit> units;
  for (const std::string& port : p.Values("port")) units.push_back({port, std::make_unique<QProcess>()});

  QEventLoop loop;
  int running = static_cast<int>(units.size());
  const auto redraw = [&] {
    if (!live) return;
    std::cout << LinesUp(units.size());
    for (const Unit& u : units) std::cout << u.port << "  " << u.status << EraseLineEnd << "\n";
    std::cout << std::flush;
  };
  if (live) std::cout << std::string(units.size(), '\n');
  for (Unit& u : units) {
    QProcess& child = *u.process;
    // Its own process group: Ctrl-C reaches the parent alone, which passes
    // it on once, so each unit stops through its own clean-up.
    OwnProcessGroup(child);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(&child, &QProcess::readyReadStandardOutput, [&, unit = &u] {
      while (unit->process->canReadLine()) {
        const QJsonObject o = QJsonDocument::fromJson(unit->process->readLine()).object();
        if (o.contains("what")) {
          unit->summary = o;
          unit->status = Text(o, "result");
        } else if (o.contains("phase")) {
          const std::string status = StatusOf(o);
          if (!live && !quiet && Text(o, "phase") != unit->status.substr(0, unit->status.find(' ')))
            std::cout << "burn " << unit->port << ": " << Text(o, "phase") << std::endl;
          unit->status = status;
        }
      }
      redraw();
    });
    QObject::connect(&child, &QProcess::finished, [&, unit = &u](int code, QProcess::ExitStatus status) {
      unit->exit = status == QProcess::NormalExit ? code : ExitFailed;
      if (unit->summary.isEmpty()) unit->status = "ended without a summary";
      redraw();
      if (--running == 0) loop.quit();
    });
    child.start(QCoreApplication::applicationFilePath(), ChildArguments(p, u.port, "--machine"));
  }
  OnInterrupt([&units] {
    for (Unit& u : units) AskToStop(*u.process);
  });
  if (running > 0) loop.exec();

  int exit = ExitOk;
  for (const Unit& u : units)
    if (exit == ExitOk && u.exit != ExitOk) exit = u.exit;
  if (WasInterrupted()) exit = ExitStopped;
  if (json) {
    std::string line = "{\"what\":\"gang burn\",\"exit\":" + std::to_string(exit) + ",\"units\":[";
    for (size_t k = 0; k < units.size(); ++k) {
      QJsonObject s = units[k].summary;
      s.insert("port", QString::fromStdString(units[k].port));
      s.insert("exit", units[k].exit);
      line += (k ? "," : "") + QJsonDocument(s).toJson(QJsonDocument::Compact).toStdString();
    }
    std::cout << line << "]}" << std::endl;
    return exit;
  }
  Table(units);
  return exit;
}

int IdentifyPorts(Parsed& p) {
  std::vector<Unit> units;
  for (const std::string& port : p.Values("port")) units.push_back({port, std::make_unique<QProcess>()});
  // Ctrl-C reaches the children too; each ends its search and says so.
  OnInterrupt([] {});
  for (Unit& u : units) {
    u.process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    u.process->start(QCoreApplication::applicationFilePath(), ChildArguments(p, u.port, "--json"));
  }
  int exit = ExitOk;
  for (Unit& u : units) {
    QProcess& child = *u.process;
    const bool ran = child.waitForFinished(-1) && child.exitStatus() == QProcess::NormalExit;
    u.exit = ran ? child.exitCode() : ExitFailed;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
      if (const QJsonObject o = QJsonDocument::fromJson(line).object(); o.contains("what")) u.summary = o;
    u.summary.insert("port", QString::fromStdString(u.port));
    // A port that cannot be opened weighs more than a fixture left empty.
    if (u.exit == ExitPort)
      exit = ExitPort;
    else if (exit == ExitOk)
      exit = u.exit;
  }
  if (WasInterrupted()) exit = ExitStopped;
  if (p.Set("json")) {
    for (const Unit& u : units)
      std::cout << QJsonDocument(u.summary).toJson(QJsonDocument::Compact).toStdString() << "\n";
    std::cout << std::flush;
    return exit;
  }
  size_t width = 4, adapterWidth = 7;
  for (const Unit& u : units) {
    width = std::max(width, u.port.size());
    adapterWidth = std::max(adapterWidth, Text(u.summary, "adapter").size());
  }
  std::printf("%-*s  %-*s  %s\n", static_cast<int>(width), "port", static_cast<int>(adapterWidth), "adapter", "chip");
  for (const Unit& u : units) {
    const QJsonObject& s = u.summary;
    std::string chip = Text(s, "result") == "found" ? Text(s, "chip_id") + " " + Text(s, "chip") : Text(s, "result");
    if (Text(s, "result") == "cannot open") chip += ": " + Text(s, "message");
    if (!s.contains("what")) chip = "ended without a summary";
    const std::string adapter = Text(s, "adapter").empty() ? "-" : Text(s, "adapter");
    std::printf("%-*s  %-*s  %s\n", static_cast<int>(width), u.port.c_str(), static_cast<int>(adapterWidth),
                adapter.c_str(), chip.c_str());
  }
  std::fflush(stdout);
  return exit;
}
