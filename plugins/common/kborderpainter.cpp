#include "kborderpainter.h"

#include "kframe.h"

#include <QColor>
#include <QPainter>
#include <QTransform>

namespace Ky {

namespace {
constexpr int kMaxSpeed = 15;

// Repeats tile from start in steps of its length along one axis, inside clip.
void TileAlong(QPainter& painter, const QImage& tile, const QRect& clip, bool horizontal, int start,
               int stride)
{
    painter.save();
    painter.setClipRect(clip);
    const int end = horizontal ? clip.right() : clip.bottom();
    const int first = horizontal ? clip.left() : clip.top();
    // Start at or before the first pixel of the clip.
    int pos = start;
    if (pos > first)
        pos -= ((pos - first + stride - 1) / stride) * stride;
    for (; pos <= end; pos += stride) {
        if (horizontal)
            painter.drawImage(pos, clip.top(), tile);
        else
            painter.drawImage(clip.left(), pos, tile);
    }
    painter.restore();
}
} // namespace

bool KBorderPainter::Load(const KFrame* frame)
{
    m_pattern = QImage();
    if (!frame || !frame->Enable())
        return false;
    const int family = frame->FrameType();
    const QColor tint =
        family == KFrame::Purity ? QColor::fromRgb(QRgb(quint32(frame->PurityColor()))) : QColor();
    return Load(frame->Type2Image(family), tint, frame->Effect(), frame->Speed());
}

bool KBorderPainter::Load(const QString& resource, const QColor& tint, int effect, int speed)
{
    m_effect = effect == Rotate || effect == Twinkle ? effect : Static;
    m_speed = qBound(0, speed, kMaxSpeed);
    m_pattern = resource.isEmpty() ? QImage() : QImage(resource);
    if (m_pattern.isNull())
        return false;
    m_pattern.convertTo(QImage::Format_ARGB32);
    if (tint.isValid()) {
        // Single-colour patterns are masks: lit pixels take the chosen colour.
        for (int y = 0; y < m_pattern.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(m_pattern.scanLine(y));
            for (int x = 0; x < m_pattern.width(); ++x)
                if (qGray(line[x]) > 0)
                    line[x] = tint.rgb();
        }
    }
    return true;
}

int KBorderPainter::Interval() const
{
    return Interval(m_effect, m_speed);
}

int KBorderPainter::Interval(int effect, int speed)
{
    const int slower = kMaxSpeed - qBound(0, speed, kMaxSpeed);
    return effect == Twinkle ? 150 + slower * 50 : 30 + slower * 20;
}

QImage KBorderPainter::Draw(const QSize& size, int step) const
{
    QImage canvas(size, QImage::Format_ARGB32);
    if (canvas.isNull())
        return canvas;
    canvas.fill(0);
    const int t = Thickness();
    if (!IsLoaded() || size.width() < 2 * t || size.height() < 2 * t)
        return canvas;
    const int w = size.width();
    const int h = size.height();
    const QRect top(0, 0, w, t);
    const QRect bottom(0, h - t, w, t);
    const QRect left(0, t, t, h - 2 * t);
    const QRect right(w - t, t, t, h - 2 * t);
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (m_effect == Twinkle && step % 2 == 1) {
        // The dark phase: every pixel of the border unlit.
        for (const QRect& edge : {top, bottom, left, right})
            painter.fillRect(edge, Qt::black);
        return canvas;
    }
    const int length = m_pattern.width();
    const int shift = m_effect == Rotate ? step % length : 0;
    const QImage down = m_pattern.transformed(QTransform().rotate(90));
    const QImage back = m_pattern.transformed(QTransform().rotate(180));
    const QImage up = m_pattern.transformed(QTransform().rotate(270));
    // Clockwise: the top runs right, the right side down, the bottom left, the left side up.
    TileAlong(painter, m_pattern, top, true, shift, length);
    TileAlong(painter, down, right, false, shift, length);
    TileAlong(painter, back, bottom, true, w - length - shift, length);
    TileAlong(painter, up, left, false, h - length - shift, length);
    return canvas;
}

} // namespace Ky
