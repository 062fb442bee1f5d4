#pragma once

#include "keffectpanel.h"

class QCheckBox;
class QPushButton;

namespace Ky::KImagePlugin {

class KPhotoNode;

// The editing panel of a picture: the common file and effect fields, a button to choose
// another picture and, for still pictures, whether the aspect ratio is kept.
class KPhotoClient : public KEffectPanel
{
    Q_OBJECT
public:
    explicit KPhotoClient(QWidget* parent = nullptr);

    void SetNode(KNode* node) override;

public Q_SLOTS:
    void ON_Choose();
    void ON_KeepRatio();

protected:
    void TranslateExtra() override;

private:
    KPhotoNode* photo() const;
    void UpdateGifBlock();

    QPushButton* m_choose = nullptr;
    QCheckBox* m_keepRatio = nullptr;
};

} // namespace Ky::KImagePlugin
