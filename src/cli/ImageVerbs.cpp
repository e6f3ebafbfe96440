// Image files from the command line: load and describe, convert to Tot, dump.
#include <iostream>

#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "batch/Basic.h"
#include "burner/BurnPage.h"
#include "burner/ProductionLog.h"
#include "cli/Cli.h"
#include "dspflash/FlashOpen.h"
#include "images/CodeBuffer.h"
#include "images/RedidoFile.h"

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

namespace {

// Loads the one FILE as the burn page does, with the fill and checksum range
// of the options; the loader has put its own message on stderr. A file no
// loader takes would leave the buffer as it was and pass for loaded, so it is
// refused here.
int Load(Parsed& p, CliSession& session, int32_t start, int32_t end) {
  const auto files = p.Positional();
  if (files.size() != 1) return p.Usage("one image file");
  const auto fill = p.Fill();
  if (!fill) return ExitUsage;
  session.controls.SetTicked(Main::UpdateOptionFull0x00, *fill == 0x00);
  const auto loaded = LoadByEnding(session.a, files[0], start, end);
  if (!loaded) {
    std::cerr << "not an image file: " << files[0] << '\n';
    return ExitImage;
  }
  return *loaded ? ExitOk : ExitImage;
}

// The Egg image and the Flash patch laid over it, as the decoder window
// loads them, described without a unit.
int DspImage(Parsed& p, CliSession& session) {
  const auto files = p.Positional();
  Ambrelin& a = session.a;
  const Loaded egg = LoadCode_EggFile(a, files[0], 0xFF);
  if (!egg) return ExitImage;
  std::cout << files[0] << ": 0x" << HexText(static_cast<uint32_t>(egg.length)) << " bytes, " << egg.lines
            << " lines\n";
  if (files.size() == 2) {
    const Loaded flash = LoadCode_FlashFile(a, files[1], 0xFF);
    if (!flash) return ExitImage;
    std::cout << files[1] << ": " << flash.stored << " bytes overwritten, " << flash.lines << " lines\n";
  }
  std::cout << "checksum " << HexWord(static_cast<uint32_t>(CodeChecksum(a.code, 0, CodeBufferLast))) << '\n';
  return ExitOk;
}

}  // namespace

int Image(Parsed& p) {
  CliSession session("", p.English());
  const auto files = p.Positional();
  if (!files.empty() && HasEnding(files[0], "img")) {
    if (files.size() > 2) return p.Usage("an Egg image and at most one Flash image");
    return DspImage(p, session);
  }
  const auto start = p.Hex("start", CodeBufferLast), end = p.Hex("end", CodeBufferLast);
  if (!start || !end) return p.Usage("--start and --end must be addresses in hex, up to 7FFFF");
  if (const int exit = Load(p, session, static_cast<int32_t>(start->value_or(0)),
                            static_cast<int32_t>(end->value_or(0xFFFF)));
      exit != ExitOk)
    return exit;
  // The burner window's twins carry the English words.
  const bool english = p.English();
  for (Control label : {english ? Burner::UpdateLableFileDate : Main::UpdateLableFileDate,
                        english ? Burner::UpdateLabelCodeName : Main::UpdateLabelCodeName,
                        english ? Burner::UpdateLabelCodeSum : Main::UpdateLabelCodeSum, Main::UpdateLableCodeSize})
    std::cout << session.controls.Text(label) << '\n';
  for (const std::string& line : session.controls.Entries(Main::UpdateListInfo)) std::cout << line << '\n';
  return ExitOk;
}

int Hex2Tot(Parsed& p) {
  CliSession session("", p.English());
  if (const int exit = Load(p, session, 0, 0xFFFF); exit != ExitOk) return exit;
  const std::string file = p.Positional()[0];
  session.controls.SetText(Main::UpdateTextFileName, file);
  if (!ToolButtonHex2Tot_Click(session.a)) return ExitFailed;
  std::cout << file.substr(0, file.size() - 4) << ".Tot\n";
  return ExitOk;
}

int Dump(Parsed& p) {
  CliSession session("", p.English());
  const auto last = p.Hex("last", 0x7FFF);
  if (!last) return p.Usage("--last must be an address in hex, up to 7FFF");
  if (const int exit = Load(p, session, 0, 0xFFFF); exit != ExitOk) return exit;
  std::cout << DumpCodeBuffer(session.a, static_cast<int16_t>(last->value_or(0x3FF))) << std::flush;
  return ExitOk;
}
