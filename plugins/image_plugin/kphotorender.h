#pragma once

#include "keffectrender.h"

namespace Ky::KImagePlugin {

class KPhotoNode;

// Plays a picture content in its area; follows its effects, its ratio and a new picture.
class KPhotoRender : public KEffectRender
{
    Q_OBJECT
public:
    explicit KPhotoRender(KPhotoNode* node);

public Q_SLOTS:
    void ON_KeepRatioChanged(bool keep);
    void ON_ImageChanged();

protected:
    QString File() const override;
    quint32 FillType() const override;
    quint8 AlphaBlend() const override;

private:
    KPhotoNode* photo() const;
};

} // namespace Ky::KImagePlugin
