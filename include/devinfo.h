#pragma once

#include <QString>

namespace Ky {

// A device associated with a screen.
struct DevInfo
{
    QString name;
    QString id;
};

} // namespace Ky
