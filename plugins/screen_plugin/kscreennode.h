#pragma once

#include "kcontrollernode.h"

namespace Ky {

// A screen of this controller family.
class KScreenNode : public KControllerNode
{
    Q_OBJECT
public:
    static QString TypeName() { return QStringLiteral("KY_Screen_Plugin"); }
    QString Type() override { return TypeName(); }
};

} // namespace Ky
