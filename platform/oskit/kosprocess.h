#pragma once

#include "oskit_global.h"

#include <QList>
#include <QString>

namespace Ky {

// Processes of the current user.
class KOSKIT_EXPORT KOsProcess
{
public:
    // Ids of the current user's processes whose executable name is exactly `name`.
    static QList<qint64> FindByName(const QString& name);
    // Ends those processes at once and waits up to `timeoutMs` for them to go.
    // Returns how many were ended.
    static int KillByName(const QString& name, int timeoutMs = 2000);
};

} // namespace Ky
