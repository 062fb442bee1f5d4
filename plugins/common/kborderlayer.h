#pragma once

#include "kborderpainter.h"
#include "kframetimer.h"
#include "kstillarea.h"

#include <QObject>
#include <QRect>

namespace Ky {

class KFrame;

// The border of a program or an area on the preview: an area of the render service of its own,
// above the content and transparent inside, holding one picture that the animation redraws.
class KBorderLayer : public QObject
{
    Q_OBJECT
public:
    KBorderLayer();
    ~KBorderLayer() override;

    // Shows the frame's border around rect; nothing when the border is off or does not fit.
    void Show(const KFrame* frame, const QRect& rect, int alpha, int layer);
    void Hide();
    void SetLayer(int layer);
    void SetPaused(bool paused);
    bool IsShown() const { return m_layer.area() != 0; }
    // Draws the next animation step at once (tests step without waiting).
    void Step();
    int step() const { return m_step; }

private:
    void Upload();

    KBorderPainter m_painter;
    QRect m_rect;
    KStillArea m_layer;
    int m_step = 0;
    bool m_paused = false;
    KFrameTimer m_timer; // one step of the animation
};

} // namespace Ky
