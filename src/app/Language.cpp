#include "app/Language.h"

#include <string>
#include <utility>

#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"

namespace {

using Pair = std::pair<std::string_view, std::string_view>;  // Chinese, English

// Texts that carry live values keep them: only the words are exchanged.
void Replace(Ambrelin& a, Control c, std::initializer_list<Pair> words) {
  std::string text = a.controls.Text(c);
  for (auto [chinese, english] : words)
    text = a.Language == 1 ? ReplaceAll(text, chinese, english) : ReplaceAll(text, english, chinese);
  a.controls.SetText(c, text);
}

void Set(Ambrelin& a, Control c, std::string_view chinese, std::string_view english) {
  a.controls.SetText(c, ByLanguage(a, chinese, english));
}

}  // namespace

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

std::string_view ByLanguage(const Ambrelin& a, std::string_view chinese, std::string_view english) {
  return a.Language == 1 ? english : chinese;
}

void ApplyCaptions(Ambrelin& a) {
  using namespace BurnDesktopControls;
  Replace(a, DesktopSelectComPort, {{"串口", "Port"}, {"选择", "Select "}});
  Replace(a, DesktopButtonSelectComSwitch, {{"串口", "Com"}, {"打开", "Open "}, {"关闭", "Close "}});
  Set(a, DesktopButtonSelectLanguage, "Language", "语言");
  Set(a, DesktopButtonHelp, "帮助", "Help");
  Set(a, DesktopButtonExit, "退出", "Exit");
  Set(a, UpdateFrameStep1, "Step 1: 打开升级文件", "Step 1: Open File");
  Set(a, UpdateButtonOpenFile, "打开文件", "Open");
  Replace(a, UpdateLableFileDate, {{"日期", "Date"}});
  Replace(a, UpdateLabelCodeName, {{"名称", "Name"}});
  Replace(a, UpdateLabelCodeSum, {{"校验", "Sum"}});
  Set(a, UpdateFrameStep2, "Step 2: 选定升级的目标", "Step 2: Select MCU ID");
  Set(a, UpdateLabelTarget, "选择MCU:", "MCU ID:");
  if (a.controls.Index(DesktopFormControls::UpdateSelectTarget) < 0)
    Set(a, UpdateSelectTarget, "请选择 ...", "Please Select ...");
  Set(a, UpdateOptionFull0x00, "0x00 填充空白区", "0x00 Full Buffer");
  Set(a, UpdateOptionFull0xff, "0xff 填充空白区", "0xff Full Buffer");
  Set(a, UpdateLabelTrig, "预触发:", "Trig:");
  Set(a, UpdateFrameStep3, "Step 3: 开始下载", "Step 3: Start Download");
  Set(a, UpdateCheckAutoBurn, "自动重复", "Auto Burn");
  Set(a, UpdateCheckAutoReboot, "下载后重启动", "Boot MCU");
  Set(a, UpdateCheckVerOld, "怀旧版", "Old Ver");
  Set(a, UpdateCheckSound, "声音", "Sound");
  Set(a, UpdateLabelBurnTotal, "统计: ------", "Total: ------");
  Set(a, UpdateLabelBurnState, "进度: ------", "State: ------");
  Set(a, UpdateLabelBurnError, "出错: ------", "Error: ------");
  Replace(a, UpdateButtonUpdate, {{"开始烧录", "Start"}, {"停止烧录", "Stop"}});
}

void DesktopButtonSelectLanguage_Click(Ambrelin& a) {
  a.Language = a.Language == 0 ? 1 : 0;
  ApplyCaptions(a);
}
