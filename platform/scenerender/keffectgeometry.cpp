#include "keffectgeometry.h"

#include <QtGlobal>

#include <algorithm>

namespace Ky {

namespace {

void add(std::vector<QRect>& parts, int x, int y, int w, int h)
{
    if (w > 0 && h > 0)
        parts.emplace_back(x, y, w, h);
}

} // namespace

void KEffectGeometry::Frame(int effect, bool entering, qreal progress, QSize place,
                            KEffectFrame& out)
{
    const int w = place.width();
    const int h = place.height();
    const qreal p = std::clamp<qreal>(progress, 0.0, 1.0);
    out.offset = QPoint();
    out.opacity = 1.0;
    out.parts.clear();

    // Moves shift the whole picture; the others reveal (entering) or hide (leaving) parts of
    // it. a and b are the revealed, or hidden, extent across and down.
    const int a = qRound(w * p);
    const int b = qRound(h * p);
    const bool in = entering;
    auto& parts = out.parts;

    switch (effect) {
    case EffectMoveLeft:
        out.offset.setX(in ? w - a : -a);
        break;
    case EffectMoveRight:
        out.offset.setX(in ? a - w : a);
        break;
    case EffectMoveUp:
        out.offset.setY(in ? h - b : -b);
        break;
    case EffectMoveDown:
        out.offset.setY(in ? b - h : b);
        break;
    case EffectCoverLeft: // the edge runs from the right to the left
        in ? add(parts, w - a, 0, a, h) : add(parts, 0, 0, w - a, h);
        return;
    case EffectCoverRight:
        in ? add(parts, 0, 0, a, h) : add(parts, a, 0, w - a, h);
        return;
    case EffectCoverUp:
        in ? add(parts, 0, h - b, w, b) : add(parts, 0, 0, w, h - b);
        return;
    case EffectCoverDown:
        in ? add(parts, 0, 0, w, b) : add(parts, 0, b, w, h - b);
        return;
    case EffectTopLeftCover:
        if (in) {
            add(parts, 0, 0, a, b);
        } else {
            add(parts, a, 0, w - a, h);
            add(parts, 0, b, a, h - b);
        }
        return;
    case EffectBottomLeftCover:
        if (in) {
            add(parts, 0, h - b, a, b);
        } else {
            add(parts, a, 0, w - a, h);
            add(parts, 0, 0, a, h - b);
        }
        return;
    case EffectTopRightCover:
        if (in) {
            add(parts, w - a, 0, a, b);
        } else {
            add(parts, 0, 0, w - a, h);
            add(parts, w - a, b, a, h - b);
        }
        return;
    case EffectBottomRightCover:
        if (in) {
            add(parts, w - a, h - b, a, b);
        } else {
            add(parts, 0, 0, w - a, h);
            add(parts, w - a, 0, a, h - b);
        }
        return;
    case EffectOpenFromMiddle: {
        const int x0 = (w - a) / 2;
        if (in) {
            add(parts, x0, 0, a, h);
        } else {
            add(parts, 0, 0, x0, h);
            add(parts, x0 + a, 0, w - x0 - a, h);
        }
        return;
    }
    case EffectUpDownOpen: {
        const int y0 = (h - b) / 2;
        if (in) {
            add(parts, 0, y0, w, b);
        } else {
            add(parts, 0, 0, w, y0);
            add(parts, 0, y0 + b, w, h - y0 - b);
        }
        return;
    }
    case EffectCloseFromMiddle: {
        const int left = a / 2;
        const int right = a - left;
        if (in) {
            add(parts, 0, 0, left, h);
            add(parts, w - right, 0, right, h);
        } else {
            add(parts, left, 0, w - a, h);
        }
        return;
    }
    case EffectUpDownClose: {
        const int top = b / 2;
        const int bottom = b - top;
        if (in) {
            add(parts, 0, 0, w, top);
            add(parts, 0, h - bottom, w, bottom);
        } else {
            add(parts, 0, top, w, h - b);
        }
        return;
    }
    case EffectGradualChange:
        out.opacity = in ? p : 1.0 - p;
        break;
    case EffectHorizontalBlinds: {
        // Slats across the place, each opening from its top down.
        const int slat = std::max(1, (h + SlatCount - 1) / SlatCount);
        for (int y = 0; y < h; y += slat) {
            const int size = std::min(slat, h - y);
            const int open = qRound(size * p);
            in ? add(parts, 0, y, w, open) : add(parts, 0, y + open, w, size - open);
        }
        return;
    }
    case EffectVerticalBlinds: {
        const int slat = std::max(1, (w + SlatCount - 1) / SlatCount);
        for (int x = 0; x < w; x += slat) {
            const int size = std::min(slat, w - x);
            const int open = qRound(size * p);
            in ? add(parts, x, 0, open, h) : add(parts, x + open, 0, size - open, h);
        }
        return;
    }
    default: // immediate, don't clear and unknown identifiers show the whole picture
        break;
    }
    add(parts, 0, 0, w, h);
}

int KEffectGeometry::Duration(int width, int height, int effect, int speed)
{
    // Speed items "1 / 5", "1 / 4", "1 / 3", "1 / 2", "1", "2", "3", "4", "5".
    static constexpr qreal factors[] = {0.2, 0.25, 1.0 / 3.0, 0.5, 1.0, 2.0, 3.0, 4.0, 5.0};
    const int w = std::clamp(width, 0, 8192);
    const int h = std::clamp(height, 0, 8192);

    // At speed 1 an effect takes one second plus 2 ms per pixel it travels, so a large place
    // does not rush by and a small one does not crawl.
    int travel = 0;
    switch (effect) {
    case EffectMoveLeft: case EffectMoveRight: case EffectCoverLeft: case EffectCoverRight:
    case EffectOpenFromMiddle: case EffectCloseFromMiddle:
        travel = w;
        break;
    case EffectMoveUp: case EffectMoveDown: case EffectCoverUp: case EffectCoverDown:
    case EffectUpDownOpen: case EffectUpDownClose:
        travel = h;
        break;
    case EffectTopLeftCover: case EffectBottomLeftCover: case EffectTopRightCover:
    case EffectBottomRightCover: case EffectRandom:
        travel = std::max(w, h);
        break;
    case EffectGradualChange: case EffectHorizontalBlinds: case EffectVerticalBlinds:
        break;
    default: // immediate, don't clear, unknown
        return 0;
    }
    const qreal factor = factors[std::clamp(speed, 0, 8)];
    return qRound((1000.0 + 2.0 * travel) / factor);
}

} // namespace Ky
