#pragma once
// Controls of the main window with their designed captions.
#include "app/Platform.h"

namespace DesktopFormControls {
inline constexpr Control DesktopForm{"DesktopForm", "DesktopForm", "Vell"};
inline constexpr Control DesktopSelectComPort{"DesktopForm", "DesktopSelectComPort", "串口"};
inline constexpr Control DesktopButtonSelectComSwitch{"DesktopForm", "DesktopButtonSelectComSwitch", "打开串口"};
inline constexpr Control DesktopButtonInfo{"DesktopForm", "DesktopButtonInfo", "信息"};
inline constexpr Control DesktopButton3{"DesktopForm", "DesktopButton3", ""};
inline constexpr Control DesktopButton4{"DesktopForm", "DesktopButton4", ""};
inline constexpr Control DesktopButtonPanel{"DesktopForm", "DesktopButtonPanel", "虚拟面板"};
inline constexpr Control DesktopPictureBack{"DesktopForm", "DesktopPictureBack", ""};
inline constexpr Control MainTable{"DesktopForm", "MainTable", ""};
inline constexpr Control DesktopLabelVer{"DesktopForm", "DesktopLabelVer", ""};
inline constexpr Control UpdateFrameStep1{"DesktopForm", "UpdateFrameStep1", "Step 1: 打开升级文件"};
inline constexpr Control UpdateTextFileName{"DesktopForm", "UpdateTextFileName", ""};
inline constexpr Control UpdateFrameStep2{"DesktopForm", "UpdateFrameStep2", "Step 2: 选定升级的目标"};
inline constexpr Control UpdateFrameStep3{"DesktopForm", "UpdateFrameStep3", "Step 3: 开始下载"};
inline constexpr Control UpdateButtonOpenFile{"DesktopForm", "UpdateButtonOpenFile", "打开文件"};
inline constexpr Control UpdateButtonView{"DesktopForm", "UpdateButtonView", ""};
inline constexpr Control UpdateLableFileDate{"DesktopForm", "UpdateLableFileDate", "日期:"};
inline constexpr Control UpdateLabelCodeSum{"DesktopForm", "UpdateLabelCodeSum", "校验: 0x----"};
inline constexpr Control UpdateLableCodeSize{"DesktopForm", "UpdateLableCodeSize", "长度: 0x----"};
inline constexpr Control UpdateLabelCodeName{"DesktopForm", "UpdateLabelCodeName", "名称:"};
inline constexpr Control UpdateLabelTarget{"DesktopForm", "UpdateLabelTarget", "选择目标MCU:"};
inline constexpr Control UpdateSelectTarget{"DesktopForm", "UpdateSelectTarget", "请选择..."};
inline constexpr Control UpdateLabelTrig{"DesktopForm", "UpdateLabelTrig", "预触发:"};
inline constexpr Control UpdateTextTrig{"DesktopForm", "UpdateTextTrig", ""};
inline constexpr Control UpdateOptionFull0xff{"DesktopForm", "UpdateOptionFull0xff", "0xff 填充空白区"};
inline constexpr Control UpdateOptionFull0x00{"DesktopForm", "UpdateOptionFull0x00", "0x00 填充空白区"};
inline constexpr Control UpdateCheckAutoBurn{"DesktopForm", "UpdateCheckAutoBurn", "自动重复"};
inline constexpr Control UpdateCheckAutoReboot{"DesktopForm", "UpdateCheckAutoReboot", "下载后重启动"};
inline constexpr Control UpdateCheckSound{"DesktopForm", "UpdateCheckSound", ""};
inline constexpr Control UpdateCheckVerOld{"DesktopForm", "UpdateCheckVerOld", "怀旧版"};
inline constexpr Control UpdateButtonRestart{"DesktopForm", "UpdateButtonRestart", ""};
inline constexpr Control UpdateButtonUpdate{"DesktopForm", "UpdateButtonUpdate", "开始烧录"};
inline constexpr Control UpdateBarBurn{"DesktopForm", "UpdateBarBurn", ""};
inline constexpr Control UpdateLabelBurnTotal{"DesktopForm", "UpdateLabelBurnTotal", "统计: ------"};
inline constexpr Control UpdateLabelDevice{"DesktopForm", "UpdateLabelDevice", "器件: ------"};
inline constexpr Control UpdateLabelBurnError{"DesktopForm", "UpdateLabelBurnError", "出错: ------"};
inline constexpr Control UpdateLabelBurnState{"DesktopForm", "UpdateLabelBurnState", "进度: ------"};
inline constexpr Control UpdateListInfo{"DesktopForm", "UpdateListInfo", ""};
inline constexpr Control DesktopTextCode1{"DesktopForm", "DesktopTextCode1", ""};
inline constexpr Control DebugFrameTx1{"DesktopForm", "DebugFrameTx1", " 发送       "};
inline constexpr Control DebugFrameTx2{"DesktopForm", "DebugFrameTx2", " 发送       "};
inline constexpr Control DebugTextAddressA{"DesktopForm", "DebugTextAddressA", "0"};
inline constexpr Control DebugTextAddressB{"DesktopForm", "DebugTextAddressB", "0"};
inline constexpr Control DebugLabelAddress1{"DesktopForm", "DebugLabelAddress1", "地址"};
inline constexpr Control DebugLabelAddress2{"DesktopForm", "DebugLabelAddress2", "地址"};
inline constexpr Control DebugLabelAddress3{"DesktopForm", "DebugLabelAddress3", "地址"};
inline constexpr Control DebugLabelAddress4{"DesktopForm", "DebugLabelAddress4", "地址"};
inline constexpr Control DebugTextAddress1{"DesktopForm", "DebugTextAddress1", "1"};
inline constexpr Control DebugTextAddress2{"DesktopForm", "DebugTextAddress2", "2"};
inline constexpr Control DebugTextAddress3{"DesktopForm", "DebugTextAddress3", "3"};
inline constexpr Control DebugTextAddress4{"DesktopForm", "DebugTextAddress4", "4"};
inline constexpr Control DebugTextL1{"DesktopForm", "DebugTextL1", ""};
inline constexpr Control DebugTextL2{"DesktopForm", "DebugTextL2", ""};
inline constexpr Control DebugTextL3{"DesktopForm", "DebugTextL3", ""};
inline constexpr Control DebugTextL4{"DesktopForm", "DebugTextL4", ""};
inline constexpr Control DebugTextL5{"DesktopForm", "DebugTextL5", ""};
inline constexpr Control DebugTextL6{"DesktopForm", "DebugTextL6", ""};
inline constexpr Control DebugTextR1{"DesktopForm", "DebugTextR1", ""};
inline constexpr Control DebugTextR2{"DesktopForm", "DebugTextR2", ""};
inline constexpr Control DebugTextR3{"DesktopForm", "DebugTextR3", ""};
inline constexpr Control DebugTextR4{"DesktopForm", "DebugTextR4", ""};
inline constexpr Control DebugTextR5{"DesktopForm", "DebugTextR5", ""};
inline constexpr Control DebugTextR6{"DesktopForm", "DebugTextR6", ""};
inline constexpr Control DebugTextC1{"DesktopForm", "DebugTextC1", ""};
inline constexpr Control DebugTextC2{"DesktopForm", "DebugTextC2", ""};
inline constexpr Control DebugTextC3{"DesktopForm", "DebugTextC3", ""};
inline constexpr Control DebugTextC4{"DesktopForm", "DebugTextC4", ""};
inline constexpr Control DebugTextC5{"DesktopForm", "DebugTextC5", ""};
inline constexpr Control DebugTextC6{"DesktopForm", "DebugTextC6", ""};
inline constexpr Control DebugTextD1{"DesktopForm", "DebugTextD1", ""};
inline constexpr Control DebugTextD2{"DesktopForm", "DebugTextD2", ""};
inline constexpr Control DebugTextD3{"DesktopForm", "DebugTextD3", ""};
inline constexpr Control DebugTextD4{"DesktopForm", "DebugTextD4", ""};
inline constexpr Control DebugTextD5{"DesktopForm", "DebugTextD5", ""};
inline constexpr Control DebugTextD6{"DesktopForm", "DebugTextD6", ""};
inline constexpr Control DebugButtonL1{"DesktopForm", "DebugButtonL1", "1"};
inline constexpr Control DebugButtonL2{"DesktopForm", "DebugButtonL2", "2"};
inline constexpr Control DebugButtonL3{"DesktopForm", "DebugButtonL3", "3"};
inline constexpr Control DebugButtonL4{"DesktopForm", "DebugButtonL4", "4"};
inline constexpr Control DebugButtonL5{"DesktopForm", "DebugButtonL5", "5"};
inline constexpr Control DebugButtonL6{"DesktopForm", "DebugButtonL6", "6"};
inline constexpr Control DebugButtonR1{"DesktopForm", "DebugButtonR1", "1"};
inline constexpr Control DebugButtonR2{"DesktopForm", "DebugButtonR2", "2"};
inline constexpr Control DebugButtonR3{"DesktopForm", "DebugButtonR3", "3"};
inline constexpr Control DebugButtonR4{"DesktopForm", "DebugButtonR4", "4"};
inline constexpr Control DebugButtonR5{"DesktopForm", "DebugButtonR5", "5"};
inline constexpr Control DebugButtonR6{"DesktopForm", "DebugButtonR6", "6"};
inline constexpr Control DebugButtonC1{"DesktopForm", "DebugButtonC1", "1"};
inline constexpr Control DebugButtonC2{"DesktopForm", "DebugButtonC2", "2"};
inline constexpr Control DebugButtonC3{"DesktopForm", "DebugButtonC3", "3"};
inline constexpr Control DebugButtonC4{"DesktopForm", "DebugButtonC4", "4"};
inline constexpr Control DebugButtonC5{"DesktopForm", "DebugButtonC5", "5"};
inline constexpr Control DebugButtonC6{"DesktopForm", "DebugButtonC6", "6"};
inline constexpr Control DebugButtonD1{"DesktopForm", "DebugButtonD1", "1"};
inline constexpr Control DebugButtonD2{"DesktopForm", "DebugButtonD2", "2"};
inline constexpr Control DebugButtonD3{"DesktopForm", "DebugButtonD3", "3"};
inline constexpr Control DebugButtonD4{"DesktopForm", "DebugButtonD4", "4"};
inline constexpr Control DebugButtonD5{"DesktopForm", "DebugButtonD5", "5"};
inline constexpr Control DebugButtonD6{"DesktopForm", "DebugButtonD6", "6"};
inline constexpr Control ChipButtonHdmi{"DesktopForm", "ChipButtonHdmi", "Hdmi Debug"};
inline constexpr Control ChipButtonDecoder{"DesktopForm", "ChipButtonDecoder", "Audio Decoder Debug"};
inline constexpr Control ToolFrameFileChange{"DesktopForm", "ToolFrameFileChange", "文件转换(Hex->Tot)"};
inline constexpr Control ToolButtonHex2Tot{"DesktopForm", "ToolButtonHex2Tot", "Hex -> Tot"};
inline constexpr Control ToolButtonHex2Bin{"DesktopForm", "ToolButtonHex2Bin", "Hex -> Bin"};
inline constexpr Control ToolButtonBin2Txt{"DesktopForm", "ToolButtonBin2Txt", "Bin -> Txt"};
inline constexpr Control ToolButtonEdidBorn{"DesktopForm", "ToolButtonEdidBorn", "Edid Born"};
inline constexpr Control ToolButtonCharBorn{"DesktopForm", "ToolButtonCharBorn", "Char Born"};
inline constexpr Control Text6{"DesktopForm", "Text6", ""};
inline constexpr Control DesktopFrameLevelMain{"DesktopForm", "DesktopFrameLevelMain", "Volume"};
inline constexpr Control DesktopSliderLevelMain{"DesktopForm", "DesktopSliderLevelMain", ""};
inline constexpr Control DesktopTextLevelMain{"DesktopForm", "DesktopTextLevelMain", "-32"};
inline constexpr Control DesktopFrameLevelFl{"DesktopForm", "DesktopFrameLevelFl", "  FL  "};
inline constexpr Control DesktopSliderLevelFl{"DesktopForm", "DesktopSliderLevelFl", ""};
inline constexpr Control DesktopTextLevelFl{"DesktopForm", "DesktopTextLevelFl", "0"};
inline constexpr Control DesktopFrameLevelFr{"DesktopForm", "DesktopFrameLevelFr", "  FR  "};
inline constexpr Control DesktopSliderLevelFr{"DesktopForm", "DesktopSliderLevelFr", ""};
inline constexpr Control DesktopTextLevelFr{"DesktopForm", "DesktopTextLevelFr", "0"};
inline constexpr Control DesktopFrameLevelSw{"DesktopForm", "DesktopFrameLevelSw", "  SW  "};
inline constexpr Control DesktopSliderLevelSw{"DesktopForm", "DesktopSliderLevelSw", ""};
inline constexpr Control DesktopTextLevelSw{"DesktopForm", "DesktopTextLevelSw", "0"};
inline constexpr Control DesktopFrameLevelFc{"DesktopForm", "DesktopFrameLevelFc", "  FC  "};
inline constexpr Control DesktopSliderLevelFc{"DesktopForm", "DesktopSliderLevelFc", ""};
inline constexpr Control DesktopTextLevelFc{"DesktopForm", "DesktopTextLevelFc", "0"};
inline constexpr Control DesktopFrameLevelSl{"DesktopForm", "DesktopFrameLevelSl", "  SL  "};
inline constexpr Control DesktopSliderLevelSl{"DesktopForm", "DesktopSliderLevelSl", ""};
inline constexpr Control DesktopTextLevelSl{"DesktopForm", "DesktopTextLevelSl", "0"};
inline constexpr Control DesktopFrameLevelSr{"DesktopForm", "DesktopFrameLevelSr", "  SR  "};
inline constexpr Control DesktopSliderLevelSr{"DesktopForm", "DesktopSliderLevelSr", ""};
inline constexpr Control DesktopTextLevelSr{"DesktopForm", "DesktopTextLevelSr", "0"};
inline constexpr Control DesktopFrameLevelBl{"DesktopForm", "DesktopFrameLevelBl", "  BL  "};
inline constexpr Control DesktopSliderLevelBl{"DesktopForm", "DesktopSliderLevelBl", ""};
inline constexpr Control DesktopTextLevelBl{"DesktopForm", "DesktopTextLevelBl", "0"};
inline constexpr Control DesktopFrameLevelBr{"DesktopForm", "DesktopFrameLevelBr", "  BR  "};
inline constexpr Control DesktopSliderLevelBr{"DesktopForm", "DesktopSliderLevelBr", ""};
inline constexpr Control DesktopTextLevelBr{"DesktopForm", "DesktopTextLevelBr", "0"};
inline constexpr Control DesktopFrameBass{"DesktopForm", "DesktopFrameBass", " Bass"};
inline constexpr Control DesktopSliderBass{"DesktopForm", "DesktopSliderBass", ""};
inline constexpr Control DesktopTextBass{"DesktopForm", "DesktopTextBass", "0"};
inline constexpr Control DesktopFrameTreble{"DesktopForm", "DesktopFrameTreble", "Treble"};
inline constexpr Control DesktopSliderTreble{"DesktopForm", "DesktopSliderTreble", ""};
inline constexpr Control DesktopTextTreble{"DesktopForm", "DesktopTextTreble", "0"};
inline constexpr Control DesktopFrameDelayFc{"DesktopForm", "DesktopFrameDelayFc", "C Delay"};
inline constexpr Control DesktopSliderDelayFc{"DesktopForm", "DesktopSliderDelayFc", ""};
inline constexpr Control DesktopTextDelayFc{"DesktopForm", "DesktopTextDelayFc", "0mS"};
inline constexpr Control DesktopFrameDelayS{"DesktopForm", "DesktopFrameDelayS", "S Delay"};
inline constexpr Control DesktopSliderDelayS{"DesktopForm", "DesktopSliderDelayS", ""};
inline constexpr Control DesktopTextDelayS{"DesktopForm", "DesktopTextDelayS", "5mS"};
inline constexpr Control DecoderFrameLevelFl{"DesktopForm", "DecoderFrameLevelFl", "Balance"};
inline constexpr Control DecoderTextLevelFl{"DesktopForm", "DecoderTextLevelFl", ""};
inline constexpr Control Trim1TextAddress{"DesktopForm", "Trim1TextAddress", "1"};
inline constexpr Control ControlComboInputHdmi{"DesktopForm", "ControlComboInputHdmi", "Hdmi Input"};
inline constexpr Control ControlComboInputDigital{"DesktopForm", "ControlComboInputDigital", "Digital Input"};
inline constexpr Control ControlComboInputAnalog{"DesktopForm", "ControlComboInputAnalog", "Analog Input"};
inline constexpr Control ControlTextAddress{"DesktopForm", "ControlTextAddress", "1"};
inline constexpr Control Batch1TextFile{"DesktopForm", "Batch1TextFile", ""};
inline constexpr Control Batch1ButtonOpen{"DesktopForm", "Batch1ButtonOpen", "打开文件"};
inline constexpr Control Batch1LabelPort{"DesktopForm", "Batch1LabelPort", "端口:"};
inline constexpr Control Batch1TextPort{"DesktopForm", "Batch1TextPort", ""};
inline constexpr Control Batch1ButtonRead{"DesktopForm", "Batch1ButtonRead", "读取"};
inline constexpr Control Batch1ButtonWrite{"DesktopForm", "Batch1ButtonWrite", "写入"};
inline constexpr Control Batch2TextFile{"DesktopForm", "Batch2TextFile", ""};
inline constexpr Control Batch2ButtonOpen{"DesktopForm", "Batch2ButtonOpen", "打开文件"};
inline constexpr Control Batch2LabelPort{"DesktopForm", "Batch2LabelPort", "端口:"};
inline constexpr Control Batch2TextPort{"DesktopForm", "Batch2TextPort", ""};
inline constexpr Control Batch2ButtonRead{"DesktopForm", "Batch2ButtonRead", "读取"};
inline constexpr Control Batch2ButtonWrite{"DesktopForm", "Batch2ButtonWrite", "写入"};
inline constexpr Control Batch3TextFile{"DesktopForm", "Batch3TextFile", ""};
inline constexpr Control Batch3ButtonOpen{"DesktopForm", "Batch3ButtonOpen", "打开文件"};
inline constexpr Control Batch3LabelPort{"DesktopForm", "Batch3LabelPort", "端口:"};
inline constexpr Control Batch3TextPort{"DesktopForm", "Batch3TextPort", ""};
inline constexpr Control Batch3ButtonRead{"DesktopForm", "Batch3ButtonRead", "读取"};
inline constexpr Control Batch3ButtonWrite{"DesktopForm", "Batch3ButtonWrite", "写入"};
inline constexpr Control BatchTxText{"DesktopForm", "BatchTxText", "发送数据"};
inline constexpr Control BatchRxText{"DesktopForm", "BatchRxText", "接收数据"};

inline constexpr Control All[] = {
    DesktopForm,
    DesktopSelectComPort,
    DesktopButtonSelectComSwitch,
    DesktopButtonInfo,
    DesktopButton3,
    DesktopButton4,
    DesktopButtonPanel,
    DesktopPictureBack,
    MainTable,
    DesktopLabelVer,
    UpdateFrameStep1,
    UpdateTextFileName,
    UpdateFrameStep2,
    UpdateFrameStep3,
    UpdateButtonOpenFile,
    UpdateButtonView,
    UpdateLableFileDate,
    UpdateLabelCodeSum,
    UpdateLableCodeSize,
    UpdateLabelCodeName,
    UpdateLabelTarget,
    UpdateSelectTarget,
    UpdateLabelTrig,
    UpdateTextTrig,
    UpdateOptionFull0xff,
    UpdateOptionFull0x00,
    UpdateCheckAutoBurn,
    UpdateCheckAutoReboot,
    UpdateCheckSound,
    UpdateCheckVerOld,
    UpdateButtonRestart,
    UpdateButtonUpdate,
    UpdateBarBurn,
    UpdateLabelBurnTotal,
    UpdateLabelDevice,
    UpdateLabelBurnError,
    UpdateLabelBurnState,
    UpdateListInfo,
    DesktopTextCode1,
    DebugFrameTx1,
    DebugFrameTx2,
    DebugTextAddressA,
    DebugTextAddressB,
    DebugLabelAddress1,
    DebugLabelAddress2,
    DebugLabelAddress3,
    DebugLabelAddress4,
    DebugTextAddress1,
    DebugTextAddress2,
    DebugTextAddress3,
    DebugTextAddress4,
    DebugTextL1,
    DebugTextL2,
    DebugTextL3,
    DebugTextL4,
    DebugTextL5,
    DebugTextL6,
    DebugTextR1,
    DebugTextR2,
    DebugTextR3,
    DebugTextR4,
    DebugTextR5,
    DebugTextR6,
    DebugTextC1,
    DebugTextC2,
    DebugTextC3,
    DebugTextC4,
    DebugTextC5,
    DebugTextC6,
    DebugTextD1,
    DebugTextD2,
    DebugTextD3,
    DebugTextD4,
    DebugTextD5,
    DebugTextD6,
    DebugButtonL1,
    DebugButtonL2,
    DebugButtonL3,
    DebugButtonL4,
    DebugButtonL5,
    DebugButtonL6,
    DebugButtonR1,
    DebugButtonR2,
    DebugButtonR3,
    DebugButtonR4,
    DebugButtonR5,
    DebugButtonR6,
    DebugButtonC1,
    DebugButtonC2,
    DebugButtonC3,
    DebugButtonC4,
    DebugButtonC5,
    DebugButtonC6,
    DebugButtonD1,
    DebugButtonD2,
    DebugButtonD3,
    DebugButtonD4,
    DebugButtonD5,
    DebugButtonD6,
    ChipButtonHdmi,
    ChipButtonDecoder,
    ToolFrameFileChange,
    ToolButtonHex2Tot,
    ToolButtonHex2Bin,
    ToolButtonBin2Txt,
    ToolButtonEdidBorn,
    ToolButtonCharBorn,
    Text6,
    DesktopFrameLevelMain,
    DesktopSliderLevelMain,
    DesktopTextLevelMain,
    DesktopFrameLevelFl,
    DesktopSliderLevelFl,
    DesktopTextLevelFl,
    DesktopFrameLevelFr,
    DesktopSliderLevelFr,
    DesktopTextLevelFr,
    DesktopFrameLevelSw,
    DesktopSliderLevelSw,
    DesktopTextLevelSw,
    DesktopFrameLevelFc,
    DesktopSliderLevelFc,
    DesktopTextLevelFc,
    DesktopFrameLevelSl,
    DesktopSliderLevelSl,
    DesktopTextLevelSl,
    DesktopFrameLevelSr,
    DesktopSliderLevelSr,
    DesktopTextLevelSr,
    DesktopFrameLevelBl,
    DesktopSliderLevelBl,
    DesktopTextLevelBl,
    DesktopFrameLevelBr,
    DesktopSliderLevelBr,
    DesktopTextLevelBr,
    DesktopFrameBass,
    DesktopSliderBass,
    DesktopTextBass,
    DesktopFrameTreble,
    DesktopSliderTreble,
    DesktopTextTreble,
    DesktopFrameDelayFc,
    DesktopSliderDelayFc,
    DesktopTextDelayFc,
    DesktopFrameDelayS,
    DesktopSliderDelayS,
    DesktopTextDelayS,
    DecoderFrameLevelFl,
    DecoderTextLevelFl,
    Trim1TextAddress,
    ControlComboInputHdmi,
    ControlComboInputDigital,
    ControlComboInputAnalog,
    ControlTextAddress,
    Batch1TextFile,
    Batch1ButtonOpen,
    Batch1LabelPort,
    Batch1TextPort,
    Batch1ButtonRead,
    Batch1ButtonWrite,
    Batch2TextFile,
    Batch2ButtonOpen,
    Batch2LabelPort,
    Batch2TextPort,
    Batch2ButtonRead,
    Batch2ButtonWrite,
    Batch3TextFile,
    Batch3ButtonOpen,
    Batch3LabelPort,
    Batch3TextPort,
    Batch3ButtonRead,
    Batch3ButtonWrite,
    BatchTxText,
    BatchRxText,
};
}  // namespace DesktopFormControls
