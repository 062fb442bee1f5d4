#include "kframenode.h"

#include "kcontentnode.h"
#include "kcontrollernode.h"
#include "kpluginmanager.h"
#include "kscenenode.h"

namespace Ky {

namespace {
const QString kX = QStringLiteral("X");
const QString kY = QStringLiteral("Y");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");
const QString kLock = QStringLiteral("LockArea");

constexpr int kMinSide = 8;

// Scale factor of one screen axis; a zero or negative old side keeps the axis as it is.
float ScaleFactor(int newSide, int oldSide)
{
    return oldSide > 0 ? float(newSide) / float(oldSide) : 1.0f;
}
} // namespace

KFrameNode::KFrameNode()
{
    connect(this, &KFrame::FrameHeightChanged, this, &KFrameNode::ON_FrameHeightChange);
}

KLevel KFrameNode::Level()
{
    return LEVEL_AREA;
}

int KFrameNode::Duration()
{
    int total = 0;
    for (KNode* child : std::as_const(children()))
        total += child->Duration();
    return total;
}

void KFrameNode::ControllerChange()
{
    Q_EMIT ControllerChanged();
    // Media of an area must be converted first on some controllers; such areas stay locked.
    const bool needTranscoding = KPluginManager::instance()->NeedTranscoding(this);
    SetAttribute(kLock, needTranscoding ? 1 : 0);
    Q_EMIT AreaLocked(needTranscoding);
    KNode::ControllerChange();
}

int KFrameNode::X() const
{
    return GetAttributeToInt(kX);
}

int KFrameNode::Y() const
{
    return GetAttributeToInt(kY);
}

int KFrameNode::Width() const
{
    return GetAttributeToInt(kWidth);
}

int KFrameNode::Height() const
{
    return GetAttributeToInt(kHeight);
}

QSize KFrameNode::Size() const
{
    return QSize(Width(), Height());
}

QPoint KFrameNode::Pos() const
{
    return QPoint(X(), Y());
}

QRect KFrameNode::Rect() const
{
    return QRect(X(), Y(), Width(), Height());
}

bool KFrameNode::LockArea() const
{
    return GetAttributeToInt(kLock) != 0;
}

int KFrameNode::Alpha() const
{
    return GetAttributeToInt(QStringLiteral("Alpha"));
}

QSize KFrameNode::ContentSize() const
{
    const int border = 2 * FrameHeight();
    return QSize(Width() - border, Height() - border);
}

QSize KFrameNode::MinSize() const
{
    return QSize(kMinSide, kMinSide);
}

QSize KFrameNode::MaxSize()
{
    KSceneNode* program = GetSceneNode();
    return program ? program->ContentSize() : QSize(kMinSide, kMinSide);
}

int KFrameNode::SceneFrameHeight()
{
    KSceneNode* program = GetSceneNode();
    return program ? program->FrameHeight() : 0;
}

void KFrameNode::SetAlpha(int alpha)
{
    SetAttribute(QStringLiteral("Alpha"), alpha);
    Q_EMIT AlphaChanged(alpha);
}

void KFrameNode::SetLockArea(bool lock)
{
    SetAttribute(kLock, lock ? 1 : 0);
    Q_EMIT AreaLocked(lock);
}

int KFrameNode::CorrectX(int x)
{
    if (KControllerNode* screen = GetScreenNode()) {
        const int b = SceneFrameHeight();
        if (x < b)
            x = b;
        if (x + Width() > screen->Width() - b)
            x = screen->Width() - Width() - b;
    }
    return x < 0 ? 0 : x;
}

int KFrameNode::CorrectY(int y)
{
    if (KControllerNode* screen = GetScreenNode()) {
        const int b = SceneFrameHeight();
        if (y < b)
            y = b;
        if (y + Height() > screen->Height() - b)
            y = screen->Height() - Height() - b;
    }
    return y < 0 ? 0 : y;
}

int KFrameNode::CorrectWidth(int width)
{
    if (KControllerNode* screen = GetScreenNode()) {
        const int b = SceneFrameHeight();
        if (X() + width > screen->Width() - b)
            width = screen->Width() - X() - b;
    }
    return width;
}

int KFrameNode::CorrectHeight(int height)
{
    if (KControllerNode* screen = GetScreenNode()) {
        const int b = SceneFrameHeight();
        if (Y() + height > screen->Height() - b)
            height = screen->Height() - Y() - b;
    }
    return height;
}

void KFrameNode::SetX(int x)
{
    const int corrected = CorrectX(x);
    if (corrected == X())
        return;
    SetAttribute(kX, corrected);
    Q_EMIT PosChanged(corrected, Y());
}

void KFrameNode::SetY(int y)
{
    const int corrected = CorrectY(y);
    if (corrected == Y())
        return;
    SetAttribute(kY, corrected);
    Q_EMIT PosChanged(X(), corrected);
}

void KFrameNode::SetPos(const QPoint& pos)
{
    const int x = CorrectX(pos.x());
    const int y = CorrectY(pos.y());
    SetAttribute(kX, x);
    SetAttribute(kY, y);
    Q_EMIT PosChanged(x, y);
}

void KFrameNode::SetWidth(int width)
{
    if (LockArea()) {
        Q_EMIT SizeChanged(Width(), Height()); // lets editors fall back to the stored size
        return;
    }
    const int corrected = CorrectWidth(width);
    if (corrected == Width())
        return;
    SetAttribute(kWidth, corrected);
    Q_EMIT SizeChanged(corrected, Height());
    NoticeSizeChang();
}

void KFrameNode::SetHeight(int height)
{
    if (LockArea()) {
        Q_EMIT SizeChanged(Width(), Height());
        return;
    }
    const int corrected = CorrectHeight(height);
    if (corrected == Height())
        return;
    SetAttribute(kHeight, corrected);
    Q_EMIT SizeChanged(Width(), corrected);
    NoticeSizeChang();
}

void KFrameNode::SetSize(const QSize& size)
{
    if (LockArea()) {
        Q_EMIT SizeChanged(Width(), Height());
        return;
    }
    const int width = CorrectWidth(size.width());
    const int height = CorrectHeight(size.height());
    if (width == Width() && height == Height())
        return;
    SetAttribute(kWidth, width);
    SetAttribute(kHeight, height);
    Q_EMIT SizeChanged(width, height);
    NoticeSizeChang();
}

void KFrameNode::SetRect(const QRect& rect)
{
    const QRect old = Rect();
    if (rect.x() != old.x())
        SetAttribute(kX, rect.x());
    if (rect.y() != old.y())
        SetAttribute(kY, rect.y());
    if (rect.width() != old.width())
        SetAttribute(kWidth, rect.width());
    if (rect.height() != old.height())
        SetAttribute(kHeight, rect.height());
    if (rect.topLeft() != old.topLeft())
        Q_EMIT PosChanged(rect.x(), rect.y());
    if (rect.size() != old.size()) {
        Q_EMIT SizeChanged(rect.width(), rect.height());
        NoticeSizeChang();
    }
}

void KFrameNode::NoticeSizeChang()
{
    QSize content = ContentSize();
    if (content.width() < kMinSide || content.height() < kMinSide) {
        SetEnable(false);
        content = ContentSize();
    }
    for (KNode* child : std::as_const(children())) {
        if (auto* item = qobject_cast<KContentNode*>(child))
            item->ON_SizeChange(content);
    }
}

void KFrameNode::ON_FrameHeightChange(int, int)
{
    NoticeSizeChang();
}

void KFrameNode::ON_SizeChange(const QSize& newSize, const QSize& oldSize)
{
    if (newSize.width() == 0 || newSize.height() == 0)
        return;
    KControllerNode* screen = GetScreenNode();
    const int screenWidth = screen ? screen->Width() : newSize.width();
    const int screenHeight = screen ? screen->Height() : newSize.height();
    const int b = SceneFrameHeight();
    const float sx = ScaleFactor(newSize.width(), oldSize.width());
    const float sy = ScaleFactor(newSize.height(), oldSize.height());

    int x = qMax(int(float(X()) * sx), b);
    int y = qMax(int(float(Y()) * sy), b);
    int w = int(float(Width()) * sx);
    if (w > screenWidth - b - x)
        w = screenWidth - b - x;
    if (w < kMinSide) {
        w = kMinSide;
        x = screenWidth - kMinSide - b;
    }
    int h = int(float(Height()) * sy);
    if (h > screenHeight - b - y)
        h = screenHeight - b - y;
    if (h < kMinSide) {
        h = kMinSide;
        y = screenHeight - kMinSide - b;
    }
    const int border = 2 * FrameHeight();
    if (w - border < kMinSide || h - border < kMinSide)
        SetEnable(false);
    SetRect(QRect(x, y, w, h));
}

void KFrameNode::ON_SceneFrameChanged(int n, int o)
{
    KControllerNode* screen = GetScreenNode();
    if (!screen)
        return;
    const int sw = screen->Width();
    const int sh = screen->Height();
    int x1 = X();
    int y1 = Y();
    int x2 = x1 + Width() - 1;
    int y2 = y1 + Height() - 1;

    if (Width() != sw - 2 * n || Height() != sh - 2 * n) {
        if (2 * n - x1 + x2 + 1 > sw)
            x2 = sw + x1 - 2 * n - 1;
        if (2 * n - y1 + y2 + 1 > sh)
            y2 = sh + y1 - 2 * n - 1;
        if (x1 == o) {
            x2 = x2 + n - o;
            x1 = n;
        }
        if (y1 == o) {
            y2 = y2 + n - o;
            y1 = n;
        }
        if (2 * n + x2 + 1 >= sw) {
            const int moved = sw + x1 - x2 - n - 1;
            x2 += moved - x1;
            x1 = moved;
        }
        if (2 * n + y2 + 1 >= sh) {
            const int moved = sh + y1 - y2 - n - 1;
            y2 += moved - y1;
            y1 = moved;
        }
    } else {
        KSceneNode* program = GetSceneNode();
        const QSize content = program ? program->ContentSize() : QSize(kMinSide, kMinSide);
        x1 = y1 = n;
        x2 = content.width() + n - 1;
        y2 = content.height() + n - 1;
    }
    const int width = x2 - x1 + 1;
    const int height = y2 - y1 + 1;
    if (width < 9 || height < 9)
        SetEnable(false);
    SetRect(QRect(x1, y1, width, height));
}

} // namespace Ky
