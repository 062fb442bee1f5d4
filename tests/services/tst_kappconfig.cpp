#include "kappconfig.h"
#include "ktestmain.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using Ky::KAppConfig;

class TestKAppConfig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void appDirHonoursEnvironment();
    void directoriesEndWithSlash();
    void constructionCreatesFactoryAndWork();
    void binDirOverride();
};

void TestKAppConfig::appDirHonoursEnvironment()
{
    QTemporaryDir dir;
    const QString wanted = dir.filePath(QStringLiteral("nested/root"));
    const QByteArray saved = qgetenv("KESTROVA_APPDIR");
    qputenv("KESTROVA_APPDIR", wanted.toLocal8Bit());
    QCOMPARE(KAppConfig::AppDir(), QFileInfo(wanted).absoluteFilePath() + QLatin1Char('/'));
    QVERIFY(QFileInfo(wanted).isDir()); // created on demand
    qputenv("KESTROVA_APPDIR", saved);
}

void TestKAppConfig::directoriesEndWithSlash()
{
    const QString app = KAppConfig::AppDir();
    QVERIFY(app.endsWith(QLatin1Char('/')));
    QCOMPARE(KAppConfig::FactoryDir(), app + QStringLiteral("factory/"));
    QCOMPARE(KAppConfig::WorkDir(), app + QStringLiteral("work/"));
    QCOMPARE(KAppConfig::SettingDir(), app + QStringLiteral("setting/"));
    QVERIFY(KAppConfig::BinDir().endsWith(QLatin1Char('/')));
}

void TestKAppConfig::constructionCreatesFactoryAndWork()
{
    QVERIFY(KAppConfig::instance());
    QCOMPARE(KAppConfig::instance(), KAppConfig::instance());
    QVERIFY(QFileInfo(KAppConfig::FactoryDir()).isDir());
    QVERIFY(QFileInfo(KAppConfig::WorkDir()).isDir());
    KAppConfig::Destroy();
    KAppConfig::Destroy(); // a second Destroy is harmless
}

void TestKAppConfig::binDirOverride()
{
    const QByteArray saved = qgetenv("KESTROVA_BIN_DIR");
    qunsetenv("KESTROVA_BIN_DIR");
    QCOMPARE(KAppConfig::BinDir(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    qputenv("KESTROVA_BIN_DIR", "/tmp/");
    QCOMPARE(KAppConfig::BinDir(), QStringLiteral("/tmp/"));
    qputenv("KESTROVA_BIN_DIR", saved);
}

KESTROVA_TEST_MAIN(TestKAppConfig)
#include "tst_kappconfig.moc"
