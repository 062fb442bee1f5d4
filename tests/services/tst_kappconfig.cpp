#include "kappconfig.h"
#include "kcontentnode.h"
#include "kcontrollernode.h"
#include "kframenode.h"
#include "kprompt.h"
#include "kscenenode.h"
#include "ktestmain.h"
#include "ktranslation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

using namespace Ky;

namespace {

class AreaKind : public KFrameNode
{
public:
    QString Type() override { return QStringLiteral("KY_Frame_Plugin"); }
};

void WriteFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// A fresh data root and payload directory for one test; restores the environment after.
class Roots
{
public:
    Roots()
        : m_savedApp(qgetenv("KESTROVA_APPDIR"))
        , m_savedBin(qgetenv("KESTROVA_BIN_DIR"))
    {
        qputenv("KESTROVA_APPDIR", app().toLocal8Bit());
        qputenv("KESTROVA_BIN_DIR", bin().toLocal8Bit());
    }
    ~Roots()
    {
        KAppConfig::Destroy();
        KTranslation::Destroy();
        qputenv("KESTROVA_APPDIR", m_savedApp);
        qputenv("KESTROVA_BIN_DIR", m_savedBin);
    }
    QString app() const { return m_dir.path() + QStringLiteral("/app/"); }
    QString bin() const { return m_dir.path() + QStringLiteral("/bin/"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_savedApp;
    QByteArray m_savedBin;
};

const QByteArray kConfig = R"(<?xml version="1.0" encoding="UTF-8"?>
<Application>
    <Language Default="Deutsch">
        <LangItem Name="English" File="translations/en.qm" NSISLanguage="1033"/>
        <LangItem Name="Deutsch" File="translations/missing.qm" NSISLanguage="1031"/>
        <LangItem Name="Broken" File="translations/en.qm"/>
        <Other><LangItem Name="Nested" File="translations/en.qm" NSISLanguage="9"/></Other>
        <LangItem Name="Chinese" File="translations/zh.qm" NSISLanguage="2052"/>
    </Language>
    <Unknown><Option Name="Hidden">no</Option></Unknown>
    <Option Name="Beta">two &amp; more</Option>
    <Option Name="Alpha">one</Option>
    <Option>nameless</Option>
</Application>
)";

} // namespace

class TestKAppConfig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void appDirHonoursEnvironment();
    void directories();
    void constructionCreatesDirectoriesAndDefaults();
    void resetSetting();
    void configXmlLoadAndSave();
    void firstStartTakesTheInstallerLanguage();
    void prompts();
    void lastPaths();
    void md5Store();
    void uniqueFileNames();
    void nodeIdentifiers();
    void devTypeAndCascade();
    void multipleOf16_data();
    void multipleOf16();
    void colourPacking();
    void deviceSideFiles();
    void vlcInstanceIsShared();
};

void TestKAppConfig::appDirHonoursEnvironment()
{
    QTemporaryDir dir;
    const QString wanted = dir.filePath(QStringLiteral("nested/root"));
    const QByteArray saved = qgetenv("KESTROVA_APPDIR");
    qputenv("KESTROVA_APPDIR", wanted.toLocal8Bit());
    QCOMPARE(KAppConfig::AppDir(), QFileInfo(wanted).absoluteFilePath() + QLatin1Char('/'));
    QVERIFY(QFileInfo(wanted).isDir()); // created on demand
    // Without the variable a writable payload directory is the data root.
    qunsetenv("KESTROVA_APPDIR");
    const QByteArray savedBin = qgetenv("KESTROVA_BIN_DIR");
    qputenv("KESTROVA_BIN_DIR", dir.path().toLocal8Bit());
    QCOMPARE(KAppConfig::AppDir(), dir.path() + QLatin1Char('/'));
    qputenv("KESTROVA_BIN_DIR", savedBin);
    qputenv("KESTROVA_APPDIR", saved);
}

void TestKAppConfig::directories()
{
    const QString app = KAppConfig::AppDir();
    QVERIFY(app.endsWith(QLatin1Char('/')));
    QCOMPARE(KAppConfig::FactoryDir(), app + QStringLiteral("factory/"));
    QCOMPARE(KAppConfig::WorkDir(), app + QStringLiteral("work/"));
    QCOMPARE(KAppConfig::SettingDir(), app + QStringLiteral("setting/"));
    QCOMPARE(KAppConfig::instance()->PluginConfig(), app + QStringLiteral("PluginConfig.xml"));
    KAppConfig::MkdirWorkPath(QStringLiteral("screen1"));
    QVERIFY(QFileInfo(app + QStringLiteral("outputpath/screen1")).isDir());
    KAppConfig::Destroy();

    const QByteArray saved = qgetenv("KESTROVA_BIN_DIR");
    qunsetenv("KESTROVA_BIN_DIR");
    QCOMPARE(KAppConfig::BinDir(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    qputenv("KESTROVA_BIN_DIR", "/tmp/");
    QCOMPARE(KAppConfig::BinDir(), QStringLiteral("/tmp/"));
    qputenv("KESTROVA_BIN_DIR", saved);
}

void TestKAppConfig::constructionCreatesDirectoriesAndDefaults()
{
    Roots roots;
    QSettings old(roots.app() + QStringLiteral("config.ini"), QSettings::IniFormat);
    old.setValue(QStringLiteral("ServerPort"), 1234);
    old.sync();
    KAppConfig* config = KAppConfig::instance();
    QCOMPARE(KAppConfig::instance(), config);
    QVERIFY(QFileInfo(KAppConfig::FactoryDir()).isDir());
    QVERIFY(QFileInfo(KAppConfig::WorkDir()).isDir());
    QSettings* s = KAppConfig::s_setting;
    QVERIFY(s);
    QCOMPARE(s->value(QStringLiteral("DeletePrompt")).toBool(), true);
    QCOMPARE(s->value(QStringLiteral("ServerPort")).toInt(), 1234); // present keys stay
    QVERIFY(!s->value(QStringLiteral("ServerIP")).toString().isEmpty());
    QVERIFY(config->UsePasswd());
    QVERIFY(!config->AutoLogin());
    QCOMPARE(config->RefreshRate(), 40);
    QCOMPARE(KAppConfig::Version(), QStringLiteral("3.1.4.0"));
    KAppConfig::Destroy();
    QVERIFY(!KAppConfig::s_setting);
    KAppConfig::Destroy(); // twice is harmless
    QVERIFY(QFileInfo::exists(roots.app() + QStringLiteral("config.ini")));
    QVERIFY(QFileInfo::exists(roots.app() + QStringLiteral("config.xml")));
}

void TestKAppConfig::resetSetting()
{
    Roots roots;
    KAppConfig::instance();
    KAppConfig::s_setting->setValue(QStringLiteral("SavePrompt"), false);
    KAppConfig::s_setting->setValue(QStringLiteral("lang"), QStringLiteral("English"));
    KAppConfig::ResetSetting();
    QCOMPARE(KAppConfig::s_setting->value(QStringLiteral("SavePrompt")).toBool(), true);
    QVERIFY(!KAppConfig::s_setting->contains(QStringLiteral("lang")));
    QVERIFY(!KAppConfig::s_setting->contains(QStringLiteral("ServerIP")));
}

void TestKAppConfig::configXmlLoadAndSave()
{
    Roots roots;
    WriteFile(roots.bin() + QStringLiteral("translations/en.qm"), QByteArray());
    WriteFile(roots.bin() + QStringLiteral("translations/zh.qm"), QByteArray());
    WriteFile(roots.app() + QStringLiteral("config.xml"), kConfig);
    KAppConfig* config = KAppConfig::instance();
    const QList<KLang>* languages = KTranslation::instance()->languages();
    QStringList names;
    for (const KLang& lang : *languages)
        names.append(lang.name);
    // A missing file or attribute drops the item; other children are skipped whole.
    QCOMPARE(names, QStringList({QStringLiteral("English"), QStringLiteral("Chinese")}));
    // "Deutsch" is not listed, so the last listed language is taken.
    QCOMPARE(KTranslation::instance()->language(), QStringLiteral("Chinese"));
    QCOMPARE(config->Options().keys(), QStringList({QStringLiteral("Alpha"),
                                                     QStringLiteral("Beta")}));
    QCOMPARE(config->Options().value(QStringLiteral("Beta")), QStringLiteral("two & more"));

    KAppConfig::Destroy();
    QFile saved(roots.app() + QStringLiteral("config.xml"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(saved.readAll());
    QVERIFY(xml.contains(QStringLiteral("<Language Default=\"Chinese\">")));
    QVERIFY(xml.contains(QStringLiteral(
        "<LangItem Name=\"English\" File=\"translations/en.qm\" NSISLanguage=\"1033\"/>")));
    QVERIFY(xml.indexOf(QStringLiteral("Alpha")) < xml.indexOf(QStringLiteral("Beta")));
    QVERIFY(xml.contains(QStringLiteral("two &amp; more")));
    QVERIFY(!xml.contains(QStringLiteral("Hidden")));
}

void TestKAppConfig::firstStartTakesTheInstallerLanguage()
{
    Roots roots;
    WriteFile(roots.bin() + QStringLiteral("translations/en.qm"), QByteArray());
    WriteFile(roots.bin() + QStringLiteral("translations/zh.qm"), QByteArray());
    WriteFile(roots.app() + QStringLiteral("config.xml"), kConfig);
    WriteFile(KAppConfig::InstallerLanguageFile(), "[Install]\nLanguage=2052\n");
    {
        QSettings ini(roots.app() + QStringLiteral("config.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("FirstTime"), QStringLiteral("True"));
    }
    KAppConfig::instance();
    QCOMPARE(KAppConfig::s_setting->value(QStringLiteral("lang")).toString(),
             QStringLiteral("Chinese"));
    QCOMPARE(KAppConfig::s_setting->value(QStringLiteral("FirstTime")).toString(),
             QStringLiteral("False"));
    KAppConfig::Destroy();
    KTranslation::Destroy();

    // The next start does not consult the installer again.
    WriteFile(KAppConfig::InstallerLanguageFile(), "[Install]\nLanguage=1033\n");
    KAppConfig::instance();
    QCOMPARE(KAppConfig::s_setting->value(QStringLiteral("lang")).toString(),
             QStringLiteral("Chinese"));
}

void TestKAppConfig::prompts()
{
    Roots roots;
    KAppConfig* config = KAppConfig::instance();
    Prompt::Reset();
    Prompt::ScriptButton(QMessageBox::Cancel);
    QVERIFY(!config->QueryDelete(QStringLiteral("Delete it?"), nullptr));
    QVERIFY(config->QueryDelete(QStringLiteral("Delete it?"), nullptr)); // default is OK
    QCOMPARE(config->QuerySave(QStringLiteral("Save?"), nullptr), int(QMessageBox::Yes));
    QCOMPARE(Prompt::Records().size(), 3);
    QCOMPARE(Prompt::Records().at(0).title, QStringLiteral("Warning"));
    QCOMPARE(Prompt::Records().at(2).buttons,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

    KAppConfig::s_setting->setValue(QStringLiteral("DeletePrompt"), false);
    KAppConfig::s_setting->setValue(QStringLiteral("SavePrompt"), false);
    Prompt::ScriptButton(QMessageBox::Cancel);
    QVERIFY(config->QueryDelete(QStringLiteral("Delete it?"), nullptr));
    QCOMPARE(config->QuerySave(QStringLiteral("Save?"), nullptr), int(QMessageBox::Yes));
    QCOMPARE(Prompt::Records().size(), 3); // nothing asked
    Prompt::Reset();
}

void TestKAppConfig::lastPaths()
{
    Roots roots;
    KAppConfig* config = KAppConfig::instance();
    config->SetLastProjectDir(QStringLiteral("/projects/shop/front.boo"));
    QCOMPARE(config->GetLastProjectDir(), QStringLiteral("/projects/shop"));
    config->SetLastProjectFile({QStringLiteral("/a.boo"), QStringLiteral("/b.boo")});
    QCOMPARE(config->GetLastProjectFile().size(), 2);
    config->SetLastImageFilePath(QStringLiteral("/img/x.png"));
    QCOMPARE(config->GetLastImageFilePath(), QStringLiteral("/img/x.png"));

    QCOMPARE(config->GetFileLastChosePath(QStringLiteral("never")), QStringLiteral("D:/"));
    config->SetFileLastChosePath(QStringLiteral("short"), QStringLiteral("C:"));
    QCOMPARE(config->GetFileLastChosePath(QStringLiteral("short")), QStringLiteral("D:/"));
    config->SetFileLastChosePath(QStringLiteral("image"), QStringLiteral("/home/op/pics"));
    QCOMPARE(config->GetFileLastChosePath(QStringLiteral("image")),
             QStringLiteral("/home/op/pics"));
}

void TestKAppConfig::md5Store()
{
    Roots roots;
    KAppConfig* config = KAppConfig::instance();
    QVERIFY(config->GetVideoFileMd5(QStringLiteral("/v.mp4"), QStringLiteral("Q741")).isEmpty());
    config->WriteVideoFileMd5ToFile(QStringLiteral("/v.mp4"), QStringLiteral("Q741"),
                                    QStringLiteral("0123abcd"));
    QCOMPARE(config->GetVideoFileMd5(QStringLiteral("/v.mp4"), QStringLiteral("Q741")),
             QStringLiteral("0123abcd"));
    KAppConfig::Destroy();
    QSettings store(roots.app() + QStringLiteral("outputpath/Md5Config.ini"),
                    QSettings::IniFormat);
    QCOMPARE(store.value(QStringLiteral("FILEMD5//v.mp4Q741")).toString(),
             QStringLiteral("0123abcd"));
}

void TestKAppConfig::uniqueFileNames()
{
    QTemporaryDir dir;
    QCOMPARE(KAppConfig::GetUniqueName(dir.path(), QStringLiteral("a.b.png"), 1),
             dir.path() + QStringLiteral("/a.b.png"));
    WriteFile(dir.filePath(QStringLiteral("a.b.png")), "x");
    WriteFile(dir.filePath(QStringLiteral("a1.png")), "x");
    QCOMPARE(KAppConfig::GetUniqueName(dir.path(), QStringLiteral("a.b.png"), 1),
             dir.path() + QStringLiteral("/a2.png"));
    QCOMPARE(KAppConfig::GetUniqueName(dir.path() + QLatin1Char('/'), QStringLiteral("a.b.png"),
                                       5),
             dir.path() + QStringLiteral("/a5.png"));
}

void TestKAppConfig::nodeIdentifiers()
{
    Roots roots;
    KAppConfig* config = KAppConfig::instance();
    AreaKind area;
    QCOMPARE(config->GetNodeIdentifier(&area, QStringLiteral("Text")), QStringLiteral("Text1"));
    for (const char* name : {"Text1", "Text3"}) {
        auto* child = new KContentNode;
        child->set_name(QLatin1String(name));
        area.AddChild(child);
    }
    QCOMPARE(config->GetNodeIdentifier(&area, QStringLiteral("Text")), QStringLiteral("Text2"));
    KControllerNode screen;
    auto* named = new KNode;
    named->set_name(QStringLiteral("Text1"));
    screen.AddChild(named);
    QCOMPARE(config->GetNodeIdentifier(&screen, QStringLiteral("Text")), QStringLiteral("Text1"));
    QCOMPARE(config->GetNodeIdentifier(nullptr, QStringLiteral("Text")), QStringLiteral("Text1"));
    QVERIFY(!config->GetNameExistence({}, QStringLiteral("Text"), 1));
}

void TestKAppConfig::devTypeAndCascade()
{
    Roots roots;
    KAppConfig* config = KAppConfig::instance();
    KControllerNode screen;
    screen.SetDeviceModel(QStringLiteral("Q742"));
    auto* program = new KSceneNode;
    screen.AddChild(program);
    QCOMPARE(KAppConfig::GetDevType(program), QStringLiteral("Q742"));
    QVERIFY(KAppConfig::GetDevType(nullptr).isEmpty());
    KContentNode orphan;
    QVERIFY(KAppConfig::GetDevType(&orphan).isEmpty());
    QVERIFY(config->SuportCascade(QStringLiteral("Q743")));
    QVERIFY(!config->SuportCascade(QStringLiteral("q741")));
    QVERIFY(!config->SuportCascade(QStringLiteral("V7")));
    QVERIFY(config->SuportImage().startsWith(QStringLiteral("*.gif *.jpg")));
}

void TestKAppConfig::multipleOf16_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 16;
    QTest::newRow("16") << 16 << 16;
    QTest::newRow("17") << 17 << 32;
    QTest::newRow("-20") << -20 << -16;
}

void TestKAppConfig::multipleOf16()
{
    QFETCH(int, width);
    QFETCH(int, expected);
    QCOMPARE(KAppConfig::Get16MultipleWidth(width), expected);
}

void TestKAppConfig::colourPacking()
{
    QCOMPARE(KAppConfig::ColorToInt(KAppConfig::IntToColor(0x12345678)), 0x345678);
    QCOMPARE(KAppConfig::IntToColor(0x0000ff), QColor(255, 0, 0));
    QCOMPARE(KAppConfig::ColorToInt(QColor(1, 2, 3, 4)), 1 + 2 * 256 + 3 * 65536);
}

void TestKAppConfig::deviceSideFiles()
{
    QTemporaryDir root;
    const QByteArray saved = qgetenv("KESTROVA_CONTROLLER_ROOT");
    qputenv("KESTROVA_CONTROLLER_ROOT", root.path().toLocal8Bit());
    QCOMPARE(KAppConfig::GetScreenSize(), QSize(640, 480)); // no file
    const QString info = root.filePath(QStringLiteral("config/dev_info.xml"));
    WriteFile(info, "<device><ScreenWidth Value=\"128\"/><ScreenHeight Value=\"x\"/></device>");
    QCOMPARE(KAppConfig::GetScreenSize(), QSize(128, 0));
    WriteFile(info, "<device><ScreenWidth Value=\"128\"");
    QCOMPARE(KAppConfig::GetScreenSize(), QSize(640, 480)); // parse error
    WriteFile(info, "<other><ScreenWidth Value=\"128\"/></other>");
    QCOMPARE(KAppConfig::GetScreenSize(), QSize(640, 480));

    QVERIFY(!KAppConfig::UsbDirHasVideoFile());
    WriteFile(root.filePath(QStringLiteral("usb_dev/readme.txt")), "x");
    QVERIFY(!KAppConfig::UsbDirHasVideoFile());
    WriteFile(root.filePath(QStringLiteral("usb_dev/CLIP.MKV")), "x");
    QVERIFY(KAppConfig::UsbDirHasVideoFile());
    qputenv("KESTROVA_CONTROLLER_ROOT", saved);
}

void TestKAppConfig::vlcInstanceIsShared()
{
    Roots roots;
    KAppConfig* config = KAppConfig::instance();
    void* first = config->GetVLCInstance();
    QVERIFY(first);
    QCOMPARE(config->GetVLCInstance(), first);
}

KESTROVA_TEST_MAIN(TestKAppConfig)
#include "tst_kappconfig.moc"
