#include "kprogramrender.h"

#include "kscenenode.h"

#include <QImageReader>

namespace Ky {

namespace {
const QString kBgImageKey = QStringLiteral("BgImage");
constexpr int kMaxSide = 8192;
} // namespace

KProgramRender::KProgramRender(KSceneNode* node) : m_node(node)
{
    m_rebuild.setSingleShot(true);
    m_rebuild.setInterval(0);
    connect(&m_rebuild, &QTimer::timeout, this, [this] {
        Free();
        Build();
    });
    if (!node)
        return;
    const auto later = [this] {
        if (m_backdrop.area())
            m_rebuild.start();
    };
    connect(node, &KSceneNode::BgModeChanged, this, later);
    connect(node, &KSceneNode::BgImageChanged, this, later);
    connect(node, &KSceneNode::BgColorChanged, this, later);
    connect(node, &KSceneNode::AlphaChanged, this, later);
    connect(node, &KSceneNode::SizeChange, this, later);
    connect(node, &KFrame::FrameChanged, this, later);
    connect(node, &KFrame::FrameHeightChanged, this, later);
}

KProgramRender::~KProgramRender()
{
    Stop();
}

QString KProgramRender::PicturePath() const
{
    // The program panel keeps the picture in the file list; older projects in the attribute.
    const QString listed = m_node->GetFirstFile(kBgImageKey);
    return listed.isEmpty() ? m_node->BgImage() : listed;
}

void KProgramRender::Build()
{
    if (m_backdrop.area() || !m_node)
        return;
    const QSize size = m_node->Size();
    if (size.isEmpty())
        return;
    const int alpha =
        m_node->HaveAttribute(QStringLiteral("Alpha")) ? qBound(0, m_node->Alpha(), 255) : 255;
    const bool picture = m_node->BgMode() == KSceneNode::BG_IMAGE;
    const quint32 colour = picture ? 0 : m_node->BgColor().rgba();
    if (!m_backdrop.Create(QRect(QPoint(0, 0), size), alpha, Layer, colour))
        return;
    const int b = m_node->FrameHeight();
    if (picture)
        ShowPicture(PicturePath(), QRect(QPoint(b, b), m_node->ContentSize()));
    m_border.Show(m_node, QRect(QPoint(0, 0), size), alpha, Layer);
    m_border.SetPaused(m_paused);
}

void KProgramRender::ShowPicture(const QString& path, const QRect& place)
{
    QImageReader reader(path);
    const QImage image = path.isEmpty() ? QImage() : reader.read();
    if (image.isNull() || image.width() > kMaxSide || image.height() > kMaxSide)
        return;
    if (m_backdrop.AddPicture(image.size(), place))
        m_backdrop.Upload(image);
}

void KProgramRender::Free()
{
    m_border.Hide();
    m_backdrop.Free();
}

void KProgramRender::TogglePause()
{
    m_paused = !m_paused;
    m_border.SetPaused(m_paused);
}

void KProgramRender::Start()
{
    // Start also follows changes made while the program was shown.
    Free();
    Build();
}

void KProgramRender::Stop()
{
    m_rebuild.stop();
    Free();
}

} // namespace Ky
