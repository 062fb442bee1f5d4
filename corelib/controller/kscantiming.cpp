#include "kscantiming.h"

#include "kscanwords.h"
#include "sthwconfig.h"

#include <QLoggingCategory>

#include <cmath>
#include <cstdint>
#include <limits>

Q_DECLARE_LOGGING_CATEGORY(lcController)

namespace {

constexpr float kClockMHz[16] = {31.25f, 25.0f, 20.8f, 17.86f, 15.625f, 13.9f, 12.5f, 11.36f,
                                 10.4f,  9.6f,  8.3f,  7.8125f, 6.25f, 5.0f, 4.03f, 3.125f};
constexpr int kClockPeriodNs[16] = {32, 40, 48, 56, 64, 72, 80, 88,
                                    96, 104, 120, 128, 160, 200, 248, 320};

// Products of record fields are taken in 64 bits so that values read from a document cannot
// overflow; results are narrowed back into the 32-bit fields.
int Narrow(int64_t value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(value);
}

} // namespace

int GetF_Frame(ST_HwConfig& config)
{
    switch (config.F_Frame) {
    case 2:
        return 60;
    case 3:
        return 120;
    default:
        return 30;
    }
}

float GetFrequency(ST_HwConfig& config)
{
    if (config.Frequency < 0 || config.Frequency > 15)
        return -1.0f;
    return kClockMHz[config.Frequency];
}

int CalcMinTClk(ST_HwConfig& config)
{
    if (config.Frequency < 0 || config.Frequency > 15)
        return -1;
    return kClockPeriodNs[config.Frequency];
}

void GetScanPara(ST_HwConfig& config)
{
    const auto* e = Ky::KScanWords::Parameters(config.PriorityMode, config.GrayLevel,
                                               config.LuminanceLevel);
    if (!e) {
        config.S_Fn = config.B_fn = config.OE_T = 1;
        qCDebug(lcController) << "GetScanPara::PriorityMode" << config.PriorityMode << "GrayLevel"
                              << config.GrayLevel << "LuminanceLevel" << config.LuminanceLevel;
        return;
    }
    config.S_Fn = e->S_Fn;
    config.B_fn = e->B_fn;
    config.OE_T = e->OE_T;
}

void GetScanTab(ST_HwConfig& config)
{
    const int g = config.GrayLevel - 7;
    const int l = config.LuminanceLevel;
    if (g < 0 || g > 8 || l < 0 || l > 2 || config.R_Acc < 1 || config.R_Acc > 16) {
        qCDebug(lcController) << "GetScanTab::R_Acc" << config.R_Acc << "GrayLevel"
                              << config.GrayLevel << "LuminanceLevel" << l;
        return;
    }
    int raccClass = 0;
    switch (config.R_Acc) {
    case 4:
        raccClass = 1;
        break;
    case 8:
        raccClass = 2;
        break;
    case 16:
        raccClass = 3;
        break;
    default:
        break;
    }
    const uint16_t* row = Ky::KScanWords::Row(config.PriorityMode, raccClass + 4 * (l + 3 * g));
    if (!row)
        return;
    for (int i = 0; i < Ky::KScanWords::RowWords; ++i) {
        config.ScanTab[2 * i] = uint8_t(row[i] >> 8);
        config.ScanTab[2 * i + 1] = uint8_t(row[i]);
    }
}

void CalcMaxOE(ST_HwConfig& config)
{
    const int64_t t = CalcMinTClk(config);
    const int64_t f = GetF_Frame(config);
    // Without a clock period or a refresh multiplication there is no OE budget.
    if (t <= 0 || config.R_Acc == 0) {
        config.MaxOE = 0;
        return;
    }
    // 128-bit so that any field values read from a document stay exact.
    using Wide = __int128;
    const Wide n = Wide(1000000000) - Wide(f) * 100000
                   - (Wide(t) * config.BV + 40) * config.RefreshRate * config.ScanMode;
    if (n < 0) {
        config.MaxOE = 0;
        return;
    }
    const Wide d = Wide(config.RefreshRate / int64_t(config.R_Acc)) * config.S_Fn * config.ScanMode + f;
    if (d <= 0) {
        config.MaxOE = 0;
        return;
    }
    const int64_t maxOE = int64_t(n / d) - (2 * t + 64);
    config.MaxOE = maxOE < 0 ? 0 : Narrow(maxOE);
}

void CalcOEMaxClkNum(ST_HwConfig& config)
{
    config.Max_OE_Clk_Num = config.MaxOE / 8;
}

void CalcMinOE(ST_HwConfig& config)
{
    config.MinOE = config.OE_T == 0 ? 0 : Narrow(int64_t(config.Max_OE_Clk_Num) / config.OE_T * 8);
}

void CalcMaxDataNum(ST_HwConfig& config)
{
    const int t = CalcMinTClk(config);
    if (t <= 0) {
        config.Max_Data_Num = 0;
        return;
    }
    const int64_t n = int64_t(config.Max_OE_Clk_Num) * 8 / t - 1;
    config.Max_Data_Num = n < 0 ? 0 : Narrow(n);
}

void CalcCardMaxCtrlWidth(ST_HwConfig& config)
{
    if (config.CellScanRow == 0)
        config.CellScanRow = 1;
    config.CellDataNum = Narrow(int64_t(config.CellWidth) * config.CellScanRow);
    config.CellScanNum = Narrow(int64_t(config.CellDataNum) + config.CellNullNum);
    if (config.CellScanNum == 0)
        config.CellScanNum = 1;
    int64_t width = int64_t(config.Max_Data_Num) * config.CellWidth * config.CellScanRow;
    width = width / config.CellScanNum * config.OM / config.CellScanRow;
    if (config.DSignalExtended)
        width /= 2;
    config.CardMaxCtrlWidth = Narrow(width);
}

void CalcCardMaxCtrlHeight(ST_HwConfig& config)
{
    int groups = config.RGB20 ? 20 : 16;
    if (config.DSignalExtended)
        groups *= 2;
    config.CardMaxCtrlHeight =
        config.OM == 0 ? 0 : Narrow(int64_t(groups / config.OM) * config.CellHight);
}

void CalcLuminanceEfficiency(ST_HwConfig& config)
{
    if (config.OE_T == 0 || config.R_Acc == 0) {
        config.LuminanceEfficiency = 0.0f;
        return;
    }
    const int64_t a = 2 * int64_t(config.B_fn) * config.Max_OE_Clk_Num;
    const double b = double(config.Max_OE_Clk_Num) / double(config.OE_T);
    const float x = float(double(a) - b);
    const float y = float(double(config.RefreshRate) * double(config.ScanMode) / double(config.R_Acc));
    const float e = float(double(x) * double(y) / 1250000.0 + 3.0);
    config.LuminanceEfficiency = e < 0.0f ? 0.0f : e;
}

int GeneratorGamaTab(unsigned char* table, float gamaValue, int grayLevel)
{
    const float gamma = float((double(gamaValue) - 10.0) * 0.1);
    if (!table || !(gamma <= 6.0f && gamma >= 1.0f))
        return -1;
    // Beyond 31 bits the values no longer mean anything and would not convert safely.
    if (grayLevel < 0 || grayLevel > 30)
        return -1;

    // 2^(grayLevel + 1) by repeated squaring.
    float top = 1.0f;
    float base = 2.0f;
    for (unsigned int e = unsigned(grayLevel + 1); e; e >>= 1) {
        if (e & 1u)
            top *= base;
        base *= base;
    }

    for (int i = 0; i < 256; ++i) {
        uint16_t v;
        if (i == 0) {
            v = 0;
        } else if (i == 255) {
            v = uint16_t(int64_t(top - 1.0f));
        } else {
            const float x = float(double(i) / 255.0);
            const float p = float(std::pow(double(x), double(gamma)));
            const float scaled = i <= 127 ? p * (top - 1.0f) : p * top;
            v = uint16_t(int64_t(scaled));
        }
        table[2 * i] = uint8_t(v >> 8);
        table[2 * i + 1] = uint8_t(v);
    }
    return 0;
}

namespace Ky {

void DeriveHwConfig(ST_HwConfig& config)
{
    GetScanPara(config);
    GetScanTab(config);
    CalcMaxOE(config);
    CalcOEMaxClkNum(config);
    CalcMinOE(config);
    CalcMaxDataNum(config);
    CalcCardMaxCtrlWidth(config);
    CalcCardMaxCtrlHeight(config);
    CalcLuminanceEfficiency(config);
}

} // namespace Ky
