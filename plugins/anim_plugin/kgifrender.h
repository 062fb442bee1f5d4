#pragma once

#include "keffectrender.h"

namespace Ky::KAnimPlugin {

class KGifNode;

// Plays a GIF content stretched to its area and follows its effects.
class KGifRender : public KEffectRender
{
    Q_OBJECT
public:
    explicit KGifRender(KGifNode* node);

protected:
    QString File() const override;
};

} // namespace Ky::KAnimPlugin
