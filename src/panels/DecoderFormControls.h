#pragma once
// Controls of the audio decoder window with their designed captions.
#include "app/Platform.h"

namespace DecoderFormControls {
inline constexpr Control DecoderForm{"DecoderForm", "DecoderForm", "AudioDecoder Debug"};
inline constexpr Control DecoderTextAddress{"DecoderForm", "DecoderTextAddress", "2"};
inline constexpr Control DecoderTable{"DecoderForm", "DecoderTable", ""};
inline constexpr Control DecoderFrameInput{"DecoderForm", "DecoderFrameInput", "Input"};
inline constexpr Control DecoderOptionInputA1{"DecoderForm", "DecoderOptionInputA1", "Analog 1"};
inline constexpr Control DecoderOptionInputA2{"DecoderForm", "DecoderOptionInputA2", "Analog 2"};
inline constexpr Control DecoderOptionInputA3{"DecoderForm", "DecoderOptionInputA3", "Analog 3"};
inline constexpr Control DecoderOptionInputA4{"DecoderForm", "DecoderOptionInputA4", "Analog 4"};
inline constexpr Control DecoderOptionInputA5{"DecoderForm", "DecoderOptionInputA5", "Analog 5"};
inline constexpr Control DecoderOptionInputA6{"DecoderForm", "DecoderOptionInputA6", "Analog 6"};
inline constexpr Control DecoderOptionInputA7{"DecoderForm", "DecoderOptionInputA7", "Analog 7"};
inline constexpr Control DecoderOptionInputA8{"DecoderForm", "DecoderOptionInputA8", "Analog 8"};
inline constexpr Control DecoderOptionInputRx0{"DecoderForm", "DecoderOptionInputRx0", "Digital 1"};
inline constexpr Control DecoderOptionInputRx1{"DecoderForm", "DecoderOptionInputRx1", "Digital 2"};
inline constexpr Control DecoderOptionInputRx2{"DecoderForm", "DecoderOptionInputRx2", "Digital 3"};
inline constexpr Control DecoderOptionInputRx3{"DecoderForm", "DecoderOptionInputRx3", "Digital 4"};
inline constexpr Control DecoderOptionInputRx4{"DecoderForm", "DecoderOptionInputRx4", "Digital 5"};
inline constexpr Control DecoderOptionInputRx5{"DecoderForm", "DecoderOptionInputRx5", "Digital 6"};
inline constexpr Control DecoderOptionInputRx6{"DecoderForm", "DecoderOptionInputRx6", "Digital 7"};
inline constexpr Control DecoderOptionInputRx7{"DecoderForm", "DecoderOptionInputRx7", "Digital 8"};
inline constexpr Control DecoderFrameSize{"DecoderForm", "DecoderFrameSize", "Speaker Size"};
inline constexpr Control DecoderFrameSizeFront{"DecoderForm", "DecoderFrameSizeFront", "Front"};
inline constexpr Control DecoderOptionSizeFrontNone{"DecoderForm", "DecoderOptionSizeFrontNone", "None"};
inline constexpr Control DecoderOptionSizeFrontSmall{"DecoderForm", "DecoderOptionSizeFrontSmall", "Small"};
inline constexpr Control DecoderOptionSizeFrontLarge{"DecoderForm", "DecoderOptionSizeFrontLarge", "Large"};
inline constexpr Control DecoderFrameSizeWoofer{"DecoderForm", "DecoderFrameSizeWoofer", "Woofer"};
inline constexpr Control DecoderOptionSizeWooferNone{"DecoderForm", "DecoderOptionSizeWooferNone", "None"};
inline constexpr Control DecoderOptionSizeWooferYes{"DecoderForm", "DecoderOptionSizeWooferYes", "Yes"};
inline constexpr Control DecoderFrameSizeCenter{"DecoderForm", "DecoderFrameSizeCenter", "Center"};
inline constexpr Control DecoderOptionSizeCenterNone{"DecoderForm", "DecoderOptionSizeCenterNone", "None"};
inline constexpr Control DecoderOptionSizeCenterSmall{"DecoderForm", "DecoderOptionSizeCenterSmall", "Small"};
inline constexpr Control DecoderOptionSizeCenterLarge{"DecoderForm", "DecoderOptionSizeCenterLarge", "Large"};
inline constexpr Control DecoderFrameSizeSurround{"DecoderForm", "DecoderFrameSizeSurround", "Surround"};
inline constexpr Control DecoderOptionSizeSurroundNone{"DecoderForm", "DecoderOptionSizeSurroundNone", "None"};
inline constexpr Control DecoderOptionSizeSurroundSmall{"DecoderForm", "DecoderOptionSizeSurroundSmall", "Small"};
inline constexpr Control DecoderOptionSizeSurroundLarge{"DecoderForm", "DecoderOptionSizeSurroundLarge", "Large"};
inline constexpr Control DecoderFrameSizeBack{"DecoderForm", "DecoderFrameSizeBack", "Back"};
inline constexpr Control DecoderOptionSizeBackNone{"DecoderForm", "DecoderOptionSizeBackNone", "None"};
inline constexpr Control DecoderOptionSizeBackSmall{"DecoderForm", "DecoderOptionSizeBackSmall", "Small"};
inline constexpr Control DecoderOptionSizeBackLarge{"DecoderForm", "DecoderOptionSizeBackLarge", "Large"};
inline constexpr Control DecoderFrameSizeBackCh{"DecoderForm", "DecoderFrameSizeBackCh", "Back Channel"};
inline constexpr Control DecoderOptionSizeBack1Ch{"DecoderForm", "DecoderOptionSizeBack1Ch", "1 CH"};
inline constexpr Control DecoderOptionSizeBack2Ch{"DecoderForm", "DecoderOptionSizeBack2Ch", "2 CH"};
inline constexpr Control DecoderFrameMode{"DecoderForm", "DecoderFrameMode", "Mode"};
inline constexpr Control DecoderOptionModeBypass{"DecoderForm", "DecoderOptionModeBypass", "Bypass"};
inline constexpr Control DecoderOptionModeStereo{"DecoderForm", "DecoderOptionModeStereo", "Stereo"};
inline constexpr Control DecoderOptionModeDsp1{"DecoderForm", "DecoderOptionModeDsp1", "DSP1"};
inline constexpr Control DecoderOptionModeDsp2{"DecoderForm", "DecoderOptionModeDsp2", "DSP2"};
inline constexpr Control DecoderOptionModeDsp3{"DecoderForm", "DecoderOptionModeDsp3", "DSP3"};
inline constexpr Control DecoderOptionModeDsp4{"DecoderForm", "DecoderOptionModeDsp4", "DSP4"};
inline constexpr Control DecoderOptionModeDsp5{"DecoderForm", "DecoderOptionModeDsp5", "DSP5"};
inline constexpr Control DecoderOptionModeDsp6{"DecoderForm", "DecoderOptionModeDsp6", "DSP6"};
inline constexpr Control DecoderOptionModeDsp7{"DecoderForm", "DecoderOptionModeDsp7", "DSP7"};
inline constexpr Control DecoderOptionModeDsp8{"DecoderForm", "DecoderOptionModeDsp8", "DSP8"};
inline constexpr Control DecoderOptionModePL{"DecoderForm", "DecoderOptionModePL", "PL"};
inline constexpr Control DecoderOptionModePL2A{"DecoderForm", "DecoderOptionModePL2A", "PLII Movie"};
inline constexpr Control DecoderOptionModePL2B{"DecoderForm", "DecoderOptionModePL2B", "PLII Music"};
inline constexpr Control DecoderOptionModePL2xA{"DecoderForm", "DecoderOptionModePL2xA", "PLIIx Movie"};
inline constexpr Control DecoderOptionModePL2xB{"DecoderForm", "DecoderOptionModePL2xB", "PLIIx Music"};
inline constexpr Control DecoderOptionModeNeo6A{"DecoderForm", "DecoderOptionModeNeo6A", "NEO6:Cinema"};
inline constexpr Control DecoderOptionModeNeo6B{"DecoderForm", "DecoderOptionModeNeo6B", "NEO6:Music"};
inline constexpr Control DecoderOptionModeDolbyD{"DecoderForm", "DecoderOptionModeDolbyD", "Dolby D"};
inline constexpr Control DecoderOptionModeDolbyEx{"DecoderForm", "DecoderOptionModeDolbyEx", "Dolby EX"};
inline constexpr Control DecoderOptionModeDts{"DecoderForm", "DecoderOptionModeDts", "DTS"};
inline constexpr Control DecoderOptionModeDtsEs{"DecoderForm", "DecoderOptionModeDtsEs", "DTS ES"};
inline constexpr Control DecoderButtonQuerySignal{"DecoderForm", "DecoderButtonQuerySignal", "Query Signal"};
inline constexpr Control DecoderFrameNoise{"DecoderForm", "DecoderFrameNoise", "Noise Test"};
inline constexpr Control DecoderOptionNoiseOff{"DecoderForm", "DecoderOptionNoiseOff", "Off"};
inline constexpr Control DecoderOptionNoiseFl{"DecoderForm", "DecoderOptionNoiseFl", "FL"};
inline constexpr Control DecoderOptionNoiseFr{"DecoderForm", "DecoderOptionNoiseFr", "FR"};
inline constexpr Control DecoderOptionNoiseSw{"DecoderForm", "DecoderOptionNoiseSw", "SW"};
inline constexpr Control DecoderOptionNoiseFc{"DecoderForm", "DecoderOptionNoiseFc", "FC"};
inline constexpr Control DecoderOptionNoiseSl{"DecoderForm", "DecoderOptionNoiseSl", "SL"};
inline constexpr Control DecoderOptionNoiseSr{"DecoderForm", "DecoderOptionNoiseSr", "SR"};
inline constexpr Control DecoderOptionNoiseBl{"DecoderForm", "DecoderOptionNoiseBl", "BL"};
inline constexpr Control DecoderOptionNoiseBr{"DecoderForm", "DecoderOptionNoiseBr", "BR"};
inline constexpr Control DecoderCheckNoiseAuto{"DecoderForm", "DecoderCheckNoiseAuto", "Auto"};
inline constexpr Control DecoderCheckMute{"DecoderForm", "DecoderCheckMute", "Mute"};
inline constexpr Control DecoderCheckNight{"DecoderForm", "DecoderCheckNight", "Night"};
inline constexpr Control DecoderFrameTuning{"DecoderForm", "DecoderFrameTuning", "收音机"};
inline constexpr Control DecoderOptionAm{"DecoderForm", "DecoderOptionAm", "AM"};
inline constexpr Control DecoderOptionFm{"DecoderForm", "DecoderOptionFm", "FM"};
inline constexpr Control DecoderBarTuning{"DecoderForm", "DecoderBarTuning", ""};
inline constexpr Control DecoderTextTuningFreq{"DecoderForm", "DecoderTextTuningFreq", "---"};
inline constexpr Control Cs8416Label00{"DecoderForm", "Cs8416Label00", "0x--   0x00:Chip Ver"};
inline constexpr Control Cs8416Label01{"DecoderForm", "Cs8416Label01", "0x--   0x00:Chip Ver"};
inline constexpr Control Cs8416Label02{"DecoderForm", "Cs8416Label02", "0x--   0x00:Chip Ver"};
inline constexpr Control Cs49326LabelSignal{"DecoderForm", "Cs49326LabelSignal", "Signal:"};
inline constexpr Control Cs49326LabelSample{"DecoderForm", "Cs49326LabelSample", "Sample:"};
inline constexpr Control Cs49326LabelChannel{"DecoderForm", "Cs49326LabelChannel", "Channel:"};
// The "Update" page: the DSP flash images and their download.
inline constexpr Control AudioFlashFrame{"DecoderForm", "AudioFlashFrame", " 升级Flash "};
inline constexpr Control AudioFlashOpenEgg{"DecoderForm", "AudioFlashOpenEgg", "打开 Egg"};
inline constexpr Control AudioFlashEggName{"DecoderForm", "AudioFlashEggName", ""};
inline constexpr Control AudioFlashEggDate{"DecoderForm", "AudioFlashEggDate", ""};
inline constexpr Control AudioFlashEggCodeSize{"DecoderForm", "AudioFlashEggCodeSize", "数据长度: 0x----"};
inline constexpr Control AudioFlashEggCodeCount{"DecoderForm", "AudioFlashEggCodeCount", "数据大小: 0x----"};
inline constexpr Control AudioFlashOpenFlash{"DecoderForm", "AudioFlashOpenFlash", "打开Flash"};
inline constexpr Control AudioFlashFlashName{"DecoderForm", "AudioFlashFlashName", ""};
inline constexpr Control AudioFlashFlashDate{"DecoderForm", "AudioFlashFlashDate", ""};
inline constexpr Control AudioFlashFlashCodeSize{"DecoderForm", "AudioFlashFlashCodeSize", "数据长度: 0x----"};
inline constexpr Control AudioFlashFlashCodeCount{"DecoderForm", "AudioFlashFlashCodeCount", "数据大小: 0x----"};
inline constexpr Control AudioFlashDownload{"DecoderForm", "AudioFlashDownload", "升  级"};
inline constexpr Control AudioFlashBurnInfo{"DecoderForm", "AudioFlashBurnInfo", "状态: ------"};
inline constexpr Control AudioFlashBurnError{"DecoderForm", "AudioFlashBurnError", "出错: ------"};
inline constexpr Control AudioFlashBurnTime{"DecoderForm", "AudioFlashBurnTime", "时间: ------"};
inline constexpr Control AudioFlashBar{"DecoderForm", "AudioFlashBar", ""};

inline constexpr Control All[] = {
    DecoderForm,
    DecoderTextAddress,
    DecoderTable,
    DecoderFrameInput,
    DecoderOptionInputA1,
    DecoderOptionInputA2,
    DecoderOptionInputA3,
    DecoderOptionInputA4,
    DecoderOptionInputA5,
    DecoderOptionInputA6,
    DecoderOptionInputA7,
    DecoderOptionInputA8,
    DecoderOptionInputRx0,
    DecoderOptionInputRx1,
    DecoderOptionInputRx2,
    DecoderOptionInputRx3,
    DecoderOptionInputRx4,
    DecoderOptionInputRx5,
    DecoderOptionInputRx6,
    DecoderOptionInputRx7,
    DecoderFrameSize,
    DecoderFrameSizeFront,
    DecoderOptionSizeFrontNone,
    DecoderOptionSizeFrontSmall,
    DecoderOptionSizeFrontLarge,
    DecoderFrameSizeWoofer,
    DecoderOptionSizeWooferNone,
    DecoderOptionSizeWooferYes,
    DecoderFrameSizeCenter,
    DecoderOptionSizeCenterNone,
    DecoderOptionSizeCenterSmall,
    DecoderOptionSizeCenterLarge,
    DecoderFrameSizeSurround,
    DecoderOptionSizeSurroundNone,
    DecoderOptionSizeSurroundSmall,
    DecoderOptionSizeSurroundLarge,
    DecoderFrameSizeBack,
    DecoderOptionSizeBackNone,
    DecoderOptionSizeBackSmall,
    DecoderOptionSizeBackLarge,
    DecoderFrameSizeBackCh,
    DecoderOptionSizeBack1Ch,
    DecoderOptionSizeBack2Ch,
    DecoderFrameMode,
    DecoderOptionModeBypass,
    DecoderOptionModeStereo,
    DecoderOptionModeDsp1,
    DecoderOptionModeDsp2,
    DecoderOptionModeDsp3,
    DecoderOptionModeDsp4,
    DecoderOptionModeDsp5,
    DecoderOptionModeDsp6,
    DecoderOptionModeDsp7,
    DecoderOptionModeDsp8,
    DecoderOptionModePL,
    DecoderOptionModePL2A,
    DecoderOptionModePL2B,
    DecoderOptionModePL2xA,
    DecoderOptionModePL2xB,
    DecoderOptionModeNeo6A,
    DecoderOptionModeNeo6B,
    DecoderOptionModeDolbyD,
    DecoderOptionModeDolbyEx,
    DecoderOptionModeDts,
    DecoderOptionModeDtsEs,
    DecoderButtonQuerySignal,
    DecoderFrameNoise,
    DecoderOptionNoiseOff,
    DecoderOptionNoiseFl,
    DecoderOptionNoiseFr,
    DecoderOptionNoiseSw,
    DecoderOptionNoiseFc,
    DecoderOptionNoiseSl,
    DecoderOptionNoiseSr,
    DecoderOptionNoiseBl,
    DecoderOptionNoiseBr,
    DecoderCheckNoiseAuto,
    DecoderCheckMute,
    DecoderCheckNight,
    DecoderFrameTuning,
    DecoderOptionAm,
    DecoderOptionFm,
    DecoderBarTuning,
    DecoderTextTuningFreq,
    Cs8416Label00,
    Cs8416Label01,
    Cs8416Label02,
    Cs49326LabelSignal,
    Cs49326LabelSample,
    Cs49326LabelChannel,
    AudioFlashFrame,
    AudioFlashOpenEgg,
    AudioFlashEggName,
    AudioFlashEggDate,
    AudioFlashEggCodeSize,
    AudioFlashEggCodeCount,
    AudioFlashOpenFlash,
    AudioFlashFlashName,
    AudioFlashFlashDate,
    AudioFlashFlashCodeSize,
    AudioFlashFlashCodeCount,
    AudioFlashDownload,
    AudioFlashBurnInfo,
    AudioFlashBurnError,
    AudioFlashBurnTime,
    AudioFlashBar,
};
}  // namespace DecoderFormControls
