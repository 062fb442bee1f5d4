#include "icontentrender.h"
#include "inodeclient.h"
#include "inodeplugin.h"
#include "kappconfig.h"
#include "kcontenttree.h"
#include "keffectnode.h"
#include "kprompt.h"
#include "krenderevent.h"
#include "krendereventlog.h"
#include "ktestmain.h"
#include "scenerender.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include <memory>

using namespace Ky;
using Ky::Test::ContentTree;

namespace {

const QString kType = QStringLiteral("KY_Anim_Plugin");

QString Gif(KNode* node)
{
    return node->GetFirstFile(QStringLiteral("Gif"));
}

QString Digest(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex()
               : QString();
}

} // namespace

class TestAnimPlugin : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init() { Prompt::Reset(); }
    void cleanupTestCase();

    void kind();
    void addFiles();
    void initialHold_data();
    void initialHold();
    void exportAndImportRename();
    void generatorKeepsTheName();
    void duration();
    void holdChangeWhilePlaying();
    void panelForMissingFile();

private:
    KEffectNode* Add(ContentTree& tree, const QString& file);

    QTemporaryDir m_dir;
    INodePlugin* m_plugin = nullptr;
};

void TestAnimPlugin::initTestCase()
{
    Prompt::SetInteractive(false);
    KAppConfig::instance();
    m_plugin = KPluginManager::instance()->GetPlugin(kType);
    QVERIFY(m_plugin);
}

void TestAnimPlugin::cleanupTestCase()
{
    DestroyRenderer();
    KPluginManager::Destroy();
    KAppConfig::Destroy();
}

KEffectNode* TestAnimPlugin::Add(ContentTree& tree, const QString& file)
{
    Prompt::Script(QStringList{file});
    return qobject_cast<KEffectNode*>(m_plugin->AddFile(&tree.model, tree.areaIndex(), 0));
}

void TestAnimPlugin::kind()
{
    QCOMPARE(m_plugin->name(), QStringLiteral("Gif"));
    QCOMPARE(m_plugin->level(), LEVEL_CONTENT);
    QVERIFY(!m_plugin->icon().isNull());
    // The kind does not take part in adding files by suffix.
    QVERIFY(m_plugin->SupportSuffix().isEmpty());
    const QString gif = Ky::Test::SaveGif(m_dir, "k.gif", QSize(8, 8), 2, 100);
    QVERIFY(!m_plugin->AddFileBasisSuffix(gif, nullptr, QModelIndex(), 0));
    const std::unique_ptr<KNode> node(m_plugin->Create());
    QCOMPARE(node->Type(), kType);
    QVERIFY(KPluginManager::instance()->GetContentPlugin().contains(m_plugin));
}

// Only files whose content is GIF are taken; names drop the last suffix only.
void TestAnimPlugin::addFiles()
{
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    const QString fake = Ky::Test::SaveImage(m_dir, "x.gif", QSize(8, 8), 0xFFFF0000);
    QDir().mkpath(m_dir.filePath("clips"));
    const QString intro = Ky::Test::SaveGif(m_dir, "clips/intro.part.gif", QSize(8, 8), 4, 3000);
    const QString brief = Ky::Test::SaveGif(m_dir, "clips/brief.gif", QSize(8, 8), 2, 2490);
    Prompt::Script(QStringList{fake, intro, brief});
    KNode* last = m_plugin->AddFile(&tree.model, tree.areaIndex(), 0);

    QCOMPARE(tree.area->children().size(), 2);
    QCOMPARE(last, tree.area->children().at(0));
    QCOMPARE(tree.area->children().at(0)->name(), QStringLiteral("brief"));
    QCOMPARE(tree.area->children().at(1)->name(), QStringLiteral("intro.part"));
    const QList<Prompt::Record> records = Prompt::Records();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].title, QStringLiteral("Please Select GIF Files"));
    QCOMPARE(records[0].filter, QStringLiteral("GIF (*.gif)"));
    QCOMPARE(records[1].title, QStringLiteral("Warning"));
    QCOMPARE(records[1].text, fake + " Don't Support the GIF Format!");
    // The folder of the first chosen file is where the next dialog starts.
    QCOMPARE(KAppConfig::s_setting->value("LastGifFilePath").toString(),
             QFileInfo(fake).absolutePath());
    Prompt::Reset();
    m_plugin->AddFile(&tree.model, tree.areaIndex(), 0);
    QCOMPARE(Prompt::Records().value(0).text, QFileInfo(fake).absolutePath());
}

void TestAnimPlugin::initialHold_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("hold");
    QTest::newRow("12000 ms") << 4 << 3000 << 120;
    QTest::newRow("4980 ms") << 2 << 2490 << 50;
    QTest::newRow("5000 ms") << 2 << 2500 << 50;
    QTest::newRow("7200 ms") << 3 << 2400 << 72;
}

void TestAnimPlugin::initialHold()
{
    QFETCH(int, frames);
    QFETCH(int, delay);
    QFETCH(int, hold);
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    KEffectNode* node = Add(tree, Ky::Test::SaveGif(m_dir, "h.gif", QSize(8, 8), frames, delay));
    QVERIFY(node);
    QCOMPARE(node->GetHoldTime(), hold);
    QCOMPARE(node->GetDispEffect(), 0);
    QCOMPARE(node->GetClearEffect(), 0);
    QCOMPARE(node->GetDispTime(), 4);
    QCOMPARE(node->GetClearTime(), 4);
}

void TestAnimPlugin::exportAndImportRename()
{
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    const QString file = Ky::Test::SaveGif(m_dir, "intro.gif", QSize(8, 8), 2, 100);
    KNode* node = Add(tree, file);
    QCOMPARE(node->name(), QStringLiteral("intro"));
    const QString digest = Digest(file);
    const QString dir = m_dir.filePath("export/");
    QVERIFY(QDir().mkpath(dir));
    node->Export(dir + "project.boo");
    QCOMPARE(Gif(node), digest + ".gif");
    QCOMPARE(node->name(), digest);
    QVERIFY(QFile::exists(dir + digest + ".gif"));
    node->Import(dir);
    QCOMPARE(Gif(node), dir + digest + ".gif");
    QCOMPARE(node->name(), digest);
}

void TestAnimPlugin::generatorKeepsTheName()
{
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    const QString file = Ky::Test::SaveGif(m_dir, "keep.gif", QSize(8, 8), 2, 100);
    KNode* node = Add(tree, file);
    const QString out = m_dir.filePath("send/");
    QVERIFY(QDir().mkpath(out));
    QList<KSendFileInfo> files;
    node->Generator(out, files);
    QCOMPARE(files.size(), 1);
    QCOMPARE(files[0].path, out + Digest(file) + ".gif");
    QCOMPARE(Gif(node), files[0].path);
    QCOMPARE(node->name(), QStringLiteral("keep"));
    QVERIFY(node->NodeAlready());
}

void TestAnimPlugin::duration()
{
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    KEffectNode* node = Add(tree, Ky::Test::SaveGif(m_dir, "d.gif", QSize(8, 8), 3, 1000));
    node->SetAttribute(QStringLiteral("Display Effect Type"), 3);
    node->SetAttribute(QStringLiteral("Display Interval Index"), 1);
    node->SetAttribute(QStringLiteral("Clear Effect Type"), 18);
    node->SetAttribute(QStringLiteral("Clear Interval Index"), 6);
    const int effects = GeteffectDuration(128, 64, 3, 1) + GeteffectDuration(128, 64, 18, 6);
    for (int hold : {0, 50, 900}) {
        node->SetHoldTime(hold);
        QCOMPARE(node->Duration(), effects + 3000);
    }
    node->SetAttribute(QStringLiteral("Remain Delay"), 5000);
    QCOMPARE(node->Duration(), effects + 5000);
}

void TestAnimPlugin::holdChangeWhilePlaying()
{
    Ky::Test::RenderEventLog sink(/*areaEventsOnly=*/true);
    QVERIFY(CreateRenderer());
    QVERIFY(InitRenderer(&sink, 32, 32, 40));
    ContentTree tree(QStringLiteral("Q741"), QSize(32, 32), QRect(0, 0, 32, 32));
    KEffectNode* node = Add(tree, Ky::Test::SaveGif(m_dir, "p.gif", QSize(8, 8), 2, 150));
    node->SetHoldTime(10000);
    const quint32 area =
        RegisterAreaSession(CreateAreaSession(0, 0, 32, 32, 255, 1, 0, 0, 0, 0, 0, 0));
    std::unique_ptr<IContentRender> render(KPluginManager::instance()->GetAreaRender(node));
    QVERIFY(render);
    render->Start(area);
    QCOMPARE(render->GetRenderState(), RENDER_BY_SESSION); // a short loop: the hold ends it
    StepRenderer(500);
    QCoreApplication::sendPostedEvents(&sink);
    QVERIFY(sink.events.isEmpty());
    node->SetHoldTime(2);
    StepRenderer(20);
    QCoreApplication::sendPostedEvents(&sink);
    QCOMPARE(sink.events.value(0), qMakePair(area, 0));
    render->Close();
}

void TestAnimPlugin::panelForMissingFile()
{
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    std::unique_ptr<KNode> node(m_plugin->Create());
    const QString lost = m_dir.filePath("lost.gif");
    node->SetFilePath(QStringLiteral("Gif"), lost, QString());
    qobject_cast<KEffectNode*>(node.get())->SetHoldTime(33);
    INodeClient* client = m_plugin->GetClient();
    client->SetNode(node.get());
    QWidget* panel = client->ClientWidget();
    // Filled and usable, and only then the warning.
    QVERIFY(panel->isEnabled());
    QCOMPARE(panel->findChild<QLineEdit*>("editFilePath")->text(), lost);
    QCOMPARE(Prompt::Records().value(0).text, "File " + lost + " not found!");
    QVERIFY(!panel->findChild<QPushButton*>("Choose"));
    QVERIFY(!panel->findChild<QCheckBox*>("KeepRatio"));
    panel->findChild<QPushButton*>("btnRandom")->click();
    QCOMPARE(qobject_cast<KEffectNode*>(node.get())->GetDispEffect(), 25);
    client->SetNode(nullptr);
}

KESTROVA_TEST_MAIN(TestAnimPlugin)
#include "tst_animplugin.moc"
