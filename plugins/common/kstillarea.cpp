#include "kstillarea.h"

#include "scenerender.h"

namespace Ky {

bool KStillArea::Create(const QRect& rect, int alpha, int layer, quint32 background)
{
    Free();
    m_handle = CreateAreaSession(rect.x(), rect.y(), rect.width(), rect.height(), alpha, layer,
                                 background, 0, 0, 0, 0, 0);
    m_area = m_handle ? RegisterAreaSession(m_handle) : 0;
    if (!m_area)
        Free();
    return m_area != 0;
}

bool KStillArea::AddPicture(const QSize& textureSize, const QRect& place)
{
    if (!m_area || m_session || textureSize.isEmpty() || place.isEmpty())
        return false;
    m_texture = CreateTexture(textureSize.width(), textureSize.height());
    if (!m_texture)
        return false;
    const quint32 effect[SceneEffectFieldCount] = {0, 0, 0, 0, 0, SceneHoldForever};
    const qint32 rects[8] = {place.x(), place.y(), place.width(),       place.height(),
                             0,         0,         textureSize.width(), textureSize.height()};
    m_session = CreatePictureSession(2, &m_texture, 4, effect, rects, 0);
    if (!m_session)
        return false;
    AddPictureSession(m_area, m_session, 0);
    return true;
}

void KStillArea::Upload(const QImage& image)
{
    if (!m_texture || image.isNull())
        return;
    const QImage pixels = image.format() == QImage::Format_ARGB32
                              ? image
                              : image.convertToFormat(QImage::Format_ARGB32);
    UpdateTextureData(m_texture, pixels.constBits(), pixels.width(), pixels.height());
}

void KStillArea::SetLayer(int layer)
{
    if (m_area)
        SetAreaSessionLayer(m_area, layer);
}

void KStillArea::Free()
{
    if (m_session) {
        RemovePictureSession(m_area, m_session);
        FreePictureSession(m_session);
    }
    if (m_texture)
        FreeTexture(m_texture);
    if (m_area)
        UnRegisterAreaSession(m_area);
    if (m_handle)
        FreeAreaSession(m_handle);
    m_session = m_texture = m_area = m_handle = 0;
}

} // namespace Ky
