#include "link/ComPort.h"

#include <span>
#include <string>
#include <vector>

#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/Job.h"
#include "app/Language.h"
#include "link/TxRx.h"

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

namespace {

constexpr std::string_view LineSettings = "38400,N,8,1";

// Both windows follow the main window's switch; the receive buffer starts afresh.
void ShowPortSwitch(Ambrelin& a) {
  a.controls.SetEnabled(Main::DesktopSelectComPort, !a.ComOpen);
  a.controls.SetEnabled(Burner::DesktopSelectComPort, !a.ComOpen);
  std::string caption = a.controls.Text(Main::DesktopButtonSelectComSwitch);
  if (a.Language == 1)
    caption = ReplaceAll(ReplaceAll(ReplaceAll(caption, "串口", "Com"), "打开", "Open "), "关闭", "Close ");
  a.controls.SetText(Burner::DesktopButtonSelectComSwitch, caption);
  a.link.RxCount = 0;
}

// The device the list showed for COMn; a number the list did not show (a
// text typed in, or no list yet) means what it means now.
std::string ListedDevice(Ambrelin& a, int n) {
  if (auto listed = a.listedPorts.find(n); listed != a.listedPorts.end()) return listed->second;
  const auto ports = a.port.Ports();
  auto it = ports.find(n);
  return it == ports.end() ? std::string() : it->second;
}

}  // namespace

std::string OpenFailedText(const Ambrelin& a, std::string_view port, const PortCause& cause) {
  return std::string(ByLanguage(a, OpenFailedChinese, OpenFailedEnglish)) + " " + std::string(port) + ": " +
         CauseText(cause, a.Language == 1);
}

std::optional<int> ComNumber(std::string_view text) {
  if (!text.starts_with("COM")) return std::nullopt;
  const std::string_view digits = text.substr(3);
  int n = 0;
  size_t used = 0;
  // A fourth digit is enough to refuse the number.
  while (used < digits.size() && used <= 3 && digits[used] >= '0' && digits[used] <= '9')
    n = n * 10 + (digits[used++] - '0');
  if (used == 0 || used > 3 || n < 1 || n > HighestComNumber) return std::nullopt;
  return n;
}

void ConnectPort(Ambrelin& a) {
  a.port.Received = [&a](std::span<const uint8_t> bytes) { ReceiveEvent(a.link, bytes); };
  a.port.Lost = [&a] { PortLost(a); };
}

void DesktopSelectComPort_DropDown(Ambrelin& a) {
  std::vector<std::string> entries;
  a.listedPorts.clear();
  if (!a.port.IsOpen()) {
    // Every number the port gives, in order: where the machine numbers its
    // devices itself they stay within COM32 and only a pin goes higher.
    for (const auto& [n, device] : a.port.Ports()) {
      if (!a.port.Probe(n)) continue;
      const std::string identity = a.port.Identity(n);
      entries.push_back("COM" + std::to_string(n) + " (" + device + (identity.empty() ? "" : " " + identity) + ")");
      a.listedPorts[n] = device;
    }
  }
  a.controls.SetEntries(Main::DesktopSelectComPort, entries);
  a.controls.SetText(Main::DesktopSelectComPort, "串口");
  a.controls.SetEntries(Burner::DesktopSelectComPort, entries);
  a.controls.SetText(Burner::DesktopSelectComPort, ByLanguage(a, "选择串口", "Select Port"));
}

void DesktopButtonSelectComSwitch_Click(Ambrelin& a) {
  // A job keeps its port to its end.
  if (RefusedByJob(a)) return;
  const std::string s = a.controls.Text(Main::DesktopSelectComPort);
  if (s.substr(0, 3) != "COM") return;
  const std::string_view failed = ByLanguage(a, OpenFailedChinese, OpenFailedEnglish);
  if (!a.ComOpen) {
    auto n = ComNumber(s);
    if (!n) {
      a.dialogs.MessageBox(failed);
      return;
    }
    const std::string device = ListedDevice(a, *n);
    const PortCause cause = device.empty() ? PortCause{PortFault::NoDevice} : a.port.Open(device, LineSettings);
    if (cause.fault != PortFault::None) {
      a.dialogs.MessageBox(OpenFailedText(a, device.empty() ? "COM" + std::to_string(*n) : device, cause));
      return;
    }
    a.ComOpen = true;
    a.controls.SetText(Main::DesktopButtonSelectComSwitch, "关闭串口");
  } else {
    a.port.Close();
    a.ComOpen = false;
    a.controls.SetText(Main::DesktopButtonSelectComSwitch, "打开串口");
  }
  a.controls.SetText(Burner::DesktopSelectComPort, s);
  ShowPortSwitch(a);
}

void PortLost(Ambrelin& a) {
  a.ComOpen = false;
  a.controls.SetText(Main::DesktopButtonSelectComSwitch, "打开串口");
  ShowPortSwitch(a);
  // A job waiting on the port notices the closed port and ends itself.
  a.dialogs.MessageBox(ByLanguage(a, "串口已断开 !", "The port is gone !"));
}

void BurnDesktopSelectComPort_Click(Ambrelin& a) {
  a.controls.SetText(Main::DesktopSelectComPort, a.controls.Text(Burner::DesktopSelectComPort));
}
