// The DSP flash download from the command line: the images loaded as the
// decoder window loads them, the same job, its labels printed as they change.
#include <iostream>

#include "cli/Cli.h"
#include "dspflash/FlashDownload.h"
#include "dspflash/FlashFile.h"
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

}  // namespace

int DspDownload(const Arguments& args) {
  std::string portText;
  std::vector<std::string> files;
  for (size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--port" && k + 1 < args.size())
      portText = args[++k];
    else if (args[k].rfind("--", 0) != 0 && files.size() < 2)
      files.push_back(args[k]);
    else
      return BadUsage;
  }
  if (portText.empty() || files.empty()) return BadUsage;

  CliSession session(portText);
  session.controls.textChanged = [](Control c, std::string_view text) {
    for (Control label : Labels)
      if (c.name == label.name) std::cout << text << std::endl;
  };
  if (!Opened(session, OpenEggFile, files[0])) return Refused;
  if (files.size() == 2 && !Opened(session, OpenFlashFile, files[1])) return Refused;
  if (!session.Open("38400,N,8,1")) return PortFailed;
  return AudioFlashDownload_Click(session.a).end == DownloadEnd::Done ? Ok : Refused;
}
