#include "burner/BurnDesktopTwins.h"

#include <algorithm>
#include <string_view>

#include "app/BurnAboutControls.h"
#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"

namespace Burner = BurnDesktopControls;

namespace {

constexpr std::string_view ChineseHelp[] = {
    "1.硬件连接:关闭机器电源,机器的单片机通过RS-232转换后,",
    "  连接到PC串口(连接时注意Tx,Rx的方向).",
    "2.设置PC端升级软件:",
    "  a.点击[选择串口],选择与机器所连接的PC串口",
    "  b.点击[打开串口]",
    "  c.点击[打开文件],选择升级文件",
    "  d.点击[请选择 ...],选择与机器MCU相对应的MCU ID",
    "  e.点击[开始烧录]",
    "3.打开机器电源,机器上电后进入升级状态,请等待.",
};

constexpr std::string_view EnglishHelp[] = {
    "1. Connect:Power down the unit,and connect the unit to PC serial port",
    "    (RS-232),Please note the direct of RS-232 TX RX.",
    "2. Config:",
    "    a.Click[Select Port],Select the serial port that have been connect ",
    "    b.Click[Open Com]",
    "    c.Click[Open],and select the update file",
    "    d.Click[Please Select ...],and select the unit MCU ID",
    "    e.Clock[Start]",
    "3. Power on the unit,The unit will be work in update mode when it power",
    "    on,Please wait.",
};

template <size_t N>
std::string Joined(const std::string_view (&lines)[N]) {
  std::string text(lines[0]);
  for (size_t k = 1; k < N; ++k) text += "\r\n" + std::string(lines[k]);
  return text;
}

}  // namespace

Control TwinOf(Control c) {
  const auto& all = DesktopFormControls::All;
  const auto twin = std::find_if(std::begin(all), std::end(all), [c](Control m) { return m.name == c.name; });
  return *twin;
}

void BurnDesktopTick_Click(Ambrelin& a, Control c) {
  if (c.name == Burner::UpdateCheckVerOld.name) return;
  a.controls.SetTicked(TwinOf(c), a.controls.Ticked(c));
}

void BurnDesktopSelectTarget_Click(Ambrelin& a) {
  a.controls.SetIndex(DesktopFormControls::UpdateSelectTarget, a.controls.Index(Burner::UpdateSelectTarget));
}

void BurnDesktopTextTrig_Change(Ambrelin& a) {
  a.controls.SetText(DesktopFormControls::UpdateTextTrig, a.controls.Text(Burner::UpdateTextTrig));
}

namespace {

void Follow(Ambrelin& a, Control from, Control to) {
  const std::string text = a.controls.Text(from);
  if (a.controls.Text(to) != text) a.controls.SetText(to, text);
}

}  // namespace

void BurnDesktopTextFileName_Change(Ambrelin& a) {
  Follow(a, Burner::UpdateTextFileName, DesktopFormControls::UpdateTextFileName);
}

void UpdateTextFileName_Change(Ambrelin& a) {
  Follow(a, DesktopFormControls::UpdateTextFileName, Burner::UpdateTextFileName);
}

std::string HelpText(const Ambrelin& a) { return a.Language == 1 ? Joined(EnglishHelp) : Joined(ChineseHelp); }

void DesktopButtonHelp_Click(Ambrelin& a) { a.dialogs.MessageBox(HelpText(a)); }

void SysTimer1_Timer(Ambrelin& a) {
  a.controls.SetText(BurnAboutControls::RedidoAboutLabelVer, "Ver " AMBRELIN_VERSION);
}
