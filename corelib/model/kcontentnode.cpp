#include "kcontentnode.h"

#include "kframenode.h"

namespace Ky {

KContentNode::KContentNode() = default;

KLevel KContentNode::Level()
{
    return LEVEL_CONTENT;
}

QSize KContentNode::Size()
{
    KFrameNode* area = GetFrameNode();
    return area ? area->ContentSize() : QSize(0, 0);
}

int KContentNode::FrameHeight()
{
    KFrameNode* area = GetFrameNode();
    return area ? area->FrameHeight() : 0;
}

QPoint KContentNode::Pos()
{
    KFrameNode* area = GetFrameNode();
    return area ? area->Pos() : QPoint(0, 0);
}

void KContentNode::ON_SizeChange(const QSize&) {}

int KContentNode::Alpha() const
{
    return GetAttributeToInt(QStringLiteral("Alpha"));
}

void KContentNode::SetAlpha(int alpha)
{
    SetAttribute(QStringLiteral("Alpha"), alpha);
    Q_EMIT AlphaChanged(alpha);
}

bool KContentNode::VFileReady() const
{
    return GetAttributeToInt(QStringLiteral("VFileReady")) != 0;
}

void KContentNode::SetVFileReady(bool ready)
{
    SetAttribute(QStringLiteral("VFileReady"), ready ? 1 : 0);
}

int KContentNode::FilesLargerThan4G() const
{
    return GetAttributeToInt(QStringLiteral("FilesLargerThan4G"));
}

void KContentNode::SetFilesLargerThan4G(int value)
{
    SetAttribute(QStringLiteral("FilesLargerThan4G"), value);
}

} // namespace Ky
