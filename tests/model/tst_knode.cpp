#include "kcontentnode.h"
#include "kcontrollernode.h"
#include "kframenode.h"
#include "klist.h"
#include "kscenenode.h"
#include "ktestmain.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace Ky;

namespace {

// A content kind that reports its type, as plug-in kinds do.
class TypedContent : public KContentNode
{
public:
    explicit TypedContent(const QString& type) : m_type(type) {}
    QString Type() override { return m_type; }
    int Duration() override { return 1000; }

private:
    QString m_type;
};

// Screen > program > area > content, owned by the screen.
struct Tree
{
    KControllerNode* screen = new KControllerNode;
    KSceneNode* program = new KSceneNode;
    KFrameNode* area = new KFrameNode;
    KContentNode* content = new KContentNode;

    Tree()
    {
        screen->AddChild(program);
        program->AddChild(area);
        area->AddChild(content);
    }
    ~Tree() { delete screen; }
};

KNode* NamedChild(KNode* parent, const QString& name)
{
    auto* child = new KNode;
    child->set_name(name);
    parent->AddChild(child);
    return child;
}

} // namespace

class TestKNode : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void childOperations();
    void destructionDeletesSubtree();
    void parentLevel_data();
    void parentLevel();
    void relationNodes();
    void uniqueNames_data();
    void uniqueNames();
    void changeFlagsCoverTheSubtree();
    void recursionReachesEveryChild();
    void sendCommandEmits();

    void screenVersion_data();
    void screenVersion();
    void screenSetSizeFromNothingIsSilent();
    void screenSetSizePropagates();
    void screenSchedule();
    void screenDeviceModelAlwaysAnnounces();
    void screenDevAssociation();
    void screenExportImportAndTimeZone();
    void screenDeleteRemovesItsFile();
    void screenDataReady();
};

void TestKNode::childOperations()
{
    KNode root;
    KNode* a = NamedChild(&root, QStringLiteral("a"));
    KNode* b = NamedChild(&root, QStringLiteral("b"));
    auto* c = new KNode;
    root.InsertChild(1, c);
    QCOMPARE(root.children(), QList<KNode*>({a, c, b}));
    QCOMPARE(c->parent(), &root);
    root.SwapChild(0, 2);
    QCOMPARE(root.children(), QList<KNode*>({b, c, a}));
    root.MoveChild(0, 2);
    QCOMPARE(root.children(), QList<KNode*>({c, a, b}));
    root.RemoveChild(a);
    QCOMPARE(root.children(), QList<KNode*>({c, b}));
    QVERIFY(!a->parent());
    delete a; // removing does not delete
}

void TestKNode::destructionDeletesSubtree()
{
    auto* root = new KNode;
    KNode* child = NamedChild(root, QStringLiteral("child"));
    KNode* grandChild = NamedChild(child, QStringLiteral("grand"));
    QPointer<KNode> watched(grandChild); // the node cuts its own connections, so no spy
    delete root;
    QVERIFY(watched.isNull());
}

void TestKNode::parentLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("parent");
    QTest::newRow("root") << int(LEVEL_ROOT) << int(LEVEL_NONE);
    QTest::newRow("screen") << int(LEVEL_SCREEN) << int(LEVEL_ROOT);
    QTest::newRow("content") << int(LEVEL_CONTENT) << int(LEVEL_AREA);
}

void TestKNode::parentLevel()
{
    QFETCH(int, level);
    QFETCH(int, parent);
    QCOMPARE(int(KNode::ParentLevel(KLevel(level))), parent);
}

void TestKNode::relationNodes()
{
    Tree tree;
    QVERIFY(!tree.screen->GetSceneNode());
    QCOMPARE(tree.screen->GetScreenNode(), tree.screen);
    QCOMPARE(tree.program->GetSceneNode(), tree.program);
    QCOMPARE(tree.content->GetSceneNode(), tree.program);
    QCOMPARE(tree.content->GetFrameNode(), tree.area);
    QCOMPARE(tree.content->GetScreenNode(), tree.screen);
    QVERIFY(!tree.area->GetRelationNode(LEVEL_CONTENT));

    // A broken chain gives null instead of failing.
    KContentNode orphan;
    QVERIFY(!orphan.GetFrameNode());
    QVERIFY(!orphan.GetScreenNode());
    // A node of the wrong kind at the level asked for is not handed out as that kind.
    KNode plain;
    auto* content = new KContentNode;
    auto* fakeArea = new KNode;
    plain.AddChild(fakeArea);
    fakeArea->AddChild(content);
    QVERIFY(!content->GetFrameNode());
}

void TestKNode::uniqueNames_data()
{
    QTest::addColumn<QStringList>("siblings");
    QTest::addColumn<QString>("ownName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("gap is filled") << QStringList{"Area1", "Area3"} << QString() << "Area2";
    QTest::newRow("own name counts as taken") << QStringList{"Area3"} << "Area1" << "Area2";
    QTest::newRow("bare base never used") << QStringList{} << QString() << "Area1";
    QTest::newRow("other names ignored") << QStringList{"Area", "Text1"} << QString() << "Area1";
}

void TestKNode::uniqueNames()
{
    QFETCH(QStringList, siblings);
    QFETCH(QString, ownName);
    QFETCH(QString, expected);
    KNode parent;
    for (const QString& name : siblings)
        NamedChild(&parent, name);
    KNode* node = NamedChild(&parent, ownName);
    node->SetUniqueName(QStringLiteral("Area"));
    QCOMPARE(node->name(), expected);

    KNode lonely;
    lonely.SetUniqueName(QStringLiteral("Area"));
    QCOMPARE(lonely.name(), QStringLiteral("Area"));
}

void TestKNode::changeFlagsCoverTheSubtree()
{
    Tree tree;
    QVERIFY(tree.screen->DataHasChang()); // fresh nodes start changed
    tree.screen->CleanDataChange();
    QVERIFY(!tree.screen->DataHasChang());
    QVERIFY(!tree.content->changed());
    tree.content->SetAlpha(50);
    QVERIFY(tree.screen->DataHasChang());
    QVERIFY(!tree.screen->changed());
    // Structural edits leave the flags to the item model.
    tree.screen->CleanDataChange();
    tree.area->AddChild(new KContentNode);
    tree.area->children().last()->set_changed(false);
    QVERIFY(!tree.screen->DataHasChang());
}

void TestKNode::recursionReachesEveryChild()
{
    Tree tree;
    auto* second = new TypedContent(QStringLiteral("KY_Picture"));
    tree.area->AddChild(second);
    QCOMPARE(tree.area->Duration(), 1000);
    QVERIFY(tree.screen->NodeAlready());
    QList<KSendFileInfo> files;
    tree.screen->Generator(QStringLiteral("/nowhere"), files);
    QVERIFY(files.isEmpty());
}

void TestKNode::sendCommandEmits()
{
    KNode node;
    QSignalSpy spy(&node, &KNode::RecvCMD);
    node.SendCMD(QStringLiteral("play"), 3);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("play"));
    QCOMPARE(spy.at(0).at(1).toInt(), 3);
}

void TestKNode::screenVersion_data()
{
    QTest::addColumn<QString>("app");
    QTest::addColumn<QList<uint>>("parts");
    QTest::newRow("full") << "3.1.4.0" << QList<uint>{3, 1, 4, 0};
    QTest::newRow("short") << "3.1" << QList<uint>{3, 1, 255, 255};
    QTest::newRow("garbage part") << "3.x.4.0" << QList<uint>{3, 255, 4, 0};
    QTest::newRow("negative part") << "3.-1.4.0" << QList<uint>{3, 255, 4, 0};
    QTest::newRow("missing") << QString() << QList<uint>{255, 255, 255, 255};
}

void TestKNode::screenVersion()
{
    QFETCH(QString, app);
    QFETCH(QList<uint>, parts);
    KControllerNode screen;
    screen.SetVersion(app, QStringLiteral("2381"));
    const KVersion version = screen.GetVersion();
    QCOMPARE((QList<uint>{version.a, version.b, version.c, version.d}), parts);
    QCOMPARE(version.build, 2381);

    KVersion written{1, 2, 30, 4, 77};
    screen.SetVersion(written);
    QCOMPARE(screen.GetAttribute(QStringLiteral("AppVersion")), QStringLiteral("1.2.30.4"));
    QCOMPARE(screen.GetAttribute(QStringLiteral("SvnVersion")), QStringLiteral("77"));
}

void TestKNode::screenSetSizeFromNothingIsSilent()
{
    Tree tree;
    QSignalSpy spy(tree.screen, &KControllerNode::SizeChanged);
    QSignalSpy programSpy(tree.program, &KSceneNode::SizeChange);
    tree.screen->SetSize(QSize(128, 64), QSize(0, 0));
    QCOMPARE(tree.screen->size(), QSize(128, 64));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(programSpy.count(), 0);
}

void TestKNode::screenSetSizePropagates()
{
    Tree tree;
    tree.screen->SetSize(QSize(200, 100), QSize(0, 0));
    tree.area->SetRect(QRect(10, 10, 100, 50));
    QSignalSpy spy(tree.screen, &KControllerNode::SizeChanged);
    QSignalSpy programSpy(tree.program, &KSceneNode::SizeChange);
    tree.screen->SetSize(QSize(400, 200), QSize(200, 100));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toSize(), QSize(400, 200));
    QCOMPARE(programSpy.count(), 1);
    QCOMPARE(tree.area->Rect(), QRect(20, 20, 200, 100));
}

void TestKNode::screenSchedule()
{
    KControllerNode screen;
    screen.SetTimeOn(2, QTime(7, 5, 9));
    screen.SetTimeOff(2, QTime(23, 0, 0));
    screen.SetTimeEnable(2, true);
    screen.SetTimeSwichtEnable(true);
    QCOMPARE(screen.GetAttribute(QStringLiteral("ts_on_2")), QStringLiteral("07:05:09"));
    QCOMPARE(screen.GetTimeOn(2), QTime(7, 5, 9));
    QCOMPARE(screen.GetTimeOff(2), QTime(23, 0, 0));
    QVERIFY(screen.GetTimeEnable(2));
    QVERIFY(!screen.GetTimeEnable(3));
    QVERIFY(screen.GetTimeSwichtEnable());
    QVERIFY(!screen.GetTimeOn(3).isValid());
    screen.SetAttribute(QStringLiteral("ts_on_4"), QStringLiteral("25:99"));
    QVERIFY(!screen.GetTimeOn(4).isValid());
}

void TestKNode::screenDeviceModelAlwaysAnnounces()
{
    KControllerNode screen;
    QSignalSpy spy(&screen, &KControllerNode::DeviceModelChanged);
    screen.SetDeviceModel(QStringLiteral("Q741"));
    screen.SetDeviceModel(QStringLiteral("Q741"));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(screen.GetDeviceModel(), QStringLiteral("Q741"));
}

void TestKNode::screenDevAssociation()
{
    KControllerNode screen;
    QSignalSpy spy(&screen, &KControllerNode::DevAssociationChanged);
    screen.SetDevAssociation({{QStringLiteral("Hall"), QStringLiteral("Q741-0001")},
                              {QStringLiteral("Gate"), QStringLiteral("Q741-0002")}});
    screen.SetDevAssociation({{QStringLiteral("Gate"), QStringLiteral("Q741-0002")}});
    QCOMPARE(spy.count(), 2);
    QList<DevInfo> devices;
    screen.GetDevAssociation(devices);
    QCOMPARE(devices.size(), 1);
    QCOMPARE(devices.at(0).id, QStringLiteral("Q741-0002"));
    QCOMPARE(devices.at(0).name, QStringLiteral("Gate"));
    QCOMPARE(screen.GetList(QStringLiteral("communication"))->count(), 1);
}

void TestKNode::screenExportImportAndTimeZone()
{
    KControllerNode screen;
    screen.Export(QStringLiteral("/tmp/x.boo"));
    QVERIFY(screen.FileNotImport());
    screen.Import(QStringLiteral("/tmp/x.boo"));
    QVERIFY(!screen.FileNotImport());
    screen.SetTimeZone(-1);
    QList<KSendFileInfo> files;
    screen.Generator(QStringLiteral("/nowhere/"), files);
    QCOMPARE(screen.GetTimeZone(), QDateTime::currentDateTime().offsetFromUtc());
}

void TestKNode::screenDeleteRemovesItsFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("screen.boo"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    KControllerNode screen;
    screen.SetFilePath(path);
    QCOMPARE(screen.filePath(), path);
    screen.Delete();
    QVERIFY(!QFile::exists(path));
    screen.Delete(); // a missing file is not an error
}

void TestKNode::screenDataReady()
{
    Tree tree;
    QVERIFY(tree.screen->DataReady());
    auto* video = new TypedContent(QStringLiteral("KY_Video_Plugin"));
    tree.area->AddChild(video);
    QVERIFY(!tree.screen->DataReady());
    video->SetVFileReady(true);
    QVERIFY(tree.screen->DataReady());
    // Other kinds never hold the screen back.
    auto* picture = new TypedContent(QStringLiteral("KY_Picture"));
    tree.area->AddChild(picture);
    QVERIFY(tree.screen->DataReady());
}

KESTROVA_TEST_MAIN(TestKNode)
#include "tst_knode.moc"
