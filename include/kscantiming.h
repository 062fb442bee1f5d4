#pragma once

#include "kcore_global.h"

struct ST_HwConfig;

// Values derived from the chosen fields of a hardware configuration. Each function takes the
// record and writes its result into it; the setup dialog calls them after every change in
// this order: GetScanPara, GetScanTab, CalcMaxOE, CalcOEMaxClkNum, CalcMinOE, CalcMaxDataNum,
// CalcCardMaxCtrlWidth, CalcCardMaxCtrlHeight, CalcLuminanceEfficiency.

// Frame rate in frames per second: 60 for F_Frame 2, 120 for 3, else 30.
KCORE_EXPORT int GetF_Frame(ST_HwConfig& config);
// Data clock in MHz; -1.0 when Frequency is not a clock index.
KCORE_EXPORT float GetFrequency(ST_HwConfig& config);
// Data clock period in ns; -1 when Frequency is not a clock index.
KCORE_EXPORT int CalcMinTClk(ST_HwConfig& config);

KCORE_EXPORT void GetScanPara(ST_HwConfig& config);
KCORE_EXPORT void GetScanTab(ST_HwConfig& config);
KCORE_EXPORT void CalcMaxOE(ST_HwConfig& config);
KCORE_EXPORT void CalcOEMaxClkNum(ST_HwConfig& config);
KCORE_EXPORT void CalcMinOE(ST_HwConfig& config);
KCORE_EXPORT void CalcMaxDataNum(ST_HwConfig& config);
KCORE_EXPORT void CalcCardMaxCtrlWidth(ST_HwConfig& config);
KCORE_EXPORT void CalcCardMaxCtrlHeight(ST_HwConfig& config);
KCORE_EXPORT void CalcLuminanceEfficiency(ST_HwConfig& config);

// Fills 512 bytes (256 big-endian words) at table. Returns 0, or -1 when the gamma is outside
// 1.0..6.0 or the grey depth is unusable; the table is then left as it was.
KCORE_EXPORT int GeneratorGamaTab(unsigned char* table, float gamaValue, int grayLevel);

namespace Ky {

// The whole chain above, in the dialog's order.
KCORE_EXPORT void DeriveHwConfig(ST_HwConfig& config);

} // namespace Ky
