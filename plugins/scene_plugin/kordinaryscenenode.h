#pragma once

#include "kscenenode.h"

namespace Ky {

// An ordinary program: plays its areas for a fixed time or a number of passes.
class KOrdinarySceneNode : public KSceneNode
{
    Q_OBJECT
public:
    static QString TypeName() { return QStringLiteral("KY_OrdinaryScene_Plugin"); }
    QString Type() override { return TypeName(); }
};

} // namespace Ky
