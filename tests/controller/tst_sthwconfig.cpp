#include "hwtestutil.h"
#include "khwfields.h"
#include "kscantiming.h"
#include "ktestmain.h"
#include "sthwconfig.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

using Ky::Test::ClearedConfig;
using Ky::Test::Document;
using Ky::Test::Element;
using Ky::Test::FreshConfig;

namespace {

struct ReadResult
{
    bool parsed = false;
    unsigned int mask = 0;
    unsigned int netCard = 0;
};

ReadResult Read(QByteArray doc, ST_HwConfig& config)
{
    ReadResult r;
    r.parsed = AnalyzeHwInfo(doc, config, r.mask, r.netCard);
    return r;
}

QByteArray Base64Of(int bytes, char fill)
{
    return QByteArray(bytes, fill).toBase64();
}

} // namespace

class TestStHwConfig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void defaults();
    void roundTripAllGroups_data();
    void roundTripAllGroups();
    void documentIsByteExact();
    void blocksFollowTheGroupFlags_data();
    void blocksFollowTheGroupFlags();
    void escapeOrder_data();
    void escapeOrder();
    void generatorBufForms();
    void planTimesAreUtcInTheDocument();
    void lookUpTabWriting_data();
    void lookUpTabWriting();
    void lookUpTabReading_data();
    void lookUpTabReading();
    void shortTablesArePadded_data();
    void shortTablesArePadded();
    void cardTable();
    void planPaddingAndTrimming_data();
    void planPaddingAndTrimming();
    void refreshCorrections_data();
    void refreshCorrections();
    void refreshRateWithZeroRAcc();
    void gammaCorrection_data();
    void gammaCorrection();
    void dSignalExtendedRule_data();
    void dSignalExtendedRule();
    void rangeCorrections_data();
    void rangeCorrections();
    void messages_data();
    void messages();
    void laterOccurrenceWins();
    void unparsableLeavesRecord();
    void wrongRootIsCorrectedOnly();
    void bufferIsReencodedFromLatin1();
    void saveWithoutRootWritesNothing();
    void saveWritesPanelAndSendCardFiles_data();
    void saveWritesPanelAndSendCardFiles();
    void realControllerPathIsRefused();
    void hostileDocuments_data();
    void hostileDocuments();

private:
    QTemporaryDir* m_dir = nullptr;
};

void TestStHwConfig::init()
{
    m_dir = new QTemporaryDir;
    Ky::SetControllerRoot(QString());
}

void TestStHwConfig::cleanup()
{
    Ky::SetControllerRoot(QString());
    delete m_dir;
    m_dir = nullptr;
}

void TestStHwConfig::defaults()
{
    auto c = FreshConfig();
    QCOMPARE(c->ModuleType, 1);
    QCOMPARE(c->SignalColor, 57);
    QCOMPARE(c->CellDataNum, 32);
    QCOMPARE(c->RefreshRate, 960);
    QCOMPARE(c->RefreshCountValue, 15);
    QCOMPARE(c->Max_OE_Clk_Num, 2647);
    QCOMPARE(c->PwmRedCurrent, 1);
    QCOMPARE(c->CardCount, 1);
    QCOMPARE(c->ModeSwitchPlan.AutoMode, true);
    QCOMPARE(c->ModeSwitchPlan.Count, 4);
    QCOMPARE(c->NetcardCtrlRect[1], (ST_Rect{0, 0, 800, 600}));
    QCOMPARE(c->Brightness[1], 100);
    unsigned char gamma[512] = {};
    QCOMPARE(GeneratorGamaTab(gamma, 38.0f, 8), 0);
    QVERIFY(std::memcmp(gamma, c->GamaTab, sizeof(gamma)) == 0);

    // The defaults are legal: correction changes nothing.
    auto corrected = FreshConfig();
    CorrectionHwConfig(*corrected);
    QVERIFY(*corrected == *c);
}

void TestStHwConfig::roundTripAllGroups_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QByteArray>("tz");
    QTest::newRow("port 1, UTC") << 1 << QByteArray("UTC");
    QTest::newRow("port 2, east of UTC") << 2 << QByteArray("UTC-8");
    QTest::newRow("port 1, west of UTC") << 1 << QByteArray("UTC+5");
}

void TestStHwConfig::roundTripAllGroups()
{
    QFETCH(int, port);
    QFETCH(QByteArray, tz);
    Ky::Test::TimeZoneScope zone(tz.constData());

    auto written = FreshConfig();
    written->ModeSwitchPlan.Slots[1] = CustomMode{true, 8 * 3600 + 30 * 60, 23 * 3600 + 59 * 60 + 59};
    written->CustomGamaTab[7] = 9;
    written->ScanTab[3] = 0x42;
    QByteArray doc;
    GeneratorConfig(doc, *written, static_cast<unsigned char>(port), QString(), HWG_AllWritable);

    auto read = ClearedConfig();
    const ReadResult r = Read(doc, *read);
    QVERIFY(r.parsed);
    QCOMPARE(r.mask, 0x0BFu);
    QCOMPARE(r.netCard, unsigned(port));

    // What the reader adds of its own: the card mark and the "nothing reported" state.
    auto expected = std::make_unique<ST_HwConfig>(*written);
    expected->CardInfo[0].CardFlag = 2;
    expected->ReadbackState = 8;
    QCOMPARE(written->LookUpTabLen, 4096);
    QCOMPARE(read->ModeSwitchPlan.Slots[1], written->ModeSwitchPlan.Slots[1]);
    QCOMPARE(read->RefreshCountValue, 15);
    QVERIFY(std::memcmp(read->CustomGamaTab, written->CustomGamaTab, 512) == 0);
    QVERIFY(*read == *expected);
}

void TestStHwConfig::documentIsByteExact()
{
    auto c = ClearedConfig();
    c->CardCount = 2;
    c->CardInfo[0] = ST_CardInfo{0, 0, 128, 64, 0, 0};
    c->CardInfo[1] = ST_CardInfo{-1, 64, 128, 64, 0, 0};
    QByteArray doc;
    GeneratorConfig(doc, *c, 2, QStringLiteral("Save"), HWG_CardInfo);
    QCOMPARE(doc, QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?><BoxHwConfig>"
                             "<Version Value=\"3.1.4.0\"/><NetCard Value=\"2\"/>"
                             "<CardInfo><Card><x Value=\"0\"/><y Value=\"0\"/><w Value=\"128\"/>"
                             "<h Value=\"64\"/></Card><Card><x Value=\"-1\"/><y Value=\"64\"/>"
                             "<w Value=\"128\"/><h Value=\"64\"/></Card></CardInfo>"
                             "<Action Value=\"Save\"/></BoxHwConfig>"));

    c->CardCount = 0;
    GeneratorConfig(doc, *c, 1, QString(), HWG_CardInfo);
    QVERIFY(doc.contains("<NetCard Value=\"1\"/><CardInfo></CardInfo></BoxHwConfig>"));

    // The basic block: element order, written cell counts, no white space anywhere.
    auto fresh = FreshConfig();
    fresh->CellWidth = 32;
    fresh->CellNullNum = 3;
    GeneratorConfig(doc, *fresh, 1, QString(), HWG_Basic);
    QCOMPARE(fresh->CellDataNum, 64);
    QCOMPARE(fresh->CellScanNum, 67);
    QVERIFY(doc.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?><BoxHwConfig><Version "
                           "Value=\"3.1.4.0\"/><NetCard Value=\"1\"/><ModuleType Value=\"1\"/>"
                           "<ScreenSwitch Value=\"1\"/><CellWidth Value=\"32\"/>"));
    QVERIFY(doc.contains("<CellDataNum Value=\"64\"/><CellScanNum Value=\"67\"/>"));
    QVERIFY(doc.contains("<R_Acc Value=\"2\"/><RefreshRate Value=\"960\"/><CardMaxCtrlWidth"));
    QVERIFY(doc.endsWith("<PwmGreenCurrent Value=\"1\"/><PwmBlueCurrent Value=\"1\"/></BoxHwConfig>"));
    QVERIFY(!doc.contains("RefreshCountValue"));
    QVERIFY(!doc.contains('\n'));
    QCOMPARE(doc.count("Value="), 2 + 52);
    QCOMPARE(doc.count(' '), 1 + 1 + 2 + 52); // declaration, and one before each Value
}

void TestStHwConfig::blocksFollowTheGroupFlags_data()
{
    QTest::addColumn<unsigned int>("flags");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("gamma only") << 0x004u << QStringList{"<GamaTab "}
                                << QStringList{"<ModuleType ", "<ScanTab ", "<LookUpTab ", "<CardInfo>"};
    QTest::newRow("custom gamma") << 0x010u
                                  << QStringList{"<CustomGamaTab ", "<UseCustomGamaTab Value=\"0\"/>"}
                                  << QStringList{"<GamaTab "};
    QTest::newRow("sending card")
        << 0x080u
        << QStringList{"<SendCardMode Value=\"0\"/><AsyncPriorityMode Value=\"0\"/>"
                       "<NetCardCtrlMode Value=\"0\"/><RgbCtrlWidth Value=\"800\"/>"
                       "<RgbCtrlHeight Value=\"600\"/><NetcardCtrlRect><NetCard><x Value=\"0\"/>",
                       "</NetCard></NetcardCtrlRect><ModeSwitchPlan><AutoMode Value=\"1\"/><CustomMode>",
                       "</ModeSwitchPlan><BrightnessSetMode Value=\"0\"/><Brightness><Brightness "
                       "Value=\"100\"/><Brightness Value=\"100\"/></Brightness><AutoAdjust Value=\"1\"/>"
                       "</BoxHwConfig>"}
        << QStringList{"<CardInfo>", "<ModuleType "};
    QTest::newRow("sending card before cards")
        << (0x080u | 0x020u) << QStringList{"<AutoAdjust Value=\"1\"/><CardInfo><Card>"} << QStringList{};
}

void TestStHwConfig::blocksFollowTheGroupFlags()
{
    QFETCH(unsigned int, flags);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    auto c = FreshConfig();
    QByteArray doc;
    GeneratorConfig(doc, *c, 1, QString(), flags);
    for (const QString& piece : present)
        QVERIFY2(doc.contains(piece.toUtf8()), qPrintable(piece));
    for (const QString& piece : absent)
        QVERIFY2(!doc.contains(piece.toUtf8()), qPrintable(piece));
}

void TestStHwConfig::escapeOrder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("ampersand first") << "&<" << "&amp;&lt;";
    QTest::newRow("all five") << "a&b<c>d\"e'f" << "a&amp;b&lt;c&gt;d&quot;e&apos;f";
    QTest::newRow("entities are escaped again") << "&amp;" << "&amp;amp;";
    QTest::newRow("plain") << "3.1.4.0" << "3.1.4.0";
    QTest::newRow("non-ASCII passes") << QString::fromUtf8("亮度") << QString::fromUtf8("亮度");
}

void TestStHwConfig::escapeOrder()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(ProcXmlEscapeChar(text), escaped);
}

void TestStHwConfig::generatorBufForms()
{
    QByteArray buf;
    GeneratorBuf(buf, QStringLiteral("A"), -42);
    GeneratorBuf(buf, QStringLiteral("B<"), QStringLiteral("x\"y"));
    const unsigned char one[] = {0x01};
    const unsigned char three[] = {0xFF, 0x00, 0x80};
    GeneratorBuf(buf, QStringLiteral("C"), one, 1);
    GeneratorBuf(buf, QStringLiteral("D"), three, 3);
    GeneratorBuf(buf, QStringLiteral("E"), three, 0);
    QCOMPARE(buf, QByteArray("<A Value=\"-42\"/><B&lt; Value=\"x&quot;y\"/><C Value=\"AQ==\"/>"
                             "<D Value=\"/wCA\"/><E Value=\"\"/>"));

    // A long block is one line of Base64.
    QByteArray big;
    unsigned char table[512] = {};
    GeneratorBuf(big, QStringLiteral("T"), table, 512);
    QVERIFY(!big.contains('\n'));
    QCOMPARE(big.size(), qsizetype(QByteArray("<T Value=\"\"/>").size() + 684));
}

void TestStHwConfig::planTimesAreUtcInTheDocument()
{
    Ky::Test::TimeZoneScope zone("UTC-8"); // local time is eight hours ahead of UTC
    QCOMPARE(Ky::Local2UTC(QTime(10, 0, 0)), QTime(2, 0, 0));
    QCOMPARE(Ky::Local2UTC(QTime(3, 0, 0)), QTime(19, 0, 0));
    QCOMPARE(Ky::UTC2Local(QTime(19, 0, 0)), QTime(3, 0, 0));

    auto c = FreshConfig();
    c->ModeSwitchPlan.AutoMode = false;
    c->ModeSwitchPlan.Slots[0] = CustomMode{true, 8 * 3600 + 30 * 60, 12 * 3600};
    QByteArray doc;
    GeneratorConfig(doc, *c, 1, QString(), HWG_SendCard);
    QVERIFY(doc.contains("<ModeSwitchPlan><AutoMode Value=\"0\"/><CustomMode><Checked Value=\"1\"/>"
                         "<Start Value=\"00:30:00\"/><End Value=\"04:00:00\"/></CustomMode>"
                         "<CustomMode><Checked Value=\"0\"/><Start Value=\"16:00:00\"/>"));
}

void TestStHwConfig::lookUpTabWriting_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("written");
    QTest::newRow("0 means all") << 0 << 4096;
    QTest::newRow("too long") << 5000 << 4096;
    QTest::newRow("negative") << -1 << 4096;
    QTest::newRow("short") << 10 << 10;
    QTest::newRow("full") << 4096 << 4096;
}

void TestStHwConfig::lookUpTabWriting()
{
    QFETCH(int, length);
    QFETCH(int, written);
    auto c = FreshConfig();
    c->LookUpTabLen = length;
    for (int i = 0; i < 4096; ++i)
        c->LookUpTab[i] = static_cast<unsigned char>(i);
    QByteArray doc;
    GeneratorConfig(doc, *c, 1, QString(), HWG_LookUpTab);
    QCOMPARE(c->LookUpTabLen, written);
    const QByteArray expected =
        QByteArray(reinterpret_cast<const char*>(c->LookUpTab), written).toBase64();
    QVERIFY(doc.contains(Element("LookUpTab", expected)));
}

void TestStHwConfig::lookUpTabReading_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("taken");
    QTest::newRow("short") << 10 << 10 << true;
    QTest::newRow("empty") << 0 << 0 << true;
    QTest::newRow("exactly full") << 4096 << 4096 << true;
    QTest::newRow("one too many") << 4097 << 77 << false;
}

void TestStHwConfig::lookUpTabReading()
{
    QFETCH(int, bytes);
    QFETCH(int, length);
    QFETCH(bool, taken);
    auto c = FreshConfig();
    std::memset(c->LookUpTab, 0xEE, sizeof(c->LookUpTab));
    c->LookUpTabLen = 77;
    const ReadResult r = Read(Document(Element("LookUpTab", Base64Of(bytes, 0x11))), *c);
    QCOMPARE(r.mask, unsigned(HWG_LookUpTab));
    QCOMPARE(c->LookUpTabLen, length);
    if (taken) {
        for (int i = 0; i < 4096; ++i)
            QCOMPARE(int(c->LookUpTab[i]), i < bytes ? 0x11 : 0);
    } else {
        QCOMPARE(int(c->LookUpTab[0]), 0xEE);
        QCOMPARE(int(c->LookUpTab[4095]), 0xEE);
    }
}

void TestStHwConfig::shortTablesArePadded_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<int>("bytes");
    QTest::newRow("GamaTab 3 bytes") << QByteArray("GamaTab") << 3;
    QTest::newRow("ScanTab empty") << QByteArray("ScanTab") << 0;
    QTest::newRow("CustomGamaTab 511") << QByteArray("CustomGamaTab") << 511;
    QTest::newRow("GamaTab longer than the table") << QByteArray("GamaTab") << 700;
    QTest::newRow("FpgaVersion 2 bytes") << QByteArray("FpgaVersion") << 2;
    QTest::newRow("FpgaVersion 20 bytes") << QByteArray("FpgaVersion") << 20;
}

void TestStHwConfig::shortTablesArePadded()
{
    QFETCH(QByteArray, tag);
    QFETCH(int, bytes);
    auto c = FreshConfig();
    unsigned char* table = tag == "GamaTab"         ? c->GamaTab
                           : tag == "ScanTab"       ? c->ScanTab
                           : tag == "CustomGamaTab" ? c->CustomGamaTab
                                                    : c->FpgaVersion;
    const int size = tag == "FpgaVersion" ? 8 : 512;
    std::memset(table, 0xEE, size_t(size));
    Read(Document(Element(tag.constData(), Base64Of(bytes, 0x22))), *c);
    for (int i = 0; i < size; ++i)
        QCOMPARE(int(table[i]), i < bytes ? 0x22 : 0);
}

void TestStHwConfig::cardTable()
{
    QByteArray cards;
    for (int i = 0; i < 300; ++i)
        cards += "<Card>" + Element("x", QByteArray::number(i)) + Element("h", "64") + "<z/></Card><Other/>";
    auto c = FreshConfig();
    ReadResult r = Read(Document("<CardInfo>" + cards + "</CardInfo>"), *c);
    QCOMPARE(r.mask, unsigned(HWG_CardInfo));
    QCOMPARE(c->CardCount, 256);
    QCOMPARE(c->CardInfo[255].x, 255);
    QCOMPARE(c->CardInfo[255].h, 64);
    QCOMPARE(c->CardInfo[255].CardFlag, 2);

    // A later, shorter table replaces the count; an empty one leaves no cards.
    r = Read(Document("<CardInfo><Card/></CardInfo>"), *c);
    QCOMPARE(c->CardCount, 1);
    r = Read(Document("<CardInfo></CardInfo>"), *c);
    QCOMPARE(c->CardCount, 0);
}

void TestStHwConfig::planPaddingAndTrimming_data()
{
    QTest::addColumn<int>("slots");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstKept");
    QTest::newRow("none") << 0 << 4 << -1;
    QTest::newRow("two") << 2 << 4 << 0;
    QTest::newRow("twenty-four") << 24 << 24 << 0;
    QTest::newRow("thirty keeps the last") << 30 << 24 << 6;
}

void TestStHwConfig::planPaddingAndTrimming()
{
    QFETCH(int, slots);
    QFETCH(int, count);
    QFETCH(int, firstKept);
    Ky::Test::TimeZoneScope zone("UTC");
    QByteArray body = "<ModeSwitchPlan>";
    for (int i = 0; i < slots; ++i) {
        const QByteArray start = QTime(0, i, 0).toString(QStringLiteral("hh:mm:ss")).toLatin1();
        body += "<CustomMode>" + Element("Checked", "1") + Element("Start", start)
                + Element("End", "23:00:00") + "</CustomMode>";
    }
    body += "</ModeSwitchPlan>";
    auto c = FreshConfig();
    Read(Document(body), *c);
    const ST_ModeSwitchPlan& plan = c->ModeSwitchPlan;
    QCOMPARE(plan.Count, count);
    QCOMPARE(plan.AutoMode, true);
    for (int i = 0; i < count; ++i) {
        const int source = firstKept + i;
        if (firstKept >= 0 && source < slots)
            QCOMPARE(plan.Slots[i], (CustomMode{true, source * 60, 23 * 3600}));
        else
            QCOMPARE(plan.Slots[i], (CustomMode{false, 0, 0}));
    }
}

void TestStHwConfig::refreshCorrections_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("refreshRate");
    QTest::addColumn<int>("refreshCount");
    QTest::newRow("1000 is no multiple of 120")
        << Element("RefreshRate", "1000") << 960 << 15;
    QTest::newRow("1200 at R_Acc 4") << Element("R_Acc", "4") + Element("RefreshRate", "1200") << 1200 << 9;
    QTest::newRow("zero") << Element("RefreshRate", "0") << 960 << 15;
    QTest::newRow("fallback uses corrected R_Acc")
        << Element("R_Acc", "3") + Element("RefreshRate", "7") << 960 << 15;
    QTest::newRow("120 at 60 fps")
        << Element("F_Frame", "2") + Element("RefreshRate", "120") << 120 << 0;
    QTest::newRow("count below zero recomputed at 30 fps")
        << Element("F_Frame", "3") + Element("RefreshRate", "120") << 120 << 1;
    QTest::newRow("recomputed count may stay below zero")
        << Element("R_Acc", "16") + Element("RefreshRate", "120") << 120 << -1;
    QTest::newRow("negative as unsigned text") << Element("RefreshRate", "-120") << 960 << 15;
}

void TestStHwConfig::refreshCorrections()
{
    QFETCH(QByteArray, body);
    QFETCH(int, refreshRate);
    QFETCH(int, refreshCount);
    auto c = FreshConfig();
    Read(Document(body), *c);
    QCOMPARE(c->RefreshRate, refreshRate);
    QCOMPARE(c->RefreshCountValue, refreshCount);
    QCOMPARE(c->F_Frame, 1);
}

void TestStHwConfig::refreshRateWithZeroRAcc()
{
    // A cleared record has R_Acc 0 while the document is read; extreme pairs must not trap.
    auto c = ClearedConfig();
    c->RefreshCountValue = 123;
    QVERIFY(Read(Document(Element("RefreshRate", "1200")), *c).parsed);
    QCOMPARE(c->RefreshCountValue, 123);
    QCOMPARE(c->RefreshRate, 1200);

    auto d = ClearedConfig();
    Read(Document(Element("R_Acc", "4294967295") + Element("RefreshRate", "2147483648")), *d);
    QCOMPARE(d->R_Acc, 2);
    QCOMPARE(d->RefreshRate, 960);
}

void TestStHwConfig::gammaCorrection_data()
{
    QTest::addColumn<int>("gamaValue");
    QTest::addColumn<int>("grayLevel");
    QTest::addColumn<int>("corrected");
    QTest::addColumn<bool>("regenerated");
    QTest::newRow("5 is illegal") << 5 << 8 << 38 << true;
    QTest::newRow("71 is illegal, regenerated at the corrected grey level") << 71 << 99 << 38 << true;
    QTest::newRow("10 stays although the generator refuses it") << 10 << 8 << 10 << false;
    QTest::newRow("70 stays") << 70 << 8 << 70 << false;
}

void TestStHwConfig::gammaCorrection()
{
    QFETCH(int, gamaValue);
    QFETCH(int, grayLevel);
    QFETCH(int, corrected);
    QFETCH(bool, regenerated);
    auto c = FreshConfig();
    c->GamaValue = gamaValue;
    c->GrayLevel = grayLevel;
    std::memset(c->GamaTab, 0xEE, sizeof(c->GamaTab));
    CorrectionHwConfig(*c);
    QCOMPARE(c->GamaValue, corrected);
    unsigned char expected[512];
    std::memset(expected, 0xEE, sizeof(expected));
    if (regenerated)
        GeneratorGamaTab(expected, 38.0f, c->GrayLevel);
    QVERIFY(std::memcmp(expected, c->GamaTab, sizeof(expected)) == 0);
}

void TestStHwConfig::dSignalExtendedRule_data()
{
    QTest::addColumn<int>("scanMode");
    QTest::addColumn<int>("decodingMode");
    QTest::addColumn<int>("extended");
    QTest::newRow("1/16 scan clears it") << 16 << 1 << 0;
    QTest::newRow("1/8 scan keeps it") << 8 << 1 << 1;
    QTest::newRow("1/4 without decoder clears it") << 4 << 0 << 0;
    QTest::newRow("1/4 with decoder keeps it") << 4 << 1 << 1;
    QTest::newRow("illegal scan becomes 16 and clears it") << 40 << 1 << 0;
}

void TestStHwConfig::dSignalExtendedRule()
{
    QFETCH(int, scanMode);
    QFETCH(int, decodingMode);
    QFETCH(int, extended);
    auto c = FreshConfig();
    c->ScanMode = scanMode;
    c->DecodingMode = decodingMode;
    c->DSignalExtended = 1;
    CorrectionHwConfig(*c);
    QCOMPARE(c->DSignalExtended, extended);
}

namespace {

int FieldOf(const ST_HwConfig& c, const QByteArray& name)
{
#define KY_FIELD(field)                                                                          \
    if (name == #field)                                                                          \
        return c.field;
    KY_HW_BASIC_FIELDS(KY_FIELD)
#undef KY_FIELD
    if (name == "UseCustomGamaTab")
        return c.UseCustomGamaTab;
    if (name == "SendCardMode")
        return c.SendCardMode;
    if (name == "AsyncPriorityMode")
        return c.AsyncPriorityMode;
    if (name == "NetCardCtrlMode")
        return c.NetCardCtrlMode;
    if (name == "BrightnessSetMode")
        return c.BrightnessSetMode;
    if (name == "AutoAdjust")
        return c.AutoAdjust;
    if (name == "Brightness2")
        return c.Brightness[1];
    qFatal("unknown field %s", name.constData());
    return 0;
}

} // namespace

void TestStHwConfig::rangeCorrections_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("expected");
    const auto row = [](const char* field, const char* value, int expected) {
        QTest::addRow("%s %s", field, value) << Element(field, value) << QByteArray(field) << expected;
    };
    row("ModuleType", "3", 1);
    row("ModuleType", "2", 2);
    row("ScreenSwitch", "0", 1);
    row("CellWidth", "65", 16);
    row("CellWidth", "0", 16);
    row("CellHight", "33", 32);
    row("DecodingMode", "2", 1);
    row("SignalColor", "12345", 12345);
    row("Frequency", "16", 2);
    row("PriorityMode", "3", 1);
    row("GrayLevel", "6", 8);
    row("LuminanceLevel", "3", 1);
    row("OM", "3", 1);
    row("OM", "4", 4);
    row("Phase", "4", 1);
    row("BV", "4", 25);
    row("BV", "2000", 2000);
    row("RedCorrection", "0", 255);
    row("CellScanRow", "33", 2);
    row("CellNullNum", "256", 0);
    row("SignalOutput", "16", 15);
    row("RgbGroup1", "2", 1);
    row("SmartSettingTracing", "2", 1);
    row("LookUpTabSetting", "65536", 1);
    row("ScanCheck", "2", 1);
    row("ColourTemperature", "256", 0);
    row("F_Frame", "3", 1);
    row("R_Acc", "32", 2);
    row("R_Acc", "16", 16);
    row("CardMaxCtrlWidth", "4097", 264);
    row("CardMaxCtrlHeight", "5000", 640);
    row("S_Fn", "11", 48);
    row("B_fn", "129", 16);
    row("OE_T", "7", 16);
    row("Max_Data_Num", "7", 28);
    row("Max_OE_Clk_Num", "0", 2647);
    row("Max_OE_Clk_Num", "13107000", 13107000);
    row("Afterglow", "1", 1);
    row("Afterglow", "2", 0);
    row("VirtualType", "4", 1);
    row("PwmChipType", "32", 1);
    row("PwmFrequency", "16", 1);
    row("PwmRedCurrent", "64", 63);
    row("PwmBlueCurrent", "63", 63);
    row("UseCustomGamaTab", "1", 0);
    row("SendCardMode", "2", 0);
    row("AsyncPriorityMode", "1", 1);
    row("AsyncPriorityMode", "2", 0);
    row("NetCardCtrlMode", "4", 0);
    row("BrightnessSetMode", "3", 0);
    row("AutoAdjust", "2", 1);
    QTest::newRow("CellDataNum falls back to the corrected geometry")
        << Element("CellWidth", "99") + Element("CellScanRow", "4") + Element("CellDataNum", "70000")
        << QByteArray("CellDataNum") << 64;
    QTest::newRow("CellScanNum falls back to the corrected counts")
        << Element("CellNullNum", "5") + Element("CellDataNum", "70000") + Element("CellScanNum", "65536")
        << QByteArray("CellScanNum") << 37;
    QTest::newRow("brightness of port 2")
        << QByteArray("<Brightness>") + Element("Brightness", "50") + Element("Brightness", "101")
               + Element("Brightness", "7") + "</Brightness>"
        << QByteArray("Brightness2") << 100;
}

void TestStHwConfig::rangeCorrections()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, field);
    QFETCH(int, expected);
    auto c = FreshConfig();
    Read(Document(body), *c);
    QCOMPARE(FieldOf(*c, field), expected);
}

void TestStHwConfig::messages_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<unsigned int>("mask");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("value");
    QTest::newRow("nothing") << QByteArray() << 0u << 8 << 0;
    QTest::newRow("probe begin") << Element("Probe", "Begin") << 0x100u << 0 << 0;
    QTest::newRow("probe stop") << Element("Probe", "Stop") << 0x100u << 1 << 0;
    QTest::newRow("probe other") << Element("Probe", "Later") << 0x100u << 8 << 0;
    QTest::newRow("card found") << Element("FindedCard", "5") << 0x100u << 2 << 5;
    QTest::newRow("read back") << Element("ParaReadback", "-3") << 0x100u << 3 << -3;
    QTest::newRow("read back, no number") << Element("ParaReadback", "x") << 0x100u << 3 << -1;
    QTest::newRow("read connect") << Element("ReadConnect", "") << 0x100u << 6 << 0;
    QTest::newRow("read back ok") << Element("Action", "ParaReadbackOK") << 0x100u << 4 << 0;
    QTest::newRow("read back failed") << Element("Action", "ParaReadbackFailure") << 0x100u << 5 << 0;
    QTest::newRow("connect finished") << Element("Action", "ReadConnectFinish") << 0x100u << 7 << 0;
    QTest::newRow("get setting") << Element("Action", "GetSetting") << 0x200u << 8 << 0;
    QTest::newRow("save to card") << Element("Action", "SaveToCard") << 0x040u << 8 << 0;
    QTest::newRow("unknown action") << Element("Action", "Dance") << 0u << 8 << 0;
    QTest::newRow("draw line") << Element("EnterDrawLien", "") + Element("ExitDrawLien", "")
                               << 0x400u << 8 << 0;
    QTest::newRow("version and unknown tags") << Element("Version", "9") + Element("Bogus", "1")
                                              << 0u << 8 << 0;
    QTest::newRow("send card mode sets no bit") << Element("SendCardMode", "1") << 0u << 8 << 0;
    QTest::newRow("fpga version") << Element("FpgaVersion", "AQID") << 0x002u << 8 << 0;
    QTest::newRow("sending card element") << Element("AutoAdjust", "0") << 0x080u << 8 << 0;
}

void TestStHwConfig::messages()
{
    QFETCH(QByteArray, body);
    QFETCH(unsigned int, mask);
    QFETCH(int, state);
    QFETCH(int, value);
    auto c = FreshConfig();
    c->ReadbackState = 3;
    const ReadResult r = Read(Document(body), *c);
    QVERIFY(r.parsed);
    QCOMPARE(r.mask, mask);
    QCOMPARE(c->ReadbackState, state);
    QCOMPARE(c->ReadbackValue, value);
}

void TestStHwConfig::laterOccurrenceWins()
{
    auto c = FreshConfig();
    const ReadResult r = Read(Document(Element("CellWidth", "20") + Element("CellWidth", "24")
                                       + Element("NetCard", "7") + Element("NetCard", "2")
                                       + Element("FirmwareCheckResut", "4660")
                                       + Element("UpgradeRecvCard", "-5")),
                              *c);
    QCOMPARE(c->CellWidth, 24);
    QCOMPARE(r.netCard, 2u);
    QCOMPARE(r.mask, 0x801u);
    // FirmwareCheckResut 0x1234 set the result, UpgradeRecvCard replaced the value and state.
    QCOMPARE(c->RecvCardFwResult, 0x34);
    QCOMPARE(c->RecvCardFwValue, -5);
    QCOMPARE(c->RecvCardFwState, 0);
}

void TestStHwConfig::unparsableLeavesRecord()
{
    auto c = FreshConfig();
    c->ModuleType = 9; // illegal, but no correction runs
    const auto before = std::make_unique<ST_HwConfig>(*c);
    unsigned int mask = 0xFFFF;
    unsigned int port = 5;
    QByteArray doc = Document(Element("ModuleType", "0")).left(60);
    QVERIFY(!AnalyzeHwInfo(doc, *c, mask, port));
    QCOMPARE(mask, 0u);
    QCOMPARE(port, 5u);
    before->ReadbackState = 8;
    QVERIFY(*c == *before);
}

void TestStHwConfig::wrongRootIsCorrectedOnly()
{
    auto c = FreshConfig();
    c->ModuleType = 9;
    unsigned int port = 1;
    const ReadResult r = Read("<Other><ModuleType Value=\"0\"/><NetCard Value=\"2\"/></Other>", *c);
    QVERIFY(r.parsed);
    QCOMPARE(r.mask, 0u);
    QCOMPARE(c->ModuleType, 1);
    Q_UNUSED(port);
}

void TestStHwConfig::bufferIsReencodedFromLatin1()
{
    QByteArray doc = Document(Element("Bogus", "caf\xE9"));
    auto c = FreshConfig();
    unsigned int mask = 0, port = 0;
    QVERIFY(AnalyzeHwInfo(doc, *c, mask, port));
    QVERIFY(doc.contains("caf\xC3\xA9"));

    QByteArray ascii = Document(Element("CellWidth", "20"));
    const QByteArray copy = ascii;
    AnalyzeHwInfo(ascii, *c, mask, port);
    QCOMPARE(ascii, copy);
}

void TestStHwConfig::saveWithoutRootWritesNothing()
{
    QVERIFY(Ky::ControllerRoot().isEmpty());
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    auto c = FreshConfig();
    const ReadResult r = Read(Document(Element("NetCard", "1") + Element("Action", "Save")), *c);
    QDir::setCurrent(cwd);
    QCOMPARE(r.mask, unsigned(HWG_Save));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestStHwConfig::saveWritesPanelAndSendCardFiles_data()
{
    QTest::addColumn<QByteArray>("netCard");
    QTest::addColumn<QStringList>("panels");
    QTest::newRow("port 1") << QByteArray("1") << QStringList{"panelsetup1.xml"};
    QTest::newRow("all ports") << QByteArray("4294967295")
                               << QStringList{"panelsetup0.xml", "panelsetup1.xml"};
}

void TestStHwConfig::saveWritesPanelAndSendCardFiles()
{
    QFETCH(QByteArray, netCard);
    QFETCH(QStringList, panels);
    Ky::Test::TimeZoneScope zone("UTC");
    Ky::SetControllerRoot(m_dir->path());

    auto sent = FreshConfig();
    sent->Brightness[0] = 40;
    QByteArray doc;
    GeneratorConfig(doc, *sent, 1, QStringLiteral("Save"), HWG_AllWritable);
    doc.replace(QByteArray("<NetCard Value=\"1\"/>"), QByteArray("<NetCard Value=\"" + netCard + "\"/>"));

    auto c = ClearedConfig();
    const ReadResult r = Read(doc, *c);
    QCOMPARE(r.mask, 0x0BFu | HWG_Save);

    const QDir config(m_dir->path() + QStringLiteral("/config"));
    QStringList expected = panels;
    expected << QStringLiteral("send_card_cfg.xml");
    QCOMPARE(config.entryList(QDir::Files, QDir::Name), expected);

    for (const QString& name : panels) {
        QFile panel(config.filePath(name));
        QVERIFY(panel.open(QIODevice::ReadOnly));
        const QByteArray saved = panel.readAll();
        QVERIFY(saved.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<BoxHwConfig>\n <Version"));
        QVERIFY(saved.contains("<Action Value=\"\"/>"));
        QVERIFY(saved.contains("<Brightness Value=\"40\"/>"));
    }

    QFile sendCard(config.filePath(QStringLiteral("send_card_cfg.xml")));
    QVERIFY(sendCard.open(QIODevice::ReadOnly));
    QByteArray expectedSendCard;
    GeneratorConfig(expectedSendCard, *c, static_cast<unsigned char>(r.netCard), QString(),
                    HWG_SendCard);
    QCOMPARE(sendCard.readAll(), expectedSendCard);
    QVERIFY(expectedSendCard.contains("<NetCard Value=\"") && !expectedSendCard.contains("<ModuleType"));
}

void TestStHwConfig::realControllerPathIsRefused()
{
    Ky::SetControllerRoot(QStringLiteral("/root/Box"));
    QVERIFY(Ky::ControllerRoot().isEmpty());
    Ky::SetControllerRoot(QStringLiteral("/root/Box/../Box/"));
    QVERIFY(Ky::ControllerRoot().isEmpty());
    Ky::SetControllerRoot(m_dir->path());
    QCOMPARE(Ky::ControllerRoot(), QDir::cleanPath(m_dir->path()));
}

void TestStHwConfig::hostileDocuments_data()
{
    QTest::addColumn<QByteArray>("doc");
    const QByteArray valid = [] {
        auto c = FreshConfig();
        QByteArray d;
        GeneratorConfig(d, *c, 1, QString(), HWG_AllWritable);
        return d;
    }();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated") << valid.left(valid.size() / 2);
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 131 + 7) & 0xFF);
    QTest::newRow("binary") << binary;
    QTest::newRow("huge base64") << Document(Element("LookUpTab", Base64Of(8 * 1024 * 1024, 'x'))
                                             + Element("GamaTab", Base64Of(4 * 1024 * 1024, 'y')));
    QByteArray many;
    many.reserve(100000 * 24);
    for (int i = 0; i < 100000; ++i)
        many += Element("CellWidth", QByteArray::number(i));
    QTest::newRow("100,000 elements") << Document(many);
    QByteArray cards = "<CardInfo>";
    for (int i = 0; i < 100000; ++i)
        cards += "<Card/>";
    QTest::newRow("100,000 cards") << Document(cards + "</CardInfo>");
    QByteArray plan = "<ModeSwitchPlan>";
    for (int i = 0; i < 100000; ++i)
        plan += "<CustomMode><Start Value=\"12:00:00\"/><End Value=\"25:00:00\"/></CustomMode>";
    QTest::newRow("100,000 plan slots") << Document(plan + "</ModeSwitchPlan>");
    const int depth = 100000;
    QTest::newRow("deeply nested") << Document(QByteArray("<CardInfo>").repeated(depth));
    QTest::newRow("deeply nested, closed")
        << Document(QByteArray("<ModeSwitchPlan>").repeated(depth)
                    + QByteArray("</ModeSwitchPlan>").repeated(depth));
    QTest::newRow("numbers out of every range")
        << Document(Element("ScanMode", "99999999999999999999") + Element("OE_T", "4294967295")
                    + Element("CellWidth", "2147483648") + Element("Frequency", "-1"));
}

void TestStHwConfig::hostileDocuments()
{
    QFETCH(QByteArray, doc);
    auto c = FreshConfig();
    unsigned int mask = 0, port = 0;
    AnalyzeHwInfo(doc, *c, mask, port);
    // Whatever was read, the record is legal afterwards and the derivations stay defined.
    auto corrected = std::make_unique<ST_HwConfig>(*c);
    CorrectionHwConfig(*corrected);
    QVERIFY(*corrected == *c);
    Ky::DeriveHwConfig(*c);
}

KESTROVA_TEST_MAIN(TestStHwConfig)
#include "tst_sthwconfig.moc"
