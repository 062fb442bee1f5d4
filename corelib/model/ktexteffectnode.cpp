#include "ktexteffectnode.h"

#include "klist.h"

namespace Ky {

namespace {
const QString kReDraw = QStringLiteral("ReDrawImage");
} // namespace

KTextEffectNode::KTextEffectNode() = default;

void KTextEffectNode::ON_SizeChange(const QSize& size)
{
    SetAttribute(kReDraw, 1);
    Q_EMIT NodeSizeChange(size);
}

void KTextEffectNode::SetHtmlText(const QString& html)
{
    SetAttribute(QStringLiteral("Html"), html);
    Q_EMIT HtmlChanged();
}

void KTextEffectNode::SetPageCount(int count)
{
    SetAttribute(QStringLiteral("PageCount"), count);
    Q_EMIT PageCountChanged(count);
}

void KTextEffectNode::SetSingleMode(bool single)
{
    SetAttribute(QStringLiteral("SingleMode"), single ? 1 : 0);
}

void KTextEffectNode::SetHaveSave(bool saved)
{
    SetAttribute(QStringLiteral("HaveSave"), saved ? 1 : 0);
}

void KTextEffectNode::SetBlockMargin(int margin)
{
    SetAttribute(QStringLiteral("BlockMargin"), margin);
}

void KTextEffectNode::SetHeadCloseToTail(int value)
{
    SetAttribute(QStringLiteral("HeadCloseToTail"), value);
    Q_EMIT ReDrawImage();
    Q_EMIT ReStartPlay();
}

void KTextEffectNode::SetSpeed(int speed)
{
    SetAttribute(QStringLiteral("Speed"), speed);
    Q_EMIT ReStartPlay();
}

void KTextEffectNode::SetPlayType(const QString& type)
{
    SetAttribute(QStringLiteral("PlayType"), type);
    Q_EMIT ReStartPlay();
}

void KTextEffectNode::SetByTime(int time)
{
    SetAttribute(QStringLiteral("ByTime"), time);
    Q_EMIT ReStartPlay();
}

void KTextEffectNode::SetByCount(int count)
{
    SetAttribute(QStringLiteral("ByCount"), count);
    Q_EMIT ReStartPlay();
}

void KTextEffectNode::SetUseHollow(int value)
{
    SetAttribute(QStringLiteral("UseHollow"), value);
    Q_EMIT HollowAndStrokeChanged();
}

void KTextEffectNode::SetUseStroke(int value)
{
    SetAttribute(QStringLiteral("UseStroke"), value);
    Q_EMIT HollowAndStrokeChanged();
}

void KTextEffectNode::SetStrokeColor(int color)
{
    SetAttribute(QStringLiteral("StrokeColor"), color);
    Q_EMIT HollowAndStrokeChanged();
}

void KTextEffectNode::SetLookAttribute(const QString& key, int value)
{
    SetAttribute(key, value);
    SetAttribute(kReDraw, 1);
    Q_EMIT PageChanged();
}

void KTextEffectNode::SetContentAlign(int align)
{
    SetLookAttribute(QStringLiteral("ContentAlign"), align);
}

void KTextEffectNode::SetEditBgColor(int color)
{
    SetLookAttribute(QStringLiteral("EditBgColor"), color);
}

void KTextEffectNode::SetTransBgColor(bool transparent)
{
    SetLookAttribute(QStringLiteral("TransBgColor"), transparent ? 1 : 0);
}

void KTextEffectNode::SetReDrawImage(bool redraw)
{
    SetAttribute(kReDraw, redraw ? 1 : 0);
}

void KTextEffectNode::SetReDrawImage()
{
    Q_EMIT ReDrawImage();
}

void KTextEffectNode::SetReStartPlay()
{
    Q_EMIT ReStartPlay();
}

void KTextEffectNode::PageChange()
{
    Q_EMIT PageChanged();
}

QString KTextEffectNode::GetHtmlText() const
{
    return GetAttribute(QStringLiteral("Html"));
}

int KTextEffectNode::GetPageCount() const
{
    return GetAttributeToInt(QStringLiteral("PageCount"));
}

bool KTextEffectNode::GetSingleMode() const
{
    return GetAttributeToInt(QStringLiteral("SingleMode")) != 0;
}

bool KTextEffectNode::GetHaveSave() const
{
    return GetAttributeToInt(QStringLiteral("HaveSave")) != 0;
}

int KTextEffectNode::GetContentAlign() const
{
    return GetAttributeToInt(QStringLiteral("ContentAlign"));
}

int KTextEffectNode::GetBlockMargin() const
{
    return GetAttributeToInt(QStringLiteral("BlockMargin"));
}

int KTextEffectNode::GetHeadCloseToTail() const
{
    return GetAttributeToInt(QStringLiteral("HeadCloseToTail"));
}

int KTextEffectNode::GetEditBgColor() const
{
    return GetAttributeToInt(QStringLiteral("EditBgColor"));
}

bool KTextEffectNode::GetTransBgColor() const
{
    return GetAttributeToInt(QStringLiteral("TransBgColor")) != 0;
}

int KTextEffectNode::GetSpeed() const
{
    return GetAttributeToInt(QStringLiteral("Speed"));
}

QString KTextEffectNode::GetPlayType() const
{
    return GetAttribute(QStringLiteral("PlayType"));
}

int KTextEffectNode::GetByTime() const
{
    return GetAttributeToInt(QStringLiteral("ByTime"));
}

int KTextEffectNode::GetByCount() const
{
    return GetAttributeToInt(QStringLiteral("ByCount"));
}

int KTextEffectNode::GetUseHollow() const
{
    return GetAttributeToInt(QStringLiteral("UseHollow"));
}

int KTextEffectNode::GetUseStroke() const
{
    return GetAttributeToInt(QStringLiteral("UseStroke"));
}

int KTextEffectNode::GetStrokeColor() const
{
    return GetAttributeToInt(QStringLiteral("StrokeColor"));
}

bool KTextEffectNode::GetReDrawImage() const
{
    return GetAttributeToInt(kReDraw) != 0;
}

void KTextEffectNode::SetHtmlImagePath(const QString& key, const QString& path)
{
    KList::Item* row = GetList(QStringLiteral("__HtmlImagePathList__"))->AddItem();
    row->insert(QStringLiteral("FileKey"), key);
    row->insert(QStringLiteral("FileName"), path);
    set_changed(true);
}

} // namespace Ky
