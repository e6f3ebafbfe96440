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

// The register pages "Switch", "Decoder" and "Transmit", one list each, kept
// apart from All, which lists the main page and the controls outside the pages.
inline constexpr Control Ad8197Label00{"HdmiForm", "Ad8197Label00", "0x00:High Switch"};
inline constexpr Control Ad8197Label01{"HdmiForm", "Ad8197Label01", "0x01:Aux Switch"};
inline constexpr Control Ad8197Label02{"HdmiForm", "Ad8197Label02", "0x10:Chip Ver"};
inline constexpr Control Ad8197Text00{"HdmiForm", "Ad8197Text00", "----"};
inline constexpr Control Ad8197Text01{"HdmiForm", "Ad8197Text01", "----"};
inline constexpr Control Ad8197Text10{"HdmiForm", "Ad8197Text10", "----"};

inline constexpr Control SwitchPage[] = {
    Ad8197Label00,
    Ad8197Label01,
    Ad8197Label02,
    Ad8197Text00,
    Ad8197Text01,
    Ad8197Text10,
};

inline constexpr Control Ad9880Label00{"HdmiForm", "Ad9880Label00", "0x00:Chip Ver"};
inline constexpr Control Ad9880Label15{"HdmiForm", "Ad9880Label15", "0x15:HV-Sycn Det."};
inline constexpr Control Ad9880Label25{"HdmiForm", "Ad9880Label25", "0x25:Output Mode"};
inline constexpr Control Ad9880Label25Bit32{"HdmiForm", "Ad9880Label25Bit32", "3-2OutputMode:---"};
inline constexpr Control Ad9880Label26{"HdmiForm", "Ad9880Label26", "0x26:Power"};
inline constexpr Control Ad9880Label26Bit0{"HdmiForm", "Ad9880Label26Bit0", "0Power:---"};
inline constexpr Control Ad9880Label2f{"HdmiForm", "Ad9880Label2f", "0x2f:TMDS"};
inline constexpr Control Ad9880Label2fBit6{"HdmiForm", "Ad9880Label2fBit6", "6TmdsSync:---"};
inline constexpr Control Ad9880Label2fBit5{"HdmiForm", "Ad9880Label2fBit5", "5TmdsClk:---"};
inline constexpr Control Ad9880Label2fBit4{"HdmiForm", "Ad9880Label2fBit4", "4AvMute:---"};
inline constexpr Control Ad9880Label2fBit3{"HdmiForm", "Ad9880Label2fBit3", "3Key:---"};
inline constexpr Control Ad9880Label30{"HdmiForm", "Ad9880Label30", "0x30:Hdcp"};
inline constexpr Control Ad9880Label30Bit6{"HdmiForm", "Ad9880Label30Bit6", "6UseHdcp:---"};
inline constexpr Control Ad9880Label57{"HdmiForm", "Ad9880Label57", "0x57:AV Mute"};
inline constexpr Control Ad9880Label5B{"HdmiForm", "Ad9880Label5B", "0x5b:Dvi/Hdmi"};
inline constexpr Control Ad9880Label5bBit3{"HdmiForm", "Ad9880Label5bBit3", "3Dvi/Hdmi:---"};
inline constexpr Control Ad9880Label5e{"HdmiForm", "Ad9880Label5e", "0x5e:AudioType"};
inline constexpr Control Ad9880Label5eBit1{"HdmiForm", "Ad9880Label5eBit1", "1Type:---"};
inline constexpr Control Ad9880Label61{"HdmiForm", "Ad9880Label61", "0x61:AudioSample"};
inline constexpr Control Ad9880Label61Bit30{"HdmiForm", "Ad9880Label61Bit30", "3-0Sample:---"};
inline constexpr Control Ad9880Label81{"HdmiForm", "Ad9880Label81", "0x81:ColorSpace"};
inline constexpr Control Ad9880Label81Bit65{"HdmiForm", "Ad9880Label81Bit65", "6-5InputCS:---"};
inline constexpr Control Ad9880Label84{"HdmiForm", "Ad9880Label84", "0x84:VideoID"};
inline constexpr Control Ad9880Label84Bit60{"HdmiForm", "Ad9880Label84Bit60", "6-0Video:---"};
inline constexpr Control Ad9880Label87{"HdmiForm", "Ad9880Label87", "0x87:DataCahnge"};
inline constexpr Control Ad9880Label91{"HdmiForm", "Ad9880Label91", "0x91:AudioCode"};
inline constexpr Control Ad9880Label91Bit74{"HdmiForm", "Ad9880Label91Bit74", "7-4Code:---"};
inline constexpr Control Ad9880CommandReadReg{"HdmiForm", "Ad9880CommandReadReg", "Read Reg"};

inline constexpr Control DecoderPage[] = {
    Ad9880Label00,
    Ad9880Label15,
    Ad9880Label25,
    Ad9880Label25Bit32,
    Ad9880Label26,
    Ad9880Label26Bit0,
    Ad9880Label2f,
    Ad9880Label2fBit6,
    Ad9880Label2fBit5,
    Ad9880Label2fBit4,
    Ad9880Label2fBit3,
    Ad9880Label30,
    Ad9880Label30Bit6,
    Ad9880Label57,
    Ad9880Label5B,
    Ad9880Label5bBit3,
    Ad9880Label5e,
    Ad9880Label5eBit1,
    Ad9880Label61,
    Ad9880Label61Bit30,
    Ad9880Label81,
    Ad9880Label81Bit65,
    Ad9880Label84,
    Ad9880Label84Bit60,
    Ad9880Label87,
    Ad9880Label91,
    Ad9880Label91Bit74,
    Ad9880CommandReadReg,
};

inline constexpr Control Ad9889Label00{"HdmiForm", "Ad9889Label00", "0x00:Chip Ver"};
inline constexpr Control Ad9889Label04{"HdmiForm", "Ad9889Label04", "0x04:AudioSample"};
inline constexpr Control Ad9889Label04Bit74{"HdmiForm", "Ad9889Label04Bit74", "74SpifSample:---"};
inline constexpr Control Ad9889Label12{"HdmiForm", "Ad9889Label12", "0x12:Copyright"};
inline constexpr Control Ad9889Label12Bit5{"HdmiForm", "Ad9889Label12Bit5", "5Copyright:---"};
inline constexpr Control Ad9889Label15{"HdmiForm", "Ad9889Label15", "0x15:InputAudioVideo"};
inline constexpr Control Ad9889Label15Bit74{"HdmiForm", "Ad9889Label15Bit74", "74I2sSample:---"};
inline constexpr Control Ad9889Label15Bit31{"HdmiForm", "Ad9889Label15Bit31", "31Video:---"};
inline constexpr Control Ad9889Label16{"HdmiForm", "Ad9889Label16", "0x16:OuteputVideo"};
inline constexpr Control Ad9889Label16Bit76{"HdmiForm", "Ad9889Label16Bit76", "76OutVideo:---"};
inline constexpr Control Ad9889Label16Bit0{"HdmiForm", "Ad9889Label16Bit0", "0InColorSpace---"};
inline constexpr Control Ad9889Label3d{"HdmiForm", "Ad9889Label3d", "0x3d:Actual VID"};
inline constexpr Control Ad9889Label3dBit60{"HdmiForm", "Ad9889Label3dBit60", "60Actual Video:---"};
inline constexpr Control Ad9889Label3e{"HdmiForm", "Ad9889Label3e", "0x3e:Detect VID"};
inline constexpr Control Ad9889Label3eBit72{"HdmiForm", "Ad9889Label3eBit72", "72Detect Video:---"};
inline constexpr Control Ad9889Label41{"HdmiForm", "Ad9889Label41", "0x41:Power"};
inline constexpr Control Ad9889Label41Bit6{"HdmiForm", "Ad9889Label41Bit6", "6Power:---"};
inline constexpr Control Ad9889Label45{"HdmiForm", "Ad9889Label45", "0x45:OuteputVideo"};
inline constexpr Control Ad9889Label45Bit54{"HdmiForm", "Ad9889Label45Bit54", "54VideoOutFormat:---"};
inline constexpr Control Ad9889Labelaf{"HdmiForm", "Ad9889Labelaf", "0xaf:Hdcp Encryption"};
inline constexpr Control Ad9889LabelafBit7{"HdmiForm", "Ad9889LabelafBit7", "7UseHdcp:---"};
inline constexpr Control Ad9889LabelafBit1{"HdmiForm", "Ad9889LabelafBit1", "1Dvi/Hdmi:---"};
inline constexpr Control Ad9889Labelb8{"HdmiForm", "Ad9889Labelb8", "0xb8:Dvi/Hdmi"};
inline constexpr Control Ad9889Labelb8Bit6{"HdmiForm", "Ad9889Labelb8Bit6", "6EHdcpState:---"};
inline constexpr Control Ad9889Labelb8Bit5{"HdmiForm", "Ad9889Labelb8Bit5", "5Dvi/Hdmi:---"};
inline constexpr Control Ad9889Labelb8Bit4{"HdmiForm", "Ad9889Labelb8Bit4", "4Key:---"};
inline constexpr Control Ad9889Labelc6{"HdmiForm", "Ad9889Labelc6", "0xc6:Epprom"};
inline constexpr Control Ad9889Labelc6Bit1{"HdmiForm", "Ad9889Labelc6Bit1", "1Key:---"};
inline constexpr Control Ad9889CommandReadReg{"HdmiForm", "Ad9889CommandReadReg", "Read Reg"};
inline constexpr Control Ad9889CheckPower{"HdmiForm", "Ad9889CheckPower", "Power"};

inline constexpr Control TransmitPage[] = {
    Ad9889Label00,
    Ad9889Label04,
    Ad9889Label04Bit74,
    Ad9889Label12,
    Ad9889Label12Bit5,
    Ad9889Label15,
    Ad9889Label15Bit74,
    Ad9889Label15Bit31,
    Ad9889Label16,
    Ad9889Label16Bit76,
    Ad9889Label16Bit0,
    Ad9889Label3d,
    Ad9889Label3dBit60,
    Ad9889Label3e,
    Ad9889Label3eBit72,
    Ad9889Label41,
    Ad9889Label41Bit6,
    Ad9889Label45,
    Ad9889Label45Bit54,
    Ad9889Labelaf,
    Ad9889LabelafBit7,
    Ad9889LabelafBit1,
    Ad9889Labelb8,
    Ad9889Labelb8Bit6,
    Ad9889Labelb8Bit5,
    Ad9889Labelb8Bit4,
    Ad9889Labelc6,
    Ad9889Labelc6Bit1,
    Ad9889CommandReadReg,
    Ad9889CheckPower,
};
}  // namespace HdmiFormControls
