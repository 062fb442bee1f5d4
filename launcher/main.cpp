#include "kappconfig.h"
#include "klog.h"
#include "kplaceholderwindow.h"
#include "singleapplication.h"

#include <QApplication>

namespace {

// Tests and side-by-side runs give their own key, so they never meet a running program.
QString InstanceKey()
{
    const QString overridden = qEnvironmentVariable("KESTROVA_INSTANCE_KEY");
    return overridden.isEmpty() ? QStringLiteral("Kestrova") : overridden;
}

} // namespace

int main(int argc, char* argv[])
{
    auto* app = new QApplication(argc, argv);
    // 8-bit text is UTF-8 throughout, so there is no codec to install.

    Ky::KAppConfig::instance();
    OpenLog((Ky::KAppConfig::AppDir() + QStringLiteral("log.txt")).toUtf8().constData());

    // addLibraryPath() prepends; these go after the toolkit's own entries, in this order.
    const QString binDir = QCoreApplication::applicationDirPath();
    QStringList libraryPaths = QCoreApplication::libraryPaths();
    libraryPaths << binDir << binDir + QStringLiteral("/plugins/")
                 << binDir + QStringLiteral("/work/");
    QCoreApplication::setLibraryPaths(libraryPaths);

    auto* guard = new Ky::SingleApplication(InstanceKey(), app);
    if (guard->isRunning() && guard->sendMessage(QString(), 500)) {
        delete guard;
        Ky::KAppConfig::Destroy();
        CloseLog();
        delete app;
        return 0;
    }

    Ky::KPlaceholderWindow* window = Ky::KPlaceholderWindow::instance();
    QObject::connect(guard, &Ky::SingleApplication::messageReceived, window,
                     &Ky::KPlaceholderWindow::handleMessage);
    const int rc = app->exec();

    Ky::KPlaceholderWindow::Destroy();
    delete guard;
    Ky::KAppConfig::Destroy();
    CloseLog();
    delete app;
    return rc;
}
