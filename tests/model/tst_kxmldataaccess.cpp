#include "fixturekinds.h"
#include "klist.h"
#include "kopaquenode.h"
#include "kpluginmanager.h"
#include "kprompt.h"
#include "ktestmain.h"
#include "kxmldataaccess.h"
#include "treedump.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>
#include <memory>
#include <sys/resource.h>

KESTROVA_IMPORT_FIXTURE_KINDS()

using namespace Ky;
using Fixture::Dump;

namespace {

// A screen with two programs, areas and media whose values need escaping.
KNode* SampleProject()
{
    auto* screen = new Fixture::ScreenNode;
    screen->set_name(QStringLiteral("Screen <1> & \"main\""));
    screen->SetAttribute(QStringLiteral("Width"), 64);
    screen->SetAttribute(QStringLiteral("Height"), 32);
    KList* communication = screen->GetList(QStringLiteral("communication"));
    for (int i = 0; i < 3; ++i) {
        KList::Item* row = communication->AddItem();
        row->insert(QStringLiteral("IP"), QStringLiteral("127.0.0.%1").arg(i + 1));
        row->insert(QStringLiteral("Note"), QStringLiteral("a < b & \"c\"\nnext line"));
    }
    communication->set_index(2);
    for (int p = 0; p < 2; ++p) {
        auto* program = new Fixture::ProgramNode;
        screen->AddChild(program);
        program->set_name(QStringLiteral("Program %1").arg(p));
        for (int a = 0; a < 2; ++a) {
            auto* area = new Fixture::AreaNode;
            program->AddChild(area);
            area->SetAttribute(QStringLiteral("X"), a * 8);
            area->SetAttribute(QStringLiteral("Width"), 8);
            for (int m = 0; m < a + 1; ++m) {
                auto* media = new Fixture::MediaNode;
                area->AddChild(media);
                media->set_name(QStringLiteral("Media %1.%2.%3").arg(p).arg(a).arg(m));
                media->SetAttribute(QStringLiteral("Text"),
                                    QStringLiteral("<b>bold</b> &amp; 'it'\r\n\"quoted\"\ttab"));
                media->SetFilePath(Fixture::MediaKey,
                                   {QStringLiteral("/media/a b.png"), QStringLiteral("/media/c&d.png")},
                                   {QStringLiteral("md5a"), QStringLiteral("md5b")});
                media->GetList(KData::FileListKey)->set_index(1);
            }
        }
    }
    return screen;
}

bool AllChanged(KNode* node)
{
    if (!node->changed())
        return false;
    for (KNode* child : std::as_const(node->children())) {
        if (!AllChanged(child))
            return false;
    }
    return true;
}

QByteArray Nested(const QByteArray& open, const QByteArray& close, int levels)
{
    QByteArray doc = "<Node Type=\"TestScreen\">";
    doc.reserve(levels * (open.size() + close.size()) + 64);
    for (int i = 0; i < levels; ++i)
        doc += open;
    for (int i = 0; i < levels; ++i)
        doc += close;
    doc += "</Node>";
    return doc;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

int LongestValue(KNode* node)
{
    int longest = 0;
    for (const QString& value : node->attributes())
        longest = std::max(longest, int(value.size()));
    return longest;
}

// Kept-kind document exactly as the writer lays it out: two kinds that are not installed,
// one of them with a nested node, a comment, white space as a value and an element this
// program does not know.
const QByteArray kMissingKinds = R"(<?xml version="1.0" encoding="UTF-8"?>
<Node Level="1" Type="TestScreen">
    <Attribute Name="__NAME__">S</Attribute>
    <Node Level="2" Type="TestProgram">
        <Node Level="3" Type="TestArea">
            <Node Level="4" Type="KY_Video_Plugin">
                <Attribute Name="Volume">80</Attribute>
                <Attribute Name="__NAME__">clip &amp; &lt;more&gt;</Attribute>
                <Attribute Name="blank">   </Attribute>
                <Attribute Name="cr">a&#13;b</Attribute>
                <List Name="__FileList__" Index="0">
                    <ListItem FileKey="Video" FileName="/media/clip &amp; &quot;x&quot;.mp4"/>
                </List>
                <!--kept comment-->
                <Node Level="5" Type="KY_Subtitle_Plugin">
                    <Attribute Name="Text">hello</Attribute>
                </Node>
                <Future Version="2"/>
            </Node>
            <Node Level="4" Type="TestMedia">
                <Attribute Name="__NAME__">picture</Attribute>
                <List Name="Preset" Index="0">
                    <ListItem Made="by the kind"/>
                </List>
            </Node>
            <Node Level="4" Type="KY_Text_Plugin">
                <Attribute Name="Html">&lt;p&gt;hi&lt;/p&gt;</Attribute>
            </Node>
        </Node>
    </Node>
</Node>
)";

} // namespace

class TestKXmlDataAccess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void roundTripInMemory();
    void roundTripThroughFile();
    void documentLayout();
    void values_data();
    void values();
    void listIndex_data();
    void listIndex();
    void kindListWins();
    void tolerated_data();
    void tolerated();
    void hostile_data();
    void hostile();
    void unopenable_data();
    void unopenable();
    void interruptedWriteKeepsOldFile();
    void missingKindsKeptVerbatim();
    void missingKindKeepsLaterChildren();

private:
    QTemporaryDir m_dir;
};

void TestKXmlDataAccess::initTestCase()
{
    Fixture::UseFixtureKindsOnly();
    QVERIFY(KPluginManager::instance()->HavePlugin(Fixture::ScreenType));
    QVERIFY(m_dir.isValid());
}

void TestKXmlDataAccess::init()
{
    Prompt::Reset();
}

void TestKXmlDataAccess::roundTripInMemory()
{
    KXmlDataAccess io;
    std::unique_ptr<KNode> project(SampleProject());
    QByteArray document;
    io.WriteNode(project.get(), document);

    KNode parent;
    KNode* copy = io.ReadNode(document, &parent);
    QVERIFY(copy);
    QCOMPARE(parent.children(), QList<KNode*>{copy});
    QCOMPARE(copy->parent(), &parent);
    QCOMPARE(Dump(copy), Dump(project.get()));
    // Reading sets every attribute, so every node counts as changed.
    QVERIFY(AllChanged(copy));
    QVERIFY(Prompt::Records().isEmpty());
}

void TestKXmlDataAccess::roundTripThroughFile()
{
    KXmlDataAccess io;
    std::unique_ptr<KNode> project(SampleProject());
    const QString path = m_dir.filePath(QStringLiteral("roundtrip.boo"));
    QVERIFY(io.Write(project.get(), path));

    std::unique_ptr<KNode> copy(io.Read(path, nullptr));
    QVERIFY(copy);
    QCOMPARE(Dump(copy.get()), Dump(project.get()));
    QVERIFY(!copy->DataHasChang());

    const QByteArray bytes = ReadAll(path);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<Node Level=\"1\" Type=\"TestScreen\">\n"
                             "    <Attribute Name=\"Height\">32</Attribute>\n"));
    QVERIFY(bytes.contains("\n    <Node Level=\"2\" Type=\"TestProgram\">\n"));
    QVERIFY(!bytes.contains('\r')); // line ends are LF; CR in values is a reference
    QVERIFY(Prompt::Records().isEmpty());
}

void TestKXmlDataAccess::documentLayout()
{
    Fixture::ScreenNode screen;
    screen.SetAttribute(QStringLiteral("Width"), 64);
    screen.SetAttribute(QStringLiteral("Height"), 32);
    screen.attributes().insert(QStringLiteral("Empty"), QString());
    KList* list = screen.GetList(QStringLiteral("L"));
    list->AddItem()->insert(QStringLiteral("k"), QStringLiteral("v"));
    list->set_index(0);
    auto* program = new Fixture::ProgramNode;
    program->set_name(QStringLiteral("P"));
    screen.AddChild(program);

    QByteArray document;
    KXmlDataAccess().WriteNode(&screen, document);
    QCOMPARE(document, QByteArray(R"(<?xml version="1.0" encoding="UTF-8"?>
<Node Level="1" Type="TestScreen">
    <Attribute Name="Empty"/>
    <Attribute Name="Height">32</Attribute>
    <Attribute Name="Width">64</Attribute>
    <List Name="L" Index="0">
        <ListItem k="v"/>
    </List>
    <Node Level="2" Type="TestProgram">
        <Attribute Name="__NAME__">P</Attribute>
    </Node>
</Node>
)"));
}

void TestKXmlDataAccess::values_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    const auto same = [](const char* name, const QString& value) {
        QTest::newRow(name) << value << value;
    };
    same("markup", QStringLiteral("<a href=\"x\">&amp;</a> 'q' > ]]>"));
    same("line feed", QStringLiteral("line\nbreak"));
    same("cr lf", QStringLiteral("first\r\nsecond"));
    same("lone cr", QStringLiteral("end\r"));
    same("padded", QStringLiteral("  padded  "));
    same("blanks only", QStringLiteral("   "));
    same("tab only", QStringLiteral("\t"));
    same("empty", QString());
    same("non-latin", QStringLiteral("漢字 ✓ Ünïcödé"));
    same("surrogate pair", QString::fromUtf8("emoji \xF0\x9F\x98\x80"));
    // XML 1.0 cannot carry these; they are dropped and the rest of the file stays readable.
    QTest::newRow("control char") << QStringLiteral("bell\x07ring") << QStringLiteral("bellring");
    QTest::newRow("nul") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))
                         << QStringLiteral("ab");
    QTest::newRow("lone surrogate") << QString(QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y"))
                                    << QStringLiteral("xy");
    QTest::newRow("noncharacter") << QString(QStringLiteral("x") + QChar(0xFFFF)) << QStringLiteral("x");
}

void TestKXmlDataAccess::values()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    Fixture::ScreenNode screen;
    screen.SetAttribute(QStringLiteral("Value"), value);
    screen.SetAttribute(QStringLiteral("Zafter"), QStringLiteral("still here"));
    KList* list = screen.GetList(QStringLiteral("Rows"));
    list->AddItem()->insert(QStringLiteral("Cell"), value);
    screen.AddChild(new Fixture::ProgramNode);

    KXmlDataAccess io;
    const QString path = m_dir.filePath(QStringLiteral("values.boo"));
    QVERIFY(io.Write(&screen, path));
    std::unique_ptr<KNode> copy(io.Read(path, nullptr));
    QVERIFY(copy);
    QCOMPARE(copy->GetAttribute(QStringLiteral("Value")), expected);
    QCOMPARE(copy->GetAttribute(QStringLiteral("Zafter")), QStringLiteral("still here"));
    QCOMPARE(copy->GetList(QStringLiteral("Rows"))->GetItemAttribute(0, QStringLiteral("Cell")),
             expected);
    QCOMPARE(copy->children().size(), 1);
    QVERIFY(Prompt::Records().isEmpty());
}

void TestKXmlDataAccess::listIndex_data()
{
    QTest::addColumn<QByteArray>("index"); // the List element's Index attribute, if any
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("expected");
    QTest::newRow("in range") << QByteArray(" Index=\"1\"") << 2 << 1;
    QTest::newRow("past the rows") << QByteArray(" Index=\"5\"") << 2 << 0;
    QTest::newRow("past, no rows") << QByteArray(" Index=\"5\"") << 0 << -1;
    QTest::newRow("zero, no rows") << QByteArray(" Index=\"0\"") << 0 << -1;
    QTest::newRow("negative") << QByteArray(" Index=\"-1\"") << 2 << 0;
    QTest::newRow("malformed") << QByteArray(" Index=\"one\"") << 2 << 0;
    QTest::newRow("missing") << QByteArray() << 2 << 0;
}

void TestKXmlDataAccess::listIndex()
{
    QFETCH(QByteArray, index);
    QFETCH(int, rows);
    QFETCH(int, expected);
    QByteArray doc = "<Node Type=\"TestScreen\"><List Name=\"L\"" + index + ">";
    for (int i = 0; i < rows; ++i)
        doc += "<ListItem Row=\"" + QByteArray::number(i) + "\"/>";
    doc += "</List></Node>";
    std::unique_ptr<KNode> node(KXmlDataAccess().ReadNode(doc, nullptr));
    QVERIFY(node);
    KList* list = node->GetList(QStringLiteral("L"));
    QCOMPARE(list->count(), rows);
    QCOMPARE(list->index(), expected);
}

void TestKXmlDataAccess::kindListWins()
{
    // The media kind makes "Preset" in its constructor; the stored list is discarded.
    const QByteArray doc = "<Node Type=\"TestMedia\"><List Name=\"Preset\" Index=\"1\">"
                           "<ListItem Made=\"by the file\"/><ListItem Made=\"again\"/></List>"
                           "<List Name=\"Other\" Index=\"0\"><ListItem A=\"1\"/></List></Node>";
    std::unique_ptr<KNode> node(KXmlDataAccess().ReadNode(doc, nullptr));
    QVERIFY(node);
    QCOMPARE(Dump(node.get()),
             QStringLiteral("TestMedia {} Other[0](A=1) Preset[0](Made=by the kind)"));
}

void TestKXmlDataAccess::tolerated_data()
{
    QTest::addColumn<QByteArray>("doc");
    QTest::addColumn<QString>("dump");
    QTest::newRow("unknown element between attributes")
        << QByteArray("<Node Type=\"TestScreen\"><Attribute Name=\"a\">1</Attribute>"
                      "<Extra x=\"1\"><Attribute Name=\"hidden\">no</Attribute><Node Type=\"TestProgram\"/>"
                      "</Extra><Attribute Name=\"b\">2</Attribute></Node>")
        << QStringLiteral("TestScreen {a=1, b=2}");
    QTest::newRow("attribute or list without name")
        << QByteArray("<Node Type=\"TestScreen\"><Attribute>x</Attribute><Attribute Name=\"\">y</Attribute>"
                      "<List Index=\"0\"><ListItem a=\"1\"/></List><Attribute Name=\"k\">v</Attribute></Node>")
        << QStringLiteral("TestScreen {k=v}");
    // An empty value reads as empty text, which the store does not keep as a key.
    QTest::newRow("unknown key, empty value, unknown xml attributes, level ignored")
        << QByteArray("<Node Level=\"9\" Type=\"TestScreen\" Colour=\"red\">"
                      "<Attribute Name=\"NoSuchKey\" Unit=\"mm\">5</Attribute><Attribute Name=\"e\"/>"
                      "</Node>")
        << QStringLiteral("TestScreen {NoSuchKey=5}");
    QTest::newRow("content inside list items and lists")
        << QByteArray("<Node Type=\"TestScreen\"><List Name=\"L\" Index=\"0\">text"
                      "<ListItem a=\"1\"><Attribute Name=\"x\">no</Attribute>ignored</ListItem>"
                      "<Other b=\"2\"/><ListItem/></List></Node>")
        << QStringLiteral("TestScreen {} L[0](a=1)()");
    QTest::newRow("child element inside an attribute value")
        << QByteArray("<Node Type=\"TestScreen\"><Attribute Name=\"a\">x<b>y</b>z</Attribute></Node>")
        << QStringLiteral("TestScreen {a=xz}");
    QTest::newRow("comments, instructions, CDATA, prefixed names")
        << QByteArray("<?xml version=\"1.0\"?><!-- c --><Node Type=\"TestScreen\" xmlns:p=\"urn:x\">"
                      "<?pi data?><!-- c --><Attribute Name=\"a\"><![CDATA[<raw> & ]]></Attribute>"
                      "<p:Node Type=\"TestProgram\"/><p:Attribute Name=\"b\">no</p:Attribute></Node>")
        << QStringLiteral("TestScreen {a=<raw> & }");
    QTest::newRow("nested node of another level")
        << QByteArray("<Node Type=\"TestScreen\"><Node Type=\"TestMedia\"><Attribute Name=\"__NAME__\">m</Attribute>"
                      "</Node></Node>")
        << QStringLiteral("TestScreen {}\n  TestMedia {__NAME__=m} Preset[0](Made=by the kind)");
}

void TestKXmlDataAccess::tolerated()
{
    QFETCH(QByteArray, doc);
    QFETCH(QString, dump);
    std::unique_ptr<KNode> node(KXmlDataAccess().ReadNode(doc, nullptr));
    QCOMPARE(Dump(node.get()), dump);
    QCoreApplication::processEvents();
    QVERIFY(Prompt::Records().isEmpty());
}

void TestKXmlDataAccess::hostile_data()
{
    QTest::addColumn<QByteArray>("doc");
    QTest::addColumn<int>("nodes");    // nodes read; 0: null
    QTest::addColumn<bool>("damaged"); // the reader stops at an error
    QTest::addColumn<int>("longest");  // longest attribute value of the top node; -1: any

    QTest::newRow("empty") << QByteArray() << 0 << true << -1;
    QByteArray garbage(4096, Qt::Uninitialized);
    QRandomGenerator random(42);
    for (char& byte : garbage)
        byte = char(random.bounded(256));
    QTest::newRow("binary garbage") << garbage << 0 << true << -1;
    // Plain ASCII, so the damage sits right after the start instead of in the decoding.
    QByteArray ascii(4096, Qt::Uninitialized);
    for (char& byte : ascii)
        byte = char(random.bounded(1, 128));
    QTest::newRow("garbage after a node's start")
        << QByteArray("<Node Type=\"TestScreen\"><Attribute Name=\"a\">1</Attribute>") + ascii
        << 1 << true << -1;
    QTest::newRow("plain text") << QByteArray("not a project at all") << 0 << true << -1;
    QTest::newRow("root is not Node")
        << QByteArray("<Project><Node Type=\"TestScreen\"/></Project>") << 0 << false << -1;
    QTest::newRow("no element") << QByteArray("<?xml version=\"1.0\"?><!-- nothing -->") << 0
                                << true << -1;
    QTest::newRow("root of a missing kind")
        << QByteArray("<Node Type=\"NoSuchKind\"><Node Type=\"TestProgram\"/></Node>") << 0 << false
        << -1;
    QTest::newRow("duplicate xml attribute")
        << QByteArray("<Node Type=\"TestScreen\" Type=\"TestProgram\"/>") << 0 << true << -1;
    QTest::newRow("invalid character reference")
        << QByteArray("<Node Type=\"TestScreen\"><Node Type=\"TestProgram\"/>"
                      "<Attribute Name=\"a\">&#1;</Attribute><Node Type=\"TestProgram\"/></Node>")
        << 2 << true << -1;
    QTest::newRow("content after the root")
        << QByteArray("<Node Type=\"TestScreen\"/><Node Type=\"TestScreen\"/>garbage\x01") << 1
        << false << -1;

    {
        std::unique_ptr<KNode> sample(SampleProject());
        QByteArray full;
        KXmlDataAccess().WriteNode(sample.get(), full);
        const qsizetype second = full.indexOf("<Node Level=\"2\"", full.indexOf("<Node Level=\"2\"") + 1);
        QTest::newRow("truncated") << full.left(second + 60)
                                   << 2 + Fixture::CountNodes(sample->children().first()) << true
                                   << -1;
    }
    QTest::newRow("10000 nested nodes")
        << Nested("<Node Type=\"TestProgram\">", "</Node>", 9999) << KXmlDataAccess::MaxNodeDepth
        << true << -1;
    QTest::newRow("10000 nested nodes of a missing kind")
        << Nested("<Node Type=\"Gone\">", "</Node>", 9999) << 1 << true << -1;
    QTest::newRow("10000 nested unknown elements")
        << Nested("<x>", "</x>", 10000) << 1 << false << -1;
    QTest::newRow("entity expansion")
        << QByteArray("<!DOCTYPE Node [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
                      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                      "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                      "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
                      "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">]>"
                      "<Node Type=\"TestScreen\"><Attribute Name=\"x\">&e;&e;&e;&e;</Attribute></Node>")
        << 1 << true << 0;
    const int big = 50 * 1024 * 1024;
    QTest::newRow("50 MB attribute")
        << QByteArray("<Node Type=\"TestScreen\"><Attribute Name=\"Big\">") + QByteArray(big, 'x')
               + QByteArray("</Attribute></Node>")
        << 1 << false << big;
}

void TestKXmlDataAccess::hostile()
{
    QFETCH(QByteArray, doc);
    QFETCH(int, nodes);
    QFETCH(bool, damaged);
    QFETCH(int, longest);

    KXmlDataAccess io;
    std::unique_ptr<KNode> node(io.ReadNode(doc, nullptr));
    QCOMPARE(Fixture::CountNodes(node.get()), nodes);
    if (node && longest >= 0)
        QCOMPARE(LongestValue(node.get()), longest);
    node.reset();

    // The same document as a file: a partly read project is reported, once.
    const QString path = m_dir.filePath(QStringLiteral("hostile.boo"));
    QVERIFY(WriteAll(path, doc));
    KNode parent;
    KNode* read = io.Read(path, &parent);
    QCOMPARE(Fixture::CountNodes(read), nodes);
    QCOMPARE(parent.children().size(), read ? 1 : 0);
    QCoreApplication::processEvents();
    const QList<Prompt::Record> records = Prompt::Records();
    QCOMPARE(records.size(), damaged && nodes > 0 ? 1 : 0);
    if (!records.isEmpty()) {
        QCOMPARE(records.first().title, QStringLiteral("Warning"));
        QVERIFY(records.first().text.startsWith(QStringLiteral("Read [") + path
                                                + QStringLiteral("] error! The file is damaged")));
    }
}

void TestKXmlDataAccess::unopenable_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("path");
    QTest::newRow("read a missing file") << false << QStringLiteral("missing.boo");
    QTest::newRow("read a directory") << false << QString();
    QTest::newRow("write into a missing directory") << true << QStringLiteral("no/such/dir/x.boo");
    QTest::newRow("write over a directory") << true << QString();
}

void TestKXmlDataAccess::unopenable()
{
    QFETCH(bool, write);
    QFETCH(QString, path);
    path = path.isEmpty() ? m_dir.path() : m_dir.filePath(path);
    KXmlDataAccess io;
    KNode parent;
    if (write) {
        Fixture::ScreenNode screen;
        QVERIFY(!io.Write(&screen, path));
    } else {
        QVERIFY(!io.Read(path, &parent));
    }
    QVERIFY(parent.children().isEmpty());
    const QList<Prompt::Record> records = Prompt::Records();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().kind, Prompt::Kind::Warning);
    QCOMPARE(records.first().title, QStringLiteral("Warning"));
    QCOMPARE(records.first().text,
             (write ? QStringLiteral("Write [") : QStringLiteral("Read [")) + path
                 + QStringLiteral("] error! Insufficient permissions? Please try to run the "
                                  "program as an administrator"));
}

void TestKXmlDataAccess::interruptedWriteKeepsOldFile()
{
    KXmlDataAccess io;
    const QString path = m_dir.filePath(QStringLiteral("kept.boo"));
    Fixture::ScreenNode small;
    small.set_name(QStringLiteral("old"));
    QVERIFY(io.Write(&small, path));
    const QByteArray old = ReadAll(path);

    Fixture::ScreenNode large;
    large.SetAttribute(QStringLiteral("Big"), QString(256 * 1024, u'x'));
    // A file size limit makes the write fail part-way, as a full disk would (root included).
    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit limit = saved;
    limit.rlim_cur = 16 * 1024;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool written = io.Write(&large, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    QVERIFY(!written);
    QCOMPARE(ReadAll(path), old);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("kept.boo*")}, QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("kept.boo")});
    const QList<Prompt::Record> records = Prompt::Records();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().text,
             QStringLiteral("Write [") + path
                 + QStringLiteral("] error! The file could not be written completely; its "
                                  "previous content is kept."));
}

void TestKXmlDataAccess::missingKindsKeptVerbatim()
{
    KXmlDataAccess io;
    std::unique_ptr<KNode> screen(io.ReadNode(kMissingKinds, nullptr));
    QVERIFY(screen);
    KNode* area = screen->children().value(0)->children().value(0);
    QVERIFY(area);
    QCOMPARE(area->children().size(), 3);
    auto* video = qobject_cast<KOpaqueNode*>(area->children().at(0));
    QVERIFY(video);
    QCOMPARE(video->Type(), QStringLiteral("KY_Video_Plugin"));
    QCOMPARE(video->Level(), LEVEL_CONTENT);
    QCOMPARE(video->name(), QStringLiteral("clip & <more>"));
    QVERIFY(video->children().isEmpty());
    QCOMPARE(area->children().at(1)->Type(), Fixture::MediaType);
    QVERIFY(qobject_cast<KOpaqueNode*>(area->children().at(2)));

    QByteArray written;
    io.WriteNode(screen.get(), written);
    QCOMPARE(written, kMissingKinds);

    // One notice naming every missing kind, shown once the reading is over.
    QVERIFY(Prompt::Records().isEmpty());
    QCoreApplication::processEvents();
    QList<Prompt::Record> records = Prompt::Records();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().title, QStringLiteral("Warning"));
    QVERIFY2(records.first().text.contains(QStringLiteral("KY_Text_Plugin, KY_Video_Plugin")),
             qPrintable(records.first().text));
    QVERIFY(!records.first().text.contains(QStringLiteral("KY_Subtitle_Plugin")));

    // Told once: reading the same kinds again (the generator does) asks nothing.
    std::unique_ptr<KNode> again(io.ReadNode(written, nullptr));
    QCOMPARE(Dump(again.get()), Dump(screen.get()));
    QCoreApplication::processEvents();
    QCOMPARE(Prompt::Records().size(), 1);
}

void TestKXmlDataAccess::missingKindKeepsLaterChildren()
{
    KXmlDataAccess io;
    std::unique_ptr<KNode> screen(io.ReadNode(kMissingKinds, nullptr));
    QVERIFY(screen);
    KNode* video = screen->children().at(0)->children().at(0)->children().at(0);
    auto* added = new Fixture::MediaNode;
    added->set_name(QStringLiteral("added later"));
    video->AddChild(added);

    QByteArray written;
    io.WriteNode(screen.get(), written);
    std::unique_ptr<KNode> again(io.ReadNode(written, nullptr));
    QVERIFY(again);
    auto* kept = qobject_cast<KOpaqueNode*>(again->children().at(0)->children().at(0)->children().at(0));
    QVERIFY(kept);
    QVERIFY(kept->xml().contains(QStringLiteral("<Attribute Name=\"__NAME__\">added later</Attribute>")));
    QVERIFY(kept->xml().contains(QStringLiteral("<Future Version=\"2\"/>")));
    QCoreApplication::processEvents();
}

KESTROVA_TEST_MAIN(TestKXmlDataAccess)
#include "tst_kxmldataaccess.moc"
