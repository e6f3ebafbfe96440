// A 64 KB burn against ambrelin-unit over a pseudo-terminal, through the
// real port and event pump: wall time next to the wire time of the bytes
// exchanged, the time each request/reply exchange adds, and the program's
// CPU time. Run once with the unit's wire-time model at 38,400 baud and once
// without it.
#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "PtyUnit.h"
#include "app/DesktopFormControls.h"
#include "app/MapControls.h"
#include "app/QtPlatform.h"
#include "burner/BurnEngine.h"
#include "link/ComPort.h"
#include "link/QtSerialPort.h"

namespace Main = DesktopFormControls;

namespace {

void Run(bool wire, const std::string& image) {
  std::vector<std::string> options{"--quiet", "--chip", "0003"};
  if (!wire) options.push_back("--no-wire");
  const PtyUnit unit = StartUnit(options);
  PinStore settings;
  settings.device = unit.device;

  QtSerialPort port(settings);
  QtEventPump pump;
  Quiet dialogs;
  MapControls controls;
  Ambrelin a{controls, port, pump, dialogs, settings, "/tmp"};
  ConnectPort(a);
  controls.SetEntries(Main::UpdateSelectTarget, {"ID = 1"});
  controls.SetIndex(Main::UpdateSelectTarget, 0);
  controls.SetText(Main::UpdateTextFileName, image);
  port.Open(unit.device, "38400,N,8,1");

  const double cpu0 = CpuSeconds(), wall0 = pump.Now();
  UpdateButtonUpdate_Click(a, 0xFF);
  const double wall = pump.Now() - wall0, cpu = CpuSeconds() - cpu0;
  StopUnit(unit);

  // 512 erases (12 out, 10 back), 512 writes (140, 10), identify twice (12, 12),
  // checksum (12, 12), and the finish's wait of 0.5 s for a last frame.
  const int exchanges = 512 + 512 + 2 + 1;
  const double bytes = 512 * 22 + 512 * 150 + 2 * 24 + 24;
  const double wireTime = bytes * 10 / 38400;
  const double busy = wall - 0.5;
  std::printf("%-22s state %s\n", wire ? "wire model 38400 baud" : "no wire model",
              controls.Text(Main::UpdateLabelBurnState).c_str());
  std::printf("  wire time of the bytes   %7.2f s\n", wireTime);
  std::printf("  burn wall time           %7.2f s (of which 0.50 s the finishing wait)\n", wall);
  std::printf("  added per exchange       %7.3f ms\n", ((wire ? busy - wireTime : busy) / exchanges) * 1000);
  std::printf("  program CPU time         %7.2f s = %.1f%% of the wall time\n", cpu, cpu / wall * 100);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication qt(argc, argv);
  const std::string image = HexImage();
  Run(true, image);
  Run(false, image);
  return 0;
}
