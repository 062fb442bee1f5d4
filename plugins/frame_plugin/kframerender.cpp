#include "kframerender.h"

#include "icontentrender.h"
#include "kcontentnode.h"
#include "kframenode.h"
#include "kpluginmanager.h"
#include "scenerender.h"

namespace Ky {

KFrameRender::KFrameRender(KFrameNode* node) : m_node(node)
{
    for (QTimer* timer : {&m_skip, &m_rebuild, &m_resume}) {
        timer->setSingleShot(true);
        timer->setInterval(0);
    }
    connect(&m_skip, &QTimer::timeout, this, &KFrameRender::Advance);
    connect(&m_rebuild, &QTimer::timeout, this, &KFrameRender::Rebuild);
    connect(&m_resume, &QTimer::timeout, this,
            [this] { PlayContent(qMax(0, qMin(m_current, ContentCount() - 1))); });
    if (!node)
        return;
    const auto later = [this] {
        if (m_area)
            m_rebuild.start();
    };
    connect(node, &KFrameNode::SizeChanged, this, later);
    connect(node, &KFrameNode::PosChanged, this, later);
    connect(node, &KFrameNode::AlphaChanged, this, later);
    connect(node, &KFrame::FrameChanged, this, later);
    connect(node, &KFrame::FrameHeightChanged, this, later);
}

KFrameRender::~KFrameRender()
{
    Stop();
}

int KFrameRender::ContentCount() const
{
    return m_node ? int(m_node->children().size()) : 0;
}

void KFrameRender::BuildArea()
{
    if (m_area || !m_node)
        return;
    const QRect rect = m_node->Rect();
    // Areas made before opacity existed carry no "Alpha": they are opaque.
    const int alpha =
        m_node->HaveAttribute(QStringLiteral("Alpha")) ? qBound(0, m_node->Alpha(), 255) : 255;
    m_handle = CreateAreaSession(rect.x(), rect.y(), rect.width(), rect.height(), alpha, m_layer, 0,
                                 0, 0, 0, 0, 0);
    m_area = m_handle ? RegisterAreaSession(m_handle) : 0;
    // Made after the content area, so it lies above it on the same layer.
    m_border.Show(m_node, rect, alpha, m_layer);
    m_border.SetPaused(m_paused);
}

void KFrameRender::FreeArea()
{
    m_border.Hide();
    if (m_area)
        UnRegisterAreaSession(m_area);
    if (m_handle)
        FreeAreaSession(m_handle);
    m_area = m_handle = 0;
}

void KFrameRender::Rebuild()
{
    const int row = m_current;
    StopContent();
    FreeArea();
    BuildArea();
    if (row >= 0)
        PlayContent(row);
}

void KFrameRender::SetLayer(int layer)
{
    m_layer = layer;
    if (m_area)
        SetAreaSessionLayer(m_area, layer);
    m_border.SetLayer(layer);
}

void KFrameRender::StopContent()
{
    m_skip.stop();
    if (m_content)
        m_content->Stop();
    m_content.reset();
}

void KFrameRender::PlayContent(int row)
{
    StopContent();
    m_current = -1;
    if (!m_node || !m_area || row < 0 || row >= ContentCount())
        return;
    m_current = row;
    KNode* child = m_node->children().at(row);
    m_content.reset(KPluginManager::instance()->GetAreaRender(child));
    if (m_content)
        m_content->Start(m_area);
    if (!m_content || m_content->GetRenderState() == RENDER_FILE_MISSING) {
        SkipUnplayable();
        return;
    }
    m_skipped = 0;
    if (m_paused)
        m_content->Pause();
}

void KFrameRender::SkipUnplayable()
{
    // When no content of the area can play, the area has played through and rests.
    if (++m_skipped >= ContentCount()) {
        m_finished = true;
        StopContent();
        return;
    }
    if (!m_pinned)
        m_skip.start();
}

void KFrameRender::Advance()
{
    if (!m_node || !m_area || m_pinned)
        return;
    int next = m_current + 1;
    if (next >= ContentCount()) {
        m_finished = true;
        next = 0;
    }
    PlayContent(next);
}

void KFrameRender::ShowContent(int index)
{
    if (index < 0 || index >= ContentCount())
        return;
    BuildArea();
    m_pinned = true;
    m_skipped = 0;
    PlayContent(index);
}

bool KFrameRender::IsPlayFinish()
{
    return m_finished || ContentCount() == 0;
}

void KFrameRender::PictureFinish(int)
{
    // The area plays one picture at a time, so any report is the current content's. A shown
    // (pinned) content repeats by itself.
    if (m_current < 0 || m_pinned)
        return;
    Advance();
}

void KFrameRender::ContentChanged()
{
    // The content is about to leave the tree, and its renderer must not outlive it: stop now,
    // go on once it has gone.
    StopContent();
    m_resume.start();
}

void KFrameRender::TogglePause()
{
    m_paused = !m_paused;
    if (m_content)
        m_content->Pause();
    m_border.SetPaused(m_paused);
}

void KFrameRender::Start()
{
    BuildArea();
    Replay();
}

void KFrameRender::Replay()
{
    m_finished = false;
    m_pinned = false;
    m_skipped = 0;
    PlayContent(0);
}

void KFrameRender::Stop()
{
    m_resume.stop();
    m_rebuild.stop();
    StopContent();
    m_current = -1;
    FreeArea();
}

void KFrameRender::AllFinish()
{
    // The service reports when every area has finished its pictures. Each area here holds one
    // picture at a time, so that says nothing about how far its contents have got; the area
    // keeps its own count through PictureFinish.
}

} // namespace Ky
