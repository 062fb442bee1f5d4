#include "clirun.h"
#include "kscantiming.h"
#include "ktestmain.h"
#include "sthwconfig.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace {

using CliRun::Cli;
using CliRun::Result;

QJsonObject Json(const QByteArray& data)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    return doc.object();
}

std::unique_ptr<ST_HwConfig> Fresh()
{
    std::unique_ptr<ST_HwConfig> c(new ST_HwConfig());
    InitHwConfig(*c);
    return c;
}

} // namespace

class TestCliHw : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void defaultsIsTheFreshDocument();
    void readPrintsFieldsMaskAndPort();
    void readFromStandardInput();
    void deriveFreshRecord();
    void deriveDocument();
    void gamma();
    void help_data();
    void help();
    void failures_data();
    void failures();
    void saveRequestStoresNothing();

private:
    QString write(const char* name, const QByteArray& data);
    QTemporaryDir m_dir;
};

void TestCliHw::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFile::exists(QDir(qEnvironmentVariable("KESTROVA_BIN_DIR")).filePath("kestrova-cli")),
             "kestrova-cli is not built");
}

QString TestCliHw::write(const char* name, const QByteArray& data)
{
    const QString path = m_dir.filePath(QLatin1String(name));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data);
    return path;
}

void TestCliHw::defaultsIsTheFreshDocument()
{
    const Result r = Cli({"hw", "defaults"});
    QCOMPARE(r.code, 0);
    QVERIFY(r.err.isEmpty());
    auto c = Fresh();
    QByteArray expected;
    GeneratorConfig(expected, *c, 1, QString(), HWG_AllWritable);
    QCOMPARE(r.out, expected);
}

void TestCliHw::readPrintsFieldsMaskAndPort()
{
    auto c = Fresh();
    c->CellWidth = 32;
    c->CardCount = 2;
    c->CardInfo[1] = ST_CardInfo{128, 0, 128, 64, 0, 0};
    c->ModeSwitchPlan.Slots[2].Checked = true;
    QByteArray doc;
    GeneratorConfig(doc, *c, 2, QStringLiteral("GetSetting"), HWG_AllWritable);
    const Result r = Cli({"hw", "read", write("doc.xml", doc)});
    QCOMPARE(r.code, 0);
    const QJsonObject o = Json(r.out);
    QCOMPARE(o.value("GroupMask").toInt(), 0x0BF | 0x200);
    QCOMPARE(o.value("NetCard").toInt(), 2);
    QCOMPARE(o.value("CellWidth").toInt(), 32);
    QCOMPARE(o.value("CellDataNum").toInt(), 64);
    QCOMPARE(o.value("RefreshCountValue").toInt(), 15);
    QCOMPARE(o.value("GamaTab").toArray().size(), 256);
    QCOMPARE(o.value("GamaTab").toArray().at(255).toInt(), 511);
    QCOMPARE(o.value("LookUpTab").toArray().size(), 4096);
    const QJsonArray cards = o.value("CardInfo").toArray();
    QCOMPARE(cards.size(), 2);
    QCOMPARE(cards.at(1).toObject().value("x").toInt(), 128);
    QCOMPARE(cards.at(1).toObject().value("CardFlag").toInt(), 2);
    const QJsonObject plan = o.value("ModeSwitchPlan").toObject();
    QCOMPARE(plan.value("AutoMode").toBool(), true);
    QCOMPARE(plan.value("CustomMode").toArray().size(), 4);
    QCOMPARE(plan.value("CustomMode").toArray().at(2).toObject().value("Checked").toBool(), true);
    QCOMPARE(plan.value("CustomMode").toArray().at(2).toObject().value("Start").toString(),
             QStringLiteral("00:00:00"));
    QCOMPARE(o.value("Brightness").toArray(), (QJsonArray{100, 100}));
}

void TestCliHw::readFromStandardInput()
{
    const Result r =
        Cli({"hw", "read", "-"},
            "<BoxHwConfig><NetCard Value=\"1\"/><Probe Value=\"Begin\"/></BoxHwConfig>");
    QCOMPARE(r.code, 0);
    const QJsonObject o = Json(r.out);
    QCOMPARE(o.value("GroupMask").toInt(), 0x100);
    QCOMPARE(o.value("ReadbackState").toInt(), 0);
}

void TestCliHw::deriveFreshRecord()
{
    const Result r = Cli({"hw", "derive", "-"});
    QCOMPARE(r.code, 0);
    const QJsonObject o = Json(r.out);
    QCOMPARE(o.value("S_Fn").toInt(), 48);
    QCOMPARE(o.value("B_fn").toInt(), 16);
    QCOMPARE(o.value("OE_T").toInt(), 16);
    QCOMPARE(o.value("MaxOE").toInt(), 2492);
    QCOMPARE(o.value("Max_OE_Clk_Num").toInt(), 311);
    QCOMPARE(o.value("MinOE").toInt(), 152);
    QCOMPARE(o.value("Max_Data_Num").toInt(), 50);
    QCOMPARE(o.value("CardMaxCtrlWidth").toInt(), 25);
    QCOMPARE(o.value("CardMaxCtrlHeight").toInt(), 512);
    QCOMPARE(QString::number(o.value("LuminanceEfficiency").toDouble(), 'f', 2),
             QStringLiteral("64.03"));
    QCOMPARE(o.value("ScanTab").toArray().at(0).toInt(), 0x1300);
}

void TestCliHw::deriveDocument()
{
    const QByteArray doc = "<BoxHwConfig><PriorityMode Value=\"0\"/><GrayLevel Value=\"7\"/>"
                           "<LuminanceLevel Value=\"0\"/><R_Acc Value=\"2\"/></BoxHwConfig>";
    const Result r = Cli({"hw", "derive", write("derive.xml", doc)});
    QCOMPARE(r.code, 0);
    const QJsonObject o = Json(r.out);
    QCOMPARE(o.value("S_Fn").toInt(), 12);
    QCOMPARE(o.value("OE_T").toInt(), 32);
    QCOMPARE(o.value("ScanTab").toArray().at(11).toInt(), 0x1411);
    QCOMPARE(o.value("ScanTab").toArray().at(12).toInt(), 0);
}

void TestCliHw::gamma()
{
    const Result r = Cli({"hw", "gamma", "38", "8"});
    QCOMPARE(r.code, 0);
    const QJsonArray a = QJsonDocument::fromJson(r.out).array();
    QCOMPARE(a.size(), 256);
    unsigned char table[512];
    QCOMPARE(GeneratorGamaTab(table, 38.0f, 8), 0);
    for (int i = 0; i < 256; ++i)
        QCOMPARE(a.at(i).toInt(), (table[2 * i] << 8) | table[2 * i + 1]);
}

void TestCliHw::help_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("mentions");
    QTest::newRow("tool") << QStringList{"--help"} << QByteArray("hw");
    QTest::newRow("group") << QStringList{"hw", "--help"} << QByteArray("derive");
    QTest::newRow("defaults") << QStringList{"hw", "defaults", "--help"}
                              << QByteArray("fresh record");
    QTest::newRow("read") << QStringList{"hw", "read", "--help"} << QByteArray("GroupMask");
    QTest::newRow("derive") << QStringList{"hw", "derive", "--help"} << QByteArray("MaxOE");
    QTest::newRow("gamma") << QStringList{"hw", "gamma", "-h"} << QByteArray("GrayLevel");
    QTest::newRow("version") << QStringList{"--version"} << QByteArray("3.1.4.0");
}

void TestCliHw::help()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, mentions);
    const Result r = Cli(args);
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(mentions), r.out.constData());
}

void TestCliHw::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("message");
    const QString broken = write("broken.xml", "<BoxHwConfig><CellWidth Value=\"3\"");
    QTest::newRow("no arguments") << QStringList{} << 2 << QByteArray("Usage");
    QTest::newRow("unknown command")
        << QStringList{"frobnicate"} << 2 << QByteArray("unknown command");
    QTest::newRow("hw alone") << QStringList{"hw"} << 2 << QByteArray("Usage");
    QTest::newRow("unknown command")
        << QStringList{"hw", "write"} << 2 << QByteArray("unknown command");
    QTest::newRow("defaults with argument")
        << QStringList{"hw", "defaults", "x"} << 2 << QByteArray("no arguments");
    QTest::newRow("read without file") << QStringList{"hw", "read"} << 2 << QByteArray("one FILE");
    QTest::newRow("missing file") << QStringList{"hw", "read", m_dir.filePath("none.xml")} << 1
                                  << QByteArray("cannot open");
    QTest::newRow("broken document")
        << QStringList{"hw", "read", broken} << 1 << QByteArray("not a well-formed");
    QTest::newRow("derive broken document")
        << QStringList{"hw", "derive", broken} << 1 << QByteArray("not a well-formed");
    QTest::newRow("gamma refused")
        << QStringList{"hw", "gamma", "19", "8"} << 1 << QByteArray("refused");
    QTest::newRow("gamma 10 refused")
        << QStringList{"hw", "gamma", "10", "8"} << 1 << QByteArray("refused");
    QTest::newRow("gamma not a number")
        << QStringList{"hw", "gamma", "abc", "8"} << 2 << QByteArray("not a number");
    QTest::newRow("gamma level not a number")
        << QStringList{"hw", "gamma", "38", "8.5"} << 2 << QByteArray("not an integer");
    QTest::newRow("gamma one argument")
        << QStringList{"hw", "gamma", "38"} << 2 << QByteArray("VALUE and LEVEL");
}

void TestCliHw::failures()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QByteArray, message);
    const Result r = Cli(args);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), r.err.constData());
    QVERIFY(!r.out.contains('{'));
}

void TestCliHw::saveRequestStoresNothing()
{
    QTemporaryDir root;
    auto c = Fresh();
    QByteArray doc;
    GeneratorConfig(doc, *c, 1, QStringLiteral("Save"), HWG_SendCard);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KESTROVA_CONTROLLER_ROOT", root.path());
    p.setProcessEnvironment(env);
    p.start(QDir(qEnvironmentVariable("KESTROVA_BIN_DIR")).filePath("kestrova-cli"),
            {"hw", "read", write("save.xml", doc)});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(Json(p.readAllStandardOutput()).value("GroupMask").toInt(), 0x080 | 0x040);
    QCOMPARE(QDir(root.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

KESTROVA_TEST_MAIN(TestCliHw)
#include "tst_cli_hw.moc"
