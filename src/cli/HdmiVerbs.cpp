// Verbs that look inside a unit: the HDMI register dump and the memory batches.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <span>

#include "app/DesktopFormControls.h"
#include "app/Utf8Path.h"
#include "batch/Basic.h"
#include "batch/Batch.h"
#include "burner/ProductionLog.h"
#include "cli/Cli.h"
#include "panels/HdmiRegisters.h"

namespace {

bool WriteBytes(const std::string& path, std::span<const uint8_t> bytes) {
  std::ofstream file(Utf8Path(path), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

std::string_view ResultOf(DumpEnd end) {
  switch (end) {
    case DumpEnd::Complete: return "done";
    case DumpEnd::Timeout: return "timeout";
    case DumpEnd::CommunicationError: return "communication error";
    case DumpEnd::ReadError: return "read error";
    case DumpEnd::Busy: return "busy";
  }
  return "";
}

// A job that cannot be stopped ends the run at once on Ctrl-C.
void ExitOnInterrupt() {
  OnInterrupt([] { std::exit(ExitStopped); });
}

}  // namespace

int HdmiDump(Parsed& p) {
  if (!p.Set("port")) return p.Usage("--port is required");
  const std::string chip = p.Value("chip");
  if (chip != "9880" && chip != "9889") return p.Usage("--chip must be 9880 or 9889");

  CliSession session(p.Value("port"), p.English());
  Reporter reporter(p, "hdmi-dump " + session.portText, session.a);
  reporter.lineOut = &std::cerr;
  if (!session.Open("38400,N,8,1")) return reporter.PortFailed(session);
  ExitOnInterrupt();
  const DumpResult result = ReadRegisters(session.a, chip == "9880" ? Ad9880 : Ad9889);
  const bool lost = !session.port.IsOpen();
  int exit = lost ? ExitPortLost : result.end == DumpEnd::Complete ? ExitOk : result.reg == 0 ? ExitNoTarget : ExitFailed;
  const std::span<const uint8_t> registers(session.a.code.Buffer.data(), 256);
  if (exit == ExitOk && p.Set("out") && !WriteBytes(p.Value("out"), registers)) {
    std::cerr << "cannot write " << p.Value("out") << '\n';
    exit = ExitFailed;
  }
  if (result.end != DumpEnd::Complete) std::cerr << DumpEndText(result) << '\n';
  if (exit == ExitOk && !p.Set("out") && reporter.mode != Reporter::Mode::Json) std::cout << HexDump(registers, 255);
  reporter.Summary({{"result", "", lost ? "port lost" : std::string(ResultOf(result.end))},
                    {"exit", "", std::to_string(exit), true},
                    {"chip", "chip", "AD" + chip},
                    {"address", "registers read", std::to_string(result.end == DumpEnd::Complete ? 256 : result.reg), true}});
  return exit;
}

int Batch(Parsed& p) {
  if (!p.Set("port")) return p.Usage("--port is required");
  if (p.Set("read") == p.Set("write")) return p.Usage("either --read or --write FILE");
  const std::string file = p.Value("write");
  // The page would write whatever the code buffer holds; a line tool refuses instead.
  if (p.Set("write") && !std::filesystem::is_regular_file(Utf8Path(file))) {
    std::cerr << "cannot read " << file << '\n';
    return ExitImage;
  }

  CliSession session(p.Value("port"), p.English());
  Reporter reporter(p, "batch " + session.portText, session.a);
  reporter.lineOut = &std::cerr;
  if (!session.Open("38400,N,8,1")) return reporter.PortFailed(session);
  ExitOnInterrupt();
  // The batch runs as the page's first slot would, result file included.
  const BatchSlot& slot = BatchSlots::All[0];
  session.controls.SetText(slot.port, p.Value("port-text"));
  session.controls.SetText(slot.file, file);
  const BatchOutcome outcome =
      p.Set("write") ? BatchButtonWrite_Click(session.a, slot) : BatchButtonRead_Click(session.a, slot);
  const int exit = outcome.end == BatchEnd::PortClosed ? ExitPortLost
                   : outcome.end == BatchEnd::BadPortText  ? ExitUsage
                   : outcome.saved && outcome.end == BatchEnd::Sent ? ExitOk
                                                                    : ExitFailed;
  const Ambrelin& a = session.a;
  if (exit == ExitOk && reporter.mode != Reporter::Mode::Json)
    std::cout << (p.Set("write") ? HexDump(a.code.Buffer, BatchCount - 1) : HexDump(a.BatchReadBuffer, BatchCount - 1));
  reporter.Summary({{"result", "", exit == ExitOk ? "done" : "failed"},
                    {"exit", "", std::to_string(exit), true},
                    {"sent", "commands sent", std::to_string(outcome.sent), true},
                    {"result_file", "result file", outcome.saved ? BatchResultPath(a, slot) : ""}});
  return exit;
}
