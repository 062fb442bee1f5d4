#include "kborderlayer.h"

#include "kframe.h"

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
    if (!m_layer.Create(rect, alpha, layer, 0)
        || !m_layer.AddPicture(rect.size(), QRect(QPoint(0, 0), rect.size()))) {
        Hide();
        return;
    }
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
    m_layer.Free();
}

void KBorderLayer::SetLayer(int layer)
{
    m_layer.SetLayer(layer);
}

void KBorderLayer::SetPaused(bool paused)
{
    m_paused = paused;
    if (paused)
        m_timer.stop();
    else if (m_layer.area() && m_painter.Animated())
        m_timer.start(m_painter.Interval());
}

void KBorderLayer::Step()
{
    if (!m_layer.area())
        return;
    ++m_step;
    Upload();
    if (m_painter.Animated() && !m_paused)
        m_timer.start(m_painter.Interval());
}

void KBorderLayer::Upload()
{
    m_layer.Upload(m_painter.Draw(m_rect.size(), m_step));
}

} // namespace Ky
