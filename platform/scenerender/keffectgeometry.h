#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace Ky {

// The effect identifiers of the content kinds.
enum KEffectId {
    EffectImmediate = 0,
    EffectMoveLeft = 1,
    EffectMoveRight = 2,
    EffectMoveUp = 3,
    EffectMoveDown = 4,
    EffectCoverLeft = 5,
    EffectCoverRight = 6,
    EffectCoverUp = 7,
    EffectCoverDown = 8,
    EffectTopLeftCover = 9,
    EffectBottomLeftCover = 10,
    EffectTopRightCover = 11,
    EffectBottomRightCover = 12,
    EffectOpenFromMiddle = 13,
    EffectUpDownOpen = 14,
    EffectCloseFromMiddle = 15,
    EffectUpDownClose = 16,
    EffectGradualChange = 17,
    EffectHorizontalBlinds = 18,
    EffectVerticalBlinds = 19,
    EffectDontClear = 20,
    EffectRandom = 25
};

// How a picture looks at one moment of an effect, in the coordinates of its place: the picture
// is shifted by offset, only the parts are visible, at the given opacity.
struct KEffectFrame
{
    QPoint offset;
    std::vector<QRect> parts; // reused from frame to frame
    qreal opacity = 1.0;
};

class KEffectGeometry
{
public:
    // The first and last effect that draws something (what random picks from).
    static constexpr int FirstDrawn = EffectMoveLeft;
    static constexpr int LastDrawn = EffectVerticalBlinds;
    static constexpr int SlatCount = 8;

    // entering: the picture appears (progress 0 nothing, 1 whole); otherwise it goes away
    // (progress 0 whole, 1 gone).
    static void Frame(int effect, bool entering, qreal progress, QSize place, KEffectFrame& out);

    // Milliseconds an effect lasts on a place of width x height at speed index 0 to 8.
    static int Duration(int width, int height, int effect, int speed);
};

} // namespace Ky
