#include "klist.h"
#include "ktestmain.h"
#include "operatebrightnessxml.h"

#include <QFile>
#include <QTemporaryDir>

using Ky::KList;
using Ky::OperateBrightnessXml;

namespace {

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

// A file with sections named as given, each with one attribute "tag" = its position.
QByteArray FileWithSections(const QStringList& sections)
{
    QByteArray data = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Node>\n";
    int i = 0;
    for (const QString& s : sections)
        data += "    <PortType name=\"" + s.toUtf8() + "\">\n        <Attribute Name=\"tag\">"
                + QByteArray::number(i++) + "</Attribute>\n    </PortType>\n";
    return data + "</Node>\n";
}

// A custom plan with two strategies.
void FillCustomPlan(OperateBrightnessXml& xml)
{
    xml.SetAttribute(QStringLiteral("bs_setting"), QStringLiteral("bs_custom"));
    KList* list = xml.GetList(QStringLiteral("BrightSettingList"));
    for (int i = 0; i < 2; ++i) {
        KList::Item* row = list->AddItem();
        row->insert(QStringLiteral("Check"), QStringLiteral("1"));
        row->insert(QStringLiteral("StartTime"), QStringLiteral("0%1:00:00").arg(i + 1));
        row->insert(QStringLiteral("EndTime"), QStringLiteral("0%1:30:00").arg(i + 1));
        row->insert(QStringLiteral("Brightness"), QString::number(40 + i));
    }
}

} // namespace

class TestOperateBrightnessXml : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void attributes();
    void lists();
    void replaceModeFileLayout();
    void roundTripOfACustomPlan();
    void mergeModeSectionOrder_data();
    void mergeModeSectionOrder();
    void mergeKeepsOtherSectionsIntact();
    void readingSectionsMerges();
    void firstListOfANameWins();
    void missingSectionLeavesObject();
    void brokenFiles_data();
    void brokenFiles();
    void unwritablePath();
    void mergeNeverWritesAnUnreadableFile();

private:
    QString path(const char* name) const { return m_dir->filePath(QLatin1String(name)); }
    QTemporaryDir* m_dir = nullptr;
};

void TestOperateBrightnessXml::init()
{
    m_dir = new QTemporaryDir;
}

void TestOperateBrightnessXml::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
}

void TestOperateBrightnessXml::attributes()
{
    OperateBrightnessXml xml;
    xml.SetAttribute(QString(), QStringLiteral("x"));
    QVERIFY(xml.attributes().isEmpty());
    QVERIFY(xml.GetAttribute(QString()).isEmpty());
    QVERIFY(xml.GetAttribute(QStringLiteral("missing")).isEmpty());
    xml.SetAttribute(QStringLiteral("bs_default_brightness"), 80);
    QCOMPARE(xml.GetAttribute(QStringLiteral("bs_default_brightness")), QStringLiteral("80"));
    xml.SetAttribute(QStringLiteral("bs_default_brightness"), QStringLiteral("-3"));
    QCOMPARE(xml.GetAttribute(QStringLiteral("bs_default_brightness")), QStringLiteral("-3"));
}

void TestOperateBrightnessXml::lists()
{
    OperateBrightnessXml xml;
    QVERIFY(!xml.GetList(QString()));
    KList* created = xml.GetList(QStringLiteral("BrightSettingList"));
    QVERIFY(created);
    QCOMPARE(created->name(), QStringLiteral("BrightSettingList"));
    QCOMPARE(xml.GetList(QStringLiteral("BrightSettingList")), created);

    auto* other = new KList(QStringLiteral("Other"));
    QVERIFY(!xml.SetList(QString(), other));
    QVERIFY(!xml.SetList(QStringLiteral("BrightSettingList"), other));
    QVERIFY(xml.SetList(QStringLiteral("Other"), other)); // owned from here on
    QCOMPARE(xml.GetList(QStringLiteral("Other")), other);
}

void TestOperateBrightnessXml::replaceModeFileLayout()
{
    OperateBrightnessXml xml;
    xml.SetAttribute(QStringLiteral("bs_setting"), QStringLiteral("bs_default"));
    xml.SetAttribute(QStringLiteral("bs_default_brightness"), 55);
    KList* list = xml.GetList(QStringLiteral("L"));
    list->AddItem()->insert(QStringLiteral("a"), QStringLiteral("1&2"));
    QVERIFY(WriteFile(path("b.xml"), FileWithSections({"Two"})));
    QVERIFY(xml.writer(path("b.xml"), QStringLiteral("One"), false));
    QCOMPARE(xml.path(), path("b.xml"));
    QCOMPARE(Contents(path("b.xml")),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<Node>\n"
                        "    <PortType name=\"One\">\n"
                        "        <Attribute Name=\"bs_default_brightness\">55</Attribute>\n"
                        "        <Attribute Name=\"bs_setting\">bs_default</Attribute>\n"
                        "        <List Name=\"L\">\n"
                        "            <ListItem a=\"1&amp;2\"/>\n"
                        "        </List>\n"
                        "    </PortType>\n"
                        "</Node>\n"));
}

void TestOperateBrightnessXml::roundTripOfACustomPlan()
{
    OperateBrightnessXml out;
    FillCustomPlan(out);
    QVERIFY(out.writer(path("plan.xml"), QStringLiteral("One"), true));

    OperateBrightnessXml in;
    QVERIFY(in.read(path("plan.xml"), QStringLiteral("One")));
    QCOMPARE(in.attributes(), out.attributes());
    KList* list = in.GetList(QStringLiteral("BrightSettingList"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(*list->items().at(1), *out.GetList(QStringLiteral("BrightSettingList"))->items().at(1));
    QCOMPARE(OperateBrightnessXml::GetPortTypeList(path("plan.xml")), QStringList{"One"});
}

void TestOperateBrightnessXml::mergeModeSectionOrder_data()
{
    QTest::addColumn<QStringList>("before"); // empty: no file
    QTest::addColumn<QStringList>("after");
    QTest::newRow("replaces its own section, at the end")
        << QStringList{"Distinguish", "One", "Two"} << QStringList{"Distinguish", "Two", "One"};
    QTest::newRow("drops the shared section") << QStringList{"Not Distinguish"} << QStringList{"One"};
    QTest::newRow("missing file") << QStringList{} << QStringList{"One"};
    QTest::newRow("duplicates of its own section go")
        << QStringList{"One", "Two", "One"} << QStringList{"Two", "One"};
    QTest::newRow("empty root") << QStringList{"(empty)"} << QStringList{"One"};
}

void TestOperateBrightnessXml::mergeModeSectionOrder()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    if (before == QStringList{"(empty)"})
        QVERIFY(WriteFile(path("m.xml"), "<?xml version=\"1.0\"?><Node/>"));
    else if (!before.isEmpty())
        QVERIFY(WriteFile(path("m.xml"), FileWithSections(before)));
    OperateBrightnessXml xml;
    xml.SetAttribute(QStringLiteral("bs_setting"), QStringLiteral("bs_automatic"));
    QVERIFY(xml.writer(path("m.xml"), QStringLiteral("One"), true));
    QCOMPARE(OperateBrightnessXml::GetPortTypeList(path("m.xml")), after);
    QVERIFY(Contents(path("m.xml")).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Node>\n    <PortType"));
}

void TestOperateBrightnessXml::mergeKeepsOtherSectionsIntact()
{
    QVERIFY(WriteFile(path("k.xml"),
                      "<?xml version=\"1.0\"?><Node><PortType name=\"Two\"><Attribute "
                      "Name=\"bs_setting\">bs_custom</Attribute><List Name=\"BrightSettingList\">"
                      "<ListItem Check=\"1\" Brightness=\"7\"/></List></PortType></Node>"));
    OperateBrightnessXml one;
    one.SetAttribute(QStringLiteral("bs_setting"), QStringLiteral("bs_default"));
    QVERIFY(one.writer(path("k.xml"), QStringLiteral("One"), true));

    OperateBrightnessXml two;
    QVERIFY(two.read(path("k.xml"), QStringLiteral("Two")));
    QCOMPARE(two.GetAttribute(QStringLiteral("bs_setting")), QStringLiteral("bs_custom"));
    KList* list = two.GetList(QStringLiteral("BrightSettingList"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->GetItemAttribute(0, QStringLiteral("Brightness")), QStringLiteral("7"));
}

void TestOperateBrightnessXml::readingSectionsMerges()
{
    OperateBrightnessXml flags;
    flags.SetAttribute(QStringLiteral("flags"), QStringLiteral("1"));
    QVERIFY(flags.writer(path("r.xml"), QStringLiteral("Distinguish"), true));
    OperateBrightnessXml plan;
    plan.SetAttribute(QStringLiteral("bs_setting"), QStringLiteral("bs_default"));
    plan.SetAttribute(QStringLiteral("bs_default_brightness"), 30);
    QVERIFY(plan.writer(path("r.xml"), QStringLiteral("One"), true));

    OperateBrightnessXml xml;
    QVERIFY(xml.read(path("r.xml"), QStringLiteral("Distinguish")));
    QVERIFY(xml.read(path("r.xml"), QStringLiteral("One")));
    QCOMPARE(xml.attributes().keys(),
             (QStringList{"bs_default_brightness", "bs_setting", "flags"}));
}

void TestOperateBrightnessXml::firstListOfANameWins()
{
    QVERIFY(WriteFile(path("d.xml"),
                      "<Node><PortType name=\"One\">"
                      "<List Name=\"BrightSettingList\"><ListItem Brightness=\"1\"/></List>"
                      "<Attribute Name=\"a\">first</Attribute>"
                      "<List Name=\"BrightSettingList\"><ListItem Brightness=\"2\"/>"
                      "<ListItem Brightness=\"3\"/></List>"
                      "<Attribute Name=\"a\">second</Attribute><Attribute Name=\"\">x</Attribute>"
                      "<Other Name=\"b\">y</Other></PortType></Node>"));
    OperateBrightnessXml xml;
    QVERIFY(xml.read(path("d.xml"), QStringLiteral("One")));
    KList* list = xml.GetList(QStringLiteral("BrightSettingList"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->GetItemAttribute(0, QStringLiteral("Brightness")), QStringLiteral("1"));
    QCOMPARE(xml.GetAttribute(QStringLiteral("a")), QStringLiteral("second"));
    QCOMPARE(xml.attributes().size(), 1);
    QCOMPARE(xml.lists().size(), 1);
}

void TestOperateBrightnessXml::missingSectionLeavesObject()
{
    QVERIFY(WriteFile(path("s.xml"), FileWithSections({"Two"})));
    OperateBrightnessXml xml;
    xml.SetAttribute(QStringLiteral("kept"), 1);
    QVERIFY(xml.read(path("s.xml"), QStringLiteral("One")));
    QCOMPARE(xml.attributes().keys(), QStringList{"kept"});
}

void TestOperateBrightnessXml::brokenFiles_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("truncated") << FileWithSections({"One", "Two"}).left(90);
    QTest::newRow("binary") << QByteArray("\x00\xff\x10<<&\x01", 7);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("deeply nested")
        << "<Node><PortType name=\"One\">" + QByteArray("<List Name=\"x\">").repeated(100000);
    QTest::newRow("two roots") << QByteArray("<Node/><Node/>");
}

void TestOperateBrightnessXml::brokenFiles()
{
    QFETCH(QByteArray, data);
    QVERIFY(WriteFile(path("x.xml"), data));
    QCOMPARE(OperateBrightnessXml::GetPortTypeList(path("x.xml")), QStringList());
    OperateBrightnessXml xml;
    xml.SetAttribute(QStringLiteral("kept"), 1);
    QVERIFY(!xml.read(path("x.xml"), QStringLiteral("One")));
    QCOMPARE(xml.attributes().keys(), QStringList{"kept"});
    // Merging into a broken file fails and leaves it as it was.
    QVERIFY(!xml.writer(path("x.xml"), QStringLiteral("One"), true));
    QCOMPARE(Contents(path("x.xml")), data);
    // Reading a file that does not exist fails the same way.
    QVERIFY(!xml.read(path("none.xml"), QStringLiteral("One")));
    QCOMPARE(OperateBrightnessXml::GetPortTypeList(path("none.xml")), QStringList());
}

void TestOperateBrightnessXml::unwritablePath()
{
    OperateBrightnessXml xml;
    xml.SetAttribute(QStringLiteral("flags"), 0);
    QVERIFY(!xml.writer(path("no/such/dir/b.xml"), QStringLiteral("Distinguish"), false));
    QVERIFY(!xml.writer(path("no/such/dir/b.xml"), QStringLiteral("Distinguish"), true));
}

void TestOperateBrightnessXml::mergeNeverWritesAnUnreadableFile()
{
    // The reader lets this damaged item name through; written back, it would make the whole
    // schedule unreadable. The merge is refused and the file stays as it was.
    static const char kDamaged[] =
        "<?xml version=\"1.0\"?>\n<Node><PortType name=\"Distinguish\">"
        "<List Name=\"BrightSettingList\"><ListItem Check=\"1\" "
        "Bright\0:\0\x08\0nesartTi}e=\"01\"/></List></PortType></Node>\n";
    const QByteArray damaged(kDamaged, sizeof(kDamaged) - 1);
    const QString file = path("damaged.xml");
    QVERIFY(WriteFile(file, damaged));
    OperateBrightnessXml xml;
    QVERIFY(xml.read(file, QStringLiteral("Distinguish")));
    QVERIFY(!xml.writer(file, QStringLiteral("One"), true));
    QCOMPARE(Contents(file), damaged);
}

KESTROVA_TEST_MAIN(TestOperateBrightnessXml)
#include "tst_operatebrightnessxml.moc"
