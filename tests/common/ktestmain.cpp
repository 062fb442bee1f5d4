#include "ktestmain.h"

#include <QDir>
#include <QWidget>

namespace Ky::Test {

void SaveScreenshot(const QImage& image, const QString& name)
{
    const QString dir = qEnvironmentVariable("KESTROVA_SCREENSHOT_DIR");
    if (dir.isEmpty() || image.isNull())
        return;
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    if (!image.save(path, "PNG"))
        qWarning("cannot save the screenshot %s", qPrintable(path));
}

void SaveScreenshot(QWidget* widget, const QString& name)
{
    if (!widget || qEnvironmentVariableIsEmpty("KESTROVA_SCREENSHOT_DIR"))
        return;
    widget->adjustSize();
    SaveScreenshot(widget->grab().toImage(), name);
}

Environment::Environment()
{
    const QString base = m_dir.path();
    const auto make = [&base](const char* name) {
        const QString path = base + QLatin1Char('/') + QLatin1String(name);
        QDir().mkpath(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path.toLocal8Bit();
    };
    qputenv("KESTROVA_APPDIR", make("app"));
    qputenv("XDG_CONFIG_HOME", make("config"));
    qputenv("XDG_DATA_HOME", make("data"));
    qputenv("XDG_RUNTIME_DIR", make("runtime"));
    qputenv("KESTROVA_NET", "loopback");
    qputenv("KESTROVA_NONINTERACTIVE", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace Ky::Test
