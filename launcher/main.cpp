#include "kappconfig.h"
#include "klog.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Ky::KAppConfig::instance();
    OpenLog((Ky::KAppConfig::AppDir() + QStringLiteral("log.txt")).toUtf8().constData());
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kestrova"));
    window.show();
    const int rc = app.exec();
    Ky::KAppConfig::Destroy();
    CloseLog();
    return rc;
}
