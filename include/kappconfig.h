#pragma once

#include "kcore_global.h"

#include <QObject>
#include <QString>

namespace Ky {

// Directories, persistent settings and small shared services of the application.
// A process-wide singleton, created early at start-up and destroyed at exit.
class KCORE_EXPORT KAppConfig : public QObject
{
    Q_OBJECT
public:
    static KAppConfig* instance();
    static void Destroy();

    // Read-only payload next to the executable (plug-ins, translations, default files).
    // KESTROVA_BIN_DIR overrides it for programs that run outside <build>/bin, such as tests.
    static QString BinDir();
    // The data root: KESTROVA_APPDIR when set, else BinDir when writable, else the per-user
    // data location. Created when missing.
    static QString AppDir();
    static QString FactoryDir();
    static QString WorkDir();
    static QString SettingDir();

    static QString Version();
    static QString SvnNumber();

protected:
    KAppConfig();
    ~KAppConfig() override;

private:
    static KAppConfig* instance_;
};

} // namespace Ky
