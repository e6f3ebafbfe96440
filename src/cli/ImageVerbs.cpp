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
struct Loaded {
  std::string file;
  int32_t start = 0, end = 65535, last = 1023;
};

std::optional<Loaded> ReadOptions(const Arguments& args, bool range, bool last, MapControls& controls) {
  Loaded loaded;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    const bool hasValue = k + 1 < args.size();
    std::optional<int32_t> value;
    if (arg == "--fill" && hasValue) {
      const std::string fill = args[++k];
      if (fill != "00" && fill != "ff" && fill != "FF") return std::nullopt;
      controls.SetTicked(Main::UpdateOptionFull0x00, fill == "00");
    } else if (range && (arg == "--start" || arg == "--end") && hasValue && (value = Number(args[++k]))) {
      (arg == "--start" ? loaded.start : loaded.end) = *value;
    } else if (last && arg == "--last" && hasValue && (value = Number(args[++k])) && *value <= 0x7FFF) {
      loaded.last = *value;
    } else if (loaded.file.empty() && arg.rfind("--", 0) != 0) {
      loaded.file = arg;
    } else {
      return std::nullopt;
    }
  }
  if (loaded.file.empty()) return std::nullopt;
  return loaded;
}

// Loads as the burn page does. A file of another kind would leave the buffer
// as it was and pass for loaded, so it is refused here.
int Load(CliSession& session, const Loaded& loaded) {
  bool known = false;
  for (std::string_view ending : {"hex", "tot", "bin", "val", "txt", "bat"}) known = known || HasEnding(loaded.file, ending);
  if (!known) {
    std::cerr << "not an image file: " << loaded.file << '\n';
    return Refused;
  }
  LoadByEnding(session.a, loaded.file, loaded.start, loaded.end);
  return session.dialogs.messages ? Refused : Ok;
}

}  // namespace

int Image(const Arguments& args) {
  CliSession session("");
  const auto loaded = ReadOptions(args, true, false, session.controls);
  if (!loaded) return BadUsage;
  if (const int exit = Load(session, *loaded); exit != Ok) return exit;
  for (Control label : {Main::UpdateLableFileDate, Main::UpdateLabelCodeName, Main::UpdateLabelCodeSum,
                        Main::UpdateLableCodeSize})
    std::cout << session.controls.Text(label) << '\n';
  for (const std::string& line : session.controls.Entries(Main::UpdateListInfo)) std::cout << line << '\n';
  return Ok;
}

int Hex2Tot(const Arguments& args) {
  CliSession session("");
  const auto loaded = ReadOptions(args, false, false, session.controls);
  if (!loaded) return BadUsage;
  if (const int exit = Load(session, *loaded); exit != Ok) return exit;
  session.controls.SetText(Main::UpdateTextFileName, loaded->file);
  ToolButtonHex2Tot_Click(session.a);
  if (session.dialogs.messages) return Refused;
  std::cout << loaded->file.substr(0, loaded->file.size() - 4) << ".Tot\n";
  return Ok;
}

int Dump(const Arguments& args) {
  CliSession session("");
  const auto loaded = ReadOptions(args, false, true, session.controls);
  if (!loaded) return BadUsage;
  if (const int exit = Load(session, *loaded); exit != Ok) return exit;
  std::cout << DumpCodeBuffer(session.a, static_cast<int16_t>(loaded->last)) << std::flush;
  return Ok;
}
