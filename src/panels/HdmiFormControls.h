#pragma once
// Controls of the HDMI window.
#include "app/Platform.h"

namespace HdmiFormControls {
inline constexpr Control HdmiForm{"HdmiForm", "HdmiForm", "Hdmi Debug"};
inline constexpr Control HdmiTable{"HdmiForm", "HdmiTable", ""};
inline constexpr Control HdmiTextAddress{"HdmiForm", "HdmiTextAddress", "3"};
inline constexpr Control HdmiTextHdmiStep{"HdmiForm", "HdmiTextHdmiStep", "----"};
inline constexpr Control HdmiCommandBurnEdid{"HdmiForm", "HdmiCommandBurnEdid", "Burn RxEdid"};
inline constexpr Control HdmiCommandRxHdcp{"HdmiForm", "HdmiCommandRxHdcp", "Burn RxHDCP"};
inline constexpr Control HdmiCommandTxHdcp{"HdmiForm", "HdmiCommandTxHdcp", "Burn TxHDCP"};
inline constexpr Control HdmiCommandReadEdid{"HdmiForm", "HdmiCommandReadEdid", "Read TxEdid"};
inline constexpr Control HdmiCommandRxBoot{"HdmiForm", "HdmiCommandRxBoot", "Rx Boot"};
inline constexpr Control HdmiCommandRxHalt{"HdmiForm", "HdmiCommandRxHalt", "Rx Halt"};
inline constexpr Control HdmiCommandTxBoot{"HdmiForm", "HdmiCommandTxBoot", "Tx Boot"};
inline constexpr Control HdmiCommandTxHalt{"HdmiForm", "HdmiCommandTxHalt", "Tx Halt"};
inline constexpr Control HdmiCommandTxPlugOn{"HdmiForm", "HdmiCommandTxPlugOn", "Tx Plug On"};
inline constexpr Control HdmiCommandTxPlugOff{"HdmiForm", "HdmiCommandTxPlugOff", "Tx Plug Off"};
inline constexpr Control HdmiFrameMute{"HdmiForm", "HdmiFrameMute", "Hdmi Output Mute"};
inline constexpr Control HdmiCheckMuteAudio{"HdmiForm", "HdmiCheckMuteAudio", "Mute Audio"};
inline constexpr Control HdmiCheckMuteVideo{"HdmiForm", "HdmiCheckMuteVideo", "Mute Video"};
inline constexpr Control HdmiFrameInput{"HdmiForm", "HdmiFrameInput", "Hdmi Input"};
inline constexpr Control HdmiOptionInputNone{"HdmiForm", "HdmiOptionInputNone", "Hdmi Off"};
inline constexpr Control HdmiOptionInput1{"HdmiForm", "HdmiOptionInput1", "Hdmi 1"};
inline constexpr Control HdmiOptionInput2{"HdmiForm", "HdmiOptionInput2", "Hdmi 2"};
inline constexpr Control HdmiOptionInput3{"HdmiForm", "HdmiOptionInput3", "Hdmi 3"};
inline constexpr Control HdmiOptionInput4{"HdmiForm", "HdmiOptionInput4", "Hdmi 4"};
inline constexpr Control HdmiFrameOutput{"HdmiForm", "HdmiFrameOutput", "Hdmi Output"};
inline constexpr Control HdmiOptionOuputOn{"HdmiForm", "HdmiOptionOuputOn", "Enable Hdmi Ouput"};
inline constexpr Control HdmiOptionOuputOff{"HdmiForm", "HdmiOptionOuputOff", "Disable Hdmi Output"};
inline constexpr Control HdmiFrameHdcp{"HdmiForm", "HdmiFrameHdcp", "Hdcp Config"};
inline constexpr Control HdmiOptionHdcpOff{"HdmiForm", "HdmiOptionHdcpOff", "Hdcp Off,Repeater Off"};
inline constexpr Control HdmiOptionHdcpOn{"HdmiForm", "HdmiOptionHdcpOn", "Hdcp On,Repeater Off"};
inline constexpr Control HdmiOptionRepeaterOn{"HdmiForm", "HdmiOptionRepeaterOn", "Hdcp On,Repeater On"};
inline constexpr Control HdmiFrameDevice{"HdmiForm", "HdmiFrameDevice", "Hdmi Output Mode"};
inline constexpr Control HdmiOptionDeviceAuto{"HdmiForm", "HdmiOptionDeviceAuto", "Auto"};
inline constexpr Control HdmiOptionDeviceDvi{"HdmiForm", "HdmiOptionDeviceDvi", "Hdmi Output DVI"};
inline constexpr Control HdmiOptionDeviceHdmi{"HdmiForm", "HdmiOptionDeviceHdmi", "Hdmi Output Hdmi"};
inline constexpr Control HdmiFrameColorSpace{"HdmiForm", "HdmiFrameColorSpace", "Hdmi Output Color Space"};
inline constexpr Control HdmiOptionColorSpaceAuto{"HdmiForm", "HdmiOptionColorSpaceAuto", "Auto Color Space"};
inline constexpr Control HdmiOptionColorSpaceRgb{"HdmiForm", "HdmiOptionColorSpaceRgb", "Hdmi Output RGB"};
inline constexpr Control HdmiOptionColorSpaceYuv422{"HdmiForm", "HdmiOptionColorSpaceYuv422", "Hdmi Output YUV 4:2:2"};
inline constexpr Control HdmiOptionColorSpaceYuv444{"HdmiForm", "HdmiOptionColorSpaceYuv444", "Hdmi Output YUV 4:4:4"};
inline constexpr Control HdmiOptionColorSpaceXvycc{"HdmiForm", "HdmiOptionColorSpaceXvycc", "Hdmi Output xvYCC"};
inline constexpr Control HdmiFrameColorDepth{"HdmiForm", "HdmiFrameColorDepth", "Hdmi Output Color Depth"};
inline constexpr Control HdmiOptionColorDepthAuto{"HdmiForm", "HdmiOptionColorDepthAuto", "Auto Color Depth"};
inline constexpr Control HdmiOptionColorDepth24{"HdmiForm", "HdmiOptionColorDepth24", "Hdmi Output 24Bit"};
inline constexpr Control HdmiOptionColorDepth30{"HdmiForm", "HdmiOptionColorDepth30", "Hdmi Output 30Bit"};
inline constexpr Control HdmiOptionColorDepth36{"HdmiForm", "HdmiOptionColorDepth36", "Hdmi Output 36Bit"};
inline constexpr Control HdmiOptionColorDepth48{"HdmiForm", "HdmiOptionColorDepth48", "Hdmi Output 48Bit"};

inline constexpr Control All[] = {
    HdmiForm,
    HdmiTable,
    HdmiTextAddress,
    HdmiTextHdmiStep,
    HdmiCommandBurnEdid,
    HdmiCommandRxHdcp,
    HdmiCommandTxHdcp,
    HdmiCommandReadEdid,
    HdmiCommandRxBoot,
    HdmiCommandRxHalt,
    HdmiCommandTxBoot,
    HdmiCommandTxHalt,
    HdmiCommandTxPlugOn,
    HdmiCommandTxPlugOff,
    HdmiFrameMute,
    HdmiCheckMuteAudio,
    HdmiCheckMuteVideo,
    HdmiFrameInput,
    HdmiOptionInputNone,
    HdmiOptionInput1,
    HdmiOptionInput2,
    HdmiOptionInput3,
    HdmiOptionInput4,
    HdmiFrameOutput,
    HdmiOptionOuputOn,
    HdmiOptionOuputOff,
    HdmiFrameHdcp,
    HdmiOptionHdcpOff,
    HdmiOptionHdcpOn,
    HdmiOptionRepeaterOn,
    HdmiFrameDevice,
    HdmiOptionDeviceAuto,
    HdmiOptionDeviceDvi,
    HdmiOptionDeviceHdmi,
    HdmiFrameColorSpace,
    HdmiOptionColorSpaceAuto,
    HdmiOptionColorSpaceRgb,
    HdmiOptionColorSpaceYuv422,
    HdmiOptionColorSpaceYuv444,
    HdmiOptionColorSpaceXvycc,
    HdmiFrameColorDepth,
    HdmiOptionColorDepthAuto,
    HdmiOptionColorDepth24,
    HdmiOptionColorDepth30,
    HdmiOptionColorDepth36,
    HdmiOptionColorDepth48,
};
}  // namespace HdmiFormControls
