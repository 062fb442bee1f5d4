#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace Ky {

class KFrame;

// Draws the border of a program or an area from its pattern bitmap: the strip is repeated
// along the four edges (turned with each edge, its first row outside) and, step by step,
// runs round clockwise (rotate), goes dark every other step (twinkle) or stays (static).
class KBorderPainter
{
public:
    enum Effect { Rotate = 0, Twinkle = 1, Static = 2 };

    // Takes the frame's chosen pattern, colour, effect and speed. False, drawing nothing, when
    // the border is off or its pattern does not exist.
    bool Load(const KFrame* frame);
    // The same from the parts, for callers without a frame; tint colours single-colour masks.
    bool Load(const QString& resource, const QColor& tint, int effect, int speed);

    bool IsLoaded() const { return !m_pattern.isNull(); }
    int Thickness() const { return m_pattern.height(); }
    int effect() const { return m_effect; }
    bool Animated() const { return IsLoaded() && m_effect != Static; }
    // Milliseconds between two steps; speed 0 is the slowest, 15 the fastest.
    int Interval() const;
    static int Interval(int effect, int speed);

    // The border of a rectangle of that size at an animation step, on a transparent inside.
    QImage Draw(const QSize& size, int step) const;

private:
    QImage m_pattern; // 32-bit ARGB, tinted
    int m_effect = Static;
    int m_speed = 0;
};

} // namespace Ky
