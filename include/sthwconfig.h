#pragma once

#include "kcore_global.h"

#include <QByteArray>
#include <QString>
#include <QTime>

#include <type_traits>

// One controller's hardware configuration and the "BoxHwConfig" document it travels in.
// The record is plain data: callers clear it to zero (memset or value-initialisation),
// call InitHwConfig and copy or compare it freely.

struct ST_CardInfo
{
    int x;
    int y;
    int w;
    int h;
    int CardFlag; // 2 for every card read from a document
    int Reserved;

    // Two cards are the same card when they cover the same rectangle.
    bool operator==(const ST_CardInfo& other) const
    {
        return x == other.x && y == other.y && w == other.w && h == other.h;
    }
    bool operator!=(const ST_CardInfo& other) const { return !(*this == other); }
};

// One time slot of the play-mode plan. Times are seconds since local midnight (0..86399),
// kept as plain integers so the record stays trivially copyable.
struct CustomMode
{
    bool Checked;
    int Start;
    int End;

    bool operator==(const CustomMode& o) const
    {
        return Checked == o.Checked && Start == o.Start && End == o.End;
    }
    bool operator!=(const CustomMode& o) const { return !(*this == o); }
};

struct ST_ModeSwitchPlan
{
    static constexpr int MinSlots = 4;
    static constexpr int MaxSlots = 24;

    bool AutoMode; // true: "Synchronous First"; false: "Asynchronous First"
    int Count;     // valid entries of Slots
    CustomMode Slots[MaxSlots];

    bool operator==(const ST_ModeSwitchPlan& o) const;
    bool operator!=(const ST_ModeSwitchPlan& o) const { return !(*this == o); }
};

struct ST_Rect
{
    int x;
    int y;
    int w;
    int h;
    bool operator==(const ST_Rect& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
    bool operator!=(const ST_Rect& o) const { return !(*this == o); }
};

struct KCORE_EXPORT ST_HwConfig
{
    static constexpr int LookUpTabSize = 4096;
    static constexpr int TabSize = 512;
    static constexpr int MaxCards = 256;

    int ModuleType;
    int ScreenSwitch;
    int CellWidth;
    int CellHight;
    int DataPolarity;
    int OEPolarity;
    int DecodingMode;
    int SignalColor;
    int ScanMode;
    int Frequency;
    int DutyCycle;
    int PriorityMode;
    int GrayLevel;
    int LuminanceLevel;
    int DSignalExtended;
    int RGB20;
    int OM;
    int Phase;
    int BV;
    int RedCorrection;
    int GreenCorrection;
    int BlueCorrection;
    int GamaValue;
    int CellScanRow;
    int NoSignalProcess;
    int CellNullNum;
    int CellDataNum;
    int CellScanNum;
    int SmartSettingStatus;
    int SignalOutput;
    int RgbGroup1;
    int SmartSettingTracing;
    int LookUpTabSetting;
    int ScanCheck;
    int ColourTemperature;
    int F_Frame;
    int R_Acc;
    int RefreshRate;
    int RefreshCountValue;
    int CardMaxCtrlWidth;
    int CardMaxCtrlHeight;
    int S_Fn;
    int B_fn;
    int OE_T;
    int Max_Data_Num;
    int Max_OE_Clk_Num;
    int ReservedFlag;
    int Afterglow;
    int ReservedWords[3];
    int VirtualType;
    int PwmChipType;
    int PwmFrequency;
    int PwmRedCurrent;
    int PwmGreenCurrent;
    int PwmBlueCurrent;
    int LookUpTabLen;
    unsigned char LookUpTab[LookUpTabSize];
    unsigned char GamaTab[TabSize];
    unsigned char ScanTab[TabSize];
    int UseCustomGamaTab;
    unsigned char CustomGamaTab[TabSize];
    int CardCount;
    ST_CardInfo CardInfo[MaxCards];
    int SendCardMode;
    int NetCardCtrlMode;
    int ReservedWord;
    int AsyncPriorityMode;
    ST_ModeSwitchPlan ModeSwitchPlan;
    int RgbCtrlWidth;
    int RgbCtrlHeight;
    ST_Rect NetcardCtrlRect[2];
    int BrightnessSetMode;
    int Brightness[2];
    int AutoAdjust;
    float LuminanceEfficiency;
    int MaxOE;
    int MinOE;
    int ReadbackState;
    int ReadbackValue;
    int MaxCardWidth;
    int MaxCardHeight;
    unsigned char FpgaVersion[8];
    int DrawLineState;
    int RecvCardFwState;
    int RecvCardFwValue;
    int RecvCardFwResult;

    // Member-by-member comparison (cards compare by rectangle, only the valid ones count
    // as in the plan).
    bool operator==(const ST_HwConfig& other) const;
    bool operator!=(const ST_HwConfig& other) const { return !(*this == other); }
};

static_assert(std::is_trivially_copyable_v<ST_HwConfig>, "the record is copied as plain data");

// Group flags: the writer's choice of blocks and the reader's report of what it met.
enum HwConfigGroup : unsigned int {
    HWG_Basic = 0x001,
    HWG_LookUpTab = 0x002,
    HWG_GamaTab = 0x004,
    HWG_ScanTab = 0x008,
    HWG_CustomGamaTab = 0x010,
    HWG_CardInfo = 0x020,
    HWG_Save = 0x040,
    HWG_SendCard = 0x080,
    HWG_Readback = 0x100,
    HWG_GetSetting = 0x200,
    HWG_DrawLine = 0x400,
    HWG_RecvCardFirmware = 0x800,
    // Everything a writer can produce.
    HWG_AllWritable = 0x0BF,
};

// Netcard value that stands for every port in a save request.
constexpr unsigned int kAllNetCards = 0xFFFFFFFFu;

KCORE_EXPORT void InitHwConfig(ST_HwConfig& config);
KCORE_EXPORT void CorrectionHwConfig(ST_HwConfig& config);

KCORE_EXPORT void BeginGeneratorBuf(QByteArray& buffer, unsigned char netCard);
KCORE_EXPORT void GeneratorBuf(QByteArray& buffer, const QString& name, const QString& value);
KCORE_EXPORT void GeneratorBuf(QByteArray& buffer, const QString& name, int value);
KCORE_EXPORT void GeneratorBuf(QByteArray& buffer, const QString& name, const unsigned char* data,
                               int length);
KCORE_EXPORT QString ProcXmlEscapeChar(const QString& text);
KCORE_EXPORT void EndGeneratorBuf(QByteArray& buffer);
KCORE_EXPORT void GeneratorConfig(QByteArray& buffer, ST_HwConfig& config, unsigned char netCard,
                                  const QString& action, unsigned int groupFlags);
KCORE_EXPORT void GeneratorCardInfo(QByteArray& buffer, const ST_HwConfig& config);
KCORE_EXPORT void GeneratorNetcardCtrlRect(QByteArray& buffer, const ST_HwConfig& config);
KCORE_EXPORT void GeneratorModeSwitchPlan(QByteArray& buffer, const ST_HwConfig& config);
KCORE_EXPORT void GeneratorBrightness(QByteArray& buffer, const ST_HwConfig& config);

class QDomElement;

// Parses a document into the record (see the group flags for groupMask); netCard receives
// the NetCard value when there is one. The buffer is replaced by its re-encoded form.
// Returns false when the buffer is not a well-formed XML document (record untouched).
KCORE_EXPORT bool AnalyzeHwInfo(QByteArray& buffer, ST_HwConfig& config, unsigned int& groupMask,
                                unsigned int& netCard);
KCORE_EXPORT void AnalyzeCardInfo(const QDomElement& element, ST_HwConfig& config);
KCORE_EXPORT void AnalyzeNetcardCtrlRect(const QDomElement& element, ST_HwConfig& config);
KCORE_EXPORT void AnalyzeModeSwitchPlan(const QDomElement& element, ST_HwConfig& config);
KCORE_EXPORT void AnalyzeBrightness(const QDomElement& element, ST_HwConfig& config);

// Controller-side storage of a received document: <root>/config/panelsetup<port>.xml.
// Writes nothing unless a controller root is configured (see Ky::SetControllerRoot).
KCORE_EXPORT void SaveHwConfig(const QByteArray& document, unsigned int netCard);

namespace Ky {

// Time-of-day conversion between local time and UTC, with the offset taken now.
KCORE_EXPORT QTime Local2UTC(const QTime& time);
KCORE_EXPORT QTime UTC2Local(const QTime& time);

// The directory that stands for the controller's own file system. Empty (the default for
// the desktop program) means documents asking to be saved are not stored anywhere.
// KESTROVA_CONTROLLER_ROOT provides it when nothing was set.
KCORE_EXPORT void SetControllerRoot(const QString& path);
KCORE_EXPORT QString ControllerRoot();

} // namespace Ky
