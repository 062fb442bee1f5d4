#include "kphotorender.h"

#include "kcontrollernode.h"
#include "kphotonode.h"
#include "scenerender.h"

namespace Ky::KImagePlugin {

namespace {
constexpr quint32 kStretch = 0;
constexpr quint32 kKeepRatio = 3;
} // namespace

KPhotoRender::KPhotoRender(KPhotoNode* node) : KEffectRender(node)
{
    if (!node)
        return;
    connect(node, &KPhotoNode::KeepRatioChanged, this, &KPhotoRender::ON_KeepRatioChanged);
    connect(node, &KPhotoNode::ImageChanged, this, &KPhotoRender::ON_ImageChanged);
}

KPhotoNode* KPhotoRender::photo() const
{
    return static_cast<KPhotoNode*>(m_node.data());
}

QString KPhotoRender::File() const
{
    // The preview always shows the picture itself, never the duplicate.
    return photo() ? photo()->GetPhoto() : QString();
}

quint32 KPhotoRender::FillType() const
{
    return photo() && photo()->IsKeepRatio() ? kKeepRatio : kStretch;
}

quint8 KPhotoRender::AlphaBlend() const
{
    KControllerNode* screen = photo() ? photo()->GetScreenNode() : nullptr;
    const QString model = screen ? screen->GetDeviceModel() : QString();
    return model == QLatin1String("V7") || model == QLatin1String("N5") ? 0 : 1;
}

void KPhotoRender::ON_KeepRatioChanged(bool keep)
{
    UpdatePictureSessionFillType(m_area, Session(), keep ? kKeepRatio : kStretch);
}

void KPhotoRender::ON_ImageChanged()
{
    // Only a picture that plays starts again with the new file.
    if (Session() || GetRenderState() == RENDER_FILE_MISSING)
        Start(m_area);
}

} // namespace Ky::KImagePlugin
