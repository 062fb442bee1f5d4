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
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

#include <memory>

using namespace Ky;
using Ky::Test::ContentTree;

namespace {

const QString kType = QStringLiteral("KY_Image_Plugin");
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Green = 0xFF00FF00;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb Black = 0xFF000000;

QString Photo(KNode* node)
{
    return node->GetFirstFile(QStringLiteral("Photo"));
}

QString Duplicate(KNode* node)
{
    return node->GetAttribute(QStringLiteral("FileDuplicate"));
}

} // namespace

class TestImagePlugin : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void kind();
    void addFiles();
    void initialSettings_data();
    void initialSettings();
    void addBySuffix();
    void duplicates_data();
    void duplicates();
    void duplicateLifecycle();
    void generator();
    void exportAndImport_data();
    void exportAndImport();
    void duration();
    void rendererFollowsNode();
    void transparentPixelsByModel_data();
    void transparentPixelsByModel();
    void panel();

private:
    KEffectNode* NewNode(ContentTree& tree, const QString& file);
    IContentRender* Renderer(KNode* node);

    QTemporaryDir m_dir;
    INodePlugin* m_plugin = nullptr;
    std::vector<std::unique_ptr<IContentRender>> m_renders;
};

void TestImagePlugin::initTestCase()
{
    Prompt::SetInteractive(false);
    KAppConfig::instance();
    m_plugin = KPluginManager::instance()->GetPlugin(kType);
    QVERIFY(m_plugin);
}

void TestImagePlugin::init()
{
    Prompt::Reset();
}

void TestImagePlugin::cleanupTestCase()
{
    m_renders.clear();
    DestroyRenderer();
    KPluginManager::Destroy();
    KAppConfig::Destroy();
}

KEffectNode* TestImagePlugin::NewNode(ContentTree& tree, const QString& file)
{
    return qobject_cast<KEffectNode*>(
        m_plugin->AddFileBasisSuffix(file, &tree.model, tree.areaIndex(), 0));
}

IContentRender* TestImagePlugin::Renderer(KNode* node)
{
    IContentRender* render = KPluginManager::instance()->GetAreaRender(node);
    if (render)
        m_renders.emplace_back(render);
    return render;
}

void TestImagePlugin::kind()
{
    QCOMPARE(m_plugin->type(), kType);
    QCOMPARE(m_plugin->name(), QStringLiteral("Photo"));
    QCOMPARE(m_plugin->level(), LEVEL_CONTENT);
    QVERIFY(!m_plugin->icon().isNull());
    QCOMPARE(&m_plugin->icon(), &m_plugin->icon()); // built once
    QCOMPARE(m_plugin->SupportSuffix(), KAppConfig::instance()->SuportImage());
    const std::unique_ptr<KNode> node(m_plugin->Create());
    QCOMPARE(node->Type(), kType);
    QVERIFY(node->attributes().isEmpty());
    QVERIFY(qobject_cast<KEffectNode*>(node.get()));
    QCOMPARE(m_plugin->GetClient(), m_plugin->GetClient());
    QVERIFY(!m_plugin->CreateFrameRender(node.get()));
    QVERIFY(!m_plugin->OverrideNewFile());
}

// Later files come first; a corrupt one is skipped after its warning.
void TestImagePlugin::addFiles()
{
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    const QString a = Ky::Test::SaveImage(m_dir, "a.first.png", QSize(64, 48), Red);
    const QString b = Ky::Test::SaveBytes(m_dir, "b.png", QByteArray("\x89PNG\r\n\x1a\n broken"));
    const QString c = Ky::Test::SaveGif(m_dir, "c.gif", QSize(16, 8), 3, 2400);
    Prompt::Script(QStringList{a, b, c});
    KNode* last = m_plugin->AddFile(&tree.model, tree.areaIndex(), 0);

    QCOMPARE(tree.area->children().size(), 2);
    QCOMPARE(last, tree.area->children().at(0));
    QCOMPARE(tree.area->children().at(0)->name(), QStringLiteral("c"));
    QCOMPARE(tree.area->children().at(1)->name(), QStringLiteral("a"));
    QCOMPARE(Photo(tree.area->children().at(1)), a);

    const QList<Prompt::Record> records = Prompt::Records();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].kind, Prompt::Kind::OpenFiles);
    QCOMPARE(records[0].title, QStringLiteral("Choose Image File"));
    QCOMPARE(records[0].filter, KAppConfig::instance()->SuportImage());
    QCOMPARE(records[1].kind, Prompt::Kind::Warning);
    QCOMPARE(records[1].title, QStringLiteral("Warning"));
    QCOMPARE(records[1].text, "Load [" + b + "] Failure! File is corrupted?");
    QCOMPARE(KAppConfig::instance()->GetLastImageFilePath(), a);

    // Cancelling adds nothing and keeps the last path.
    Prompt::Reset();
    QVERIFY(!m_plugin->AddFile(&tree.model, tree.areaIndex(), 0));
    QCOMPARE(KAppConfig::instance()->GetLastImageFilePath(), a);
}

void TestImagePlugin::initialSettings_data()
{
    QTest::addColumn<int>("frames"); // 0: a still PNG
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("hold");
    QTest::newRow("still picture") << 0 << 0 << 25 << 50;
    QTest::newRow("GIF, 7200 ms") << 3 << 2400 << 0 << 72;
    QTest::newRow("GIF, 4000 ms") << 2 << 2000 << 0 << 50;
    QTest::newRow("GIF, 5000 ms") << 2 << 2500 << 0 << 50;
    QTest::newRow("GIF, 12000 ms") << 4 << 3000 << 0 << 120;
}

void TestImagePlugin::initialSettings()
{
    QFETCH(int, frames);
    QFETCH(int, delay);
    QFETCH(int, effect);
    QFETCH(int, hold);
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    const QString file = frames ? Ky::Test::SaveGif(m_dir, "init.gif", QSize(8, 8), frames, delay)
                                : Ky::Test::SaveImage(m_dir, "init.png", QSize(8, 8), Red);
    KEffectNode* node = NewNode(tree, file);
    QVERIFY(node);
    QCOMPARE(node->GetDispEffect(), effect);
    QCOMPARE(node->GetClearEffect(), effect);
    QCOMPARE(node->GetDispTime(), 4);
    QCOMPARE(node->GetClearTime(), 4);
    QCOMPARE(node->GetHoldTime(), hold);
    QCOMPARE(node->GetAttribute(QStringLiteral("KeepRatio")), QStringLiteral("0"));
}

void TestImagePlugin::addBySuffix()
{
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    const QString upper = Ky::Test::SaveImage(m_dir, "UPPER.PNG", QSize(8, 8), Red);
    const QString text = Ky::Test::SaveImage(m_dir, "picture.txt", QSize(8, 8), Red);
    const QString broken = Ky::Test::SaveBytes(m_dir, "broken.png", QByteArray(64, 'x'));
    KNode* node = NewNode(tree, upper);
    QVERIFY(node);
    QCOMPARE(node->name(), QStringLiteral("UPPER"));
    QVERIFY(!NewNode(tree, text));
    QVERIFY(!NewNode(tree, broken));
    QVERIFY(Prompt::Records().isEmpty()); // no message on this way
    QCOMPARE(tree.area->children().size(), 1);
}

void TestImagePlugin::duplicates_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("gif");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("keepRatio");
    QTest::addColumn<QSize>("expected"); // invalid: no duplicate
    const QSize none(-1, -1);
    QTest::newRow("V7, stretched") << "V7" << false << QSize(640, 480) << false << QSize(320, 160);
    QTest::newRow("N5, ratio kept") << "N5" << false << QSize(640, 480) << true << QSize(213, 160);
    QTest::newRow("V7, GIF") << "V7" << true << QSize(64, 32) << false << QSize(320, 160);
    QTest::newRow("Q741, large GIF")
        << "Q741" << true << QSize(1920, 1080) << false << QSize(1280, 720);
    QTest::newRow("Q741, GIF of 1280 x 720") << "Q741" << true << QSize(1280, 720) << false << none;
    QTest::newRow("Q741, large still") << "Q741" << false << QSize(1920, 1080) << false << none;
}

void TestImagePlugin::duplicates()
{
    QFETCH(QString, model);
    QFETCH(bool, gif);
    QFETCH(QSize, picture);
    QFETCH(bool, keepRatio);
    QFETCH(QSize, expected);
    ContentTree tree(model, QSize(640, 320), QRect(0, 0, 320, 160));
    const QString file = gif ? Ky::Test::SaveGif(m_dir, "dup.gif", picture, 2, 300)
                             : Ky::Test::SaveImage(m_dir, "dup.png", picture, Red);
    KNode* node = NewNode(tree, file);
    QVERIFY(node);
    node->SetAttribute(QStringLiteral("KeepRatio"), keepRatio ? 1 : 0);
    QVERIFY(node->NodeAlready());
    const QString duplicate = Duplicate(node);
    if (!expected.isValid()) {
        QVERIFY(duplicate.isEmpty());
        return;
    }
    QCOMPARE(QFileInfo(duplicate).absolutePath(),
             QFileInfo(KAppConfig::AppDir() + "outputpath/Photo").absoluteFilePath());
    QCOMPARE(QImageReader(duplicate).size(), expected);
    if (gif) {
        const Ky::Test::GifInfo info = Ky::Test::ReadGif(duplicate);
        QCOMPARE(info.frames, 2);
        QCOMPARE(info.delaysMs, QList<int>({300, 300}));
    }
    node->Delete(); // the duplicate goes with the node
    QVERIFY(!QFile::exists(duplicate));
}

void TestImagePlugin::duplicateLifecycle()
{
    ContentTree tree(QStringLiteral("V7"), QSize(640, 320), QRect(0, 0, 320, 160));
    KNode* node = NewNode(tree, Ky::Test::SaveImage(m_dir, "life.png", QSize(640, 480), Red));
    QVERIFY(node->NodeAlready());
    const QString first = Duplicate(node);
    QVERIFY(QFile::exists(first));
    // A second preparation keeps the duplicate as it is.
    QVERIFY(node->NodeAlready());
    QCOMPARE(Duplicate(node), first);
    QVERIFY(QFile::exists(first));
    // Keeping the ratio needs another copy; the old one goes.
    node->SetAttribute(QStringLiteral("KeepRatio"), 1);
    QVERIFY(node->NodeAlready());
    const QString second = Duplicate(node);
    QCOMPARE(QImageReader(second).size(), QSize(213, 160));
    if (second != first)
        QVERIFY(!QFile::exists(first));
    // A copy of the node starts without one.
    node->Copy();
    QVERIFY(Duplicate(node).isEmpty());
    QVERIFY(QFile::exists(second));
    QVERIFY(node->NodeAlready());
    const QString third = Duplicate(node);
    QVERIFY(QFile::exists(third));
    // On a model that scales by itself, an earlier duplicate is cleared, and its file goes.
    tree.screen->SetDeviceModel(QStringLiteral("Q741"));
    QVERIFY(node->NodeAlready());
    QVERIFY(Duplicate(node).isEmpty());
    QVERIFY(!QFile::exists(third));
    // Without a screen the node is not ready.
    std::unique_ptr<KNode> loose(m_plugin->Create());
    QVERIFY(!loose->NodeAlready());
    QFile::remove(second);
}

void TestImagePlugin::generator()
{
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    const QString out = m_dir.filePath("send/");
    QVERIFY(QDir().mkpath(out));
    std::unique_ptr<KNode> node(m_plugin->Create());
    const QString empty = Ky::Test::SaveBytes(m_dir, "empty.png", QByteArray());
    node->SetFilePath(QStringLiteral("Photo"), empty, QString());
    QList<KSendFileInfo> files;
    node->Generator(out, files);
    const QString digest = QStringLiteral("d41d8cd98f00b204e9800998ecf8427e");
    QCOMPARE(files.size(), 1);
    QCOMPARE(files[0].path, out + digest + ".png");
    QCOMPARE(files[0].md5, digest);
    QVERIFY(QFile::exists(out + digest + ".png"));
    QCOMPARE(Photo(node.get()), out + digest + ".png");

    // The duplicate, when there is one, goes instead of the picture.
    const QString duplicate = Ky::Test::SaveImage(m_dir, "scaled.bmp", QSize(4, 4), Blue, "BMP");
    node->SetFilePath(QStringLiteral("Photo"), empty, QString());
    node->SetAttribute(QStringLiteral("FileDuplicate"), duplicate);
    node->Generator(out, files);
    QCOMPARE(files.size(), 2);
    QVERIFY(files[1].path.endsWith(".bmp"));
    QVERIFY(QFile::exists(files[1].path));

    // A source that cannot be read names no file, and the set shows the gap.
    node->SetAttribute(QStringLiteral("FileDuplicate"), QString());
    node->SetFilePath(QStringLiteral("Photo"), m_dir.filePath("gone.png"), QString());
    node->Generator(out, files);
    QVERIFY(Photo(node.get()).isEmpty());
    QCOMPARE(files.size(), 3);
    QVERIFY(!QFileInfo(files[2].path).isFile());
}

void TestImagePlugin::exportAndImport_data()
{
    QTest::addColumn<QString>("target"); // relative to the export directory
    QTest::newRow("the project file") << "project.boo";
    QTest::newRow("the directory") << "";
}

void TestImagePlugin::exportAndImport()
{
    QFETCH(QString, target);
    const QString dir = m_dir.filePath("export/");
    QVERIFY(QDir().mkpath(dir));
    std::unique_ptr<KNode> node(m_plugin->Create());
    const QString picture = Ky::Test::SaveImage(m_dir, "pic.png", QSize(8, 8), Green);
    QFile file(picture);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString digest =
        QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex();
    node->SetFilePath(QStringLiteral("Photo"), picture, QString());
    node->Export(dir + target);
    QCOMPARE(Photo(node.get()), digest + ".png");
    QVERIFY(QFile::exists(dir + digest + ".png"));
    node->Import(dir);
    QCOMPARE(Photo(node.get()), dir + digest + ".png");
}

void TestImagePlugin::duration()
{
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    KEffectNode* still = NewNode(tree, Ky::Test::SaveImage(m_dir, "d.png", QSize(8, 8), Red));
    KEffectNode* gif = NewNode(tree, Ky::Test::SaveGif(m_dir, "d.gif", QSize(8, 8), 3, 2000));
    for (KEffectNode* node : {still, gif}) {
        node->SetAttribute(QStringLiteral("Display Effect Type"), 1);
        node->SetAttribute(QStringLiteral("Display Interval Index"), 2);
        node->SetAttribute(QStringLiteral("Clear Effect Type"), 5);
        node->SetAttribute(QStringLiteral("Clear Interval Index"), 8);
        node->SetHoldTime(30);
    }
    const int effects = GeteffectDuration(128, 64, 1, 2) + GeteffectDuration(128, 64, 5, 8);
    QVERIFY(effects > 0);
    QCOMPARE(still->Duration(), effects + 3000);
    QCOMPARE(gif->Duration(), effects + 6000); // the loop is longer than the hold
}

void TestImagePlugin::rendererFollowsNode()
{
    Ky::Test::RenderEventLog sink(/*areaEventsOnly=*/true);
    QVERIFY(CreateRenderer());
    QVERIFY(InitRenderer(&sink, 64, 32, 40));
    ContentTree tree(QStringLiteral("Q741"), QSize(64, 32), QRect(0, 0, 32, 32));
    // A wide picture: kept in ratio it leaves the top and bottom of the area empty.
    KEffectNode* node = NewNode(tree, Ky::Test::SaveImage(m_dir, "wide.png", QSize(32, 8), Red));
    node->SetDispEffect(0);
    node->SetClearEffect(0);
    node->SetHoldTime(10000);
    const quint32 area =
        RegisterAreaSession(CreateAreaSession(0, 0, 32, 32, 255, 1, 0, 0, 0, 0, 0, 0));
    IContentRender* render = Renderer(node);
    QVERIFY(render);
    render->Start(area);
    QCOMPARE(render->GetRenderState(), RENDER_BY_SESSION);
    const auto frame = [] {
        QCoreApplication::processEvents();
        StepRenderer(0);
        return CaptureRenderFrame();
    };
    QCOMPARE(frame().pixel(16, 2), Red);

    INodeClient* client = KPluginManager::instance()->GetClient(node);
    auto* keep = client->ClientWidget()->findChild<QCheckBox*>("KeepRatio");
    keep->click();
    QCOMPARE(node->GetAttribute("KeepRatio"), QStringLiteral("1"));
    QCOMPARE(frame().pixel(16, 2), Black);
    QCOMPARE(frame().pixel(16, 16), Red);
    keep->click();
    QCOMPARE(frame().pixel(16, 2), Red);

    // A new hold acts on the running picture without starting it again.
    StepRenderer(500);
    QCoreApplication::sendPostedEvents(&sink);
    QVERIFY(sink.events.isEmpty());
    node->SetHoldTime(3); // 300 ms, already over
    StepRenderer(20);
    QCoreApplication::sendPostedEvents(&sink);
    QCOMPARE(sink.events.value(0), qMakePair(area, 0));

    // Another picture chosen in the panel plays at once.
    const QString green = Ky::Test::SaveImage(m_dir, "green.png", QSize(32, 32), Green);
    Prompt::Script(green);
    client->ClientWidget()->findChild<QPushButton*>("Choose")->click();
    QCOMPARE(Photo(node), green);
    QCOMPARE(frame().pixel(16, 16), Green);

    // A missing file shows nothing.
    node->SetFilePath(QStringLiteral("Photo"), m_dir.filePath("none.png"), QString());
    render->Start(area);
    QCOMPARE(render->GetRenderState(), RENDER_FILE_MISSING);
    render->Stop();
    KPluginManager::instance()->GetClient(nullptr);
}

void TestImagePlugin::transparentPixelsByModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("V7 blends nothing") << "V7" << Black;
    QTest::newRow("Q741 blends") << "Q741" << Blue;
}

void TestImagePlugin::transparentPixelsByModel()
{
    QFETCH(QString, model);
    QFETCH(QRgb, expected);
    Ky::Test::RenderEventLog sink(/*areaEventsOnly=*/true);
    QVERIFY(CreateRenderer());
    QVERIFY(InitRenderer(&sink, 32, 32, 40));
    ContentTree tree(model, QSize(32, 32), QRect(0, 0, 32, 32));
    QImage half(32, 32, QImage::Format_ARGB32);
    half.fill(0);
    QPainter(&half).fillRect(0, 0, 16, 32, QColor::fromRgba(Red));
    const QString file = m_dir.filePath("half.png");
    QVERIFY(half.save(file));
    KEffectNode* node = NewNode(tree, file);
    node->SetDispEffect(0);
    node->SetHoldTime(1000);
    const quint32 area =
        RegisterAreaSession(CreateAreaSession(0, 0, 32, 32, 255, 1, Blue, 0, 0, 0, 0, 0));
    IContentRender* render = Renderer(node);
    render->Start(area);
    QCoreApplication::processEvents();
    StepRenderer(0);
    QCOMPARE(CaptureRenderFrame().pixel(4, 4), Red);
    QCOMPARE(CaptureRenderFrame().pixel(28, 4), expected);
    render->Stop();
}

void TestImagePlugin::panel()
{
    ContentTree tree(QStringLiteral("Q741"), QSize(256, 128), QRect(0, 0, 128, 64));
    KEffectNode* still = NewNode(tree, Ky::Test::SaveImage(m_dir, "p.png", QSize(40, 30), Red));
    KEffectNode* gif = NewNode(tree, Ky::Test::SaveGif(m_dir, "p.gif", QSize(20, 10), 5, 500));
    INodeClient* client = KPluginManager::instance()->GetClient(still);
    QWidget* panel = client->ClientWidget();
    panel->resize(420, 360);
    const auto field = [panel](const char* name) {
        return panel->findChild<QLineEdit*>(name)->text();
    };
    auto* dispEffect = panel->findChild<QComboBox*>("cmbDispEffect");
    auto* dispSpeed = panel->findChild<QComboBox*>("cnbDispInterval");
    auto* clearEffect = panel->findChild<QComboBox*>("cmbClearEffect");
    auto* clearSpeed = panel->findChild<QComboBox*>("cmbClearInterval");
    auto* hold = panel->findChild<QSpinBox*>("sbHoldInterval");
    auto* keep = panel->findChild<QCheckBox*>("KeepRatio");
    QVERIFY(dispEffect && dispSpeed && clearEffect && clearSpeed && hold && keep);
    QCOMPARE(dispEffect->count(), 21);
    QCOMPARE(clearEffect->count(), 22);
    QCOMPARE(dispEffect->maxVisibleItems(), 21);
    QCOMPARE(dispSpeed->itemText(0), QStringLiteral("1 / 5"));
    QCOMPARE(dispSpeed->itemText(8), QStringLiteral("5"));
    QCOMPARE(hold->maximum(), 999999999);

    // A still picture: size, random effects, the ratio box; no frame fields.
    panel->show();
    QCOMPARE(field("editWidth"), QStringLiteral("40"));
    QCOMPARE(field("editHeight"), QStringLiteral("30"));
    QCOMPARE(dispEffect->currentData().toInt(), 25);
    QCOMPARE(dispSpeed->currentIndex(), 4);
    QVERIFY(keep->isVisible());
    QVERIFY(!panel->findChild<QLineEdit*>("editFrames")->isVisible());
    const QString shot = QDir(QStringLiteral(KESTROVA_TEST_ARTIFACTS)).filePath("photo-panel.png");
    QDir().mkpath(QFileInfo(shot).absolutePath());
    QVERIFY(panel->grab().save(shot));

    // The speed follows its effect: none for "Immediate Show", none for "Don't Clear Screen".
    dispEffect->setCurrentIndex(dispEffect->findData(0));
    QCOMPARE(still->GetDispEffect(), 0);
    QVERIFY(!dispSpeed->isEnabled());
    clearEffect->setCurrentIndex(clearEffect->findData(20));
    QCOMPARE(still->GetClearEffect(), 20);
    QVERIFY(!clearSpeed->isEnabled());
    clearEffect->setCurrentIndex(clearEffect->findData(7));
    QVERIFY(clearSpeed->isEnabled());
    clearSpeed->setCurrentIndex(2);
    QCOMPARE(still->GetClearTime(), 2);
    hold->setValue(77);
    QCOMPARE(still->GetHoldTime(), 77);
    panel->findChild<QPushButton*>("btnRandom")->click();
    QCOMPARE(still->GetDispEffect(), 25);
    QCOMPARE(still->GetClearEffect(), 25);
    panel->findChild<QPushButton*>("btnNoEffect")->click();
    QCOMPARE(still->GetDispEffect(), 0);
    QCOMPARE(still->GetClearEffect(), 0);

    // A GIF: frames and loop shown, ratio hidden and off.
    gif->SetAttribute(QStringLiteral("KeepRatio"), 1);
    QCOMPARE(KPluginManager::instance()->GetClient(gif), client);
    QCOMPARE(field("editFrames"), QStringLiteral("5"));
    QCOMPARE(field("editDuration"), QStringLiteral("2.5S"));
    QVERIFY(!keep->isVisible());
    QCOMPARE(gif->GetAttribute(QStringLiteral("KeepRatio")), QStringLiteral("0"));

    // A missing picture: warned about, and the panel keeps what it showed.
    std::unique_ptr<KNode> lost(m_plugin->Create());
    lost->SetFilePath(QStringLiteral("Photo"), m_dir.filePath("lost.png"), QString());
    client->SetNode(lost.get());
    QCOMPARE(Prompt::Records().last().text, "File " + m_dir.filePath("lost.png") + " not found!");
    QCOMPARE(field("editFrames"), QStringLiteral("5"));
    hold->setValue(5);
    QCOMPARE(qobject_cast<KEffectNode*>(lost.get())->GetHoldTime(), 0); // takes no edits
    client->SetNode(nullptr);
    QVERIFY(!panel->isEnabled());
}

KESTROVA_TEST_MAIN(TestImagePlugin)
#include "tst_imageplugin.moc"
