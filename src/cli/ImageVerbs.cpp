// Image files from the command line: load and describe, convert to Tot, dump.
#include <iostream>

#include "app/DesktopFormControls.h"
#include "batch/Basic.h"
#include "burner/BurnPage.h"
#include "cli/Cli.h"
#include "images/CodeBuffer.h"
#include "images/RedidoFile.h"

namespace Main = DesktopFormControls;

namespace {

std::optional<int32_t> Number(const std::string& text) {
  try {
    size_t used = 0;
    const long value = std::stol(text, &used, 0);
    if (used != text.size() || value < 0 || value > 0x7FFFF) return std::nullopt;
    return static_cast<int32_t>(value);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// Loads FILE as the burn page does; the remaining options are left for the verb.
struct Request {
  std::string file;
  int32_t start = 0, end = 65535, last = 1023;
};

std::optional<Request> ReadOptions(const Arguments& args, bool range, bool last, MapControls& controls) {
  Request request;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    const bool hasValue = k + 1 < args.size();
    std::optional<int32_t> value;
    if (arg == "--fill" && hasValue) {
      const std::string fill = args[++k];
      if (fill != "00" && fill != "ff" && fill != "FF") return std::nullopt;
      controls.SetTicked(Main::UpdateOptionFull0x00, fill == "00");
    } else if (range && (arg == "--start" || arg == "--end") && hasValue && (value = Number(args[++k]))) {
      (arg == "--start" ? request.start : request.end) = *value;
    } else if (last && arg == "--last" && hasValue && (value = Number(args[++k])) && *value <= 0x7FFF) {
      request.last = *value;
    } else if (request.file.empty() && arg.rfind("--", 0) != 0) {
      request.file = arg;
    } else {
      return std::nullopt;
    }
  }
  if (request.file.empty()) return std::nullopt;
  return request;
}

// Loads as the burn page does; the loader has put its own message on stderr.
// A file no loader takes would leave the buffer as it was and pass for
// loaded, so it is refused here.
int Load(CliSession& session, const Request& request) {
  const auto loaded = LoadByEnding(session.a, request.file, request.start, request.end);
  if (!loaded) {
    std::cerr << "not an image file: " << request.file << '\n';
    return Refused;
  }
  return *loaded ? Ok : Refused;
}

}  // namespace

int Image(const Arguments& args) {
  CliSession session("");
  const auto request = ReadOptions(args, true, false, session.controls);
  if (!request) return BadUsage;
  if (const int exit = Load(session, *request); exit != Ok) return exit;
  for (Control label : {Main::UpdateLableFileDate, Main::UpdateLabelCodeName, Main::UpdateLabelCodeSum,
                        Main::UpdateLableCodeSize})
    std::cout << session.controls.Text(label) << '\n';
  for (const std::string& line : session.controls.Entries(Main::UpdateListInfo)) std::cout << line << '\n';
  return Ok;
}

int Hex2Tot(const Arguments& args) {
  CliSession session("");
  const auto request = ReadOptions(args, false, false, session.controls);
  if (!request) return BadUsage;
  if (const int exit = Load(session, *request); exit != Ok) return exit;
  session.controls.SetText(Main::UpdateTextFileName, request->file);
  if (!ToolButtonHex2Tot_Click(session.a)) return Refused;
  std::cout << request->file.substr(0, request->file.size() - 4) << ".Tot\n";
  return Ok;
}

int Dump(const Arguments& args) {
  CliSession session("");
  const auto request = ReadOptions(args, false, true, session.controls);
  if (!request) return BadUsage;
  if (const int exit = Load(session, *request); exit != Ok) return exit;
  std::cout << DumpCodeBuffer(session.a, static_cast<int16_t>(request->last)) << std::flush;
  return Ok;
}
