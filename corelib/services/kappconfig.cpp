#include "kappconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Ky {

KAppConfig* KAppConfig::instance_ = nullptr;

namespace {

QString WithSlash(const QString& dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

QString EnsureDir(const QString& dir)
{
    QDir().mkpath(dir);
    return WithSlash(QDir::cleanPath(QDir(dir).absolutePath()));
}

bool IsWritableDir(const QString& dir)
{
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

} // namespace

KAppConfig::KAppConfig()
{
    QDir().mkpath(FactoryDir());
    QDir().mkpath(WorkDir());
}

KAppConfig::~KAppConfig() = default;

KAppConfig* KAppConfig::instance()
{
    if (!instance_)
        instance_ = new KAppConfig;
    return instance_;
}

void KAppConfig::Destroy()
{
    delete instance_;
    instance_ = nullptr;
}

QString KAppConfig::BinDir()
{
    const QString overridden = qEnvironmentVariable("KESTROVA_BIN_DIR");
    if (!overridden.isEmpty())
        return WithSlash(QDir::cleanPath(QDir(overridden).absolutePath()));
    if (QCoreApplication::instance())
        return WithSlash(QCoreApplication::applicationDirPath());
    // No application object yet: fall back to the running executable.
    return WithSlash(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(
        QLatin1Char('/'), 0, -2));
}

QString KAppConfig::AppDir()
{
    const QString fromEnv = qEnvironmentVariable("KESTROVA_APPDIR");
    if (!fromEnv.isEmpty())
        return EnsureDir(fromEnv);
    const QString bin = BinDir();
    if (IsWritableDir(bin))
        return bin;
    return EnsureDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString KAppConfig::FactoryDir()
{
    return AppDir() + QStringLiteral("factory/");
}

QString KAppConfig::WorkDir()
{
    return AppDir() + QStringLiteral("work/");
}

QString KAppConfig::SettingDir()
{
    return AppDir() + QStringLiteral("setting/");
}

QString KAppConfig::Version()
{
    return QStringLiteral("3.1.4.0");
}

QString KAppConfig::SvnNumber()
{
    return QStringLiteral("2381");
}

} // namespace Ky
