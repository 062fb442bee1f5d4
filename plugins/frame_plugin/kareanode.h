#pragma once

#include "kframenode.h"

namespace Ky {

// An ordinary area of a program.
class KAreaNode : public KFrameNode
{
    Q_OBJECT
public:
    static QString TypeName() { return QStringLiteral("KY_Frame_Plugin"); }
    QString Type() override { return TypeName(); }
};

} // namespace Ky
