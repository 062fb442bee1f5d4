#pragma once

#include "kframe.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace Ky {

class KSceneNode;

// An area: a rectangle of a program that plays its contents one after another. Setters keep
// the rectangle inside the program's border.
class KCORE_EXPORT KFrameNode : public KFrame
{
    Q_OBJECT
public:
    KFrameNode();

    KLevel Level() override;
    int Duration() override;
    void ControllerChange() override;

    int X() const;
    int Y() const;
    int Width() const;
    int Height() const;
    QSize Size() const;
    QPoint Pos() const;
    QRect Rect() const;
    bool LockArea() const;
    int Alpha() const;

    QSize ContentSize() const;
    QSize MinSize() const;
    QSize MaxSize();
    int SceneFrameHeight();

    void SetAlpha(int alpha);
    void SetLockArea(bool lock);

    void SetX(int x);
    void SetY(int y);
    void SetPos(const QPoint& pos);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetSize(const QSize& size);
    void SetRect(const QRect& rect);

    int CorrectX(int x);
    int CorrectY(int y);
    int CorrectWidth(int width);
    int CorrectHeight(int height);

    virtual void ON_SizeChange(const QSize& newSize, const QSize& oldSize);
    virtual void ON_SceneFrameChanged(int new_height, int old_height);

Q_SIGNALS:
    void SizeChanged(int width, int height);
    void PosChanged(int x, int y);
    void AlphaChanged(int alpha);
    void RectChanged(const QRect& rect);
    void ControllerChanged();
    void AreaLocked(bool lock);

public Q_SLOTS:
    void ON_FrameHeightChange(int new_height, int old_height);

private:
    // Tells the contents about a new content size; drops the border when it no longer fits.
    void NoticeSizeChang();
};

} // namespace Ky
