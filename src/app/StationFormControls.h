#pragma once
// Controls of the production station window, and the main window's button
// that opens it. A fixture's tile is a frame "StationTile<n>" (n from 1) that
// holds the Tile... controls once each.
#include "app/Platform.h"

namespace StationFormControls {
inline constexpr Control ToolButtonStation{"DesktopForm", "ToolButtonStation", "生产站"};

inline constexpr Control StationForm{"StationForm", "StationForm", "生产站"};
inline constexpr Control StationFrameImage{"StationForm", "StationFrameImage", "升级文件"};
inline constexpr Control StationTextFileName{"StationForm", "StationTextFileName", ""};
inline constexpr Control StationButtonOpenFile{"StationForm", "StationButtonOpenFile", "打开文件"};
inline constexpr Control StationLabelCodeName{"StationForm", "StationLabelCodeName", "名称:"};
inline constexpr Control StationLabelCodeSum{"StationForm", "StationLabelCodeSum", "校验: 0x----"};
inline constexpr Control StationLabelSha256{"StationForm", "StationLabelSha256", "SHA-256: ----"};
inline constexpr Control StationLabelTarget{"StationForm", "StationLabelTarget", "选择MCU:"};
inline constexpr Control StationSelectTarget{"StationForm", "StationSelectTarget", " 请选择 ..."};
inline constexpr Control StationOptionFull0x00{"StationForm", "StationOptionFull0x00", "0x00 填充空白区"};
inline constexpr Control StationOptionFull0xff{"StationForm", "StationOptionFull0xff", "0xff 填充空白区"};
inline constexpr Control StationCheckAutoBurn{"StationForm", "StationCheckAutoBurn", "自动重复"};
inline constexpr Control StationLabelExpect{"StationForm", "StationLabelExpect", "应为校验:"};
inline constexpr Control StationTextExpect{"StationForm", "StationTextExpect", ""};
inline constexpr Control StationFrameRecord{"StationForm", "StationFrameRecord", "生产记录"};
inline constexpr Control StationLabelLog{"StationForm", "StationLabelLog", "记录文件:"};
inline constexpr Control StationTextLog{"StationForm", "StationTextLog", ""};
inline constexpr Control StationLabelOperator{"StationForm", "StationLabelOperator", "操作员:"};
inline constexpr Control StationTextOperator{"StationForm", "StationTextOperator", ""};
inline constexpr Control StationLabelOrder{"StationForm", "StationLabelOrder", "工单:"};
inline constexpr Control StationTextOrder{"StationForm", "StationTextOrder", ""};
inline constexpr Control StationLabelStation{"StationForm", "StationLabelStation", "工位:"};
inline constexpr Control StationTextStation{"StationForm", "StationTextStation", ""};
inline constexpr Control StationButtonStartAll{"StationForm", "StationButtonStartAll", "全部开始"};
inline constexpr Control StationButtonStopAll{"StationForm", "StationButtonStopAll", "全部停止"};
inline constexpr Control StationButtonAddFixture{"StationForm", "StationButtonAddFixture", "添加夹具"};
inline constexpr Control StationButtonCheck{"StationForm", "StationButtonCheck", "检查夹具"};
inline constexpr Control StationButtonLock{"StationForm", "StationButtonLock", "锁定设置"};
inline constexpr Control StationFrameFixtures{"StationForm", "StationFrameFixtures", "夹具"};
// The line's yield for the current log goes here.
inline constexpr Control StationFrameYield{"StationForm", "StationFrameYield", "良率"};

inline constexpr Control TileSelectPort{"StationForm", "TileSelectPort", "选择串口"};
inline constexpr Control TileLabelAdapter{"StationForm", "TileLabelAdapter", ""};
inline constexpr Control TileTextName{"StationForm", "TileTextName", ""};
inline constexpr Control TileLabelState{"StationForm", "TileLabelState", "空闲"};
inline constexpr Control TileLabelPhase{"StationForm", "TileLabelPhase", ""};
inline constexpr Control TileBarBurn{"StationForm", "TileBarBurn", ""};
inline constexpr Control TileLabelChip{"StationForm", "TileLabelChip", "芯片: ----"};
inline constexpr Control TileLabelVerify{"StationForm", "TileLabelVerify", "校验: ----"};
inline constexpr Control TileLabelErrors{"StationForm", "TileLabelErrors", "出错: 0"};
inline constexpr Control TileLabelLast{"StationForm", "TileLabelLast", "上一个: --:--:--"};
inline constexpr Control TileLabelCount{"StationForm", "TileLabelCount", "良品: 0  不良: 0"};
inline constexpr Control TileLabelMessage{"StationForm", "TileLabelMessage", ""};
inline constexpr Control TileButtonStart{"StationForm", "TileButtonStart", "开始"};
inline constexpr Control TileButtonRemove{"StationForm", "TileButtonRemove", "移除"};

inline constexpr Control All[] = {
    StationForm,          StationFrameImage,     StationTextFileName,   StationButtonOpenFile,
    StationLabelCodeName, StationLabelCodeSum,   StationLabelSha256,    StationLabelTarget,
    StationSelectTarget,  StationOptionFull0x00, StationOptionFull0xff, StationCheckAutoBurn,
    StationLabelExpect,   StationTextExpect,     StationFrameRecord,    StationLabelLog,
    StationTextLog,       StationLabelOperator,  StationTextOperator,   StationLabelOrder,
    StationTextOrder,     StationLabelStation,   StationTextStation,    StationButtonStartAll,
    StationButtonStopAll, StationButtonAddFixture, StationButtonCheck, StationButtonLock,   StationFrameFixtures,
    StationFrameYield,
};
inline constexpr Control Tile[] = {
    TileSelectPort, TileLabelAdapter, TileTextName,  TileLabelState,   TileLabelPhase,
    TileBarBurn,    TileLabelChip,    TileLabelVerify, TileLabelErrors, TileLabelLast,
    TileLabelCount, TileLabelMessage, TileButtonStart, TileButtonRemove,
};
}  // namespace StationFormControls
