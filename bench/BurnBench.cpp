// A 64 KB burn against ambrelin-unit over a pseudo-terminal, through the
// real port and event pump: wall time next to the wire time of the bytes
// exchanged, the time each request/reply exchange adds, and the program's
// CPU time. Run once with the unit's wire-time model at 38,400 baud and once
// without it.
#include <QCoreApplication>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/DesktopFormControls.h"
#include "app/MapControls.h"
#include "app/QtPlatform.h"
#include "burner/BurnEngine.h"
#include "link/PortMap.h"
#include "link/QtSerialPort.h"
#include "link/TxRx.h"

namespace Main = DesktopFormControls;

namespace {

struct PinStore : SettingsStore {
  std::string device;
  std::string Get(std::string_view section, std::string_view key) override {
    return section == PortPinSection && key == "COM1" ? device : std::string();
  }
  void Put(std::string_view, std::string_view, std::string_view) override {}
};

struct Quiet : Dialogs {
  void MessageBox(std::string_view text) override { std::fprintf(stderr, "%.*s\n", int(text.size()), text.data()); }
  void Notice(std::string_view) override {}
  std::optional<std::string> OpenFile(std::string_view) override { return std::nullopt; }
  void Play(std::string_view) override {}
};

double Cpu() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) + double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

std::string HexImage() {
  const std::string path = "/tmp/ambrelin-burn-bench.hex";
  std::ofstream out(path);
  char line[64];
  for (unsigned at = 0; at < 0x10000; at += 16) {
    unsigned sum = 16 + (at >> 8) + (at & 0xFF);
    std::snprintf(line, sizeof line, ":10%04X00", at);
    out << line;
    for (unsigned k = 0; k < 16; ++k) {
      const unsigned b = (at + k) * 7 % 251;
      sum += b;
      std::snprintf(line, sizeof line, "%02X", b);
      out << line;
    }
    std::snprintf(line, sizeof line, "%02X\r\n", (0x100 - sum % 256) % 256);
    out << line;
  }
  out << ":00000001FF\r\n";
  return path;
}

void Run(bool wire, const std::string& image) {
  int pipeFd[2];
  if (pipe(pipeFd) != 0) return;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeFd[1], STDOUT_FILENO);
    if (wire)
      execl(AMBRELIN_UNIT, AMBRELIN_UNIT, "--quiet", "--chip", "0003", static_cast<char*>(nullptr));
    else
      execl(AMBRELIN_UNIT, AMBRELIN_UNIT, "--quiet", "--chip", "0003", "--no-wire", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeFd[1]);
  PinStore settings;
  char c;
  while (read(pipeFd[0], &c, 1) == 1 && c != '\n') settings.device += c;
  close(pipeFd[0]);

  QtSerialPort port(settings);
  QtEventPump pump;
  Quiet dialogs;
  MapControls controls;
  Ambrelin a{controls, port, pump, dialogs, settings, "/tmp"};
  port.Received = [&a](std::span<const uint8_t> bytes) { ReceiveEvent(a.link, bytes); };
  controls.SetEntries(Main::UpdateSelectTarget, {"ID = 1"});
  controls.SetIndex(Main::UpdateSelectTarget, 0);
  controls.SetText(Main::UpdateTextFileName, image);
  port.Open(1, "38400,N,8,1");

  const double cpu0 = Cpu(), wall0 = pump.Now();
  UpdateButtonUpdate_Click(a);
  const double wall = pump.Now() - wall0, cpu = Cpu() - cpu0;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);

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
