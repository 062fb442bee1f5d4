#pragma once

#include "keffectpanel.h"

namespace Ky::KAnimPlugin {

// The editing panel of a GIF content: the common file and effect fields with the frame count
// and loop length always shown. It stays usable for a missing file.
class KGifClient : public KEffectPanel
{
    Q_OBJECT
public:
    explicit KGifClient(QWidget* parent = nullptr);

    void SetNode(KNode* node) override;
};

} // namespace Ky::KAnimPlugin
