#include "sthwconfig.h"

#include "kappconfig.h"
#include "khwfields.h"
#include "kscantiming.h"
#include "kxmlelement.h"

#include <QDateTime>
#include <QDir>
#include <QDomElement>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutex>
#include <QSaveFile>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

Q_LOGGING_CATEGORY(lcController, "kestrova.controller")

namespace {

// The "[file::function::line]" prefix of printed diagnostics.
const char* BaseName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}
#define KY_WHERE BaseName(__FILE__), __func__, __LINE__

const QString kValue = QStringLiteral("Value");

// Seconds from the local time of day to the UTC time of day, both read at the same instant
// (whole seconds, as the clock text "hh:mm:ss" gives them).
int LocalToUtcOffset()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QTime local = QTime::fromString(now.time().toString(QStringLiteral("hh:mm:ss")),
                                          QStringLiteral("hh:mm:ss"));
    const QTime utc = QTime::fromString(now.toUTC().time().toString(QStringLiteral("hh:mm:ss")),
                                        QStringLiteral("hh:mm:ss"));
    return local.secsTo(utc);
}

// a * b and a + b for the written cell counts, saturated instead of overflowing on a record
// that was never corrected.
int Saturated(qint64 value)
{
    return int(qBound(qint64(std::numeric_limits<int>::min()), value,
                      qint64(std::numeric_limits<int>::max())));
}

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

int FrameRate(int fFrame)
{
    return fFrame == 2 ? 60 : fFrame == 3 ? 120 : 30;
}

// RefreshRate / R_Acc / frameRate - 1 without the overflow a hostile pair could cause.
int RefreshCount(int refreshRate, int rAcc, int frameRate)
{
    return int(int64_t(refreshRate) / rAcc / frameRate - 1);
}

void PadPlan(ST_ModeSwitchPlan& plan)
{
    if (plan.Count < 0)
        plan.Count = 0;
    if (plan.Count > ST_ModeSwitchPlan::MaxSlots)
        plan.Count = ST_ModeSwitchPlan::MaxSlots;
    while (plan.Count < ST_ModeSwitchPlan::MinSlots)
        plan.Slots[plan.Count++] = CustomMode{false, 0, 0};
}

int SecondsOf(const QTime& time)
{
    return time.isValid() ? QTime(0, 0).secsTo(time) : 0;
}

} // namespace

bool ST_ModeSwitchPlan::operator==(const ST_ModeSwitchPlan& o) const
{
    if (AutoMode != o.AutoMode || Count != o.Count)
        return false;
    for (int i = 0; i < Count && i < MaxSlots; ++i) {
        if (Slots[i] != o.Slots[i])
            return false;
    }
    return true;
}

bool ST_HwConfig::operator==(const ST_HwConfig& o) const
{
#define KY_SAME(field) (field == o.field)
#define KY_SAME_ARRAY(field) (std::memcmp(field, o.field, sizeof(field)) == 0)
#define KY_FIELD(name) &&KY_SAME(name)
    const bool basic = true KY_HW_BASIC_FIELDS(KY_FIELD);
#undef KY_FIELD
    if (!basic)
        return false;
    if (!(KY_SAME(RefreshCountValue) && KY_SAME(ReservedFlag) && KY_SAME_ARRAY(ReservedWords)
          && KY_SAME(LookUpTabLen) && KY_SAME_ARRAY(LookUpTab) && KY_SAME_ARRAY(GamaTab)
          && KY_SAME_ARRAY(ScanTab) && KY_SAME(UseCustomGamaTab) && KY_SAME_ARRAY(CustomGamaTab)
          && KY_SAME(CardCount) && KY_SAME(SendCardMode) && KY_SAME(NetCardCtrlMode)
          && KY_SAME(ReservedWord) && KY_SAME(AsyncPriorityMode) && KY_SAME(ModeSwitchPlan)
          && KY_SAME(RgbCtrlWidth) && KY_SAME(RgbCtrlHeight) && KY_SAME(NetcardCtrlRect[0])
          && KY_SAME(NetcardCtrlRect[1]) && KY_SAME(BrightnessSetMode) && KY_SAME(Brightness[0])
          && KY_SAME(Brightness[1]) && KY_SAME(AutoAdjust) && KY_SAME(LuminanceEfficiency)
          && KY_SAME(MaxOE) && KY_SAME(MinOE) && KY_SAME(ReadbackState) && KY_SAME(ReadbackValue)
          && KY_SAME(MaxCardWidth) && KY_SAME(MaxCardHeight) && KY_SAME_ARRAY(FpgaVersion)
          && KY_SAME(DrawLineState) && KY_SAME(RecvCardFwState) && KY_SAME(RecvCardFwValue)
          && KY_SAME(RecvCardFwResult)))
        return false;
    for (int i = 0; i < CardCount && i < MaxCards; ++i) {
        if (CardInfo[i] != o.CardInfo[i] || CardInfo[i].CardFlag != o.CardInfo[i].CardFlag)
            return false;
    }
    return true;
#undef KY_SAME
#undef KY_SAME_ARRAY
}

void InitHwConfig(ST_HwConfig& c)
{
    c.ModuleType = 1;
    c.ScreenSwitch = 1;
    c.CellWidth = 16;
    c.CellHight = 32;
    c.DataPolarity = 0;
    c.OEPolarity = 0;
    c.DecodingMode = 1;
    c.SignalColor = 57;
    c.ScanMode = 16;
    c.Frequency = 2;
    c.DutyCycle = 0;
    c.PriorityMode = 1;
    c.GrayLevel = 8;
    c.LuminanceLevel = 1;
    c.DSignalExtended = 0;
    c.RGB20 = 0;
    c.OM = 1;
    c.Phase = 1;
    c.BV = 25;
    c.RedCorrection = c.GreenCorrection = c.BlueCorrection = 255;
    c.GamaValue = 38;
    c.CellScanRow = 2;
    c.NoSignalProcess = 0;
    c.CellNullNum = 0;
    c.CellDataNum = 32;
    c.CellScanNum = 32;
    c.SmartSettingStatus = 0;
    c.SignalOutput = 15;
    c.RgbGroup1 = 1;
    c.SmartSettingTracing = 1;
    c.LookUpTabSetting = 1;
    c.ScanCheck = 1;
    c.ColourTemperature = 0;
    c.F_Frame = 1;
    c.R_Acc = 2;
    c.RefreshRate = 960;
    c.CardMaxCtrlWidth = 264;
    c.CardMaxCtrlHeight = 640;
    c.S_Fn = 48;
    c.B_fn = 16;
    c.OE_T = 16;
    c.Max_Data_Num = 28;
    c.Max_OE_Clk_Num = 2647;
    c.ReservedFlag = 0;
    c.Afterglow = 0;
    c.VirtualType = 1;
    c.PwmChipType = 1;
    c.PwmFrequency = 1;
    c.PwmRedCurrent = c.PwmGreenCurrent = c.PwmBlueCurrent = 1;
    c.LookUpTabLen = 0;
    c.UseCustomGamaTab = 0;
    c.CardCount = 1;
    c.SendCardMode = 0;
    c.NetCardCtrlMode = 0;
    c.ReservedWord = 0;
    c.AsyncPriorityMode = 0;
    c.ModeSwitchPlan.AutoMode = true;
    c.ModeSwitchPlan.Count = ST_ModeSwitchPlan::MinSlots;
    for (int i = 0; i < ST_ModeSwitchPlan::MinSlots; ++i)
        c.ModeSwitchPlan.Slots[i] = CustomMode{false, 0, 0};
    c.RgbCtrlWidth = 800;
    c.RgbCtrlHeight = 600;
    c.NetcardCtrlRect[0] = c.NetcardCtrlRect[1] = ST_Rect{0, 0, 800, 600};
    c.BrightnessSetMode = 0;
    c.Brightness[0] = c.Brightness[1] = 100;
    c.AutoAdjust = 1;

    GeneratorGamaTab(c.GamaTab, float(c.GamaValue), c.GrayLevel);
    c.RefreshCountValue = RefreshCount(c.RefreshRate, c.R_Acc, FrameRate(c.F_Frame));
}

void CorrectionHwConfig(ST_HwConfig& c)
{
    const auto fix = [](int& field, int low, int high, int replacement) {
        if (!InRange(field, low, high))
            field = replacement;
    };
    if (c.ModuleType != 0 && c.ModuleType != 1 && c.ModuleType != 2)
        c.ModuleType = 1;
    c.ScreenSwitch = 1;
    fix(c.CellWidth, 1, 64, 16);
    fix(c.CellHight, 1, 32, 32);
    fix(c.DataPolarity, 0, 1, 0);
    fix(c.OEPolarity, 0, 1, 0);
    fix(c.DecodingMode, 0, 1, 1);
    fix(c.ScanMode, 1, 32, 16);
    fix(c.Frequency, 0, 15, 2);
    fix(c.DutyCycle, 0, 1, 0);
    fix(c.PriorityMode, 0, 2, 1);
    fix(c.GrayLevel, 7, 15, 8);
    fix(c.LuminanceLevel, 0, 2, 1);
    fix(c.DSignalExtended, 0, 1, 0);
    fix(c.RGB20, 0, 1, 0);
    if (c.OM != 1 && c.OM != 2 && c.OM != 4)
        c.OM = 1;
    fix(c.Phase, 0, 3, 1);
    fix(c.BV, 5, 2000, 25);
    fix(c.RedCorrection, 1, 255, 255);
    fix(c.GreenCorrection, 1, 255, 255);
    fix(c.BlueCorrection, 1, 255, 255);
    if (!InRange(c.GamaValue, 10, 70)) {
        c.GamaValue = 38;
        GeneratorGamaTab(c.GamaTab, float(c.GamaValue), c.GrayLevel);
    }
    fix(c.CellScanRow, 1, 32, 2);
    fix(c.NoSignalProcess, 0, 1, 0);
    fix(c.CellNullNum, 0, 255, 0);
    fix(c.CellDataNum, 0, 65535, c.CellWidth * c.CellScanRow);
    fix(c.CellScanNum, 0, 65535, c.CellDataNum + c.CellNullNum);
    fix(c.SmartSettingStatus, 0, 1, 0);
    fix(c.SignalOutput, 0, 15, 15);
    fix(c.RgbGroup1, 0, 1, 1);
    fix(c.SmartSettingTracing, 0, 1, 1);
    fix(c.LookUpTabSetting, 0, 65535, 1);
    fix(c.ScanCheck, 0, 1, 1);
    fix(c.ColourTemperature, 0, 255, 0);
    c.F_Frame = 1;
    if (c.R_Acc != 2 && c.R_Acc != 4 && c.R_Acc != 8 && c.R_Acc != 16)
        c.R_Acc = 2;
    if (c.RefreshRate <= 0 || c.RefreshRate % 120 != 0) {
        c.RefreshRate = 960;
        c.RefreshCountValue = RefreshCount(960, c.R_Acc, 30);
    }
    if (!InRange(c.RefreshCountValue, 0, 65535))
        c.RefreshCountValue = RefreshCount(c.RefreshRate, c.R_Acc, 30);
    fix(c.CardMaxCtrlWidth, 0, 4096, 264);
    fix(c.CardMaxCtrlHeight, 0, 4096, 640);
    fix(c.S_Fn, 12, 192, 48);
    fix(c.B_fn, 4, 128, 16);
    fix(c.OE_T, 8, 2048, 16);
    fix(c.Max_Data_Num, 8, 65535, 28);
    fix(c.Max_OE_Clk_Num, 1, 13107000, 2647);
    fix(c.ReservedFlag, 0, 1, 0);
    if (c.Afterglow != 1)
        c.Afterglow = 0;
    fix(c.VirtualType, 0, 3, 1);
    fix(c.PwmChipType, 0, 31, 1);
    fix(c.PwmFrequency, 0, 15, 1);
    fix(c.PwmRedCurrent, 0, 63, 63);
    fix(c.PwmGreenCurrent, 0, 63, 63);
    fix(c.PwmBlueCurrent, 0, 63, 63);
    c.UseCustomGamaTab = 0;
    fix(c.CardCount, 0, ST_HwConfig::MaxCards, 0);
    fix(c.SendCardMode, 0, 1, 0);
    fix(c.NetCardCtrlMode, 0, 3, 0);
    c.ReservedWord = 0;
    if (c.AsyncPriorityMode != 1)
        c.AsyncPriorityMode = 0;
    PadPlan(c.ModeSwitchPlan);
    // Slot times that are no time of day would be written as garbage.
    for (int i = 0; i < c.ModeSwitchPlan.Count; ++i) {
        CustomMode& slot = c.ModeSwitchPlan.Slots[i];
        fix(slot.Start, 0, 86399, 0);
        fix(slot.End, 0, 86399, 0);
    }
    fix(c.BrightnessSetMode, 0, 2, 0);
    fix(c.Brightness[0], 0, 100, 100);
    fix(c.Brightness[1], 0, 100, 100);
    fix(c.AutoAdjust, 0, 1, 1);

    if (c.ScanMode > 8 || (c.ScanMode == 4 && c.DecodingMode == 0))
        c.DSignalExtended = 0;
}

// ---------------------------------------------------------------------------------------------
// Writing

QString ProcXmlEscapeChar(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    out.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    out.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    out.replace(QLatin1Char('\''), QLatin1String("&apos;"));
    return out;
}

void BeginGeneratorBuf(QByteArray& buffer, unsigned char netCard)
{
    buffer.clear();
    buffer.append("<?xml version=\"1.0\" encoding=\"utf-8\"?><BoxHwConfig>");
    GeneratorBuf(buffer, QStringLiteral("Version"), Ky::KAppConfig::Version());
    GeneratorBuf(buffer, QStringLiteral("NetCard"), int(netCard));
}

void GeneratorBuf(QByteArray& buffer, const QString& name, const QString& value)
{
    buffer.append('<');
    buffer.append(ProcXmlEscapeChar(name).toUtf8());
    buffer.append(" Value=\"");
    buffer.append(ProcXmlEscapeChar(value).toUtf8());
    buffer.append("\"/>");
}

void GeneratorBuf(QByteArray& buffer, const QString& name, int value)
{
    GeneratorBuf(buffer, name, QString::number(value));
}

void GeneratorBuf(QByteArray& buffer, const QString& name, const unsigned char* data, int length)
{
    const QByteArray bytes = (data && length > 0)
                                 ? QByteArray(reinterpret_cast<const char*>(data), length)
                                 : QByteArray();
    GeneratorBuf(buffer, name, QString::fromLatin1(bytes.toBase64()));
}

void EndGeneratorBuf(QByteArray& buffer)
{
    buffer.append("</BoxHwConfig>");
}

void GeneratorCardInfo(QByteArray& buffer, const ST_HwConfig& config)
{
    buffer.append("<CardInfo>");
    const int count = qBound(0, config.CardCount, int(ST_HwConfig::MaxCards));
    for (int i = 0; i < count; ++i) {
        const ST_CardInfo& card = config.CardInfo[i];
        buffer.append("<Card>");
        GeneratorBuf(buffer, QStringLiteral("x"), card.x);
        GeneratorBuf(buffer, QStringLiteral("y"), card.y);
        GeneratorBuf(buffer, QStringLiteral("w"), card.w);
        GeneratorBuf(buffer, QStringLiteral("h"), card.h);
        buffer.append("</Card>");
    }
    buffer.append("</CardInfo>");
}

void GeneratorNetcardCtrlRect(QByteArray& buffer, const ST_HwConfig& config)
{
    buffer.append("<NetcardCtrlRect>");
    for (const ST_Rect& r : config.NetcardCtrlRect) {
        buffer.append("<NetCard>");
        GeneratorBuf(buffer, QStringLiteral("x"), r.x);
        GeneratorBuf(buffer, QStringLiteral("y"), r.y);
        GeneratorBuf(buffer, QStringLiteral("w"), r.w);
        GeneratorBuf(buffer, QStringLiteral("h"), r.h);
        buffer.append("</NetCard>");
    }
    buffer.append("</NetcardCtrlRect>");
}

void GeneratorModeSwitchPlan(QByteArray& buffer, const ST_HwConfig& config)
{
    const ST_ModeSwitchPlan& plan = config.ModeSwitchPlan;
    buffer.append("<ModeSwitchPlan>");
    GeneratorBuf(buffer, QStringLiteral("AutoMode"), plan.AutoMode ? 1 : 0);
    const int count = qBound(0, plan.Count, int(ST_ModeSwitchPlan::MaxSlots));
    for (int i = 0; i < count; ++i) {
        const CustomMode& slot = plan.Slots[i];
        const auto utc = [](int seconds) {
            return Ky::Local2UTC(QTime(0, 0).addSecs(seconds)).toString(QStringLiteral("hh:mm:ss"));
        };
        buffer.append("<CustomMode>");
        GeneratorBuf(buffer, QStringLiteral("Checked"), slot.Checked ? 1 : 0);
        GeneratorBuf(buffer, QStringLiteral("Start"), utc(slot.Start));
        GeneratorBuf(buffer, QStringLiteral("End"), utc(slot.End));
        buffer.append("</CustomMode>");
    }
    buffer.append("</ModeSwitchPlan>");
}

void GeneratorBrightness(QByteArray& buffer, const ST_HwConfig& config)
{
    buffer.append("<Brightness>");
    GeneratorBuf(buffer, QStringLiteral("Brightness"), config.Brightness[0]);
    GeneratorBuf(buffer, QStringLiteral("Brightness"), config.Brightness[1]);
    buffer.append("</Brightness>");
}

void GeneratorConfig(QByteArray& buffer, ST_HwConfig& c, unsigned char netCard,
                     const QString& action, unsigned int groupFlags)
{
    BeginGeneratorBuf(buffer, netCard);
    if (groupFlags & HWG_Basic) {
        // The cell counts always follow the module geometry when written.
        c.CellDataNum = Saturated(qint64(c.CellScanRow) * c.CellWidth);
        c.CellScanNum = Saturated(qint64(c.CellDataNum) + c.CellNullNum);
#define KY_FIELD(name) GeneratorBuf(buffer, QStringLiteral(#name), c.name);
        KY_HW_BASIC_FIELDS(KY_FIELD)
#undef KY_FIELD
    }
    if (groupFlags & HWG_LookUpTab) {
        if (!InRange(c.LookUpTabLen, 1, ST_HwConfig::LookUpTabSize))
            c.LookUpTabLen = ST_HwConfig::LookUpTabSize;
        GeneratorBuf(buffer, QStringLiteral("LookUpTab"), c.LookUpTab, c.LookUpTabLen);
    }
    if (groupFlags & HWG_GamaTab)
        GeneratorBuf(buffer, QStringLiteral("GamaTab"), c.GamaTab, ST_HwConfig::TabSize);
    if (groupFlags & HWG_ScanTab)
        GeneratorBuf(buffer, QStringLiteral("ScanTab"), c.ScanTab, ST_HwConfig::TabSize);
    if (groupFlags & HWG_CustomGamaTab) {
        GeneratorBuf(buffer, QStringLiteral("CustomGamaTab"), c.CustomGamaTab, ST_HwConfig::TabSize);
        GeneratorBuf(buffer, QStringLiteral("UseCustomGamaTab"), c.UseCustomGamaTab);
    }
    if (groupFlags & HWG_SendCard) {
        GeneratorBuf(buffer, QStringLiteral("SendCardMode"), c.SendCardMode);
        GeneratorBuf(buffer, QStringLiteral("AsyncPriorityMode"), c.AsyncPriorityMode);
        GeneratorBuf(buffer, QStringLiteral("NetCardCtrlMode"), c.NetCardCtrlMode);
        GeneratorBuf(buffer, QStringLiteral("RgbCtrlWidth"), c.RgbCtrlWidth);
        GeneratorBuf(buffer, QStringLiteral("RgbCtrlHeight"), c.RgbCtrlHeight);
        GeneratorNetcardCtrlRect(buffer, c);
        GeneratorModeSwitchPlan(buffer, c);
        GeneratorBuf(buffer, QStringLiteral("BrightnessSetMode"), c.BrightnessSetMode);
        GeneratorBrightness(buffer, c);
        GeneratorBuf(buffer, QStringLiteral("AutoAdjust"), c.AutoAdjust);
    }
    if (groupFlags & HWG_CardInfo)
        GeneratorCardInfo(buffer, c);
    if (!action.isEmpty())
        GeneratorBuf(buffer, QStringLiteral("Action"), action);
    EndGeneratorBuf(buffer);
}

// ---------------------------------------------------------------------------------------------
// Reading

namespace {

using Ky::KXmlElement;

// Root, block, entry, field: nothing is read deeper.
constexpr int kKeptDepth = 3;

int UnsignedValue(const KXmlElement& e)
{
    return int(e.attribute(kValue).toUInt());
}

int SignedValue(const KXmlElement& e, int fallback = 0)
{
    bool ok = false;
    const int v = e.attribute(kValue).toInt(&ok);
    return ok ? v : fallback;
}

QByteArray DecodedValue(const KXmlElement& e)
{
    return QByteArray::fromBase64(e.attribute(kValue).toLatin1());
}

// Copies up to `size` decoded bytes and zeroes the rest, so a short value never reads past
// what was decoded.
void CopyDecoded(const KXmlElement& e, unsigned char* table, int size)
{
    const QByteArray bytes = DecodedValue(e);
    const int n = qMin(int(bytes.size()), size);
    std::memcpy(table, bytes.constData(), size_t(n));
    std::memset(table + n, 0, size_t(size - n));
}

void ReadRect(const KXmlElement& parent, int& x, int& y, int& w, int& h)
{
    for (const KXmlElement& child : parent.children) {
        if (child.tag == QLatin1String("x"))
            x = UnsignedValue(child);
        else if (child.tag == QLatin1String("y"))
            y = UnsignedValue(child);
        else if (child.tag == QLatin1String("w"))
            w = UnsignedValue(child);
        else if (child.tag == QLatin1String("h"))
            h = UnsignedValue(child);
    }
}

// Parses "HH:MM:SS" (UTC in the document) into local seconds since midnight; a value that is
// no time of day keeps the slot's default midnight.
// "hh:mm:ss" as written by GeneratorConfig, parsed without the general date-time parser,
// which dominates reading a document with many slots. Anything else takes the general path.
QTime ParseSlotClock(const QString& text)
{
    auto digit = [&](int i) { return text.at(i).unicode() - u'0'; };
    auto isDigit = [&](int i) { return text.at(i) >= u'0' && text.at(i) <= u'9'; };
    if (text.size() == 8 && text.at(2) == u':' && text.at(5) == u':' && isDigit(0)
        && isDigit(1) && isDigit(3) && isDigit(4) && isDigit(6) && isDigit(7)) {
        return QTime(digit(0) * 10 + digit(1), digit(3) * 10 + digit(4),
                     digit(6) * 10 + digit(7));
    }
    return QTime::fromString(text, QStringLiteral("HH:mm:ss"));
}

int ReadSlotTime(const KXmlElement& parent, const QString& tag, int utcToLocal)
{
    const KXmlElement* e = parent.child(tag);
    if (!e)
        return 0;
    const QTime t = ParseSlotClock(e->attribute(kValue));
    return t.isValid() ? SecondsOf(t.addSecs(utcToLocal)) : 0;
}

void ReadCardInfo(const KXmlElement& element, ST_HwConfig& config)
{
    config.CardCount = 0;
    for (const KXmlElement& card : element.children) {
        if (config.CardCount >= ST_HwConfig::MaxCards)
            break;
        if (card.tag != QLatin1String("Card"))
            continue;
        ST_CardInfo& info = config.CardInfo[config.CardCount];
        ReadRect(card, info.x, info.y, info.w, info.h);
        info.CardFlag = 2;
        ++config.CardCount;
    }
}

void ReadNetcardCtrlRect(const KXmlElement& element, ST_HwConfig& config)
{
    int index = 0;
    for (const KXmlElement& port : element.children) {
        if (index >= 2)
            break;
        if (port.tag != QLatin1String("NetCard"))
            continue;
        ST_Rect& r = config.NetcardCtrlRect[index++];
        ReadRect(port, r.x, r.y, r.w, r.h);
    }
}

void ReadBrightness(const KXmlElement& element, ST_HwConfig& config)
{
    int index = 0;
    for (const KXmlElement& e : element.children) {
        if (index >= 2)
            break;
        if (e.tag == QLatin1String("Brightness"))
            config.Brightness[index++] = UnsignedValue(e);
    }
}

void ReadModeSwitchPlan(const KXmlElement& element, ST_HwConfig& config)
{
    ST_ModeSwitchPlan plan{};
    plan.AutoMode = true;
    const KXmlElement* autoMode = element.child(QStringLiteral("AutoMode"));
    if (autoMode && autoMode->hasAttribute(kValue))
        plan.AutoMode = autoMode->attribute(kValue).toUInt() != 0;

    // Only the last MaxSlots slots survive, so keep a ring of them while reading.
    CustomMode ring[ST_ModeSwitchPlan::MaxSlots];
    qint64 total = 0;
    // Ky::UTC2Local for every slot, with the offset read once.
    const int utcToLocal = -LocalToUtcOffset();
    for (const KXmlElement& slot : element.children) {
        if (slot.tag != QLatin1String("CustomMode"))
            continue;
        CustomMode m{false, 0, 0};
        const KXmlElement* checked = slot.child(QStringLiteral("Checked"));
        m.Checked = checked && checked->attribute(kValue).toUInt() != 0;
        m.Start = ReadSlotTime(slot, QStringLiteral("Start"), utcToLocal);
        m.End = ReadSlotTime(slot, QStringLiteral("End"), utcToLocal);
        ring[total % ST_ModeSwitchPlan::MaxSlots] = m;
        ++total;
    }
    const int kept = int(qMin<qint64>(total, ST_ModeSwitchPlan::MaxSlots));
    for (int i = 0; i < kept; ++i)
        plan.Slots[i] = ring[(total - kept + i) % ST_ModeSwitchPlan::MaxSlots];
    plan.Count = kept;
    PadPlan(plan);
    config.ModeSwitchPlan = plan;
}

// Stores a basic parameter element; false when the tag is not one.
bool ReadBasicField(const KXmlElement& e, ST_HwConfig& c)
{
    using Setter = void (*)(ST_HwConfig&, int);
    static const QHash<QString, Setter> setters = [] {
        QHash<QString, Setter> map;
#define KY_FIELD(name) map.insert(QStringLiteral(#name), [](ST_HwConfig& cfg, int v) { cfg.name = v; });
        KY_HW_BASIC_FIELDS(KY_FIELD)
#undef KY_FIELD
        return map;
    }();
    const Setter set = setters.value(e.tag);
    if (!set)
        return false;
    set(c, UnsignedValue(e));
    if (e.tag == QLatin1String("RefreshRate") && c.R_Acc != 0)
        c.RefreshCountValue = RefreshCount(c.RefreshRate, c.R_Acc, FrameRate(c.F_Frame));
    return true;
}

// The document as the controller stores it: indented by one space, with the Value of the
// root's Action elements that asked for saving emptied.
QByteArray DocumentToSave(const QByteArray& buffer)
{
    QByteArray out;
    QXmlStreamReader reader(buffer);
    reader.setNamespaceProcessing(false);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(1);
    int depth = -1;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument: {
            // The declaration as the sender wrote it (the writer's own would change its case).
            QString declaration = QStringLiteral("version=\"%1\"").arg(
                reader.documentVersion().isEmpty() ? QStringLiteral("1.0")
                                                   : reader.documentVersion().toString());
            if (!reader.documentEncoding().isEmpty())
                declaration += QStringLiteral(" encoding=\"%1\"").arg(reader.documentEncoding());
            if (reader.isStandaloneDocument())
                declaration += QStringLiteral(" standalone=\"yes\"");
            writer.writeProcessingInstruction(QStringLiteral("xml"), declaration);
            break;
        }
        case QXmlStreamReader::StartElement: {
            ++depth;
            writer.writeStartElement(reader.name().toString());
            QXmlStreamAttributes attrs = reader.attributes();
            if (depth == 1 && reader.name() == QLatin1String("Action")) {
                const QString action = attrs.value(kValue).toString();
                if (action == QLatin1String("Save") || action == QLatin1String("SaveToCard")) {
                    QXmlStreamAttributes blanked;
                    for (const QXmlStreamAttribute& a : attrs)
                        blanked.append(a.qualifiedName().toString(),
                                       a.qualifiedName() == kValue ? QString() : a.value().toString());
                    attrs = blanked;
                }
            }
            writer.writeAttributes(attrs);
            break;
        }
        case QXmlStreamReader::EndElement:
            --depth;
            writer.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (reader.isCDATA())
                writer.writeCDATA(reader.text().toString());
            else if (!reader.isWhitespace())
                writer.writeCharacters(reader.text().toString());
            break;
        case QXmlStreamReader::Comment:
            writer.writeComment(reader.text().toString());
            break;
        case QXmlStreamReader::ProcessingInstruction:
            writer.writeProcessingInstruction(reader.processingInstructionTarget().toString(),
                                              reader.processingInstructionData().toString());
            break;
        case QXmlStreamReader::EndDocument:
            writer.writeEndDocument();
            break;
        default:
            break;
        }
    }
    // Auto-formatting puts a line break before the declaration.
    if (out.startsWith('\n'))
        out.remove(0, 1);
    return out;
}

} // namespace

void AnalyzeCardInfo(const QDomElement& element, ST_HwConfig& config)
{
    ReadCardInfo(Ky::FromDom(element, 2), config);
}

void AnalyzeNetcardCtrlRect(const QDomElement& element, ST_HwConfig& config)
{
    ReadNetcardCtrlRect(Ky::FromDom(element, 2), config);
}

void AnalyzeModeSwitchPlan(const QDomElement& element, ST_HwConfig& config)
{
    ReadModeSwitchPlan(Ky::FromDom(element, 2), config);
}

void AnalyzeBrightness(const QDomElement& element, ST_HwConfig& config)
{
    ReadBrightness(Ky::FromDom(element, 1), config);
}

bool AnalyzeHwInfo(QByteArray& buffer, ST_HwConfig& c, unsigned int& groupMask, unsigned int& netCard)
{
    buffer = QString::fromLatin1(buffer).toUtf8();
    groupMask = 0;
    c.ReadbackState = 8;

    KXmlElement root;
    Ky::KXmlError error;
    if (!Ky::ParseXml(buffer, root, kKeptDepth, &error)) {
        std::printf("[%s::%s::%d]AnalyzeHwInfo::xml error[%s], line[%d] code[%d]\n", KY_WHERE,
                    error.message.toLocal8Bit().constData(), error.line, error.column);
        std::fflush(stdout);
        // A hostile buffer can be huge: the debug dump shows its start only.
        constexpr int kDumpBytes = 1024;
        qCDebug(lcController).nospace()
            << "buf = [" << buffer.left(kDumpBytes) << (buffer.size() > kDumpBytes ? "..." : "")
            << "]";
        return false;
    }

    bool save = false;
    if (root.tag == QLatin1String("BoxHwConfig")) {
        for (const KXmlElement& e : root.children) {
            const QString& tag = e.tag;
            if (ReadBasicField(e, c)) {
                groupMask |= HWG_Basic;
            } else if (tag == QLatin1String("RefreshCountValue") || tag == QLatin1String("Version")
                       || tag == QLatin1String("RenameDev")) {
                // informational only
            } else if (tag == QLatin1String("LookUpTab")) {
                const QByteArray bytes = DecodedValue(e);
                if (bytes.size() <= ST_HwConfig::LookUpTabSize) {
                    std::memcpy(c.LookUpTab, bytes.constData(), size_t(bytes.size()));
                    std::memset(c.LookUpTab + bytes.size(), 0,
                                size_t(ST_HwConfig::LookUpTabSize - bytes.size()));
                    c.LookUpTabLen = int(bytes.size());
                } else {
                    qCDebug(lcController) << "LookUpTab is too much!";
                }
                groupMask |= HWG_LookUpTab;
            } else if (tag == QLatin1String("GamaTab")) {
                CopyDecoded(e, c.GamaTab, ST_HwConfig::TabSize);
                groupMask |= HWG_GamaTab;
            } else if (tag == QLatin1String("ScanTab")) {
                CopyDecoded(e, c.ScanTab, ST_HwConfig::TabSize);
                groupMask |= HWG_ScanTab;
            } else if (tag == QLatin1String("CustomGamaTab")) {
                CopyDecoded(e, c.CustomGamaTab, ST_HwConfig::TabSize);
            } else if (tag == QLatin1String("UseCustomGamaTab")) {
                c.UseCustomGamaTab = UnsignedValue(e);
                groupMask |= HWG_CustomGamaTab;
            } else if (tag == QLatin1String("SendCardMode")) {
                c.SendCardMode = UnsignedValue(e);
            } else if (tag == QLatin1String("AsyncPriorityMode")) {
                c.AsyncPriorityMode = UnsignedValue(e);
                groupMask |= HWG_SendCard;
            } else if (tag == QLatin1String("NetCardCtrlMode")) {
                c.NetCardCtrlMode = UnsignedValue(e);
                groupMask |= HWG_SendCard;
            } else if (tag == QLatin1String("RgbCtrlWidth")) {
                c.RgbCtrlWidth = UnsignedValue(e);
                groupMask |= HWG_SendCard;
            } else if (tag == QLatin1String("RgbCtrlHeight")) {
                c.RgbCtrlHeight = UnsignedValue(e);
                groupMask |= HWG_SendCard;
            } else if (tag == QLatin1String("BrightnessSetMode")) {
                c.BrightnessSetMode = UnsignedValue(e);
                groupMask |= HWG_SendCard;
            } else if (tag == QLatin1String("AutoAdjust")) {
                c.AutoAdjust = UnsignedValue(e);
                groupMask |= HWG_SendCard;
            } else if (tag == QLatin1String("CardInfo")) {
                ReadCardInfo(e, c);
                groupMask |= HWG_CardInfo;
            } else if (tag == QLatin1String("NetcardCtrlRect")) {
                ReadNetcardCtrlRect(e, c);
                groupMask |= HWG_SendCard;
            } else if (tag == QLatin1String("ModeSwitchPlan")) {
                ReadModeSwitchPlan(e, c);
                groupMask |= HWG_SendCard;
            } else if (tag == QLatin1String("Brightness")) {
                ReadBrightness(e, c);
                groupMask |= HWG_SendCard;
            } else if (tag == QLatin1String("NetCard")) {
                netCard = e.attribute(kValue).toUInt();
            } else if (tag == QLatin1String("Action")) {
                const QString action = e.attribute(kValue);
                if (action == QLatin1String("Save")) {
                    groupMask |= HWG_Save;
                    save = true;
                } else if (action == QLatin1String("SaveToCard")) {
                    groupMask |= HWG_Save;
                } else if (action == QLatin1String("GetSetting")) {
                    groupMask |= HWG_GetSetting;
                } else if (action == QLatin1String("ParaReadbackOK")) {
                    c.ReadbackState = 4;
                    groupMask |= HWG_Readback;
                } else if (action == QLatin1String("ParaReadbackFailure")) {
                    c.ReadbackState = 5;
                    groupMask |= HWG_Readback;
                } else if (action == QLatin1String("ReadConnectFinish")) {
                    c.ReadbackState = 7;
                    groupMask |= HWG_Readback;
                }
            } else if (tag == QLatin1String("Probe")) {
                const QString value = e.attribute(kValue);
                if (value == QLatin1String("Begin"))
                    c.ReadbackState = 0;
                else if (value == QLatin1String("Stop"))
                    c.ReadbackState = 1;
                groupMask |= HWG_Readback;
            } else if (tag == QLatin1String("FindedCard")) {
                c.ReadbackState = 2;
                c.ReadbackValue = UnsignedValue(e);
                groupMask |= HWG_Readback;
            } else if (tag == QLatin1String("ParaReadback")) {
                c.ReadbackState = 3;
                c.ReadbackValue = SignedValue(e, -1);
                groupMask |= HWG_Readback;
            } else if (tag == QLatin1String("ReadConnect")) {
                c.ReadbackState = 6;
                groupMask |= HWG_Readback;
            } else if (tag == QLatin1String("FpgaVersion")) {
                CopyDecoded(e, c.FpgaVersion, int(sizeof(c.FpgaVersion)));
                groupMask |= HWG_LookUpTab;
            } else if (tag == QLatin1String("EnterDrawLien")) {
                c.DrawLineState = 0;
                groupMask |= HWG_DrawLine;
            } else if (tag == QLatin1String("ExitDrawLien")) {
                c.DrawLineState = 1;
                groupMask |= HWG_DrawLine;
            } else if (tag == QLatin1String("UpgradeRecvCard")) {
                c.RecvCardFwValue = SignedValue(e);
                c.RecvCardFwState = 0;
                groupMask |= HWG_RecvCardFirmware;
            } else if (tag == QLatin1String("ReadbackRecvCardFirmware")) {
                c.RecvCardFwValue = SignedValue(e);
                c.RecvCardFwState = 1;
                groupMask |= HWG_RecvCardFirmware;
            } else if (tag == QLatin1String("ReadbackRecvCardFirmwareFinish")) {
                c.RecvCardFwResult = SignedValue(e);
                c.RecvCardFwState = 2;
                groupMask |= HWG_RecvCardFirmware;
            } else if (tag == QLatin1String("FirmwareCheckResut")) {
                const unsigned int v = e.attribute(kValue).toUInt();
                c.RecvCardFwResult = int(v & 0xFF);
                c.RecvCardFwValue = int((v >> 8) & 0xFF);
                c.RecvCardFwState = 3;
                groupMask |= HWG_RecvCardFirmware;
            } else {
                qCDebug(lcController) << "Unknow tag" << tag;
            }
        }
    }

    CorrectionHwConfig(c);

    if (save) {
        const QString controllerRoot = Ky::ControllerRoot();
        if (controllerRoot.isEmpty()) {
            qCDebug(lcController) << "save request ignored: no controller root configured";
            return true;
        }
        SaveHwConfig(DocumentToSave(buffer), netCard);
        const QString path = controllerRoot + QStringLiteral("/config/send_card_cfg.xml");
        QByteArray sendCard;
        GeneratorConfig(sendCard, c, static_cast<unsigned char>(netCard), QString(), HWG_SendCard);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(sendCard) < 0
            || !file.commit()) {
            std::printf("[%s::%s::%d]open[%s] ERROR:%s\n", KY_WHERE, path.toLocal8Bit().constData(),
                        file.errorString().toLocal8Bit().constData());
            std::fflush(stdout);
        }
    }
    return true;
}

void SaveHwConfig(const QByteArray& document, unsigned int netCard)
{
    std::printf("net_card = [%X]\n", netCard);
    std::fflush(stdout);
    const QString root = Ky::ControllerRoot();
    if (root.isEmpty()) {
        qCDebug(lcController) << "SaveHwConfig: no controller root configured, nothing written";
        return;
    }
    const QString dir = root + QStringLiteral("/config/");
    QDir().mkpath(dir);
    QList<unsigned int> ports;
    if (netCard == kAllNetCards)
        ports << 0 << 1;
    else
        ports << netCard;
    for (unsigned int port : ports) {
        const QString path = dir + QStringLiteral("panelsetup%1.xml").arg(port);
        // Written aside and renamed, synced to disk on commit: a controller that loses power
        // keeps its previous configuration rather than half a file.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)
            || file.write(document) < 0 || !file.commit()) {
            qCDebug(lcController) << "open " << path << file.errorString();
            continue;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Time of day and the controller root

namespace Ky {

namespace {

QMutex& RootMutex()
{
    static QMutex mutex;
    return mutex;
}

QString& RootSetting()
{
    static QString root;
    return root;
}

bool& RootWasSet()
{
    static bool set = false;
    return set;
}

} // namespace

QTime Local2UTC(const QTime& time)
{
    return time.addSecs(LocalToUtcOffset());
}

QTime UTC2Local(const QTime& time)
{
    return time.addSecs(-LocalToUtcOffset());
}

void SetControllerRoot(const QString& path)
{
    QMutexLocker lock(&RootMutex());
    RootSetting() = path;
    RootWasSet() = true;
}

QString ControllerRoot()
{
    QString root;
    {
        QMutexLocker lock(&RootMutex());
        root = RootWasSet() ? RootSetting() : qEnvironmentVariable("KESTROVA_CONTROLLER_ROOT");
    }
    if (root.isEmpty())
        return QString();
    root = QDir::cleanPath(QDir(root).absolutePath());
    // The desktop program never touches the real controller location.
    if (root == QLatin1String("/root/Box") || root.startsWith(QLatin1String("/root/Box/")))
        return QString();
    return root;
}

} // namespace Ky
