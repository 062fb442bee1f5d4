#pragma once

#include <QString>

namespace Ky {

// One entry of an effect table: its identifier and translated name.
struct DynamicImageItem
{
    int id = 0;
    QString name;
};

} // namespace Ky
