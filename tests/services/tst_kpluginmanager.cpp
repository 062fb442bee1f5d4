#include "icontrollerplugin.h"
#include "inodeclient.h"
#include "inodeplugin.h"
#include "kappconfig.h"
#include "knode.h"
#include "kpluginmanager.h"
#include "ktestmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QWidget>

#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace Ky;

namespace {

const QString kFixtures = QStringLiteral(KESTROVA_FIXTURE_DIR);

QString FixturePath(const QString& id)
{
    return kFixtures + QStringLiteral("/libfixture_") + id + KPluginManager::PluginSuffix();
}

QStringList Names(const QList<INodePlugin*>& plugins)
{
    QStringList names;
    for (INodePlugin* plugin : plugins)
        names << plugin->name();
    return names;
}

// Collects what the process writes to standard output while it lives.
class StdoutCapture
{
public:
    StdoutCapture()
    {
        std::fflush(stdout);
        m_saved = ::dup(STDOUT_FILENO);
        m_file.open();
        ::dup2(m_file.handle(), STDOUT_FILENO);
    }
    ~StdoutCapture() { Restore(); }
    QString Text()
    {
        Restore();
        m_file.seek(0);
        return QString::fromUtf8(m_file.readAll());
    }

private:
    void Restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stdout);
        ::dup2(m_saved, STDOUT_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }
    QTemporaryFile m_file;
    int m_saved = -1;
};

// A fresh executable directory for one case: "<dir>/plugins" holds the libraries the case
// puts there, KESTROVA_BIN_DIR points at it. Ends the manager and the fixtures' settings.
class BinDir
{
public:
    BinDir(bool withPluginsDir = true)
    {
        if (withPluginsDir)
            QDir(m_dir.path()).mkpath(QStringLiteral("plugins"));
        qputenv("KESTROVA_BIN_DIR", m_dir.path().toLocal8Bit());
    }
    ~BinDir()
    {
        KPluginManager::Destroy();
        for (const char* id : {"A", "B", "C"})
            qunsetenv(QByteArray(QByteArray("KESTROVA_FIXTURE_") + id).constData());
        QFile::remove(KAppConfig::AppDir() + QStringLiteral("PluginConfig.xml"));
        qunsetenv("KESTROVA_BIN_DIR");
        qApp->setProperty("fixtureQuit", QVariant());
        qApp->setProperty("fixtureDeleted", QVariant());
    }

    // Copies fixture `id` into the plug-ins directory as `name`.
    void Add(const QString& id, const QString& name) const
    {
        QVERIFY(QFile::copy(FixturePath(id), Plugins() + name));
    }
    // The usual set: a, b and c under their ordinary names, configured by `settings`
    // ("type level priority index override panel" each).
    void AddAll(const QString& a, const QString& b, const QString& c) const
    {
        const QString suffix = KPluginManager::PluginSuffix();
        qputenv("KESTROVA_FIXTURE_A", a.toLocal8Bit());
        qputenv("KESTROVA_FIXTURE_B", b.toLocal8Bit());
        qputenv("KESTROVA_FIXTURE_C", c.toLocal8Bit());
        Add(QStringLiteral("a"), QStringLiteral("libfixture_a") + suffix);
        Add(QStringLiteral("b"), QStringLiteral("libfixture_b") + suffix);
        Add(QStringLiteral("c"), QStringLiteral("libfixture_c") + suffix);
    }
    void Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Plugins() + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString Path() const { return m_dir.path() + QLatin1Char('/'); }
    QString Plugins() const { return Path() + QStringLiteral("plugins/"); }

private:
    QTemporaryDir m_dir;
};

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestKPluginManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadsOnlyLibrariesWithTheExactSuffix();
    void missingPluginsDirectoryLoadsNothing();
    void sameTypeResolution_data();
    void sameTypeResolution();
    void configuration_data();
    void configuration();
    void levelLists();
    void lookups();
    void destroyQuitsEveryPluginInOrder();
};

void TestKPluginManager::loadsOnlyLibrariesWithTheExactSuffix()
{
    BinDir bin;
    const QString suffix = KPluginManager::PluginSuffix();
    bin.Add(QStringLiteral("a"), QStringLiteral("libfixture_a") + suffix);
    bin.Add(QStringLiteral("b"), QStringLiteral("libfixture_b") + suffix.toUpper());
    bin.Add(QStringLiteral("c"), QStringLiteral("libfixture_c") + suffix + QStringLiteral(".1"));
    bin.Add(QStringLiteral("other"), QStringLiteral("libother") + suffix);
    bin.Write(QStringLiteral("libbroken") + suffix, "not a library\n");
    QVERIFY(QDir(bin.Plugins()).mkdir(QStringLiteral("libdir") + suffix));

    StdoutCapture capture;
    KPluginManager* manager = KPluginManager::instance();
    const QString out = capture.Text();

    QCOMPARE(Names(manager->AllPlugins()), QStringList{QStringLiteral("a")});
    QVERIFY(manager->GetControllerPlugin().isEmpty());
    // The broken library is reported with its path, and loading went on.
    QVERIFY2(out.contains(QStringLiteral("]Lode [") + bin.Plugins() + QStringLiteral("libbroken")
                          + suffix + QStringLiteral("], Error[")),
             qPrintable(out));
    QVERIFY(out.startsWith(QStringLiteral("[kpluginmanager.cpp::Ky::KPluginManager::")));
}

void TestKPluginManager::missingPluginsDirectoryLoadsNothing()
{
    BinDir bin(false);
    StdoutCapture capture;
    KPluginManager* manager = KPluginManager::instance();
    const QString out = capture.Text();
    QVERIFY(manager->AllPlugins().isEmpty());
    QVERIFY(manager->GetContentPlugin().isEmpty());
    QVERIFY2(out.contains(QStringLiteral("]can't enter plugins dir!NO plugin Load!\n")),
             qPrintable(out));
    QVERIFY(!manager->HavePlugin(QStringLiteral("Fixture_a")));
}

void TestKPluginManager::sameTypeResolution_data()
{
    // Each column: "priority index" of a fixture that declares the shared type.
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("winner");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("lowest priority wins") << "5 0" << "2 0" << "3 0" << "b"
                                          << QStringList{"b", "c", "a"};
    QTest::newRow("equal priority: lowest index") << "1 3" << "1 1" << "1 2" << "b"
                                                  << QStringList{"b", "c", "a"};
    QTest::newRow("priority before index") << "0 9" << "1 0" << "1 -4" << "a"
                                           << QStringList{"a", "c", "b"};
    QTest::newRow("negative priority") << "0 0" << "0 0" << "-1 7" << "c"
                                       << QStringList{"c", "a", "b"};
}

void TestKPluginManager::sameTypeResolution()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, winner);
    QFETCH(QStringList, order);

    BinDir bin;
    const QString type = QStringLiteral("KY_Same_Plugin 4 ");
    bin.AddAll(type + a, type + b, type + c);
    KPluginManager* manager = KPluginManager::instance();

    QCOMPARE(Names(manager->AllPlugins()), order);
    INodePlugin* found = manager->GetPlugin(QStringLiteral("KY_Same_Plugin"));
    QVERIFY(found);
    QCOMPARE(found->name(), winner);
    QCOMPARE(Names(manager->GetContentPlugin()), order);
}

void TestKPluginManager::configuration_data()
{
    QTest::addColumn<QByteArray>("appConfig"); // in the data root; empty: no file
    QTest::addColumn<QByteArray>("binConfig"); // beside the executable
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QList<int>>("valuesOfA"); // Priority, Index, Default

    // Without a file the fixtures keep their own values: a 3, b 2, c 1.
    QTest::newRow("no file") << QByteArray() << QByteArray() << QStringList{"c", "b", "a"}
                             << QList<int>{3, 0, 0};
    QTest::newRow("nested elements")
        << QByteArray("<?xml version=\"1.0\"?>\n<Whatever><Group><Deeper>"
                      "<Fixture_a Priority=\"-2\" Index=\"4\" Default=\"1\"/>"
                      "</Deeper></Group><Fixture_b Priority=\"-2\" Index=\"1\"/></Whatever>")
        << QByteArray() << QStringList{"b", "a", "c"} << QList<int>{-2, 4, 1};
    QTest::newRow("malformed and missing values read as 0")
        << QByteArray("<Plugins><Fixture_a Priority=\"x1\" Index=\"0x10\"/>"
                      "<Unknown Priority=\"-9\"/></Plugins>")
        << QByteArray() << QStringList{"a", "c", "b"} << QList<int>{0, 0, 0};
    QTest::newRow("beside the executable")
        << QByteArray() << QByteArray("<P><Fixture_c Priority=\"7\"/></P>")
        << QStringList{"b", "a", "c"} << QList<int>{3, 0, 0};
    QTest::newRow("data root wins over the executable's copy")
        << QByteArray("<P><Fixture_a Priority=\"1\" Index=\"-1\"/></P>")
        << QByteArray("<P><Fixture_c Priority=\"7\"/></P>") << QStringList{"a", "c", "b"}
        << QList<int>{1, -1, 0};
    QTest::newRow("not XML after a good element")
        << QByteArray("<P><Fixture_a Priority=\"9\"/><<<") << QByteArray()
        << QStringList{"c", "b", "a"} << QList<int>{9, 0, 0};
}

void TestKPluginManager::configuration()
{
    QFETCH(QByteArray, appConfig);
    QFETCH(QByteArray, binConfig);
    QFETCH(QStringList, order);
    QFETCH(QList<int>, valuesOfA);

    BinDir bin;
    bin.AddAll(QStringLiteral("Fixture_a 4 3"), QStringLiteral("Fixture_b 4 2"),
               QStringLiteral("Fixture_c 4 1"));
    if (!appConfig.isEmpty())
        WriteFile(KAppConfig::AppDir() + QStringLiteral("PluginConfig.xml"), appConfig);
    if (!binConfig.isEmpty())
        WriteFile(bin.Path() + QStringLiteral("PluginConfig.xml"), binConfig);

    KPluginManager* manager = KPluginManager::instance();
    QCOMPARE(Names(manager->AllPlugins()), order);
    INodePlugin* a = manager->GetPlugin(QStringLiteral("Fixture_a"));
    QVERIFY(a);
    QCOMPARE((QList<int>{a->Priority, a->Index, a->Default}), valuesOfA);
}

void TestKPluginManager::levelLists()
{
    BinDir bin;
    // a: program; b: area with its own creation flow; c: content with its own flow,
    // sorted before b.
    bin.AddAll(QStringLiteral("Fixture_a 2 9"), QStringLiteral("Fixture_b 3 5 0 1"),
               QStringLiteral("Fixture_c 4 1 0 1"));
    KPluginManager* manager = KPluginManager::instance();

    QCOMPARE(Names(manager->AllPlugins()), (QStringList{"c", "b", "a"}));
    QCOMPARE(Names(manager->GetScenePlugin()), QStringList{"a"});
    QCOMPARE(Names(manager->GetFramePlugin()), QStringList{"b"});
    QCOMPARE(Names(manager->GetContentPlugin()), QStringList{"c"});
    QCOMPARE(Names(manager->GetOverrideNewFilePlugin()), (QStringList{"c", "b"}));
    QVERIFY(manager->GetControllerPlugin().isEmpty());
    QVERIFY(!manager->GetControllerPlugin(QStringLiteral("Fixture_a")));
}

void TestKPluginManager::lookups()
{
    BinDir bin;
    // Only b has an editing panel.
    bin.AddAll(QStringLiteral("Fixture_a 4"), QStringLiteral("Fixture_b 4 0 0 0 1"),
               QStringLiteral("Fixture_c 4"));
    KPluginManager* manager = KPluginManager::instance();

    QVERIFY(!manager->GetPlugin(QString()));
    QVERIFY(!manager->GetPlugin(QStringLiteral("fixture_a"))); // type names are exact
    QVERIFY(manager->HavePlugin(QStringLiteral("Fixture_a")));
    QVERIFY(!manager->Create(QStringLiteral("Missing")));
    QVERIFY(manager->GetIcon(QStringLiteral("Missing")).isNull());

    std::unique_ptr<KNode> a(manager->Create(QStringLiteral("Fixture_a")));
    std::unique_ptr<KNode> b(manager->Create(QStringLiteral("Fixture_b")));
    QVERIFY(a && b);
    QCOMPARE(a->Type(), QStringLiteral("Fixture_a"));

    QVERIFY(!manager->GetClient(nullptr));
    QVERIFY(!manager->GetClient(a.get())); // the kind has no panel
    KNode plain; // no kind at all: the node has no type
    QVERIFY(!manager->GetClient(&plain));
    INodeClient* client = manager->GetClient(b.get());
    QVERIFY(client);
    QCOMPARE(client->ClientWidget()->property("node").value<quintptr>(), quintptr(b.get()));

    QVERIFY(!manager->GetAreaRender(b.get()));
    QVERIFY(!manager->GetFrameRender(b.get()));
    QVERIFY(!manager->GetAreaRender(nullptr));

    QVERIFY(manager->SuportController(QStringLiteral("Fixture_a"), QStringLiteral("Q743")));
    QVERIFY(!manager->SuportController(QStringLiteral("Fixture_a"), QStringLiteral("Unsupported")));
    QVERIFY(!manager->SuportController(QStringLiteral("Missing"), QStringLiteral("Q743")));

    // A node outside any screen gets the answers of an unrestricted controller.
    QCOMPARE(manager->SuportAlphaBlend(a.get()), true);
    QCOMPARE(manager->SuportAudio(a.get()), true);
    QCOMPARE(manager->NeedTranscoding(a.get()), false);
    QCOMPARE(manager->NeedTranscoding(nullptr), false);
    QCOMPARE(manager->SuportAudio(nullptr), true);
}

void TestKPluginManager::destroyQuitsEveryPluginInOrder()
{
    BinDir bin;
    bin.AddAll(QStringLiteral("Fixture_a 4 2"), QStringLiteral("Fixture_b 3 0"),
               QStringLiteral("Fixture_c 2 1"));
    KPluginManager::instance()->AppQuit();
    QCOMPARE(qApp->property("fixtureQuit").toStringList(), (QStringList{"b", "c", "a"}));

    qApp->setProperty("fixtureQuit", QVariant());
    qApp->setProperty("fixtureDeleted", QVariant());
    KPluginManager::Destroy();
    QCOMPARE(qApp->property("fixtureQuit").toStringList(), (QStringList{"b", "c", "a"}));
    QCOMPARE(qApp->property("fixtureDeleted").toStringList(), (QStringList{"b", "c", "a"}));
    KPluginManager::Destroy(); // a second call has nothing to do

    // A new manager loads the plug-ins again, with fresh plug-in objects.
    qputenv("KESTROVA_FIXTURE_A", "Fixture_a 4 -5");
    KPluginManager* manager = KPluginManager::instance();
    QCOMPARE(Names(manager->AllPlugins()), (QStringList{"a", "b", "c"}));
}

KESTROVA_TEST_MAIN(TestKPluginManager)
#include "tst_kpluginmanager.moc"
