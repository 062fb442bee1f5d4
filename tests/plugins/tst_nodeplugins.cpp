#include "icontrollerplugin.h"
#include "iframerender.h"
#include "inodeclient.h"
#include "inodeplugin.h"
#include "kcontentnode.h"
#include "kcontrollernode.h"
#include "kframenode.h"
#include "kpluginmanager.h"
#include "kscenenode.h"
#include "ktestmain.h"

#include <QWidget>

#include <memory>

using namespace Ky;

namespace {
const QString kScreen = QStringLiteral("KY_Screen_Plugin");
const QString kProgram = QStringLiteral("KY_OrdinaryScene_Plugin");
const QString kArea = QStringLiteral("KY_Frame_Plugin");

QStringList Types(const QList<INodePlugin*>& plugins)
{
    QStringList types;
    for (INodePlugin* plugin : plugins)
        types << plugin->type();
    return types;
}

// A screen of the given model with one program holding one area, made by the plug-ins.
struct Tree
{
    std::unique_ptr<KControllerNode> screen;
    KSceneNode* program = nullptr;
    KFrameNode* area = nullptr;

    explicit Tree(const QString& model)
    {
        KPluginManager* manager = KPluginManager::instance();
        screen.reset(qobject_cast<KControllerNode*>(manager->Create(kScreen)));
        program = qobject_cast<KSceneNode*>(manager->Create(kProgram));
        area = qobject_cast<KFrameNode*>(manager->Create(kArea));
        QVERIFY(screen && program && area);
        screen->SetDeviceModel(model);
        screen->SetSize(QSize(256, 128), QSize(0, 0));
        screen->AddChild(program);
        program->AddChild(area);
    }
};
} // namespace

class TestNodePlugins : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanupTestCase() { KPluginManager::Destroy(); }
    void kindsAreLoadedInConfiguredOrder();
    void createMakesTheKindsNodes_data();
    void createMakesTheKindsNodes();
    void controllerModels();
    void answersFollowTheScreensModel_data();
    void answersFollowTheScreensModel();
    void areasLockOnControllersThatNeedTranscoding();
    void panels();
};

void TestNodePlugins::kindsAreLoadedInConfiguredOrder()
{
    KPluginManager* manager = KPluginManager::instance();
    // The default configuration beside the executable puts the screen first, then the
    // program, then the area kind.
    const QStringList all = Types(manager->AllPlugins());
    QVERIFY2(all.indexOf(kScreen) == 0 && all.indexOf(kProgram) == 1 && all.indexOf(kArea) == 2,
             qPrintable(all.join(QLatin1Char(' '))));

    QCOMPARE(manager->GetControllerPlugin().size(), 1);
    IControllerPlugin* controller = manager->GetControllerPlugin(kScreen);
    QVERIFY(controller);
    QCOMPARE(controller->level(), LEVEL_SCREEN);
    QVERIFY(!manager->GetControllerPlugin(kProgram)); // node plug-ins are not controllers

    QCOMPARE(Types(manager->GetScenePlugin()), QStringList{kProgram});
    QCOMPARE(Types(manager->GetFramePlugin()), QStringList{kArea});
    QVERIFY(!Types(manager->GetContentPlugin()).contains(kScreen));
    QVERIFY(manager->GetOverrideNewFilePlugin().isEmpty());
    QCOMPARE(manager->GetPlugin(kProgram)->Default, 1);
}

void TestNodePlugins::createMakesTheKindsNodes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("baseClass");
    QTest::newRow("screen") << kScreen << int(LEVEL_SCREEN) << "Ky::KControllerNode";
    QTest::newRow("program") << kProgram << int(LEVEL_PROGRAM) << "Ky::KSceneNode";
    QTest::newRow("area") << kArea << int(LEVEL_AREA) << "Ky::KFrameNode";
}

void TestNodePlugins::createMakesTheKindsNodes()
{
    QFETCH(QString, type);
    QFETCH(int, level);
    QFETCH(QString, baseClass);

    KPluginManager* manager = KPluginManager::instance();
    INodePlugin* plugin = manager->GetPlugin(type);
    QVERIFY(plugin);
    QCOMPARE(int(plugin->level()), level);
    QVERIFY(!plugin->name().isEmpty());
    QVERIFY(!manager->GetIcon(type).isNull());

    std::unique_ptr<KNode> node(manager->Create(type));
    QVERIFY(node);
    QCOMPARE(node->Type(), type);
    QCOMPARE(int(node->Level()), level);
    QVERIFY(node->inherits(qPrintable(baseClass)));
    switch (level) {
    case LEVEL_SCREEN:
        QVERIFY(qobject_cast<KControllerNode*>(node.get()));
        break;
    case LEVEL_PROGRAM:
        QVERIFY(qobject_cast<KSceneNode*>(node.get()));
        break;
    default:
        QVERIFY(qobject_cast<KFrameNode*>(node.get()));
        break;
    }
    // No kind here plays content; programs and areas draw themselves, the screen does not.
    QVERIFY(!manager->GetAreaRender(node.get()));
    const std::unique_ptr<IFrameRender> render(manager->GetFrameRender(node.get()));
    QCOMPARE(bool(render), level != LEVEL_SCREEN);
    QVERIFY(!plugin->AddFile(nullptr, QModelIndex(), 0));
}

void TestNodePlugins::controllerModels()
{
    IControllerPlugin* controller = KPluginManager::instance()->GetControllerPlugin(kScreen);
    QVERIFY(controller);
    QStringList models = controller->DeviceModels();
    for (const char* required : {"Q741", "Q742", "Q743", "V7", "N5"})
        QVERIFY2(models.contains(QLatin1String(required)), required);
    QCOMPARE(QStringList(models).removeDuplicates(), 0);

    QList<QImage> pictures;
    for (const QString& model : models) {
        QVERIFY(controller->SuportModel(model));
        const QSize min = controller->MinScreenSize(model);
        const QSize max = controller->MaxScreenSize(model);
        const qint64 pixels = controller->MaxPixelCount(model);
        // The new-screen dialog needs a usable range: min <= max, and the pixel budget
        // reachable at the minimum and not above the largest panel.
        QVERIFY2(min.width() > 0 && min.height() > 0, qPrintable(model));
        QVERIFY2(min.width() <= max.width() && min.height() <= max.height(), qPrintable(model));
        QVERIFY2(pixels >= qint64(min.width()) * min.height(), qPrintable(model));
        QVERIFY2(pixels <= qint64(max.width()) * max.height(), qPrintable(model));
        QVERIFY2(!controller->ModelDescription(model).isEmpty(), qPrintable(model));
        const QImage picture = controller->ModelPicture(model);
        QVERIFY2(!picture.isNull(), qPrintable(model));
        QVERIFY2(!pictures.contains(picture), qPrintable(model + QStringLiteral(" looks like another")));
        pictures << picture;
    }
    for (const QString& unknown : {QStringLiteral("Q744"), QStringLiteral("q743"), QString()}) {
        QVERIFY(!controller->SuportModel(unknown));
        QCOMPARE(controller->MaxPixelCount(unknown), 0);
        QVERIFY(controller->ModelPicture(unknown).isNull());
        QVERIFY(controller->ModelDescription(unknown).isEmpty());
    }
}

void TestNodePlugins::answersFollowTheScreensModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("alphaBlend");
    QTest::addColumn<bool>("audio");
    QTest::addColumn<bool>("transcoding");
    // The single-port models cannot blend or scale: media are prepared for them.
    QTest::newRow("Q741") << "Q741" << true << false << false;
    QTest::newRow("Q743") << "Q743" << true << true << false;
    QTest::newRow("V7") << "V7" << false << false << true;
    QTest::newRow("N5") << "N5" << false << false << true;
    QTest::newRow("model of no plug-in") << "X9" << false << false << false;
}

void TestNodePlugins::answersFollowTheScreensModel()
{
    QFETCH(QString, model);
    QFETCH(bool, alphaBlend);
    QFETCH(bool, audio);
    QFETCH(bool, transcoding);

    Tree tree(model);
    KPluginManager* manager = KPluginManager::instance();
    for (KNode* node : {static_cast<KNode*>(tree.screen.get()), static_cast<KNode*>(tree.program),
                        static_cast<KNode*>(tree.area)}) {
        QCOMPARE(manager->SuportAlphaBlend(node), alphaBlend);
        QCOMPARE(manager->SuportAudio(node), audio);
        QCOMPARE(manager->NeedTranscoding(node), transcoding);
    }
    // Detached from the screen, the same area gets the answers for no controller.
    tree.program->RemoveChild(tree.area);
    std::unique_ptr<KFrameNode> loose(tree.area);
    QCOMPARE(manager->SuportAlphaBlend(loose.get()), true);
    QCOMPARE(manager->SuportAudio(loose.get()), true);
    QCOMPARE(manager->NeedTranscoding(loose.get()), false);
}

void TestNodePlugins::areasLockOnControllersThatNeedTranscoding()
{
    Tree tree(QStringLiteral("V7"));
    tree.screen->ControllerChange();
    QVERIFY(tree.area->LockArea());
    tree.screen->SetDeviceModel(QStringLiteral("Q742"));
    tree.screen->ControllerChange();
    QVERIFY(!tree.area->LockArea());
}

void TestNodePlugins::panels()
{
    KPluginManager* manager = KPluginManager::instance();
    Tree tree(QStringLiteral("Q743"));
    // Screens are edited in the new-screen dialog, not in a panel.
    QVERIFY(!manager->GetClient(tree.screen.get()));

    INodeClient* programPanel = manager->GetClient(tree.program);
    INodeClient* areaPanel = manager->GetClient(tree.area);
    QVERIFY(programPanel && areaPanel);
    QVERIFY(programPanel->ClientWidget() != areaPanel->ClientWidget());
    // One shared panel per kind.
    KSceneNode* second = qobject_cast<KSceneNode*>(manager->Create(kProgram));
    tree.screen->AddChild(second);
    QCOMPARE(manager->GetClient(second), programPanel);
}

KESTROVA_TEST_MAIN(TestNodePlugins)
#include "tst_nodeplugins.moc"
