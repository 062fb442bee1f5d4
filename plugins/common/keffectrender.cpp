#include "keffectrender.h"

#include "keffectnode.h"
#include "scenerender.h"

namespace Ky {

namespace {
// Hold times count tenths of a second; very long ones hold until the picture is removed.
quint32 HoldMs(int tenths)
{
    return quint32(qBound<qint64>(0, qint64(tenths) * 100, SceneHoldForever));
}
} // namespace

KEffectRender::KEffectRender(KEffectNode* node) : m_node(node)
{
    if (!node)
        return;
    m_play = std::make_unique<KGifPlay>();
    connect(node, &KEffectNode::DispEffectChanged, this, &KEffectRender::ON_DispEffectChanged);
    connect(node, &KEffectNode::DispTimeChanged, this, &KEffectRender::ON_DispTimeChanged);
    connect(node, &KEffectNode::ClearEffectChanged, this, &KEffectRender::ON_ClearEffectChanged);
    connect(node, &KEffectNode::ClearTimeChanged, this, &KEffectRender::ON_ClearTimeChanged);
    connect(node, &KEffectNode::HoldTimeChanged, this, &KEffectRender::ON_HoldTimeChanged);
}

KEffectRender::~KEffectRender() = default;

void KEffectRender::Start(quint32 area)
{
    m_area = area;
    if (!m_play || !m_node)
        return;
    const QSize size = m_node->Size();
    SessionParameter p;
    p.file = File();
    p.area = area;
    // The place is inside the area, whose border the render service does not know of: the
    // content starts where the border ends.
    const int border = m_node->FrameHeight();
    p.x = border;
    p.y = border;
    p.width = size.width();
    p.height = size.height();
    p.spare = border;
    const int display = m_node->GetDispEffect();
    const int clear = m_node->GetClearEffect();
    p.effect[0] = quint32(display);
    p.effect[1] =
        quint32(GeteffectDuration(size.width(), size.height(), display, m_node->GetDispTime()));
    p.effect[2] = quint32(clear);
    p.effect[3] =
        quint32(GeteffectDuration(size.width(), size.height(), clear, m_node->GetClearTime()));
    p.effect[4] = 0;
    p.effect[5] = HoldMs(m_node->GetHoldTime());
    p.fillType = FillType();
    p.spareFlag = 1;
    p.alphaBlend = AlphaBlend();
    m_play->Init(&p);
    m_play->Start();
}

void KEffectRender::Pause()
{
    if (m_play)
        m_play->Pause();
}

void KEffectRender::Stop()
{
    if (m_play)
        m_play->Stop();
}

RenderState KEffectRender::GetRenderState()
{
    return m_play ? m_play->GetRenderState() : RENDER_FILE_MISSING;
}

quint32 KEffectRender::Session() const
{
    return m_play ? m_play->GetSession() : 0;
}

void KEffectRender::ON_DispEffectChanged(int effect)
{
    if (!m_node)
        return;
    const QSize s = m_node->Size();
    UpdatePictureSessionEffect(
        m_area, Session(), 0, effect,
        GeteffectDuration(s.width(), s.height(), m_node->GetDispEffect(), m_node->GetDispTime()));
}

void KEffectRender::ON_DispTimeChanged(int time)
{
    if (!m_node)
        return;
    const QSize s = m_node->Size();
    const int effect = m_node->GetDispEffect();
    UpdatePictureSessionEffect(m_area, Session(), 0, effect,
                               GeteffectDuration(s.width(), s.height(), effect, time));
}

void KEffectRender::ON_ClearEffectChanged(int effect)
{
    if (!m_node)
        return;
    const QSize s = m_node->Size();
    UpdatePictureSessionEffect(
        m_area, Session(), 1, effect,
        GeteffectDuration(s.width(), s.height(), m_node->GetClearEffect(), m_node->GetClearTime()));
}

void KEffectRender::ON_ClearTimeChanged(int time)
{
    if (!m_node)
        return;
    const QSize s = m_node->Size();
    const int effect = m_node->GetClearEffect();
    UpdatePictureSessionEffect(m_area, Session(), 1, effect,
                               GeteffectDuration(s.width(), s.height(), effect, time));
}

void KEffectRender::ON_HoldTimeChanged(int time)
{
    if (m_play)
        m_play->UpdateHold(int(HoldMs(time)));
}

} // namespace Ky
