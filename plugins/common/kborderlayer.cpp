#include "kborderlayer.h"

#include "kframe.h"
#include "scenerender.h"

namespace Ky {

KBorderLayer::KBorderLayer()
{
    connect(&m_timer, &KFrameTimer::timeout, this, &KBorderLayer::Step);
}

KBorderLayer::~KBorderLayer()
{
    Hide();
}

void KBorderLayer::Show(const KFrame* frame, const QRect& rect, int alpha, int layer)
{
    Hide();
    if (!m_painter.Load(frame) || rect.width() < 2 * m_painter.Thickness() ||
        rect.height() < 2 * m_painter.Thickness())
        return;
    m_rect = rect;
    m_handle = CreateAreaSession(rect.x(), rect.y(), rect.width(), rect.height(), alpha, layer, 0,
                                 0, 0, 0, 0, 0);
    m_area = m_handle ? RegisterAreaSession(m_handle) : 0;
    m_texture = m_area ? CreateTexture(rect.width(), rect.height()) : 0;
    const quint32 effect[6] = {0, 0, 0, 0, 0, SceneHoldForever};
    const qint32 rects[8] = {0, 0, rect.width(), rect.height(), 0, 0, rect.width(), rect.height()};
    m_session = m_texture ? CreatePictureSession(2, &m_texture, 4, effect, rects, 0) : 0;
    if (!m_session) {
        Hide();
        return;
    }
    AddPictureSession(m_area, m_session, 0);
    m_step = 0;
    Upload();
    if (m_painter.Animated()) {
        if (!m_paused)
            m_timer.start(m_painter.Interval());
    }
}

void KBorderLayer::Hide()
{
    m_timer.stop();
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

void KBorderLayer::SetLayer(int layer)
{
    if (m_area)
        SetAreaSessionLayer(m_area, layer);
}

void KBorderLayer::SetPaused(bool paused)
{
    m_paused = paused;
    if (paused)
        m_timer.stop();
    else if (m_area && m_painter.Animated())
        m_timer.start(m_painter.Interval());
}

void KBorderLayer::Step()
{
    if (!m_area)
        return;
    ++m_step;
    Upload();
    m_timer.start(m_painter.Interval());
}

void KBorderLayer::Upload()
{
    const QImage image = m_painter.Draw(m_rect.size(), m_step);
    if (!image.isNull())
        UpdateTextureData(m_texture, image.constBits(), image.width(), image.height());
}

} // namespace Ky
