#pragma once

// The basic parameter elements of a hardware document, in the order they are written.
// X(name) is applied to each; the element name is the record field name.
#define KY_HW_BASIC_FIELDS(X) \
    X(ModuleType) \
    X(ScreenSwitch) \
    X(CellWidth) \
    X(CellHight) \
    X(DataPolarity) \
    X(OEPolarity) \
    X(DecodingMode) \
    X(SignalColor) \
    X(ScanMode) \
    X(Frequency) \
    X(DutyCycle) \
    X(PriorityMode) \
    X(GrayLevel) \
    X(LuminanceLevel) \
    X(DSignalExtended) \
    X(RGB20) \
    X(OM) \
    X(Phase) \
    X(BV) \
    X(RedCorrection) \
    X(GreenCorrection) \
    X(BlueCorrection) \
    X(GamaValue) \
    X(CellScanRow) \
    X(NoSignalProcess) \
    X(CellNullNum) \
    X(CellDataNum) \
    X(CellScanNum) \
    X(SmartSettingStatus) \
    X(SignalOutput) \
    X(RgbGroup1) \
    X(SmartSettingTracing) \
    X(LookUpTabSetting) \
    X(ScanCheck) \
    X(ColourTemperature) \
    X(F_Frame) \
    X(R_Acc) \
    X(RefreshRate) \
    X(CardMaxCtrlWidth) \
    X(CardMaxCtrlHeight) \
    X(S_Fn) \
    X(B_fn) \
    X(OE_T) \
    X(Max_Data_Num) \
    X(Max_OE_Clk_Num) \
    X(Afterglow) \
    X(VirtualType) \
    X(PwmChipType) \
    X(PwmFrequency) \
    X(PwmRedCurrent) \
    X(PwmGreenCurrent) \
    X(PwmBlueCurrent) \

