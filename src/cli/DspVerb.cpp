// The DSP flash download from the command line: the images loaded as the
// decoder window loads them, the same job, its progress and summary shown.
#include <iostream>

#include "app/Job.h"
#include "burner/ProductionLog.h"
#include "cli/Cli.h"
#include "dspflash/FlashDownload.h"
#include "dspflash/FlashOpen.h"
#include "panels/DecoderFormControls.h"

namespace C = DecoderFormControls;

namespace {

constexpr Control Labels[] = {C::AudioFlashEggDate,       C::AudioFlashEggCodeSize,   C::AudioFlashEggCodeCount,
                              C::AudioFlashFlashDate,     C::AudioFlashFlashCodeSize, C::AudioFlashFlashCodeCount,
                              C::AudioFlashBurnInfo,      C::AudioFlashBurnError,     C::AudioFlashBurnTime};

// The loader has put its own message on stderr when the file was bad.
bool Opened(CliSession& session, std::optional<Loaded> (*open)(Ambrelin&, const std::string&),
            const std::string& path) {
  const auto loaded = open(session.a, path);
  if (loaded) return static_cast<bool>(*loaded);
  std::cerr << "no such file: " << path << '\n';
  return false;
}

std::string_view ResultOf(DownloadEnd end) {
  switch (end) {
    case DownloadEnd::Done: return "done";
    case DownloadEnd::Stopped: return "stopped";
    case DownloadEnd::Busy: return "busy";
    case DownloadEnd::NotFound: return "not found";
    case DownloadEnd::EraseNoResponse: return "erase unanswered";
    case DownloadEnd::WriteNoResponse: return "write unanswered";
    case DownloadEnd::PortLost: return "port lost";
    case DownloadEnd::PortClosed: return "port closed";
    case DownloadEnd::BaudRefused: return "port refuses 128000 baud";
    case DownloadEnd::ImageChanged: return "image changed";
  }
  return "";
}

int ExitOf(DownloadEnd end) {
  switch (end) {
    case DownloadEnd::Done: return ExitOk;
    case DownloadEnd::Stopped: return ExitStopped;
    case DownloadEnd::NotFound: return ExitNoTarget;
    case DownloadEnd::EraseNoResponse:
    case DownloadEnd::WriteNoResponse: return ExitJob;
    case DownloadEnd::PortLost: return ExitPortLost;
    case DownloadEnd::PortClosed:
    case DownloadEnd::BaudRefused: return ExitPort;
    case DownloadEnd::ImageChanged: return ExitImage;
    case DownloadEnd::Busy: return ExitFailed;
  }
  return ExitFailed;
}

}  // namespace

int DspDownload(Parsed& p) {
  if (!p.Set("port")) return p.Usage("--port is required");
  const auto files = p.Positional();
  if (files.empty() || files.size() > 2) return p.Usage("an Egg image and at most one Flash image");

  CliSession session(p.Value("port"), p.English());
  Ambrelin& a = session.a;
  Reporter reporter(p, "dsp-download " + session.portText, a);
  if (reporter.mode == Reporter::Mode::Verbose)
    session.controls.textChanged = [](Control c, std::string_view text) {
      for (Control label : Labels)
        if (c.name == label.name) std::cout << text << std::endl;
    };
  if (!Opened(session, OpenEggFile, files[0])) return ExitImage;
  if (files.size() == 2 && !Opened(session, OpenFlashFile, files[1])) return ExitImage;
  // A download that could not be recorded does not begin.
  const std::string log = p.Set("log") ? p.Value("log") : "";
  if (!log.empty() && !CanAppend(log)) {
    std::cerr << "cannot write the production log " << log << '\n';
    reporter.Summary({{"result", "", "log error"}, {"exit", "", std::to_string(ExitLog), true}});
    return ExitLog;
  }
  if (!session.Open("38400,N,8,1")) {
    if (!log.empty()) {
      DownloadRecord failed = DspDownloadRecord(files[0], session.portText, "", p.Who());
      failed.result = "cannot open";
      if (!AppendLine(log, DownloadLogLine(failed))) std::cerr << "cannot write the production log " << log << '\n';
    }
    return reporter.PortFailed(session);
  }
  OnInterrupt([&a] {
    if (a.job == Job::Download) AudioFlashDownload_Click(a);
  });
  const double started = a.pump.Now();
  const DownloadOutcome outcome = AudioFlashDownload_Click(a);
  int exit = WasInterrupted() ? static_cast<int>(ExitStopped) : ExitOf(outcome.end);
  const auto checksum = CodeChecksum(a.code, 0, CodeBufferLast);
  if (!log.empty()) {
    DownloadRecord record = DspDownloadRecord(files[0], session.portText, session.Adapter(), p.Who());
    record.imageChecksum = checksum;
    record.result = ResultOf(outcome.end);
    record.errors = outcome.errors;
    if (outcome.end != DownloadEnd::Done) record.address = outcome.address;
    record.seconds = a.pump.Now() - started;
    if (!AppendLine(log, DownloadLogLine(record))) {
      std::cerr << "cannot write the production log " << log << '\n';
      if (exit == ExitOk) exit = ExitLog;
    }
  }
  std::vector<Reporter::Field> fields{{"result", "", std::string(ResultOf(outcome.end))},
                                     {"exit", "", std::to_string(exit), true},
                                     {"image", "image", files[0]},
                                     {"image_checksum", "checksum", HexWord(static_cast<uint32_t>(checksum))},
                                     {"errors", "errors", std::to_string(outcome.errors), true}};
  if (outcome.end != DownloadEnd::Done)
    fields.push_back({"address", "stopped at", HexWord(static_cast<uint32_t>(outcome.address))});
  reporter.Summary(fields);
  return exit;
}
