#pragma once
// Controls of the simplified burner window with their designed (Chinese) captions.
#include "app/Platform.h"

namespace BurnDesktopControls {
inline constexpr Control BurnDesktop{"BurnDesktop", "BurnDesktop", "Kilnora"};
inline constexpr Control DesktopButtonSelectLanguage{"BurnDesktop", "DesktopButtonSelectLanguage", "Language"};
inline constexpr Control DesktopButtonHelp{"BurnDesktop", "DesktopButtonHelp", "帮助"};
inline constexpr Control DesktopButtonExit{"BurnDesktop", "DesktopButtonExit", "退出"};
inline constexpr Control DesktopSelectComPort{"BurnDesktop", "DesktopSelectComPort", "选择串口"};
inline constexpr Control DesktopButtonSelectComSwitch{"BurnDesktop", "DesktopButtonSelectComSwitch", "打开串口"};
inline constexpr Control UpdateFrameStep1{"BurnDesktop", "UpdateFrameStep1", "Step 1: 打开升级文件"};
inline constexpr Control UpdateButtonOpenFile{"BurnDesktop", "UpdateButtonOpenFile", "打开文件"};
inline constexpr Control UpdateTextFileName{"BurnDesktop", "UpdateTextFileName", ""};
inline constexpr Control UpdateLabelCodeName{"BurnDesktop", "UpdateLabelCodeName", "名称:"};
inline constexpr Control UpdateLableFileDate{"BurnDesktop", "UpdateLableFileDate", "日期:"};
inline constexpr Control UpdateLabelCodeSum{"BurnDesktop", "UpdateLabelCodeSum", "校验: 0x----"};
inline constexpr Control UpdateFrameStep2{"BurnDesktop", "UpdateFrameStep2", "Step 2: 选定升级的目标"};
inline constexpr Control UpdateLabelTarget{"BurnDesktop", "UpdateLabelTarget", "选择MCU:"};
inline constexpr Control UpdateSelectTarget{"BurnDesktop", "UpdateSelectTarget", " 请选择 ..."};
inline constexpr Control UpdateOptionFull0x00{"BurnDesktop", "UpdateOptionFull0x00", "0x00 填充空白区"};
inline constexpr Control UpdateOptionFull0xff{"BurnDesktop", "UpdateOptionFull0xff", "0xff 填充空白区"};
inline constexpr Control UpdateLabelTrig{"BurnDesktop", "UpdateLabelTrig", "预触发:"};
inline constexpr Control UpdateTextTrig{"BurnDesktop", "UpdateTextTrig", ""};
inline constexpr Control UpdateFrameStep3{"BurnDesktop", "UpdateFrameStep3", "Step 3: 开始下载"};
inline constexpr Control UpdateCheckAutoBurn{"BurnDesktop", "UpdateCheckAutoBurn", "自动重复"};
inline constexpr Control UpdateCheckAutoReboot{"BurnDesktop", "UpdateCheckAutoReboot", "下载后重启动"};
inline constexpr Control UpdateCheckVerOld{"BurnDesktop", "UpdateCheckVerOld", "怀旧版"};
inline constexpr Control UpdateCheckSound{"BurnDesktop", "UpdateCheckSound", "声音"};
inline constexpr Control UpdateButtonUpdate{"BurnDesktop", "UpdateButtonUpdate", "开始烧录"};
inline constexpr Control UpdateButtonRestart{"BurnDesktop", "UpdateButtonRestart", ""};
inline constexpr Control UpdateLabelBurnState{"BurnDesktop", "UpdateLabelBurnState", "进度: ------"};
inline constexpr Control UpdateLabelBurnError{"BurnDesktop", "UpdateLabelBurnError", "出错: ------"};
inline constexpr Control UpdateLabelBurnTotal{"BurnDesktop", "UpdateLabelBurnTotal", "统计: ------"};
inline constexpr Control UpdateBarBurn{"BurnDesktop", "UpdateBarBurn", ""};
inline constexpr Control DesktopPicture{"BurnDesktop", "DesktopPicture", ""};

inline constexpr Control All[] = {
    BurnDesktop,
    DesktopButtonSelectLanguage,
    DesktopButtonHelp,
    DesktopButtonExit,
    DesktopSelectComPort,
    DesktopButtonSelectComSwitch,
    UpdateFrameStep1,
    UpdateButtonOpenFile,
    UpdateTextFileName,
    UpdateLabelCodeName,
    UpdateLableFileDate,
    UpdateLabelCodeSum,
    UpdateFrameStep2,
    UpdateLabelTarget,
    UpdateSelectTarget,
    UpdateOptionFull0x00,
    UpdateOptionFull0xff,
    UpdateLabelTrig,
    UpdateTextTrig,
    UpdateFrameStep3,
    UpdateCheckAutoBurn,
    UpdateCheckAutoReboot,
    UpdateCheckVerOld,
    UpdateCheckSound,
    UpdateButtonUpdate,
    UpdateButtonRestart,
    UpdateLabelBurnState,
    UpdateLabelBurnError,
    UpdateLabelBurnTotal,
    UpdateBarBurn,
    DesktopPicture,
};
}  // namespace BurnDesktopControls
