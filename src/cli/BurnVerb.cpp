// Verbs of the burner: the burn itself and the restart request, the same
// engine as the windows over a headless control map.
#include <iostream>
#include <map>

#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "burner/BurnEngine.h"
#include "burner/BurnPage.h"
#include "cli/Cli.h"
#include "images/CodeBuffer.h"

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

namespace {

struct BurnOptions {
  std::string port, file, fill = "ff", trig;
  int target = 0;
  bool autoBurn = false, reboot = false, old = false, english = false;
};

bool Parse(const Arguments& args, BurnOptions& o, bool restart) {
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    const bool hasValue = k + 1 < args.size();
    if (arg == "--port" && hasValue) {
      o.port = args[++k];
    } else if (arg == "--target" && hasValue) {
      const std::string& id = args[++k];
      if (id.size() != 1 || id[0] < '1' || id[0] > '6') return false;
      o.target = id[0] - '0';
    } else if (restart) {
      return false;
    } else if (arg == "--fill" && hasValue) {
      o.fill = args[++k];
      if (o.fill != "00" && o.fill != "ff") return false;
    } else if (arg == "--trig" && hasValue) {
      o.trig = args[++k];
    } else if (arg == "--lang" && hasValue) {
      o.english = args[++k] == "en";
    } else if (arg == "--auto") {
      o.autoBurn = true;
    } else if (arg == "--reboot") {
      o.reboot = true;
    } else if (arg == "--old") {
      o.old = true;
    } else if (o.file.empty() && arg.rfind("--", 0) != 0) {
      o.file = arg;
    } else {
      return false;
    }
  }
  return !o.port.empty() && (restart ? o.target != 0 : !o.file.empty());
}

// The target lists as the windows fill them, so a target can be chosen.
void TargetLists(MapControls& c, int target) {
  const std::vector<std::string> ids{"ID = 1", "ID = 2", "ID = 3", "ID = 4", "ID = 5", "ID = 6"};
  c.SetEntries(Main::UpdateSelectTarget, ids);
  c.SetEntries(Burner::UpdateSelectTarget, ids);
  c.SetIndex(Main::UpdateSelectTarget, target - 1);
}

}  // namespace

int Burn(const Arguments& args) {
  BurnOptions o;
  if (!Parse(args, o, false)) return BadUsage;
  const bool script = HasEnding(o.file, "bat");
  if (!script && o.target == 0) return BadUsage;

  CliSession session(o.port);
  Ambrelin& a = session.a;
  MapControls& c = session.controls;
  a.Language = o.english ? 1 : 0;
  c.SetText(Main::UpdateTextFileName, o.file);
  TargetLists(c, o.target);
  c.SetText(Main::UpdateTextTrig, o.trig);
  c.SetTicked(Main::UpdateOptionFull0x00, o.fill == "00");
  c.SetTicked(Main::UpdateOptionFull0xff, o.fill == "ff");
  c.SetTicked(Main::UpdateCheckAutoBurn, o.autoBurn);
  c.SetTicked(Main::UpdateCheckAutoReboot, o.reboot);
  c.SetTicked(Burner::UpdateCheckVerOld, o.old);

  // The burner window's captions as they change, in its language.
  std::map<std::string, std::string, std::less<>> shown;
  c.textChanged = [&](Control changed, std::string_view text) {
    if (changed.window != Burner::BurnDesktop.window) return;
    if (changed.name != Burner::UpdateLabelBurnState.name && changed.name != Burner::UpdateLabelBurnError.name &&
        changed.name != Burner::UpdateLabelBurnTotal.name)
      return;
    std::string& last = shown[std::string(changed.name)];
    if (last == text) return;
    last = text;
    std::cout << text << std::endl;
  };

  if (!session.Open("38400,N,8,1")) return PortFailed;
  const BurnOutcome outcome = UpdateButtonUpdate_Click(a);
  // A repeating burn ends when the line has no more targets to offer.
  const bool done = outcome.end == BurnEnd::Finished ||
                    (o.autoBurn && outcome.good > 0 && outcome.end == BurnEnd::NextNotFound);
  return done ? Ok : Refused;
}

int Restart(const Arguments& args) {
  BurnOptions o;
  if (!Parse(args, o, true)) return BadUsage;
  CliSession session(o.port);
  TargetLists(session.controls, o.target);
  if (!session.Open("38400,N,8,1")) return PortFailed;
  UpdateButtonRestart_Click(session.a);
  // The request leaves before the port is let go.
  session.a.pump.WaitUntil(session.a.pump.Now() + 0.1, [] { return false; });
  return Ok;
}
