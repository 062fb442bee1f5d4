#include "hwtestutil.h"
#include "kscantiming.h"
#include "kscanwords.h"
#include "ktestmain.h"

#include <cstring>

using Ky::KScanWords;
using Ky::Test::FreshConfig;

namespace {

QList<uint16_t> Words(const unsigned char* tab)
{
    QList<uint16_t> words;
    for (int i = 0; i < 256; ++i)
        words << uint16_t((tab[2 * i] << 8) | tab[2 * i + 1]);
    return words;
}

QList<uint16_t> Hex(const QString& text)
{
    QList<uint16_t> words;
    for (const QString& w : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        words << uint16_t(w.toUInt(nullptr, 16));
    while (words.size() < 256)
        words << 0;
    return words;
}

QList<uint16_t> Gamma(float gamaValue, int grayLevel)
{
    unsigned char table[512];
    if (GeneratorGamaTab(table, gamaValue, grayLevel) != 0)
        return {};
    return Words(table);
}

} // namespace

class TestKScanTiming : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void factoryDefaultChain();
    void clockTable_data();
    void clockTable();
    void frameRate_data();
    void frameRate();
    void scanParameters_data();
    void scanParameters();
    void scanTabExampleRows_data();
    void scanTabExampleRows();
    void scanTabLookup_data();
    void scanTabLookup();
    void everyScanRowFollowsTheRule();
    void oeBudgetExhausted();
    void zeroDivisorsAreHarmless_data();
    void zeroDivisorsAreHarmless();
    void controlWidth_data();
    void controlWidth();
    void controlHeight_data();
    void controlHeight();
    void gammaTable_data();
    void gammaTable();
    void gammaRefusals_data();
    void gammaRefusals();
};

void TestKScanTiming::factoryDefaultChain()
{
    auto c = FreshConfig();
    Ky::DeriveHwConfig(*c);
    QCOMPARE(c->S_Fn, 48);
    QCOMPARE(c->B_fn, 16);
    QCOMPARE(c->OE_T, 16);
    QCOMPARE(c->MaxOE, 2492);
    QCOMPARE(c->Max_OE_Clk_Num, 311);
    QCOMPARE(c->MinOE, 152);
    QCOMPARE(c->Max_Data_Num, 50);
    QCOMPARE(c->CardMaxCtrlWidth, 25);
    QCOMPARE(c->CardMaxCtrlHeight, 512);
    QCOMPARE(c->CellDataNum, 32);
    QCOMPARE(c->CellScanNum, 32);
    QVERIFY(qAbs(c->LuminanceEfficiency - 64.0256f) < 0.001f);
    QCOMPARE(QString::number(double(c->LuminanceEfficiency), 'f', 2), QStringLiteral("64.03"));
}

void TestKScanTiming::clockTable_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<float>("mhz");
    QTest::addColumn<int>("ns");
    QTest::newRow("fastest") << 0 << 31.25f << 32;
    QTest::newRow("default") << 2 << 20.8f << 48;
    QTest::newRow("index 14") << 14 << 4.03f << 248;
    QTest::newRow("slowest") << 15 << 3.125f << 320;
    QTest::newRow("16 is no clock") << 16 << -1.0f << -1;
    QTest::newRow("negative") << -1 << -1.0f << -1;
}

void TestKScanTiming::clockTable()
{
    QFETCH(int, frequency);
    QFETCH(float, mhz);
    QFETCH(int, ns);
    auto c = FreshConfig();
    c->Frequency = frequency;
    QCOMPARE(GetFrequency(*c), mhz);
    QCOMPARE(CalcMinTClk(*c), ns);
}

void TestKScanTiming::frameRate_data()
{
    QTest::addColumn<int>("fFrame");
    QTest::addColumn<int>("fps");
    QTest::newRow("1") << 1 << 30;
    QTest::newRow("2") << 2 << 60;
    QTest::newRow("3") << 3 << 120;
    QTest::newRow("0") << 0 << 30;
    QTest::newRow("4") << 4 << 30;
}

void TestKScanTiming::frameRate()
{
    QFETCH(int, fFrame);
    QFETCH(int, fps);
    auto c = FreshConfig();
    c->F_Frame = fFrame;
    QCOMPARE(GetF_Frame(*c), fps);
}

void TestKScanTiming::scanParameters_data()
{
    QTest::addColumn<int>("priority");
    QTest::addColumn<int>("gray");
    QTest::addColumn<int>("luminance");
    QTest::addColumn<int>("sfn");
    QTest::addColumn<int>("bfn");
    QTest::addColumn<int>("oet");
    QTest::newRow("brightness, 7, low") << 0 << 7 << 0 << 12 << 4 << 32;
    QTest::newRow("brightness, 15, high") << 0 << 15 << 2 << 136 << 64 << 512;
    QTest::newRow("refresh, 12, normal") << 1 << 12 << 1 << 80 << 32 << 128;
    QTest::newRow("grey, 9, high") << 2 << 9 << 2 << 128 << 32 << 32;
    QTest::newRow("grey, 15, high") << 2 << 15 << 2 << 192 << 64 << 512;
    QTest::newRow("priority 3") << 3 << 8 << 1 << 1 << 1 << 1;
    QTest::newRow("grey level 6") << 1 << 6 << 1 << 1 << 1 << 1;
    QTest::newRow("grey level 16") << 1 << 16 << 1 << 1 << 1 << 1;
    QTest::newRow("luminance 3") << 1 << 8 << 3 << 1 << 1 << 1;
    QTest::newRow("negative priority") << -1 << 8 << 1 << 1 << 1 << 1;
}

void TestKScanTiming::scanParameters()
{
    QFETCH(int, priority);
    QFETCH(int, gray);
    QFETCH(int, luminance);
    auto c = FreshConfig();
    c->PriorityMode = priority;
    c->GrayLevel = gray;
    c->LuminanceLevel = luminance;
    GetScanPara(*c);
    QTEST(c->S_Fn, "sfn");
    QTEST(c->B_fn, "bfn");
    QTEST(c->OE_T, "oet");
}

void TestKScanTiming::scanTabExampleRows_data()
{
    QTest::addColumn<int>("priority");
    QTest::addColumn<int>("gray");
    QTest::addColumn<int>("luminance");
    QTest::addColumn<QString>("words");
    QTest::newRow("brightness priority, 7, low, R_Acc 2")
        << 0 << 7 << 0 << "7000 2300 7000 4100 6000 0510 7000 3200 7000 5000 6000 1411";
    const QString half = "4200 4200 5200 5200 5200 5200 6100 6100 6100 6100 "
                         "7000 7000 7000 7000 8000 8000 8000 8000 8000 8000 8000";
    QTest::newRow("refresh priority, 8, normal, R_Acc 2")
        << 1 << 8 << 1 << "1300 3100 " + half + " 8010 0400 2200 " + half + " 8011";
}

void TestKScanTiming::scanTabExampleRows()
{
    QFETCH(int, priority);
    QFETCH(int, gray);
    QFETCH(int, luminance);
    QFETCH(QString, words);
    auto c = FreshConfig();
    c->PriorityMode = priority;
    c->GrayLevel = gray;
    c->LuminanceLevel = luminance;
    c->R_Acc = 2;
    GetScanTab(*c);
    QCOMPARE(Words(c->ScanTab), Hex(words));
    // Most significant byte first.
    QCOMPARE(int(c->ScanTab[0]), priority == 0 ? 0x70 : 0x13);
}

void TestKScanTiming::scanTabLookup_data()
{
    QTest::addColumn<int>("rAcc");
    QTest::addColumn<int>("gray");
    QTest::addColumn<int>("priority");
    QTest::addColumn<int>("row"); // -1: ScanTab stays as it was
    QTest::newRow("R_Acc 4") << 4 << 8 << 1 << 1 + 4 * (1 + 3 * 1);
    QTest::newRow("R_Acc 16") << 16 << 15 << 1 << 3 + 4 * (1 + 3 * 8);
    QTest::newRow("R_Acc 3 uses the first class") << 3 << 8 << 1 << 0 + 4 * (1 + 3 * 1);
    QTest::newRow("R_Acc 1 uses the first class") << 1 << 8 << 1 << 0 + 4 * (1 + 3 * 1);
    QTest::newRow("R_Acc 0") << 0 << 8 << 1 << -1;
    QTest::newRow("R_Acc 17") << 17 << 8 << 1 << -1;
    QTest::newRow("grey level 6") << 2 << 6 << 1 << -1;
    QTest::newRow("priority 3") << 2 << 8 << 3 << -1;
}

void TestKScanTiming::scanTabLookup()
{
    QFETCH(int, rAcc);
    QFETCH(int, gray);
    QFETCH(int, priority);
    QFETCH(int, row);
    auto c = FreshConfig();
    c->R_Acc = rAcc;
    c->GrayLevel = gray;
    c->PriorityMode = priority;
    std::memset(c->ScanTab, 0xEE, sizeof(c->ScanTab));
    GetScanTab(*c);
    if (row < 0) {
        QCOMPARE(Words(c->ScanTab), QList<uint16_t>(256, 0xEEEE));
    } else {
        const uint16_t* expected = KScanWords::Row(priority, row);
        QVERIFY(expected);
        QCOMPARE(Words(c->ScanTab), QList<uint16_t>(expected, expected + 256));
    }
}

void TestKScanTiming::everyScanRowFollowsTheRule()
{
    const int raccs[4] = {2, 4, 8, 16};
    for (int pm = 0; pm < 3; ++pm) {
        for (int g = 7; g <= 15; ++g) {
            for (int l = 0; l < 3; ++l) {
                const KScanWords::Entry* e = KScanWords::Parameters(pm, g, l);
                QVERIFY(e);
                for (int rc = 0; rc < 4; ++rc) {
                    const QByteArray where =
                        QStringLiteral("mode %1 grey %2 level %3 R_Acc %4").arg(pm).arg(g).arg(l).arg(raccs[rc]).toLatin1();
                    const uint16_t* row = KScanWords::Row(pm, rc + 4 * (l + 3 * (g - 7)));
                    QVERIFY2(row, where.constData());
                    quint64 light[16] = {};
                    int topWords = 0, passes = 0, lastMarks = 0;
                    for (int i = 0; i < 256; ++i) {
                        const uint16_t w = row[i];
                        QVERIFY2((i < e->S_Fn) == (w != 0), where.constData());
                        if (!w)
                            continue;
                        QVERIFY2((w & 0x00EE) == 0, where.constData()); // unused bits stay clear
                        const int bit = w >> 12, p = (w >> 8) & 0xF;
                        QVERIFY2(bit <= g && (e->OE_T >> p) << p == e->OE_T, where.constData());
                        light[bit] += e->OE_T >> p;
                        topWords += bit == g;
                        passes += (w & 0x10) != 0;
                        lastMarks += (w & 0x01) != 0;
                    }
                    for (int b = 0; b <= g; ++b)
                        QVERIFY2(light[b] == (quint64(1) << b), where.constData());
                    QVERIFY2(topWords == e->B_fn, where.constData());
                    QVERIFY2(lastMarks == 1 && (row[e->S_Fn - 1] & 0x11) == 0x11, where.constData());
                    const int expectedPasses = raccs[rc] <= e->S_Fn ? raccs[rc] : 8;
                    QVERIFY2(passes == expectedPasses, where.constData());
                }
            }
        }
    }
    QVERIFY(!KScanWords::Row(3, 0));
    QVERIFY(!KScanWords::Row(0, 108));
}

void TestKScanTiming::oeBudgetExhausted()
{
    auto c = FreshConfig();
    c->RefreshRate = 3840;
    c->ScanMode = 32;
    c->BV = 2000;
    Ky::DeriveHwConfig(*c);
    QCOMPARE(c->MaxOE, 0);
    QCOMPARE(c->Max_OE_Clk_Num, 0);
    QCOMPARE(c->MinOE, 0);
    QCOMPARE(c->Max_Data_Num, 0);
    QCOMPARE(c->CardMaxCtrlWidth, 0);
    QCOMPARE(c->LuminanceEfficiency, 3.0f);
}

void TestKScanTiming::zeroDivisorsAreHarmless_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("value");
    QTest::newRow("R_Acc 0") << QByteArray("R_Acc") << 0;
    QTest::newRow("R_Acc -1") << QByteArray("R_Acc") << -1;
    QTest::newRow("OE_T 0") << QByteArray("OE_T") << 0;
    QTest::newRow("OM 0") << QByteArray("OM") << 0;
    QTest::newRow("Frequency 16") << QByteArray("Frequency") << 16;
    QTest::newRow("CellScanRow 0") << QByteArray("CellScanRow") << 0;
    QTest::newRow("RefreshRate minimum") << QByteArray("RefreshRate") << int(0x80000000u);
    QTest::newRow("BV maximum") << QByteArray("BV") << 0x7FFFFFFF;
}

void TestKScanTiming::zeroDivisorsAreHarmless()
{
    QFETCH(QByteArray, field);
    QFETCH(int, value);
    auto c = FreshConfig();
    int* target = field == "R_Acc"         ? &c->R_Acc
                  : field == "OE_T"        ? &c->OE_T
                  : field == "OM"          ? &c->OM
                  : field == "Frequency"   ? &c->Frequency
                  : field == "CellScanRow" ? &c->CellScanRow
                  : field == "RefreshRate" ? &c->RefreshRate
                                           : &c->BV;
    // GetScanPara would overwrite OE_T, so run the rest of the chain on the chosen value.
    *target = value;
    CalcMaxOE(*c);
    CalcOEMaxClkNum(*c);
    CalcMinOE(*c);
    CalcMaxDataNum(*c);
    CalcCardMaxCtrlWidth(*c);
    CalcCardMaxCtrlHeight(*c);
    CalcLuminanceEfficiency(*c);
    QVERIFY(c->MaxOE >= 0);
    QVERIFY(c->MinOE >= 0);
    QVERIFY(c->Max_Data_Num >= 0);
    QVERIFY(c->LuminanceEfficiency >= 0.0f);
    QVERIFY(c->CellScanRow != 0);
}

void TestKScanTiming::controlWidth_data()
{
    QTest::addColumn<int>("maxDataNum");
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<int>("cellScanRow");
    QTest::addColumn<int>("cellNullNum");
    QTest::addColumn<int>("om");
    QTest::addColumn<int>("extended");
    QTest::addColumn<int>("width");
    // ((50*16*2) / 32 * 1) / 2 = 25
    QTest::newRow("defaults") << 50 << 16 << 2 << 0 << 1 << 0 << 25;
    QTest::newRow("expansion halves") << 50 << 16 << 2 << 0 << 1 << 1 << 12;
    QTest::newRow("four outputs") << 50 << 16 << 2 << 0 << 4 << 0 << 100;
    // ((50*16*2) / 40 * 1) / 2 = 20: empty clocks cost width
    QTest::newRow("empty clocks") << 50 << 16 << 2 << 8 << 1 << 0 << 20;
    QTest::newRow("scan row 0 becomes 1") << 50 << 16 << 0 << 0 << 1 << 0 << 50;
    QTest::newRow("no cell at all") << 50 << 0 << 1 << 0 << 1 << 0 << 0;
}

void TestKScanTiming::controlWidth()
{
    QFETCH(int, maxDataNum);
    QFETCH(int, cellWidth);
    QFETCH(int, cellScanRow);
    QFETCH(int, cellNullNum);
    QFETCH(int, om);
    QFETCH(int, extended);
    auto c = FreshConfig();
    c->Max_Data_Num = maxDataNum;
    c->CellWidth = cellWidth;
    c->CellScanRow = cellScanRow;
    c->CellNullNum = cellNullNum;
    c->OM = om;
    c->DSignalExtended = extended;
    CalcCardMaxCtrlWidth(*c);
    QTEST(c->CardMaxCtrlWidth, "width");
    QCOMPARE(c->CellDataNum, cellWidth * qMax(cellScanRow, 1));
    QCOMPARE(c->CellScanNum, qMax(c->CellDataNum + cellNullNum, 1));
}

void TestKScanTiming::controlHeight_data()
{
    QTest::addColumn<int>("rgb20");
    QTest::addColumn<int>("extended");
    QTest::addColumn<int>("om");
    QTest::addColumn<int>("height");
    QTest::newRow("16 groups") << 0 << 0 << 1 << 512;
    QTest::newRow("20 groups") << 1 << 0 << 1 << 640;
    QTest::newRow("doubled") << 0 << 1 << 1 << 1024;
    QTest::newRow("20 doubled, 4 outputs") << 1 << 1 << 4 << 320;
    QTest::newRow("OM 0") << 0 << 0 << 0 << 0;
}

void TestKScanTiming::controlHeight()
{
    QFETCH(int, rgb20);
    QFETCH(int, extended);
    QFETCH(int, om);
    auto c = FreshConfig();
    c->RGB20 = rgb20;
    c->DSignalExtended = extended;
    c->OM = om;
    CalcCardMaxCtrlHeight(*c);
    QTEST(c->CardMaxCtrlHeight, "height");
}

void TestKScanTiming::gammaTable_data()
{
    QTest::addColumn<float>("gamaValue");
    QTest::addColumn<int>("grayLevel");
    QTest::addColumn<int>("last");
    QTest::newRow("2.8 at 8 bits") << 38.0f << 8 << 511;
    QTest::newRow("2.8 at 15 bits") << 38.0f << 15 << 65535;
    QTest::newRow("gamma 1.0 at 7 bits") << 20.0f << 7 << 255;
    QTest::newRow("gamma 6.0 at 15 bits") << 70.0f << 15 << 65535;
}

void TestKScanTiming::gammaTable()
{
    QFETCH(float, gamaValue);
    QFETCH(int, grayLevel);
    QFETCH(int, last);
    const QList<uint16_t> v = Gamma(gamaValue, grayLevel);
    QCOMPARE(v.size(), 256);
    QCOMPARE(int(v[0]), 0);
    QCOMPARE(int(v[255]), last);
    const int top = 1 << (grayLevel + 1);
    for (int i = 1; i < 256; ++i) {
        QVERIFY2(v[i] >= v[i - 1], qPrintable(QString::number(i)));
        // Below the middle the scale is top - 1, above it top.
        const double p = std::pow(double(float(i / 255.0)), (gamaValue - 10.0) * 0.1);
        const double expected = i == 255 ? top - 1 : p * (i <= 127 ? top - 1 : top);
        QVERIFY2(qAbs(v[i] - expected) <= 1.0, qPrintable(QString::number(i)));
    }
    if (gamaValue == 20.0f) {
        QCOMPARE(int(v[127]), 127); // 127/255 * 255
        QCOMPARE(int(v[128]), 128); // 128/255 * 256, truncated
    }
}

void TestKScanTiming::gammaRefusals_data()
{
    QTest::addColumn<float>("gamaValue");
    QTest::addColumn<int>("grayLevel");
    QTest::newRow("19") << 19.0f << 8;
    QTest::newRow("71") << 71.0f << 8;
    QTest::newRow("10 (legal in the record)") << 10.0f << 8;
    QTest::newRow("grey level beyond 31 bits") << 38.0f << 31;
    QTest::newRow("negative grey level") << 38.0f << -2;
}

void TestKScanTiming::gammaRefusals()
{
    QFETCH(float, gamaValue);
    QFETCH(int, grayLevel);
    unsigned char table[512];
    std::memset(table, 0xEE, sizeof(table));
    QCOMPARE(GeneratorGamaTab(table, gamaValue, grayLevel), -1);
    for (unsigned char b : table)
        QCOMPARE(int(b), 0xEE);
}

KESTROVA_TEST_MAIN(TestKScanTiming)
#include "tst_kscantiming.moc"
