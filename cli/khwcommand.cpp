#include "khwcommand.h"

#include "khwfields.h"
#include "kscantiming.h"
#include "sthwconfig.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTime>

#include <cstdio>
#include <memory>

namespace Ky::Cli {

namespace {

// Documents are a few kilobytes; anything this large is not one.
constexpr qint64 kMaxDocumentBytes = 64 * 1024 * 1024;

const QString kHelp = QStringLiteral(
    "Usage: kestrova-cli hw <command> [arguments]\n"
    "\n"
    "Hardware configuration documents (root element BoxHwConfig).\n"
    "\n"
    "Commands:\n"
    "  defaults              print the document of a fresh record (all groups, port 1)\n"
    "  read FILE             print every field of a document, its group mask and port as JSON\n"
    "  derive FILE|-         print the derived timing fields as JSON; - uses a fresh record\n"
    "  gamma VALUE LEVEL     print the 256 gamma values for GamaValue VALUE (20..70) and\n"
    "                        GrayLevel LEVEL as JSON\n"
    "\n"
    "FILE may be - for standard input (read). Every command accepts --help.\n");

std::unique_ptr<ST_HwConfig> FreshRecord()
{
    std::unique_ptr<ST_HwConfig> c(new ST_HwConfig());
    InitHwConfig(*c);
    return c;
}

QJsonArray Bytes(const unsigned char* data, int count)
{
    QJsonArray a;
    for (int i = 0; i < count; ++i)
        a.append(int(data[i]));
    return a;
}

// A 512-byte table as its 256 big-endian words.
QJsonArray Words(const unsigned char* table)
{
    QJsonArray a;
    for (int i = 0; i < 256; ++i)
        a.append((table[2 * i] << 8) | table[2 * i + 1]);
    return a;
}

QString Time(int seconds)
{
    return QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss"));
}

QJsonObject Rect(int x, int y, int w, int h)
{
    return QJsonObject{{"x", x}, {"y", y}, {"w", w}, {"h", h}};
}

QJsonObject Fields(const ST_HwConfig& c)
{
    QJsonObject o;
#define KY_FIELD(name) o.insert(QStringLiteral(#name), c.name);
    KY_HW_BASIC_FIELDS(KY_FIELD)
#undef KY_FIELD
    o.insert("RefreshCountValue", c.RefreshCountValue);
    o.insert("ReservedFlag", c.ReservedFlag);
    o.insert("ReservedWords",
             QJsonArray{c.ReservedWords[0], c.ReservedWords[1], c.ReservedWords[2]});
    o.insert("LookUpTabLen", c.LookUpTabLen);
    o.insert("LookUpTab",
             Bytes(c.LookUpTab, qBound(0, c.LookUpTabLen, int(ST_HwConfig::LookUpTabSize))));
    o.insert("GamaTab", Words(c.GamaTab));
    o.insert("ScanTab", Words(c.ScanTab));
    o.insert("UseCustomGamaTab", c.UseCustomGamaTab);
    o.insert("CustomGamaTab", Words(c.CustomGamaTab));
    o.insert("CardCount", c.CardCount);
    QJsonArray cards;
    for (int i = 0; i < qBound(0, c.CardCount, int(ST_HwConfig::MaxCards)); ++i) {
        const ST_CardInfo& card = c.CardInfo[i];
        QJsonObject j = Rect(card.x, card.y, card.w, card.h);
        j.insert("CardFlag", card.CardFlag);
        cards.append(j);
    }
    o.insert("CardInfo", cards);
    o.insert("SendCardMode", c.SendCardMode);
    o.insert("NetCardCtrlMode", c.NetCardCtrlMode);
    o.insert("AsyncPriorityMode", c.AsyncPriorityMode);
    QJsonArray slots;
    for (int i = 0; i < qBound(0, c.ModeSwitchPlan.Count, int(ST_ModeSwitchPlan::MaxSlots)); ++i) {
        const CustomMode& m = c.ModeSwitchPlan.Slots[i];
        slots.append(
            QJsonObject{{"Checked", m.Checked}, {"Start", Time(m.Start)}, {"End", Time(m.End)}});
    }
    o.insert("ModeSwitchPlan",
             QJsonObject{{"AutoMode", c.ModeSwitchPlan.AutoMode}, {"CustomMode", slots}});
    o.insert("RgbCtrlWidth", c.RgbCtrlWidth);
    o.insert("RgbCtrlHeight", c.RgbCtrlHeight);
    QJsonArray rects;
    for (const ST_Rect& r : c.NetcardCtrlRect)
        rects.append(Rect(r.x, r.y, r.w, r.h));
    o.insert("NetcardCtrlRect", rects);
    o.insert("BrightnessSetMode", c.BrightnessSetMode);
    o.insert("Brightness", QJsonArray{c.Brightness[0], c.Brightness[1]});
    o.insert("AutoAdjust", c.AutoAdjust);
    o.insert("LuminanceEfficiency", double(c.LuminanceEfficiency));
    o.insert("MaxOE", c.MaxOE);
    o.insert("MinOE", c.MinOE);
    o.insert("ReadbackState", c.ReadbackState);
    o.insert("ReadbackValue", c.ReadbackValue);
    o.insert("MaxCardWidth", c.MaxCardWidth);
    o.insert("MaxCardHeight", c.MaxCardHeight);
    o.insert("FpgaVersion", Bytes(c.FpgaVersion, int(sizeof(c.FpgaVersion))));
    o.insert("DrawLineState", c.DrawLineState);
    o.insert("RecvCardFwState", c.RecvCardFwState);
    o.insert("RecvCardFwValue", c.RecvCardFwValue);
    o.insert("RecvCardFwResult", c.RecvCardFwResult);
    return o;
}

void PrintJson(Streams& io, const QJsonValue& value)
{
    const QJsonDocument doc =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    io.out << QString::fromUtf8(doc.toJson(QJsonDocument::Indented));
    io.out.flush();
}

bool WantsHelp(const QStringList& args)
{
    for (const QString& a : args) {
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return true;
    }
    return false;
}

} // namespace

QString KHwCommand::name() const
{
    return QStringLiteral("hw");
}

QString KHwCommand::summary() const
{
    return QStringLiteral("hardware configuration documents: defaults, read, derive, gamma");
}

QString KHwCommand::help() const
{
    return kHelp;
}

int KHwCommand::Run(const QStringList& args, Streams& io)
{
    if (args.isEmpty()) {
        io.err << kHelp;
        return ExitUsage;
    }
    if (IsHelp(args.first())) {
        io.out << kHelp;
        return ExitOk;
    }
    // The command-line tool only ever reads: a document asking to be saved stores nothing.
    Ky::SetControllerRoot(QString());

    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("defaults"))
        return Defaults(rest, io);
    if (command == QLatin1String("read"))
        return Read(rest, io);
    if (command == QLatin1String("derive"))
        return Derive(rest, io);
    if (command == QLatin1String("gamma"))
        return Gamma(rest, io);
    return Fail(io,
                QStringLiteral("unknown command '%1' (see kestrova-cli hw --help)").arg(command),
                ExitUsage);
}

int KHwCommand::Defaults(const QStringList& args, Streams& io)
{
    if (WantsHelp(args)) {
        io.out << "Usage: kestrova-cli hw defaults\n\n"
                  "Prints the document of a fresh record with every group, for port 1.\n";
        return ExitOk;
    }
    if (!args.isEmpty())
        return Fail(io, QStringLiteral("defaults takes no arguments"), ExitUsage);
    auto c = FreshRecord();
    QByteArray doc;
    GeneratorConfig(doc, *c, 1, QString(), HWG_AllWritable);
    io.out.flush();
    std::fwrite(doc.constData(), 1, size_t(doc.size()), stdout);
    std::fflush(stdout);
    return ExitOk;
}

bool KHwCommand::Load(const QString& file, ST_HwConfig& config, unsigned int& groupMask,
                      unsigned int& netCard, Streams& io)
{
    QFile f;
    const bool stdinput = file == QLatin1String("-");
    if (stdinput) {
        if (!f.open(stdin, QIODevice::ReadOnly)) {
            Fail(io, QStringLiteral("cannot read standard input"));
            return false;
        }
    } else {
        f.setFileName(file);
        if (!f.open(QIODevice::ReadOnly)) {
            Fail(io, QStringLiteral("cannot open %1: %2").arg(file, f.errorString()));
            return false;
        }
    }
    QByteArray data = f.read(kMaxDocumentBytes + 1);
    if (data.size() > kMaxDocumentBytes) {
        Fail(io, QStringLiteral("%1 is larger than %2 bytes; not a hardware document")
                     .arg(stdinput ? QStringLiteral("input") : file)
                     .arg(kMaxDocumentBytes));
        return false;
    }
    if (!AnalyzeHwInfo(data, config, groupMask, netCard)) {
        Fail(io, QStringLiteral("%1 is not a well-formed XML document")
                     .arg(stdinput ? QStringLiteral("input") : file));
        return false;
    }
    return true;
}

int KHwCommand::Read(const QStringList& args, Streams& io)
{
    if (WantsHelp(args)) {
        io.out << "Usage: kestrova-cli hw read FILE\n\n"
                  "Reads a hardware document (- for standard input) into a fresh record and\n"
                  "prints every field, GroupMask (what the document held) and NetCard as JSON.\n"
                  "Tables are arrays of numbers: GamaTab, ScanTab and CustomGamaTab as 256\n"
                  "words, LookUpTab as its LookUpTabLen bytes. Plan times are local.\n";
        return ExitOk;
    }
    if (args.size() != 1)
        return Fail(io, QStringLiteral("read takes one FILE"), ExitUsage);
    auto c = FreshRecord();
    unsigned int mask = 0;
    unsigned int netCard = 0;
    if (!Load(args.first(), *c, mask, netCard, io))
        return ExitFailure;
    QJsonObject o = Fields(*c);
    o.insert("GroupMask", qint64(mask));
    o.insert("NetCard", qint64(netCard));
    PrintJson(io, o);
    return ExitOk;
}

int KHwCommand::Derive(const QStringList& args, Streams& io)
{
    if (WantsHelp(args)) {
        io.out << "Usage: kestrova-cli hw derive FILE|-\n\n"
                  "Reads a hardware document (or, for -, takes a fresh record), runs the derived\n"
                  "chain and prints S_Fn, B_fn, OE_T, MaxOE, Max_OE_Clk_Num, MinOE,\n"
                  "Max_Data_Num, CellScanRow, CellDataNum, CellScanNum, CardMaxCtrlWidth,\n"
                  "CardMaxCtrlHeight, LuminanceEfficiency and ScanTab (256 words) as JSON.\n";
        return ExitOk;
    }
    if (args.size() != 1)
        return Fail(io, QStringLiteral("derive takes one FILE or -"), ExitUsage);
    auto c = FreshRecord();
    if (args.first() != QLatin1String("-")) {
        unsigned int mask = 0;
        unsigned int netCard = 0;
        if (!Load(args.first(), *c, mask, netCard, io))
            return ExitFailure;
    }
    Ky::DeriveHwConfig(*c);
    QJsonObject o{
        {"S_Fn", c->S_Fn},
        {"B_fn", c->B_fn},
        {"OE_T", c->OE_T},
        {"MaxOE", c->MaxOE},
        {"Max_OE_Clk_Num", c->Max_OE_Clk_Num},
        {"MinOE", c->MinOE},
        {"Max_Data_Num", c->Max_Data_Num},
        {"CellScanRow", c->CellScanRow},
        {"CellDataNum", c->CellDataNum},
        {"CellScanNum", c->CellScanNum},
        {"CardMaxCtrlWidth", c->CardMaxCtrlWidth},
        {"CardMaxCtrlHeight", c->CardMaxCtrlHeight},
        {"LuminanceEfficiency", double(c->LuminanceEfficiency)},
        {"ScanTab", Words(c->ScanTab)},
    };
    PrintJson(io, o);
    return ExitOk;
}

int KHwCommand::Gamma(const QStringList& args, Streams& io)
{
    if (WantsHelp(args)) {
        io.out << "Usage: kestrova-cli hw gamma VALUE LEVEL\n\n"
                  "Prints the 256 gamma table values for GamaValue VALUE (gamma x 10 + 10,\n"
                  "accepted 20..70) and GrayLevel LEVEL as a JSON array.\n";
        return ExitOk;
    }
    if (args.size() != 2)
        return Fail(io, QStringLiteral("gamma takes VALUE and LEVEL"), ExitUsage);
    bool okValue = false;
    bool okLevel = false;
    const float value = args.at(0).toFloat(&okValue);
    const int level = args.at(1).toInt(&okLevel);
    if (!okValue)
        return Fail(io, QStringLiteral("'%1' is not a number").arg(args.at(0)), ExitUsage);
    if (!okLevel)
        return Fail(io, QStringLiteral("'%1' is not an integer").arg(args.at(1)), ExitUsage);
    unsigned char table[ST_HwConfig::TabSize];
    if (GeneratorGamaTab(table, value, level) != 0)
        return Fail(io, QStringLiteral("refused: GamaValue %1 gives a gamma outside 1.0..6.0 or "
                                       "GrayLevel %2 is unusable")
                            .arg(args.at(0), args.at(1)));
    PrintJson(io, Words(table));
    return ExitOk;
}

} // namespace Ky::Cli
